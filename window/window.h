// The main window: its procedure, its creation and the pictures and colours it draws with.
#ifndef ZELMORA_WINDOW_H
#define ZELMORA_WINDOW_H

#include <windows.h>

// Told once by start-up (app/startup.cpp) whether this is Windows 2000, version 5.0, whose
// menu bar needs redrawing after a menu.
void NoteWindows2000(bool isWindows2000);

// The class's background, made for start-up (app/startup.cpp) before the window exists and
// deleted with the window's other brushes, by DeleteColourBrushes, or by DeleteBackgroundBrush
// when the window could not be made.
HBRUSH CreateBackgroundBrush();
void DeleteBackgroundBrush();

// GetMenuInfo and SetMenuInfo, looked up in user32 by start-up (app/startup.cpp) and handed
// to the menu look.
typedef BOOL(WINAPI* GetMenuInfoFunction)(HMENU, LPMENUINFO);
typedef BOOL(WINAPI* SetMenuInfoFunction)(HMENU, LPCMENUINFO);
void SetMenuInfoFunctions(GetMenuInfoFunction get, SetMenuInfoFunction set);

// Made by images.cpp, drawn by the menu look (menu_look.cpp): the menu background texture
// and its inverted copy, and the menu icons 21..28 by their role.
extern HBITMAP MenuTexture, MenuTextureInverse;
enum MenuIcon {
    MarkWhiteIcon = 1,
    MarkBlueIcon,
    MarkRedIcon,
    WhiteOnlyIcon,
    ResetIcon,
    HelpIcon,
    ChosenIcon,
    NotChosenIcon,
    MenuIconCount = NotChosenIcon
};
extern HICON MenuIcons[MenuIconCount + 1];

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The main window's WM_CREATE and WM_DESTROY: every drawing object and child control.
void CreateMainWindowContents(HWND window);
void DeleteDrawingObjects();

// The solid brushes, and the colours of the cells and the static controls.
void CreateColourBrushes();
void DeleteColourBrushes();
HBRUSH CellColours(HDC dc, HWND cell);
HBRUSH StaticColours(HDC dc, HWND control);

// Loads the menu textures and icons and composes the button faces; ReloadImages does it
// again after a display change.
void LoadImages();
void ReloadImages();
void DeleteImages();

// The menu look: textured background, item pictures, the colour menu's own check.
// SetUpMenuLook keeps the menu bar and applies the look the first time, at the window's
// creation; ApplyMenuLook applies it again after a change of colours, theme or display.
void SetUpMenuLook(HMENU menuBar);
void ApplyMenuLook();
void DeleteMenuBrushes();
HBRUSH ChooseMenuBrush(HBRUSH plain, HBRUSH inverse);
void MeasureMenuItem(MEASUREITEMSTRUCT* item);
void DrawMenuItem(const DRAWITEMSTRUCT* item);

#endif
