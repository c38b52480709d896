// What the start-up code sets up for the whole program.
#ifndef ZELMORA_APP_H
#define ZELMORA_APP_H

#include <windows.h>

typedef BOOL(WINAPI* GetMenuInfoFunction)(HMENU, LPMENUINFO);
typedef BOOL(WINAPI* SetMenuInfoFunction)(HMENU, LPCMENUINFO);

extern HINSTANCE ProgramInstance;            // the executable, whose resources are loaded
extern HWND MainWindow;                      // the main window, owner of run-time messages
extern bool IsWindows2000;                   // version 5.0: the menu bar needs redrawing
extern GetMenuInfoFunction GetMenuInfoEntry; // looked up in user32 at start-up
extern SetMenuInfoFunction SetMenuInfoEntry; // looked up in user32 at start-up
extern HBRUSH BackgroundBrush;               // the main window class's background

// Start-up steps, in the order the main procedure runs them. Each returns false
// when the program has to end there.
bool CheckWindowsVersion();
bool LookUpMenuFunctions();
bool RegisterMainWindowClass(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);
void LoadHtmlHelp();
void ShowAndPrepare(HINSTANCE instance, HACCEL& accelerators);
void InstallTooltips(HINSTANCE instance);
void RunMessageLoop(HACCEL accelerators);

#endif
