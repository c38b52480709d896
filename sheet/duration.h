// Duration texts and the arithmetic of the totals: plain values in, plain values out.
#ifndef ZELMORA_DURATION_H
#define ZELMORA_DURATION_H

// Big enough for any 32-bit integer with its sign and the terminating zero.
enum { IntTextSize = 12 };
// Cells and total fields are always read into buffers of this size (9 characters at most).
enum { FieldTextSize = 10 };

enum { CellCount = 40, ColumnCount = 4, RowCount = 10, TotalCount = 8 };

// A cell's mark, kept in the cell window's user data.
enum CellColour { White = 0, Blue = 1, Red = 2 };
enum { MarkCount = Red + 1 };

// Decimal text of value, "-" before a negative one, no leading zeros.
void IntToText(int value, char (&text)[IntTextSize]);

// The whole text as a signed integer (leading blanks and one sign allowed);
// 0 when there is no digit, a character is left over, or the value does not fit.
int TextToIntOrZero(const char* text);

// IntToText(value + 10^width) without its first character, cut to width characters:
// value with exactly width digits when 0 <= value < 10^width. width is 1..9.
void ZeroPad(int value, int width, char* text, int size);

// Minutes and seconds of a cell text read part by part; a part that does not read
// as a number counts 0.
void ReadDuration(const char* text, int& minutes, int& seconds);

// minutes += seconds div 60, seconds = seconds mod 60.
void Carry(int& minutes, int& seconds);

// True for exactly "mm:ss" with tens 0..5 and units 0..9.
bool IsDuration(const char* text);

// The eight total texts, in the order of the fields 301..308: the sum of each mark (White,
// Blue, Red), the grand total, then the sum of each column.
enum { GrandTotalSlot = MarkCount, FirstColumnTotalSlot = GrandTotalSlot + 1 };
static_assert(FirstColumnTotalSlot + ColumnCount == TotalCount, "every total has its slot");
// Minutes digits: a column's sum "mmm:ss", the others "mmmm:ss".
enum { ColumnMinuteDigits = 3, SumMinuteDigits = 4 };
struct TotalTexts {
    char text[TotalCount][FieldTextSize];
};

// Totals of a sheet: cell i (0..39) is the cell 101 + i, colour[i] its mark (anything but
// Blue and Red counts as White).
void ComputeTotals(const char (&cells)[CellCount][FieldTextSize], const int (&colour)[CellCount],
                   TotalTexts& totals);

#endif
