// Marking, "white only" and reset, from the menu as a user chooses them.
#include "main_window_fixture.h"

#include "../../sheet/sheet.h"
#include "../../window/window.h"

class CommandsTest : public MainWindowTest {};

TEST_F(CommandsTest, MarkingMovesADurationBetweenColourSums)
{
    Put(Cell(3, 5), "12:00");
    SendMessageA(window, WM_COMMAND, IDM_MARK_BLUE, 0);
    EXPECT_EQ(Mark(Cell(3, 5)), Blue);
    EXPECT_EQ(Totals(), "0000:00 0012:00 0000:00 0012:00 000:00 000:00 012:00 000:00");
    SendMessageA(window, WM_COMMAND, IDM_MARK_RED, 0);
    EXPECT_EQ(Mark(Cell(3, 5)), Red);
    EXPECT_EQ(Totals(), "0000:00 0000:00 0012:00 0012:00 000:00 000:00 012:00 000:00");
    SendMessageA(window, WM_COMMAND, IDM_MARK_WHITE, 0);
    EXPECT_EQ(Mark(Cell(3, 5)), White);
    EXPECT_EQ(Text(Cell(3, 5)), "12:00");
    EXPECT_EQ(SelectedDigit(Cell(3, 5)), 0) << "marking leaves the selection";
    EXPECT_EQ(FocusedId(), Cell(3, 5));
}

TEST_F(CommandsTest, WhiteOnlyKeepsTheDurations)
{
    Put(Cell(1, 3), "01:10");
    SendMessageA(window, WM_COMMAND, IDM_MARK_RED, 0);
    Put(Cell(4, 8), "02:20");
    SendMessageA(window, WM_COMMAND, IDM_MARK_BLUE, 0);
    SetWindowLongPtrA(Control(Cell(2, 10)), GWLP_USERDATA, 9);
    SendMessageA(window, WM_COMMAND, IDM_WHITE_ONLY, 0);
    for (int id = 101; id <= 140; ++id)
        EXPECT_EQ(Mark(id), White) << id;
    EXPECT_EQ(Text(Cell(1, 3)), "01:10");
    EXPECT_EQ(Text(Cell(4, 8)), "02:20");
    EXPECT_EQ(Totals(), "0003:30 0000:00 0000:00 0003:30 001:10 000:00 000:00 002:20");
    EXPECT_EQ(FocusedId(), Cell(4, 8));
}

TEST_F(CommandsTest, ResetClearsEverythingAndReturnsToTheFirstCell)
{
    Put(Cell(2, 7), "45:00");
    SendMessageA(window, WM_COMMAND, IDM_MARK_RED, 0);
    Put(Cell(4, 10), "00:09");
    SendMessageA(Control(Cell(4, 10)), EM_SETSEL, 5, 4);
    SendMessageA(window, WM_COMMAND, IDM_RESET, 0);
    for (int id = 101; id <= 140; ++id) {
        EXPECT_EQ(Text(id), "00:00") << id;
        EXPECT_EQ(Mark(id), White) << id;
    }
    EXPECT_EQ(Totals(), "0000:00 0000:00 0000:00 0000:00 000:00 000:00 000:00 000:00");
    EXPECT_EQ(FocusedId(), Cell(1, 1));
    EXPECT_EQ(FocusedCellId, 101);
    EXPECT_EQ(SelectedDigit(Cell(1, 1)), 0);
}

TEST_F(CommandsTest, MarkingWithoutAFocusedCellDoesNothing)
{
    Put(Cell(1, 4), "03:00");
    SetFocus(nullptr);
    SendMessageA(window, WM_COMMAND, IDM_MARK_BLUE, 0);
    for (int id = 101; id <= 140; ++id)
        EXPECT_EQ(Mark(id), White);
    EXPECT_EQ(GetWindowLongPtrA(Control(IDC_WHITE_SUM), GWLP_USERDATA), 0);
}

TEST_F(CommandsTest, ExitEndsTheWindowAndTheLoop)
{
    SendMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_FALSE(IsWindow(window));
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    window = nullptr;
}

TEST_F(CommandsTest, NotificationsFromControlsChangeNothing)
{
    Put(Cell(1, 1), "01:00");
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(101, EN_CHANGE),
                 reinterpret_cast<LPARAM>(Control(Cell(1, 1))));
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_GRAND_TOTAL, STN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(IDC_GRAND_TOTAL)));
    EXPECT_EQ(Text(IDC_GRAND_TOTAL), "0000:00");
    EXPECT_EQ(Text(Cell(1, 1)), "01:00");
}
