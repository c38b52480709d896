// Cell input: the cell editor and the image buttons.
#ifndef ZELMORA_INPUT_H
#define ZELMORA_INPUT_H

#include <windows.h>

LRESULT CALLBACK CellEditProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

// Gives the cell the focus and selects the digit at position (0, 1, 3 or 4).
void FocusCell(HWND cell, int position);

// One wheel message, wherever over the main window it turned: the focused cell moves one cell,
// up when the wheel turned forward, down when backward.
void TurnWheel(WPARAM wParam);

// The main window's WM_TIMER: the auto-repeat of the arrow buttons (timers 1..8).
void RepeatTick(int timer);

// Lets go of the mouse if an image button holds it, ending its repeat.
void ReleaseButtonCapture();

#endif
