// The main window: its procedure, its drawing objects and the measurements of its cells.
#ifndef ZELMORA_WINDOW_H
#define ZELMORA_WINDOW_H

#include <windows.h>

enum { ButtonCount = 9, MenuIconCount = 8 };

// Drawing objects, made when the main window is created and freed when it is destroyed.
// The tables are indexed by button number or icon number from 1; element 0 is unused.
extern HBRUSH WhiteBrush, BlueBrush, RedBrush, NavyBrush, LavenderBrush;
extern HBITMAP MenuTexture;                     // the menu background texture
extern HBITMAP MenuTextureInverse;              // the same texture, every pixel inverted
extern HBRUSH MenuBrush, MenuBrushInverse;      // pattern brushes of the two textures
extern HICON MenuIcons[MenuIconCount + 1];      // icons 21..28
extern HBITMAP ButtonFaceUp[ButtonCount + 1];   // released faces with their glyphs
extern HBITMAP ButtonFaceDown[ButtonCount + 1]; // pressed faces with their glyphs
extern HICON ButtonGlyphs[ButtonCount + 1];     // icons 31..39
extern HFONT LabelFont, SymbolFont, FigureFont;
extern int ColonWidth, DigitWidth; // pixels of FigureFont, measured once
extern int FocusedCellId;          // the cell that last had the focus
extern WNDPROC StandardEditProc, StandardStaticProc;
extern HMENU MainMenu, ColourMenu;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Builds every drawing object and child control (the main window's WM_CREATE).
void CreateMainWindowContents(HWND window);
void DeleteDrawingObjects();

// Colours of the cells and the static controls.
HBRUSH CellColours(HDC dc, HWND cell);
HBRUSH StaticColours(HDC dc, HWND control);

// Loads the menu textures and composes the button faces; ReloadImages does it again
// after a display change.
void LoadImages(HWND window);
void ReloadImages();
void DeleteImages();

// The menu look: textured background, item pictures, the colour menu's own check.
void ApplyMenuLook();
HBRUSH ChooseMenuBrush(HBRUSH plain, HBRUSH inverse);
void MeasureMenuItem(MEASUREITEMSTRUCT* item);
void DrawMenuItem(const DRAWITEMSTRUCT* item);

#endif
