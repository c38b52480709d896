// Commands that change marks and cells other than by typing.
#include "sheet.h"

#include "../base/program.h"
#include "../base/resource.h"
#include "duration.h"

#include <cstring>

static void Repaint(HWND cell)
{
    InvalidateRect(cell, nullptr, TRUE);
    UpdateWindow(cell);
}

void MarkFocusedCell(CellColour colour)
{
    HWND focused = GetFocus();
    // Only a cell carries a mark; with the focus anywhere else there is nothing to mark.
    if (!IsCell(focused))
        return;
    if (GetWindowLongPtrA(focused, GWLP_USERDATA) != colour) {
        SetWindowLongPtrA(focused, GWLP_USERDATA, colour);
        Repaint(focused);
    }
    RecalcTotals(MainWindow);
}

// Brings any mark other than White back to White, repainting the cell at once.
static void ClearMark(HWND cell)
{
    if (GetWindowLongPtrA(cell, GWLP_USERDATA) != White) {
        SetWindowLongPtrA(cell, GWLP_USERDATA, White);
        Repaint(cell);
    }
}

void WhiteOnly()
{
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id)
        ClearMark(GetDlgItem(MainWindow, id));
    RecalcTotals(MainWindow);
}

bool ResettingSheet;

void ResetSheet()
{
    ResettingSheet = true;
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id) {
        char text[FieldTextSize];
        GetDlgItemTextA(MainWindow, id, text, FieldTextSize);
        if (strcmp(text, "00:00") != 0)
            SetDlgItemTextA(MainWindow, id, "00:00");
        ClearMark(GetDlgItem(MainWindow, id));
    }
    ResettingSheet = false;
    FocusCell(GetDlgItem(MainWindow, IDC_FIRST_CELL), 0);
    RecalcTotals(MainWindow);
}
