// Numbers of the resources and of the main window's controls: one name for each number.
// The program computes with several ranges, each named by its first and last member; the
// rule of each range is noted with it.
#ifndef ZELMORA_RESOURCE_H
#define ZELMORA_RESOURCE_H

// The About dialog and its licence button
#define IDD_ABOUT 5
#define IDC_ABOUT_LICENCE 9

// The application icon
#define IDI_APP 11

// Menu icons 21..28; menu icon k (1..8) is IDI_FIRST_MENU_ICON + k - 1
#define IDI_MENU_MARK_WHITE 21
#define IDI_MENU_MARK_BLUE 22
#define IDI_MENU_MARK_RED 23
#define IDI_MENU_WHITE_ONLY 24
#define IDI_MENU_RESET 25
#define IDI_MENU_HELP 26
#define IDI_MENU_CHOSEN 27
#define IDI_MENU_NOT_CHOSEN 28
#define IDI_FIRST_MENU_ICON IDI_MENU_MARK_WHITE
#define IDI_LAST_MENU_ICON IDI_MENU_NOT_CHOSEN

// Button glyphs 31..39; the glyph of button number k (1..9) is IDI_FIRST_GLYPH + k - 1
#define IDI_GLYPH_WHITE_ONLY 31
#define IDI_GLYPH_RESET 32
#define IDI_GLYPH_UP 33
#define IDI_GLYPH_LEFT 34
#define IDI_GLYPH_RIGHT 35
#define IDI_GLYPH_DOWN 36
#define IDI_GLYPH_MARK_WHITE 37
#define IDI_GLYPH_MARK_BLUE 38
#define IDI_GLYPH_MARK_RED 39
#define IDI_FIRST_GLYPH IDI_GLYPH_WHITE_ONLY
#define IDI_LAST_GLYPH IDI_GLYPH_MARK_RED

// Bitmaps
#define IDB_MENU_TEXTURE 41
#define IDB_FACE_UP 42
#define IDB_FACE_DOWN 43

// Tooltip texts: total field 301..304 shows IDS_FIRST_TOTAL_TIP + (field - IDC_FIRST_TIPPED_TOTAL),
// button 401..409 shows IDS_FIRST_BUTTON_TIP + (button - IDC_FIRST_BUTTON)
#define IDS_TIP_WHITE_SUM 51
#define IDS_TIP_BLUE_SUM 52
#define IDS_TIP_RED_SUM 53
#define IDS_TIP_GRAND_TOTAL 54
#define IDS_FIRST_TOTAL_TIP IDS_TIP_WHITE_SUM
#define IDS_LAST_TOTAL_TIP IDS_TIP_GRAND_TOTAL
#define IDS_TIP_WHITE_ONLY 61
#define IDS_TIP_RESET 62
#define IDS_TIP_UP 63
#define IDS_TIP_LEFT 64
#define IDS_TIP_RIGHT 65
#define IDS_TIP_DOWN 66
#define IDS_TIP_MARK_WHITE 67
#define IDS_TIP_MARK_BLUE 68
#define IDS_TIP_MARK_RED 69
#define IDS_FIRST_BUTTON_TIP IDS_TIP_WHITE_ONLY
#define IDS_LAST_BUTTON_TIP IDS_TIP_MARK_RED

// Menus and accelerators
#define IDR_MAIN_MENU 700
#define IDR_ACCELERATORS 750
#define IDR_COLOUR_MENU 800

// Menu bar commands
#define IDM_MARK_WHITE 701
#define IDM_MARK_BLUE 702
#define IDM_MARK_RED 703
#define IDM_WHITE_ONLY 704
#define IDM_RESET 705
#define IDM_EXIT 706
#define IDM_HELP 711
#define IDM_ABOUT 712
// Colour menu commands: IDM_FIRST_COLOUR + CellColour
#define IDM_COLOUR_WHITE 801
#define IDM_COLOUR_BLUE 802
#define IDM_COLOUR_RED 803
#define IDM_FIRST_COLOUR IDM_COLOUR_WHITE
#define IDM_LAST_COLOUR IDM_COLOUR_RED

// Cells: IDC_FIRST_CELL + 10 * (column - 1) + (row - 1), column 1..4, row 1..10
#define IDC_FIRST_CELL 101
#define IDC_LAST_CELL 140
#define IDC_TOTALS_FRAME 199
#define IDC_BUTTON_PANEL 200
// Row labels: the label of a cell is IDC_FIRST_ROW_LABEL + (cell - IDC_FIRST_CELL)
#define IDC_FIRST_ROW_LABEL 201
#define IDC_LAST_ROW_LABEL 240
// Column headings, one of each kind per column: IDC_FIRST_... + column - 1
#define IDC_FIRST_SIGMA 241
#define IDC_LAST_SIGMA 244
#define IDC_FIRST_NUMBER_HEADER 245
#define IDC_LAST_NUMBER_HEADER 248
#define IDC_FIRST_TIME_HEADER 249
#define IDC_LAST_TIME_HEADER 252
#define IDC_TOTALS_HEADER 253
// The eight total fields, IDC_FIRST_TOTAL..IDC_LAST_TOTAL: the colour sums, the grand total,
// the column totals. Colour sums: IDC_FIRST_COLOUR_SUM + CellColour
#define IDC_WHITE_SUM 301
#define IDC_BLUE_SUM 302
#define IDC_RED_SUM 303
#define IDC_GRAND_TOTAL 304
// Column totals: IDC_FIRST_COLUMN_TOTAL + column - 1
#define IDC_FIRST_COLUMN_TOTAL 305
#define IDC_LAST_COLUMN_TOTAL 308
#define IDC_FIRST_TOTAL IDC_WHITE_SUM
#define IDC_LAST_TOTAL IDC_LAST_COLUMN_TOTAL
#define IDC_FIRST_COLOUR_SUM IDC_WHITE_SUM
#define IDC_LAST_COLOUR_SUM IDC_RED_SUM
// The four fields in the totals frame, under the frame's tooltips
#define IDC_FIRST_TIPPED_TOTAL IDC_WHITE_SUM
#define IDC_LAST_TIPPED_TOTAL IDC_GRAND_TOTAL
// The navy fields: the grand total and the column totals
#define IDC_FIRST_NAVY_TOTAL IDC_GRAND_TOTAL
#define IDC_LAST_NAVY_TOTAL IDC_LAST_COLUMN_TOTAL
// Image buttons: button number k (1..9) is IDC_FIRST_BUTTON + k - 1
#define IDC_WHITE_ONLY_BUTTON 401
#define IDC_RESET_BUTTON 402
#define IDC_UP_BUTTON 403
#define IDC_LEFT_BUTTON 404
#define IDC_RIGHT_BUTTON 405
#define IDC_DOWN_BUTTON 406
#define IDC_MARK_WHITE_BUTTON 407
#define IDC_MARK_BLUE_BUTTON 408
#define IDC_MARK_RED_BUTTON 409
#define IDC_FIRST_BUTTON IDC_WHITE_ONLY_BUTTON
#define IDC_LAST_BUTTON IDC_MARK_RED_BUTTON
// The arrow buttons, which repeat while held: repeat k (1..4) is IDC_FIRST_ARROW_BUTTON + k - 1
#define IDC_FIRST_ARROW_BUTTON IDC_UP_BUTTON
#define IDC_LAST_ARROW_BUTTON IDC_DOWN_BUTTON

// Spans the code walks across kinds, which rely on the kinds lying next to each other:
// the navy column headings (sigmas, number and time headers, 241..252),
#define IDC_FIRST_COLUMN_HEADING IDC_FIRST_SIGMA
#define IDC_LAST_COLUMN_HEADING IDC_LAST_TIME_HEADER
// the headings in the label font (number and time headers, the totals header, 245..253),
#define IDC_FIRST_LABEL_FONT_HEADING IDC_FIRST_NUMBER_HEADER
#define IDC_LAST_LABEL_FONT_HEADING IDC_TOTALS_HEADER
// the lavender controls (the totals frame, the button panel, the row labels, 199..240),
#define IDC_FIRST_LAVENDER IDC_TOTALS_FRAME
#define IDC_LAST_LAVENDER IDC_LAST_ROW_LABEL
// and every control of the main window, whose identifiers all lie in 1..IDC_LAST_CONTROL.
#define IDC_LAST_CONTROL IDC_LAST_BUTTON

#endif
