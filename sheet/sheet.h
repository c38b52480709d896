// The track sheet: colour marks, the totals and the commands that change marks and cells.
// The controls hold all of it; every operation re-reads what it needs.
#ifndef ZELMORA_SHEET_H
#define ZELMORA_SHEET_H

#include <windows.h>

#include "duration.h"

// Whether the window is one of the main window's 40 cells.
bool IsCell(HWND window);

// Selects the digit at position (0, 1, 3 or 4) of the cell, the one form every selection
// takes: the selection from position + 1 back to position.
void SelectDigit(HWND cell, int position);
// Gives the cell the focus and selects the digit at position.
void FocusCell(HWND cell, int position);

// The mark as every reader sees it: 1 is Blue, 2 is Red, anything else White.
CellColour ReadCellColour(HWND cell);

// Keeps a total field's text the recalculation's own: texts from other programs are refused.
void GuardTotalField(HWND field);

// Re-reads all cells and marks and rewrites the total fields whose text changed.
void RecalcTotals(HWND mainWindow);

// True while ResetSheet writes the cells: its one recalculation at the end covers them all.
extern bool ResettingSheet;

void MarkFocusedCell(CellColour colour);
void WhiteOnly();
void ResetSheet();

#endif
