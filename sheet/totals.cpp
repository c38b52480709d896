// The totals: a full pass over the sheet after every change.
#include "sheet.h"

#include "../base/resource.h"
#include "duration.h"

#include <cstring>

static_assert(CellCount == IDC_LAST_CELL - IDC_FIRST_CELL + 1, "a text and a mark for each cell");
static_assert(TotalCount == IDC_LAST_TOTAL - IDC_FIRST_TOTAL + 1, "a text for each total field");

CellColour ReadCellColour(HWND cell)
{
    LONG_PTR value = GetWindowLongPtrA(cell, GWLP_USERDATA);
    return value == Blue || value == Red ? static_cast<CellColour>(value) : White;
}

static WNDPROC FieldClassProc; // the STATIC class's procedure, behind TotalFieldProc
static bool Storing;           // a recalculation is writing a field

// A total field shows what the last recalculation wrote. A text another program sends it
// is refused, or the totals would no longer add up the cells.
static LRESULT CALLBACK TotalFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT && InSendMessage() && !Storing)
        return FALSE;
    return CallWindowProcA(FieldClassProc, field, message, wParam, lParam);
}

void GuardTotalField(HWND field)
{
    FieldClassProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(field, GWLP_WNDPROC));
    SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TotalFieldProc));
}

// Sets the field's text only when it differs, so a keystroke repaints just what changed.
static void Store(HWND mainWindow, int id, const char* text)
{
    HWND field = GetDlgItem(mainWindow, id);
    char shown[FieldTextSize];
    GetWindowTextA(field, shown, FieldTextSize);
    if (strcmp(shown, text) != 0) {
        Storing = true;
        SetWindowTextA(field, text);
        Storing = false;
    }
}

void RecalcTotals(HWND mainWindow)
{
    char cells[CellCount][FieldTextSize];
    int colour[CellCount];
    for (int i = 0; i < CellCount; ++i) {
        // One look-up per cell: under Wine each GetDlgItem is a trip to the server.
        HWND cell = GetDlgItem(mainWindow, IDC_FIRST_CELL + i);
        GetWindowTextA(cell, cells[i], FieldTextSize);
        colour[i] = ReadCellColour(cell);
    }
    TotalTexts totals;
    ComputeTotals(cells, colour, totals);
    // Column totals first, then the grand total, then the colour sums.
    static const int order[TotalCount] = {IDC_FIRST_COLUMN_TOTAL,
                                          IDC_FIRST_COLUMN_TOTAL + 1,
                                          IDC_FIRST_COLUMN_TOTAL + 2,
                                          IDC_LAST_COLUMN_TOTAL,
                                          IDC_GRAND_TOTAL,
                                          IDC_WHITE_SUM,
                                          IDC_BLUE_SUM,
                                          IDC_RED_SUM};
    for (int id : order)
        Store(mainWindow, id, totals.text[id - IDC_FIRST_TOTAL]);
}
