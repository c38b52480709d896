// The colours the cells and static controls paint with, asked for at every repaint.
#include "window.h"

#include "../app/resource.h"
#include "../sheet/sheet.h"

static HBRUSH Paint(HDC dc, COLORREF background, COLORREF text, HBRUSH brush)
{
    SetBkColor(dc, background);
    SetTextColor(dc, text);
    return brush;
}

static HBRUSH MarkColours(HDC dc, int mark)
{
    switch (mark) {
    case Blue:
        return Paint(dc, RGB(0, 0, 255), RGB(255, 255, 255), BlueBrush);
    case Red:
        return Paint(dc, RGB(255, 0, 0), RGB(255, 255, 255), RedBrush);
    default:
        return Paint(dc, RGB(255, 255, 255), RGB(0, 0, 0), WhiteBrush);
    }
}

HBRUSH CellColours(HDC dc, HWND cell)
{
    int id = GetDlgCtrlID(cell);
    if (id < IDC_FIRST_CELL || id > IDC_LAST_CELL)
        return nullptr;
    return MarkColours(dc, ReadCellColour(cell));
}

HBRUSH StaticColours(HDC dc, HWND control)
{
    const COLORREF navy = RGB(0, 0, 128), white = RGB(255, 255, 255), lavender = RGB(225, 225, 255);
    int id = GetDlgCtrlID(control);
    if (id >= IDC_SIGMA_BASE + 1 && id <= IDC_TIME_HEADER_BASE + 4)
        return Paint(dc, navy, white, NavyBrush);
    if (id >= IDC_GRAND_TOTAL && id <= IDC_COLUMN_TOTAL_BASE + 4)
        return Paint(dc, navy, white, NavyBrush);
    if (id == IDC_TOTALS_HEADER)
        return Paint(dc, lavender, navy, LavenderBrush);
    if (id >= IDC_TOTALS_FRAME && id <= IDC_LAST_CELL + IDC_LABEL_OFFSET)
        return Paint(dc, lavender, RGB(0, 0, 0), LavenderBrush);
    if (id >= IDC_COLOUR_SUM_BASE && id < IDC_GRAND_TOTAL)
        return MarkColours(dc, id - IDC_COLOUR_SUM_BASE);
    return nullptr;
}
