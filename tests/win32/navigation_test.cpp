// Moving between cells with the keys and the wheel, and the Ctrl shortcuts of a cell.
#include "main_window_fixture.h"

#include "../../sheet/sheet.h"
#include "../../window/window.h"

namespace {

class NavigationTest : public MainWindowTest {};

struct Move {
    int from;
    int key;
    bool control, shift;
    int to;
};

const Move Moves[] = {
    {101, VK_UP, false, false, 140},
    {140, VK_DOWN, false, false, 101},
    {110, VK_DOWN, false, false, 111},
    {111, VK_UP, false, false, 110},
    {125, VK_DOWN, false, false, 126},
    {140, VK_TAB, false, false, 101},
    {101, VK_TAB, false, true, 140},
    {120, VK_TAB, false, false, 121},
    {121, VK_TAB, false, true, 120},
    {105, VK_PRIOR, false, false, 135},
    {135, VK_NEXT, false, false, 105},
    {118, VK_NEXT, false, false, 128},
    {128, VK_PRIOR, false, false, 118},
    {101, VK_PRIOR, false, false, 131},
    {140, VK_NEXT, false, false, 110},
    {120, VK_HOME, false, false, 111},
    {113, VK_END, false, false, 120},
    {101, VK_HOME, false, false, 101},
    {110, VK_END, false, false, 110},
    {131, VK_END, false, false, 140},
    {140, VK_HOME, false, false, 131},
    {113, VK_END, true, false, 140},
    {127, VK_HOME, true, false, 101},
    {101, VK_END, true, false, 140},
    // Modifiers a row does not name are not looked at.
    {135, VK_NEXT, true, false, 105},
    {105, VK_UP, false, true, 104},
    {110, VK_DOWN, true, true, 111},
    {105, VK_PRIOR, true, true, 135},
    {113, VK_HOME, false, true, 111},
    {130, VK_TAB, true, false, 131},
    {131, VK_TAB, true, true, 130},
    {113, VK_END, true, true, 140},
};

std::string Describe(const Move& move)
{
    return std::string(move.control ? "Ctrl+" : "") + (move.shift ? "Shift+" : "") + "key " +
           std::to_string(move.key) + " on " + std::to_string(move.from);
}

} // namespace

TEST_F(NavigationTest, KeysMoveToTheTensOfMinutesOfTheTarget)
{
    for (const Move& move : Moves) {
        SCOPED_TRACE(Describe(move));
        // Neither the digit left behind nor the one the target last had may carry over.
        Put(move.to, "12:34");
        SendMessageA(Control(move.to), EM_SETSEL, 4, 3);
        Put(move.from, "56:43");
        SendMessageA(Control(move.from), EM_SETSEL, 5, 4);
        Key(move.key, move.control, move.shift);
        EXPECT_EQ(FocusedId(), move.to);
        EXPECT_EQ(FocusedCellId, move.to);
        EXPECT_EQ(SelectedDigit(move.to), 0);
        EXPECT_EQ(Text(move.from), "56:43");
        EXPECT_EQ(Text(move.to), move.to == move.from ? "56:43" : "12:34");
        EXPECT_EQ(Mark(move.from), White);
    }
}

TEST_F(NavigationTest, ARoundOfTheSheetReturnsToItsStart)
{
    // Forty moves of any one kind visit every cell once; PageDown forty times visits each column ten times.
    const int keys[] = {VK_DOWN, VK_UP, VK_TAB};
    for (int key : keys) {
        SCOPED_TRACE("key " + std::to_string(key));
        Put(Cell(2, 7), "00:00");
        bool seen[41] = {};
        for (int i = 0; i < 40; ++i) {
            Key(key);
            int id = FocusedId();
            ASSERT_TRUE(id >= 101 && id <= 140) << id;
            EXPECT_FALSE(seen[id - 100]) << id << " visited twice";
            seen[id - 100] = true;
        }
        EXPECT_EQ(FocusedId(), Cell(2, 7));
    }
    Put(Cell(2, 7), "00:00");
    for (int i = 0; i < 4; ++i)
        Key(VK_NEXT);
    EXPECT_EQ(FocusedId(), Cell(2, 7));
}

TEST_F(NavigationTest, TheWheelMovesOneCellPerMessage)
{
    const struct {
        int from, distance, to;
    } turns[] = {
        {105, WHEEL_DELTA, 104},
        {105, -WHEEL_DELTA, 106},
        {101, WHEEL_DELTA, 140},
        {140, -WHEEL_DELTA, 101},
        {120, 3 * WHEEL_DELTA, 119},
        {120, -5 * WHEEL_DELTA, 121},
        {133, 1, 132},
        {133, -1, 134},
    };
    for (const auto& turn : turns) {
        SCOPED_TRACE("distance " + std::to_string(turn.distance) + " on " + std::to_string(turn.from));
        Put(turn.from, "10:00");
        SendMessageA(Control(turn.from), EM_SETSEL, 5, 4);
        WPARAM wParam = MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(turn.distance)));
        EXPECT_EQ(SendMessageA(Control(turn.from), WM_MOUSEWHEEL, wParam, MAKELPARAM(300, 300)), 0);
        EXPECT_EQ(FocusedId(), turn.to);
        EXPECT_EQ(SelectedDigit(turn.to), 0);
    }
}

TEST_F(NavigationTest, ControlShortcutsActOnTheCell)
{
    Put(Cell(2, 2), "02:00");
    Put(Cell(3, 5), "05:00");
    Key('B', true);
    EXPECT_EQ(Mark(Cell(3, 5)), Blue);
    EXPECT_EQ(Text(IDC_BLUE_SUM), "0005:00");
    Put(Cell(2, 2), "02:00");
    Key('R', true);
    EXPECT_EQ(Mark(Cell(2, 2)), Red);
    EXPECT_EQ(Totals(), "0000:00 0005:00 0002:00 0007:00 000:00 002:00 005:00 000:00");
    Key('W', true);
    EXPECT_EQ(Mark(Cell(2, 2)), White);
    EXPECT_EQ(Text(IDC_WHITE_SUM), "0002:00");
    EXPECT_EQ(FocusAndDigit(), "112 0");

    Key(VK_DELETE, true); // WhiteOnly: the blue mark goes, the durations stay
    EXPECT_EQ(Mark(Cell(3, 5)), White);
    EXPECT_EQ(Text(Cell(3, 5)), "05:00");
    EXPECT_EQ(Text(IDC_WHITE_SUM), "0007:00");
    EXPECT_EQ(FocusedId(), Cell(2, 2));

    Key('R', true);
    Key(VK_BACK, true); // ResetSheet
    EXPECT_EQ(Text(Cell(2, 2)), "00:00");
    EXPECT_EQ(Text(Cell(3, 5)), "00:00");
    EXPECT_EQ(Mark(Cell(2, 2)), White);
    EXPECT_EQ(Text(IDC_GRAND_TOTAL), "0000:00");
    EXPECT_EQ(FocusAndDigit(), "101 0");
}

TEST_F(NavigationTest, KeysWithoutAMeaningDoNothing)
{
    const struct {
        int key;
        bool control, shift;
    } keys[] = {
        {'W', false, false},       {'B', false, false},       {'R', false, false},
        {'B', false, true},        {'R', false, true},        {VK_RETURN, false, false},
        {VK_ESCAPE, false, false}, {VK_INSERT, false, false}, {VK_INSERT, false, true},
        {VK_F2, false, false},     {'A', true, false},        {'V', true, false},
        {'Z', true, false},        {VK_SPACE, false, false},
    };
    Put(Cell(3, 3), "45:12");
    SetWindowLongPtrA(Control(Cell(3, 3)), GWLP_USERDATA, Blue);
    SendMessageA(Control(Cell(3, 3)), EM_SETSEL, 4, 3);
    for (const auto& k : keys) {
        SCOPED_TRACE(std::string(k.control ? "Ctrl+" : "") + (k.shift ? "Shift+" : "") + "key " +
                     std::to_string(k.key));
        Key(k.key, k.control, k.shift);
        EXPECT_EQ(Text(Cell(3, 3)), "45:12");
        EXPECT_EQ(Mark(Cell(3, 3)), Blue);
        EXPECT_EQ(FocusAndDigit(), "123 3");
    }
    EXPECT_EQ(Text(IDC_GRAND_TOTAL), "0000:00") << "nothing recomputed";
}
