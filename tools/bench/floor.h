// What the two floor programs of the start-up benchmark share: a window of the program's
// size and style, centred, shown, and a plain message loop.
#ifndef ZELMORA_BENCH_FLOOR_H
#define ZELMORA_BENCH_FLOOR_H

#include <windows.h>

// The controls' styles, as the program makes them.
enum : DWORD {
    HeaderStyle = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE,
    TotalStyle = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY,
    FrameStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_CENTER,
    PanelStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_CENTER | SS_NOTIFY,
    ImageButtonStyle = WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_CENTERIMAGE | SS_NOTIFY,
    CellStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | ES_CENTER | ES_MULTILINE,
};

// Registers CLASS_NAME with PROCEDURE and MENU (0 for none), creates its window with the
// program's client size, shows it and runs the loop; returns the process's exit code.
// Run "once" (IsRunOnce) it stops at the first empty queue instead of looping, and marks its
// steps for the wineserver trace (see MarkStep).
int RunFloorWindow(HINSTANCE instance, const char* className, WNDPROC procedure, int menu);

// True when the command line's last word is "once". The floors are built as the program is,
// without a runtime that would hand WinMain its command line, so they read it themselves.
bool IsRunOnce();

// Leaves a mark in a wineserver trace (WINEDEBUG=+server): one look-up of an atom named
// "zelmora-step NAME", a request of its own that tools/bench/requests.py splits the trace at.
void MarkStep(const char* name);

#endif
