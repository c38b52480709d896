// Cell input: the cell editor and the image buttons.
#ifndef ZELMORA_INPUT_H
#define ZELMORA_INPUT_H

#include <windows.h>

enum { ButtonCount = 9 };

// Kept by the cell editor (input/cell_edit.cpp): the cell that last had the focus. The main
// window gives the focus back to it on activation.
extern int FocusedCellId;
// Pixels of the cells' font, kept by the cell editor; the main window's creation measures them.
extern int ColonWidth, DigitWidth;
// The cells' colour menu, loaded by the cell editor; the menu look draws it.
extern HMENU ColourMenu;
// The buttons' released and pressed faces, by button number from 1 (element 0 unused), kept by
// the buttons (input/buttons.cpp): made, remade on a display change and deleted by
// window/images.cpp, which hands them over.
extern HBITMAP ButtonFaceUp[ButtonCount + 1], ButtonFaceDown[ButtonCount + 1];

// What the main window's creation (window/layout.cpp) hands the cell editor, in this order:
// the font's measures, each cell to subclass, the first focus, the colour menu to load.
void SetCellMetrics(int colonWidth, int digitWidth);
void SubclassCell(HWND cell);
void StartAtFirstCell(HWND firstCell);
void LoadColourMenu();

// Each image button to subclass (window/layout.cpp), and its faces (window/images.cpp).
void SubclassButton(HWND button);
void SetButtonFaces(int number, HBITMAP up, HBITMAP down);

// One wheel message, wherever over the main window it turned: the focused cell moves one cell,
// up when the wheel turned forward, down when backward.
void TurnWheel(WPARAM wParam);

// The main window's WM_TIMER: the auto-repeat of the arrow buttons (timers 1..8).
void RepeatTick(int timer);

// Lets go of the mouse if an image button holds it, ending its repeat.
void ReleaseButtonCapture();

#endif
