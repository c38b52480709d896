// The colours the cells and static controls paint with, asked for at every repaint, and the
// solid brushes they paint with.
#include "window.h"

#include "../base/resource.h"
#include "../sheet/sheet.h"
#include "palette.h"

static HBRUSH BackgroundBrush, WhiteBrush, BlueBrush, RedBrush, NavyBrush, LavenderBrush;

// The class's background is made before the window, for start-up (app/startup.cpp), and lives
// as long as the window: it goes with the other brushes.
HBRUSH CreateBackgroundBrush()
{
    BackgroundBrush = CreateSolidBrush(BackgroundColour);
    return BackgroundBrush;
}

void DeleteBackgroundBrush()
{
    DeleteObject(BackgroundBrush);
    BackgroundBrush = nullptr;
}

void CreateColourBrushes()
{
    WhiteBrush = CreateSolidBrush(WhiteColour);
    BlueBrush = CreateSolidBrush(BlueColour);
    RedBrush = CreateSolidBrush(RedColour);
    NavyBrush = CreateSolidBrush(NavyColour);
    LavenderBrush = CreateSolidBrush(LavenderColour);
}

void DeleteColourBrushes()
{
    HBRUSH* brushes[] = {&BackgroundBrush, &WhiteBrush, &BlueBrush, &RedBrush, &NavyBrush, &LavenderBrush};
    for (HBRUSH* brush : brushes) {
        DeleteObject(*brush);
        *brush = nullptr;
    }
}

static HBRUSH Paint(HDC dc, COLORREF background, COLORREF text, HBRUSH brush)
{
    SetBkColor(dc, background);
    SetTextColor(dc, text);
    return brush;
}

static HBRUSH MarkColours(HDC dc, int mark)
{
    switch (mark) {
    case Blue: return Paint(dc, BlueColour, WhiteColour, BlueBrush);
    case Red: return Paint(dc, RedColour, WhiteColour, RedBrush);
    default: return Paint(dc, WhiteColour, BlackColour, WhiteBrush);
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
    int id = GetDlgCtrlID(control);
    if (id >= IDC_FIRST_COLUMN_HEADING && id <= IDC_LAST_COLUMN_HEADING)
        return Paint(dc, NavyColour, WhiteColour, NavyBrush);
    if (id >= IDC_FIRST_NAVY_TOTAL && id <= IDC_LAST_NAVY_TOTAL)
        return Paint(dc, NavyColour, WhiteColour, NavyBrush);
    if (id == IDC_TOTALS_HEADER)
        return Paint(dc, LavenderColour, NavyColour, LavenderBrush);
    if (id >= IDC_FIRST_LAVENDER && id <= IDC_LAST_LAVENDER)
        return Paint(dc, LavenderColour, BlackColour, LavenderBrush);
    if (id >= IDC_FIRST_COLOUR_SUM && id <= IDC_LAST_COLOUR_SUM)
        return MarkColours(dc, id - IDC_FIRST_COLOUR_SUM);
    return nullptr;
}
