// The cells as the sheet's commands and the cell editor see them: which windows are cells,
// and the one way a digit of a cell is selected.
#include "sheet.h"

#include "../base/program.h"
#include "../base/resource.h"

bool IsCell(HWND window)
{
    int id = GetDlgCtrlID(window);
    return window != nullptr && GetParent(window) == MainWindow && id >= IDC_FIRST_CELL &&
           id <= IDC_LAST_CELL;
}

void SelectDigit(HWND cell, int position) { SendMessageA(cell, EM_SETSEL, position + 1, position); }

void FocusCell(HWND cell, int position)
{
    SetFocus(cell);
    SelectDigit(cell, position);
}
