// The cell editor as a user meets it: typing, stepping, Delete, BackSpace and presses.
#include "main_window_fixture.h"

#include "../../window/window.h"

namespace {

class EditorTest : public MainWindowTest {};

// The grand total a user would add up by hand from the cells' texts.
std::string HandSum(HWND window)
{
    int seconds = 0;
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id) {
        char t[16] = {};
        GetDlgItemTextA(window, id, t, sizeof t);
        seconds += ((t[0] - '0') * 10 + (t[1] - '0')) * 60 + (t[3] - '0') * 10 + (t[4] - '0');
    }
    char text[16];
    wsprintfA(text, "%04d:%02d", seconds / 60, seconds % 60);
    return text;
}

struct Transition {
    int selected;
    const char* action; // a character to type, or "R", "L", "Del", "BS"
    const char* text;   // Cell(2, 2) afterwards
    const char* before; // Cell(2, 1) afterwards
    int focused;
    int digit;
};

// Cell(2, 2) holds 13:46 and Cell(2, 1) 55:55 before each row.
const Transition Transitions[] = {
    {0, "2", "23:46", "55:55", Cell(2, 2), 1},   {0, "7", "13:46", "55:55", Cell(2, 2), 0},
    {0, "R", "13:46", "55:55", Cell(2, 2), 1},   {0, "L", "13:46", "55:55", Cell(2, 1), 4},
    {0, "Del", "03:46", "55:55", Cell(2, 2), 1}, {0, "BS", "13:46", "55:50", Cell(2, 1), 4},
    {1, "2", "12:46", "55:55", Cell(2, 2), 3},   {1, "7", "17:46", "55:55", Cell(2, 2), 3},
    {1, "R", "13:46", "55:55", Cell(2, 2), 3},   {1, "L", "13:46", "55:55", Cell(2, 2), 0},
    {1, "Del", "10:46", "55:55", Cell(2, 2), 3}, {1, "BS", "03:46", "55:55", Cell(2, 2), 0},
    {3, "2", "13:26", "55:55", Cell(2, 2), 4},   {3, "7", "13:46", "55:55", Cell(2, 2), 3},
    {3, "R", "13:46", "55:55", Cell(2, 2), 4},   {3, "L", "13:46", "55:55", Cell(2, 2), 1},
    {3, "Del", "13:06", "55:55", Cell(2, 2), 4}, {3, "BS", "10:46", "55:55", Cell(2, 2), 1},
    {4, "2", "13:42", "55:55", Cell(2, 3), 0},   {4, "7", "13:47", "55:55", Cell(2, 3), 0},
    {4, "R", "13:46", "55:55", Cell(2, 3), 0},   {4, "L", "13:46", "55:55", Cell(2, 2), 3},
    {4, "Del", "13:40", "55:55", Cell(2, 3), 0}, {4, "BS", "13:06", "55:55", Cell(2, 2), 3},
};

} // namespace

TEST_F(EditorTest, EveryTransitionOfTheEditor)
{
    for (const Transition& row : Transitions) {
        SCOPED_TRACE(std::string("position ") + std::to_string(row.selected) + ", " + row.action);
        Put(Cell(2, 1), "55:55");
        Put(Cell(2, 2), "13:46");
        SendMessageA(Control(Cell(2, 2)), EM_SETSEL, row.selected + 1, row.selected);
        std::string action = row.action;
        if (action == "R")
            Key(VK_RIGHT);
        else if (action == "L")
            Key(VK_LEFT);
        else if (action == "Del")
            Key(VK_DELETE);
        else if (action == "BS")
            Key(VK_BACK);
        else
            Type(row.action);
        EXPECT_EQ(Text(Cell(2, 2)), row.text);
        EXPECT_EQ(Text(Cell(2, 1)), row.before);
        EXPECT_EQ(FocusedId(), row.focused);
        EXPECT_EQ(FocusedCellId, row.focused);
        EXPECT_EQ(SelectedDigit(row.focused), row.digit);
        bool written = std::string(row.text) != "13:46" || std::string(row.before) != "55:55";
        if (written) {
            EXPECT_EQ(Text(IDC_GRAND_TOTAL), HandSum(window));
        }
    }
}

TEST_F(EditorTest, FourDigitsFillACellAndMoveOn)
{
    Type("3745");
    EXPECT_EQ(Text(Cell(1, 1)), "37:45");
    EXPECT_EQ(FocusAndDigit(), "102 0");
    EXPECT_EQ(Totals(), "0037:45 0000:00 0000:00 0037:45 037:45 000:00 000:00 000:00");
    Type("0130");
    EXPECT_EQ(Totals(), "0039:15 0000:00 0000:00 0039:15 039:15 000:00 000:00 000:00");
}

TEST_F(EditorTest, TypingPastTheLastCellWrapsToTheFirst)
{
    Put(Cell(4, 10), "00:00");
    Type("5959");
    EXPECT_EQ(Text(Cell(4, 10)), "59:59");
    EXPECT_EQ(FocusAndDigit(), "101 0");
    EXPECT_EQ(Text(IDC_LAST_COLUMN_TOTAL), "059:59");
}

TEST_F(EditorTest, DeleteAndBackSpaceAcrossCells)
{
    Put(Cell(1, 10), "11:11");
    SendMessageA(Control(Cell(1, 10)), EM_SETSEL, 5, 4);
    Key(VK_DELETE);
    EXPECT_EQ(Text(Cell(1, 10)), "11:10");
    EXPECT_EQ(FocusAndDigit(), "111 0");

    Put(Cell(4, 10), "22:22");
    Put(Cell(1, 1), "33:33");
    Key(VK_BACK);
    EXPECT_EQ(Text(Cell(4, 10)), "22:20");
    EXPECT_EQ(Text(Cell(1, 1)), "33:33");
    EXPECT_EQ(FocusAndDigit(), "140 4");
    EXPECT_EQ(Text(IDC_LAST_COLUMN_TOTAL), "022:20");
}

TEST_F(EditorTest, CharactersOtherThanAllowedDigitsChangeNothing)
{
    Put(Cell(1, 1), "12:34");
    const unsigned char dropped[] = {'a', 'W', ' ', ':', '\r', 0x1B, 0x08, 0x16, 0x03, 0x18, 0x1A, '-', 0xB9};
    for (unsigned char c : dropped) {
        SendMessageA(Control(Cell(1, 1)), WM_CHAR, c, 1);
        EXPECT_EQ(Text(Cell(1, 1)), "12:34") << "character " << int(c);
        EXPECT_EQ(SelectedDigit(Cell(1, 1)), 0);
    }
    EXPECT_EQ(Text(IDC_GRAND_TOTAL), "0000:00"); // nothing was recomputed into view either
}

TEST_F(EditorTest, ClipboardUndoAndForeignTextsNeverBreakTheForm)
{
    Type("12");
    HWND cell = Control(Cell(1, 1));
    SendMessageA(cell, EM_SETSEL, 0, 5);
    const UINT messages[] = {WM_CUT, WM_CLEAR, WM_PASTE, WM_UNDO, EM_UNDO};
    for (UINT message : messages) {
        SendMessageA(cell, message, 0, 0);
        EXPECT_EQ(Text(Cell(1, 1)), "12:00") << "message " << message;
    }
    SendMessageA(cell, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("7"));
    SendMessageA(cell, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1:2"));
    SendMessageA(cell, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("61:00"));
    EXPECT_EQ(Text(Cell(1, 1)), "12:00");
    // A character typed over a selection someone else widened replaces one digit only.
    SendMessageA(cell, EM_SETSEL, 0, 5);
    Type("4");
    EXPECT_EQ(Text(Cell(1, 1)), "12:04");
    EXPECT_EQ(Text(IDC_GRAND_TOTAL), "0012:04");
}

TEST_F(EditorTest, AltBackSpaceDoesNotUndoBehindTheTotals)
{
    Type("2");
    SendMessageA(Control(Cell(1, 1)), WM_SYSKEYDOWN, VK_BACK, 0x20000001);
    EXPECT_EQ(Text(Cell(1, 1)), "20:00");
    EXPECT_EQ(Text(IDC_GRAND_TOTAL), "0020:00");
}

TEST_F(EditorTest, APressPicksTheDigitUnderThePointer)
{
    ASSERT_GT(DigitWidth, 0);
    int half = ColonWidth - ColonWidth / 2;
    int inner = 34 - half - DigitWidth, outer = 34 + half + DigitWidth;
    const struct {
        int x, digit;
    } presses[] = {{0, 0}, {inner, 0}, {inner + 1, 1}, {34, 1}, {35, 3}, {outer, 3}, {outer + 1, 4}, {69, 4}};
    for (const auto& press : presses) {
        SendMessageA(Control(Cell(3, 5)), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, 8));
        EXPECT_EQ(FocusedId(), Cell(3, 5));
        EXPECT_EQ(SelectedDigit(Cell(3, 5)), press.digit) << "x = " << press.x;
    }
}

// The second press of a double click is a press: typed digits that moved the selection on
// between the two presses do not keep the next ones from the digit under the pointer.
TEST_F(EditorTest, TheSecondPressOfADoubleClickSelectsTheDigitUnderIt)
{
    SendMessageA(Control(Cell(1, 5)), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 8));
    for (char c : std::string("0345"))
        SendMessageA(GetFocus(), WM_CHAR, c, 0);
    ASSERT_EQ(FocusedId(), Cell(1, 6));
    SendMessageA(Control(Cell(1, 5)), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 8));
    EXPECT_EQ(FocusedId(), Cell(1, 5));
    EXPECT_EQ(SelectedDigit(Cell(1, 5)), 0);
    for (char c : std::string("0400"))
        SendMessageA(GetFocus(), WM_CHAR, c, 0);
    EXPECT_EQ(Text(Cell(1, 5)) + " " + Text(Cell(1, 6)), "04:00 00:00");
    // With nothing between the presses, the second keeps what the first selected.
    SendMessageA(Control(Cell(1, 7)), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 8));
    SendMessageA(Control(Cell(1, 7)), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(40, 8));
    EXPECT_EQ(SelectedDigit(Cell(1, 7)), 3);
    EXPECT_EQ(Text(Cell(1, 7)), "00:00");
}

TEST_F(EditorTest, TheFigureFontIsMeasuredAsItDraws)
{
    // The widths the press and the colour menu work with are those the cell font draws.
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Control(IDC_FIRST_CELL), WM_GETFONT, 0, 0)));
    SIZE digits, colon;
    GetTextExtentPoint32A(dc, "0000", 4, &digits);
    GetTextExtentPoint32A(dc, "00:00", 5, &colon);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(DigitWidth, digits.cx / 4);
    EXPECT_EQ(ColonWidth, colon.cx - digits.cx);
    EXPECT_GT(ColonWidth, 0);
    EXPECT_LT(2 * DigitWidth + ColonWidth, 35) << "the text must fit in half a cell";
}
