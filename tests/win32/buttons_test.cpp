// The nine image buttons: actions at the press, the pressed face, the repeat of the arrows.
// The repeat is driven by sending WM_TIMER by hand; nothing here pumps the queue while a
// button is held, so the real timers never tick into a test.
#include "main_window_fixture.h"

#include "../../app/app.h"
#include "../../sheet/sheet.h"
#include "../../window/window.h"

namespace {

const LPARAM OnTheButton = MAKELPARAM(10, 10);

} // namespace

class ButtonTest : public MainWindowTest {
  protected:
    HBITMAP Face(int id) const
    {
        return reinterpret_cast<HBITMAP>(SendMessageA(Control(id), STM_GETIMAGE, IMAGE_BITMAP, 0));
    }
    void Press(int id) { EXPECT_EQ(SendMessageA(Control(id), WM_LBUTTONDOWN, MK_LBUTTON, OnTheButton), 0); }
    void Release(int id, LPARAM at = OnTheButton)
    {
        EXPECT_EQ(SendMessageA(Control(id), WM_LBUTTONUP, 0, at), 0);
    }
    void Tick(int timer) { SendMessageA(window, WM_TIMER, timer, 0); }
    // KillTimer fails for a timer that does not exist; one that did is set again as it was.
    bool TimerRuns(int timer)
    {
        if (!KillTimer(window, timer))
            return false;
        SetTimer(window, timer, timer <= 4 ? 500 : 50, nullptr);
        return true;
    }
    std::string LiveTimers()
    {
        std::string live;
        for (int timer = 1; timer <= 8; ++timer) {
            if (TimerRuns(timer))
                live += std::to_string(timer) + " ";
        }
        return live;
    }
    void ExpectReleased(int id)
    {
        EXPECT_EQ(Face(id), ButtonFaceUp[id - 400]);
        EXPECT_NE(GetCapture(), Control(id));
        EXPECT_EQ(LiveTimers(), "");
    }
};

TEST_F(ButtonTest, ThePressedFaceShowsWhileAButtonIsHeld)
{
    for (int id = IDC_WHITE_ONLY_BUTTON; id <= IDC_MARK_RED_BUTTON; ++id) {
        SCOPED_TRACE("button " + std::to_string(id));
        ASSERT_NE(ButtonFaceUp[id - 400], nullptr);
        ASSERT_NE(ButtonFaceDown[id - 400], ButtonFaceUp[id - 400]);
        Put(Cell(2, 5), "00:00");
        EXPECT_EQ(Face(id), ButtonFaceUp[id - 400]);
        Press(id);
        EXPECT_EQ(Face(id), ButtonFaceDown[id - 400]);
        EXPECT_EQ(GetCapture(), Control(id));
        Release(id);
        ExpectReleased(id);
    }
}

TEST_F(ButtonTest, ActionsHappenAtThePressAndLeaveTheFocus)
{
    const struct {
        int button;
        const char* totals; // while held and after the release
        int focused, digit;
    } presses[] = {
        {IDC_WHITE_ONLY_BUTTON, "0006:00 0000:00 0000:00 0006:00 003:00 003:00 000:00 000:00", 115, 3},
        {IDC_RESET_BUTTON, "0000:00 0000:00 0000:00 0000:00 000:00 000:00 000:00 000:00", 101, 0},
        {IDC_MARK_WHITE_BUTTON, "0004:00 0000:00 0002:00 0006:00 003:00 003:00 000:00 000:00", 115, 3},
        {IDC_MARK_BLUE_BUTTON, "0001:00 0003:00 0002:00 0006:00 003:00 003:00 000:00 000:00", 115, 3},
        {IDC_MARK_RED_BUTTON, "0001:00 0000:00 0005:00 0006:00 003:00 003:00 000:00 000:00", 115, 3},
    };
    for (const auto& p : presses) {
        SCOPED_TRACE("button " + std::to_string(p.button));
        Put(Cell(1, 2), "01:00");
        Put(Cell(1, 5), "02:00");
        SetWindowLongPtrA(Control(Cell(1, 5)), GWLP_USERDATA, Red);
        Put(Cell(2, 5), "03:00");
        SetWindowLongPtrA(Control(Cell(2, 5)), GWLP_USERDATA, Blue);
        SendMessageA(Control(Cell(2, 5)), EM_SETSEL, 4, 3);
        Press(p.button);
        EXPECT_EQ(Totals(), p.totals) << "at the press";
        EXPECT_EQ(FocusedId(), p.focused);
        EXPECT_EQ(SelectedDigit(p.focused), p.digit);
        // Released away from the button: the capture still brings the release here.
        Release(p.button, MAKELPARAM(static_cast<WORD>(-150), 90));
        EXPECT_EQ(Totals(), p.totals) << "after the release";
        EXPECT_EQ(FocusedId(), p.focused);
        EXPECT_EQ(SelectedDigit(p.focused), p.digit);
        ExpectReleased(p.button);
    }
}

TEST_F(ButtonTest, HoldingAnArrowRepeatsOnTheTimerTicks)
{
    const struct {
        int button, from;
        int moves[5]; // at the press, at the delay's tick, at three repeat ticks
    } holds[] = {
        {IDC_UP_BUTTON, 102, {101, 140, 139, 138, 137}},
        {IDC_LEFT_BUTTON, 112, {102, 132, 122, 112, 102}},
        {IDC_RIGHT_BUTTON, 129, {139, 109, 119, 129, 139}},
        {IDC_DOWN_BUTTON, 139, {140, 101, 102, 103, 104}},
    };
    for (const auto& h : holds) {
        int k = h.button - IDC_UP_BUTTON + 1; // the button's delay timer
        SCOPED_TRACE("button " + std::to_string(h.button));
        Put(h.from, "00:00");
        SendMessageA(Control(h.from), EM_SETSEL, 5, 4);
        Press(h.button);
        EXPECT_EQ(FocusedId(), h.moves[0]);
        EXPECT_EQ(SelectedDigit(h.moves[0]), 0);
        EXPECT_EQ(LiveTimers(), std::to_string(k) + " ");
        Tick(k);
        EXPECT_EQ(FocusedId(), h.moves[1]);
        EXPECT_EQ(LiveTimers(), std::to_string(k + 4) + " ");
        for (int i = 2; i < 5; ++i) {
            Tick(k + 4);
            EXPECT_EQ(FocusedId(), h.moves[i]) << "repeat tick " << i - 1;
        }
        EXPECT_EQ(Face(h.button), ButtonFaceDown[h.button - 400]);
        // Timers the repeat does not own move nothing.
        for (int stranger : {0, 9, 12, 1000})
            Tick(stranger);
        EXPECT_EQ(FocusedId(), h.moves[4]);
        Release(h.button);
        ExpectReleased(h.button);
        EXPECT_EQ(FocusedId(), h.moves[4]);
        EXPECT_EQ(FocusedCellId, h.moves[4]);
    }
}

TEST_F(ButtonTest, AQuickClickMovesOnce)
{
    Put(Cell(2, 10), "00:00");
    Press(IDC_UP_BUTTON);
    Release(IDC_UP_BUTTON);
    EXPECT_EQ(FocusedId(), Cell(2, 9));
    ExpectReleased(IDC_UP_BUTTON);
}

TEST_F(ButtonTest, TheSecondClickOfADoubleClickIsAPress)
{
    Put(Cell(3, 5), "00:00");
    Press(IDC_LEFT_BUTTON);
    Release(IDC_LEFT_BUTTON);
    SendMessageA(Control(IDC_LEFT_BUTTON), WM_LBUTTONDBLCLK, MK_LBUTTON, OnTheButton);
    EXPECT_EQ(Face(IDC_LEFT_BUTTON), ButtonFaceDown[4]);
    Release(IDC_LEFT_BUTTON);
    EXPECT_EQ(FocusedId(), Cell(1, 5)) << "two columns to the left";
    ExpectReleased(IDC_LEFT_BUTTON);

    // WhiteOnly runs again at the second click: a mark made in between goes.
    Put(Cell(1, 7), "01:00");
    Press(IDC_WHITE_ONLY_BUTTON);
    Release(IDC_WHITE_ONLY_BUTTON);
    SendMessageA(window, WM_COMMAND, IDM_MARK_RED, 0);
    ASSERT_EQ(Mark(Cell(1, 7)), Red);
    SendMessageA(Control(IDC_WHITE_ONLY_BUTTON), WM_LBUTTONDBLCLK, MK_LBUTTON, OnTheButton);
    Release(IDC_WHITE_ONLY_BUTTON);
    EXPECT_EQ(Mark(Cell(1, 7)), White);
    EXPECT_EQ(Text(IDC_WHITE_SUM), "0001:00");
    ExpectReleased(IDC_WHITE_ONLY_BUTTON);
}

// Wine keeps the capture when another window becomes active, so every way a hold can end
// has to stop the repeat and show the released face; the real release may come much later.
TEST_F(ButtonTest, AHoldEndsHoweverTheButtonIsLetGo)
{
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
    const struct {
        const char* how;
        void (*end)(HWND window, HWND other);
    } ends[] = {
        {"release",
         [](HWND, HWND) { SendMessageA(GetDlgItem(MainWindow, IDC_DOWN_BUTTON), WM_LBUTTONUP, 0, 0); }},
        {"capture released", [](HWND, HWND) { ReleaseCapture(); }},
        {"capture taken",
         [](HWND, HWND other) {
             SetCapture(other);
             ReleaseCapture();
         }},
        {"deactivated", [](HWND window, HWND) { SendMessageA(window, WM_ACTIVATE, WA_INACTIVE, 0); }},
        {"another window activated",
         [](HWND window, HWND other) {
             SetActiveWindow(other);
             SetActiveWindow(window);
         }},
        {"cancel mode", [](HWND window, HWND) { SendMessageA(window, WM_CANCELMODE, 0, 0); }},
        {"disabled",
         [](HWND window, HWND) {
             EnableWindow(window, FALSE);
             EnableWindow(window, TRUE);
         }},
    };
    for (const auto& e : ends) {
        SCOPED_TRACE(e.how);
        Put(Cell(1, 10), "00:00");
        Press(IDC_DOWN_BUTTON);
        Tick(4);
        Tick(8);
        ASSERT_EQ(FocusedId(), Cell(2, 3));
        e.end(window, other);
        ExpectReleased(IDC_DOWN_BUTTON);
        EXPECT_EQ(FocusedId(), Cell(2, 3));
        Release(IDC_DOWN_BUTTON);
        ExpectReleased(IDC_DOWN_BUTTON);
        EXPECT_EQ(FocusedId(), Cell(2, 3));
    }
    DestroyWindow(other);
}
