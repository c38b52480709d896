// What every part of the program shares: its instance and its main window. Start-up
// (app/startup.cpp) sets both; every layer may read them.
#ifndef ZELMORA_PROGRAM_H
#define ZELMORA_PROGRAM_H

#include <windows.h>

extern HINSTANCE ProgramInstance; // the executable, whose resources are loaded
extern HWND MainWindow;           // the main window, owner of run-time messages

#endif
