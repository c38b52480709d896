// The arithmetic of the cell editor: digit positions, selection steps and cell moves.
// Positions 0, 1, 3, 4 are the digits of "mm:ss"; E is the end of the selection
// (one past the selected digit, or the caret just after a typed one).
#ifndef ZELMORA_CELL_KEYS_H
#define ZELMORA_CELL_KEYS_H

// A Right or Left step that leaves the cell.
enum { OtherCell = -1 };

// The position a Right step selects from E, or OtherCell for the next cell's position 0.
int RightStep(int selectionEnd);

// The position a Left step selects from E, or OtherCell for the previous cell's position 4.
int LeftStep(int selectionEnd);

// Whether the character may be typed while E says which digit is selected:
// '0'..'5' anywhere, '6'..'9' only on the units of minutes or seconds.
bool IsDigitAccepted(unsigned char character, int selectionEnd);

// The digit to select when the selection is not one digit: the one that ends nearest E.
int DigitNearSelectionEnd(int selectionEnd);

// The digit a press at x (cell client coordinates) picks; the colon's centre is at x = 34.
int DigitAtX(int x, int colonWidth, int digitWidth);

// x of the colour menu's anchor: two pixels right of the end of the centred text.
int ColourMenuAnchorX(int colonWidth, int digitWidth);

// Same row, one column to the left or right, wrapping between the first and fourth column.
int CellToTheLeft(int cell);
int CellToTheRight(int cell);
int FirstCellOfColumn(int cell);
int LastCellOfColumn(int cell);

#endif
