// The arithmetic of the cell editor.
#include "cell_keys.h"

#include "../base/resource.h"
#include "../sheet/duration.h"

int RightStep(int selectionEnd)
{
    if (selectionEnd >= 5)
        return OtherCell;
    if (selectionEnd == 2)
        return 3; // over the colon
    return selectionEnd < 0 ? 0 : selectionEnd;
}

int LeftStep(int selectionEnd)
{
    if (selectionEnd <= 1)
        return OtherCell;
    if (selectionEnd == 4)
        return 1; // over the colon
    if (selectionEnd > 5)
        return 3;
    return selectionEnd - 2;
}

bool IsDigitAccepted(unsigned char character, int selectionEnd)
{
    if (character >= '0' && character <= '5')
        return true;
    if (character >= '6' && character <= '9')
        return selectionEnd == 2 || selectionEnd == 5;
    return false;
}

int DigitNearSelectionEnd(int selectionEnd)
{
    if (selectionEnd <= 1)
        return 0;
    if (selectionEnd == 2)
        return 1;
    if (selectionEnd <= 4)
        return 3;
    return 4;
}

int DigitAtX(int x, int colonWidth, int digitWidth)
{
    const int colonCentre = 34;
    int half = colonWidth - colonWidth / 2;
    if (x > colonCentre + half + digitWidth)
        return 4;
    if (x > colonCentre)
        return 3;
    if (x > colonCentre - half - digitWidth)
        return 1;
    return 0;
}

int ColourMenuAnchorX(int colonWidth, int digitWidth)
{
    int half = colonWidth - colonWidth / 2;
    return 36 + half + 2 * digitWidth;
}

// The cells are IDC_FIRST_CELL..IDC_LAST_CELL, RowCount to a column; a cell's place in its
// column counts from the first cell, whatever number that has.
static int RowOf(int cell) { return (cell - IDC_FIRST_CELL) % RowCount; }

int CellToTheLeft(int cell)
{
    int target = cell - RowCount;
    return target < IDC_FIRST_CELL ? target + CellCount : target;
}

int CellToTheRight(int cell)
{
    int target = cell + RowCount;
    return target > IDC_LAST_CELL ? target - CellCount : target;
}

int FirstCellOfColumn(int cell) { return cell - RowOf(cell); }

int LastCellOfColumn(int cell) { return cell - RowOf(cell) + RowCount - 1; }
