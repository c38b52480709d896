// The arithmetic of the cell editor: steps, accepted digits, presses and moves.
#include "../../input/cell_keys.h"

#include <gtest/gtest.h>

TEST(CellSteps, RightAndLeftFromEverySelectionEnd)
{
    const struct {
        int end, right, left;
    } cases[] = {
        {0, 0, OtherCell}, {1, 1, OtherCell}, {2, 3, 0},         {3, 3, 1},
        {4, 4, 1},         {5, OtherCell, 3}, {9, OtherCell, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RightStep(c.end), c.right) << "E = " << c.end;
        EXPECT_EQ(LeftStep(c.end), c.left) << "E = " << c.end;
    }
}

TEST(CellSteps, DigitsAcceptedByPosition)
{
    for (int end : {1, 2, 4, 5}) {
        bool units = end == 2 || end == 5;
        for (char c = '0'; c <= '9'; ++c)
            EXPECT_EQ(IsDigitAccepted(c, end), c <= '5' || units) << c << " at E = " << end;
    }
    for (unsigned char c : {0x61, 0x3A, 0x20, 0x0D, 0x2F, 0xB0})
        EXPECT_FALSE(IsDigitAccepted(c, 2));
}

TEST(CellSteps, ABrokenSelectionFallsBackToTheNearestDigit)
{
    const int expected[] = {0, 0, 1, 3, 3, 4, 4};
    for (int end = 0; end <= 6; ++end)
        EXPECT_EQ(DigitNearSelectionEnd(end), expected[end]) << end;
}

TEST(DigitAtX, BoundariesOfTheDigits)
{
    // ColonWidth 4, DigitWidth 7: the larger half of the colon is 2.
    const struct {
        int x, digit;
    } narrow[] = {{0, 0}, {25, 0}, {26, 1}, {34, 1}, {35, 3}, {43, 3}, {44, 4}, {69, 4}};
    for (const auto& c : narrow)
        EXPECT_EQ(DigitAtX(c.x, 4, 7), c.digit) << "x = " << c.x;
    // ColonWidth 5 gives a larger half of 3.
    EXPECT_EQ(DigitAtX(24, 5, 7), 0);
    EXPECT_EQ(DigitAtX(25, 5, 7), 1);
    EXPECT_EQ(DigitAtX(44, 5, 7), 3);
    EXPECT_EQ(DigitAtX(45, 5, 7), 4);
    // A press far beyond the text (x read as unsigned) picks the outermost digit.
    EXPECT_EQ(DigitAtX(65535, 6, 11), 4);
}

TEST(ColourMenuAnchor, TwoPixelsRightOfTheText)
{
    EXPECT_EQ(ColourMenuAnchorX(4, 7), 52);
    EXPECT_EQ(ColourMenuAnchorX(5, 7), 53);
    EXPECT_EQ(ColourMenuAnchorX(6, 11), 61);
}

TEST(CellMoves, ColumnsWrapAndEnds)
{
    const struct {
        int cell, left, right, first, last;
    } cases[] = {
        {105, 135, 115, 101, 110}, {135, 125, 105, 131, 140}, {118, 108, 128, 111, 120},
        {110, 140, 120, 101, 110}, {111, 101, 121, 111, 120}, {140, 130, 110, 131, 140},
        {101, 131, 111, 101, 110}, {120, 110, 130, 111, 120}, {113, 103, 123, 111, 120},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CellToTheLeft(c.cell), c.left) << c.cell;
        EXPECT_EQ(CellToTheRight(c.cell), c.right) << c.cell;
        EXPECT_EQ(FirstCellOfColumn(c.cell), c.first) << c.cell;
        EXPECT_EQ(LastCellOfColumn(c.cell), c.last) << c.cell;
    }
}
