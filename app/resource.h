// Numbers of the resources and of the main window's controls.
// The program computes with several of these ranges; the rules are noted where they apply.
#ifndef ZELMORA_RESOURCE_H
#define ZELMORA_RESOURCE_H

// Dialogs
#define IDD_ABOUT 5
#define IDC_ABOUT_LICENCE 9

// Icons: menu icon k (1..8) is 20 + k, the glyph of button 400 + k is 30 + k
#define IDI_APP 11
#define IDI_MENU_BASE 20
#define IDI_GLYPH_BASE 30

// Bitmaps
#define IDB_MENU_TEXTURE 41
#define IDB_FACE_UP 42
#define IDB_FACE_DOWN 43

// Tooltip strings: total field id - 250 (51..54), button id - 340 (61..69)
#define IDS_TIP_TOTALS_OFFSET 250
#define IDS_TIP_BUTTONS_OFFSET 340

// Menus and accelerators
#define IDR_MAIN_MENU 700
#define IDR_ACCELERATORS 750
#define IDR_COLOUR_MENU 800

// Menu commands
#define IDM_MARK_WHITE 701
#define IDM_MARK_BLUE 702
#define IDM_MARK_RED 703
#define IDM_WHITE_ONLY 704
#define IDM_RESET 705
#define IDM_EXIT 706
#define IDM_HELP 711
#define IDM_ABOUT 712
#define IDM_COLOUR_WHITE 801 // 801 + CellColour
#define IDM_COLOUR_BLUE 802
#define IDM_COLOUR_RED 803

// Cells: 100 + 10 * (column - 1) + row, column 1..4, row 1..10
#define IDC_FIRST_CELL 101
#define IDC_LAST_CELL 140
#define IDC_TOTALS_FRAME 199
#define IDC_BUTTON_PANEL 200
// Row labels: cell id + 100 (201..240)
#define IDC_LABEL_OFFSET 100
// Sigma labels, number headers, time headers: 240 + column, 244 + column, 248 + column
#define IDC_SIGMA_BASE 240
#define IDC_NUMBER_HEADER_BASE 244
#define IDC_TIME_HEADER_BASE 248
#define IDC_TOTALS_HEADER 253
// Colour sums: 301 + CellColour; grand total 304; column totals: 304 + column
#define IDC_COLOUR_SUM_BASE 301
#define IDC_GRAND_TOTAL 304
#define IDC_COLUMN_TOTAL_BASE 304
// Image buttons: 400 + button number (1..9)
#define IDC_BUTTON_BASE 400
#define IDC_WHITE_ONLY_BUTTON 401
#define IDC_RESET_BUTTON 402
#define IDC_UP_BUTTON 403
#define IDC_LEFT_BUTTON 404
#define IDC_RIGHT_BUTTON 405
#define IDC_DOWN_BUTTON 406
#define IDC_MARK_WHITE_BUTTON 407
#define IDC_MARK_BLUE_BUTTON 408
#define IDC_MARK_RED_BUTTON 409

#endif
