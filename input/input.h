// Cell input: the cell editor and the image buttons.
#ifndef ZELMORA_INPUT_H
#define ZELMORA_INPUT_H

#include <windows.h>

enum { ButtonCount = 9 };

// Kept by the cell editor (input/cell_edit.cpp): the cell that last had the focus. The main
// window's creation starts it at the first cell and gives the focus back to it on activation.
extern int FocusedCellId;
// Pixels of the cells' font, measured once by the main window's creation (window/layout.cpp).
extern int ColonWidth, DigitWidth;
// The EDIT and STATIC classes' own procedures, behind the cells' and the buttons'; read by the
// main window's creation (window/layout.cpp) before it subclasses the controls.
extern WNDPROC StandardEditProc, StandardStaticProc;
// The cells' colour menu, loaded by the main window's creation (window/layout.cpp).
extern HMENU ColourMenu;
// The buttons' released and pressed faces, by button number from 1 (element 0 unused): made,
// remade on a display change and deleted by window/images.cpp, shown by the buttons.
extern HBITMAP ButtonFaceUp[ButtonCount + 1], ButtonFaceDown[ButtonCount + 1];

LRESULT CALLBACK CellEditProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

// One wheel message, wherever over the main window it turned: the focused cell moves one cell,
// up when the wheel turned forward, down when backward.
void TurnWheel(WPARAM wParam);

// The main window's WM_TIMER: the auto-repeat of the arrow buttons (timers 1..8).
void RepeatTick(int timer);

// Lets go of the mouse if an image button holds it, ending its repeat.
void ReleaseButtonCapture();

#endif
