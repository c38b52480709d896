// The start-up steps, in the order the main procedure runs them. Each returns false when
// the program has to end there.
#ifndef ZELMORA_APP_H
#define ZELMORA_APP_H

#include <windows.h>

bool CheckWindowsVersion();
bool LookUpMenuFunctions();
bool RegisterMainWindowClass(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);
void LoadHtmlHelp();
void ShowAndPrepare(HINSTANCE instance, HACCEL& accelerators);
void InstallTooltips(HINSTANCE instance);
void RunMessageLoop(HACCEL accelerators);

#endif
