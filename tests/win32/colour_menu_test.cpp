// The colour menu of a cell: where it opens, which colour it shows checked, what a choice marks.
#include "main_window_fixture.h"

#include "../../app/app.h"
#include "../../sheet/sheet.h"
#include "../../window/window.h"

#include <atomic>
#include <vector>

namespace {

class ColourMenuTest : public MainWindowTest {};

// The menu is modal: a second thread waits for its popup window, notes where it stands and
// presses keys in it, while the test's thread sits in the menu's own loop.
class MenuWatch {
  public:
    // keys: what to press once the menu is open; VK_ESCAPE alone closes it without a choice.
    explicit MenuWatch(std::vector<int> keys) : keys(std::move(keys)), ui(GetCurrentThreadId())
    {
        Entered = 0;
        hook = SetWindowsHookExA(WH_CALLWNDPROC, CountMenuLoops, nullptr, ui);
        thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    }
    ~MenuWatch() { Finish(); }

    // Ends the watch once the action that might open the menu has returned.
    void Finish()
    {
        if (thread == nullptr)
            return;
        done = true;
        WaitForSingleObject(thread, 10000);
        CloseHandle(thread);
        thread = nullptr;
        UnhookWindowsHookEx(hook);
    }

    // How many menus the main window entered while the watch ran.
    int Opened() const { return Entered; }
    POINT TopLeft() const { return {rect.left, rect.top}; }

  private:
    static LRESULT CALLBACK CountMenuLoops(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->message == WM_ENTERMENULOOP && message->hwnd == MainWindow)
            ++Entered;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static BOOL CALLBACK Check(HWND candidate, LPARAM self)
    {
        auto* watch = reinterpret_cast<MenuWatch*>(self);
        char name[16] = {};
        GetClassNameA(candidate, name, sizeof name);
        if (lstrcmpA(name, "#32768") == 0 && IsWindowVisible(candidate) &&
            GetWindowThreadProcessId(candidate, nullptr) == watch->ui) {
            watch->popup = candidate;
            return FALSE;
        }
        return TRUE;
    }

    HWND FindPopup()
    {
        popup = nullptr;
        EnumWindows(Check, reinterpret_cast<LPARAM>(this));
        return popup;
    }

    // Until Finish: the first menu that opens gets the keys, any further one Escape.
    static DWORD WINAPI Run(void* self)
    {
        auto* watch = static_cast<MenuWatch*>(self);
        bool open = false;
        for (int waited = 0; !watch->done || open; waited += 10) {
            HWND popup = watch->FindPopup();
            if (popup != nullptr && !open) {
                open = true;
                waited = 0;
                if (watch->opened++ == 0) {
                    GetWindowRect(popup, &watch->rect);
                    for (int key : watch->keys)
                        PostMessageA(popup, WM_KEYDOWN, key, 0);
                } else {
                    PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
                }
            } else if (popup == nullptr) {
                open = false;
            } else if (waited % 1000 == 990) {
                // Keys that did not close it: Escape does, so a failing test never hangs.
                PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
            }
            Sleep(10);
        }
        return 0;
    }

    std::vector<int> keys;
    DWORD ui;
    HANDLE thread = nullptr;
    HWND popup = nullptr;
    RECT rect = {};
    int opened = 0;
    std::atomic<bool> done{false};
    HHOOK hook = nullptr;
    static int Entered;
};

int MenuWatch::Entered;

const std::vector<int> CloseWithEscape = {VK_ESCAPE};
const std::vector<int> ChooseWhite = {VK_DOWN, VK_RETURN};
const std::vector<int> ChooseBlue = {VK_DOWN, VK_DOWN, VK_RETURN};
const std::vector<int> ChooseRed = {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN};

// Two pixels right of the end of the centred text, level with the top of the cell, on the screen.
POINT Anchor(HWND cell)
{
    POINT point = {36 + (ColonWidth - ColonWidth / 2) + 2 * DigitWidth, 0};
    ClientToScreen(cell, &point);
    return point;
}

// The item the menu shows checked, or 0 when not exactly one is.
int CheckedItem()
{
    int checked = 0;
    for (int id = IDM_COLOUR_WHITE; id <= IDM_COLOUR_RED; ++id) {
        if (GetMenuState(ColourMenu, id, MF_BYCOMMAND) & MF_CHECKED)
            checked = checked == 0 ? id : -1;
    }
    return checked < 0 ? 0 : checked;
}

void RightClick(HWND cell, int x)
{
    LPARAM at = MAKELPARAM(x, 10);
    EXPECT_EQ(SendMessageA(cell, WM_RBUTTONDOWN, MK_RBUTTON, at), 0);
    SendMessageA(cell, WM_RBUTTONUP, 0, at);
}

} // namespace

TEST_F(ColourMenuTest, ARightClickOpensTheMenuAtTheEndOfTheText)
{
    // The digit under the pointer is selected; the menu's place does not depend on the pointer.
    const struct {
        int x, digit;
    } presses[] = {{3, 0}, {30, 1}, {40, 3}, {66, 4}};
    Put(Cell(2, 5), "03:00");
    SetWindowLongPtrA(Control(Cell(2, 5)), GWLP_USERDATA, Blue);
    for (const auto& press : presses) {
        SCOPED_TRACE("press at x = " + std::to_string(press.x));
        Put(Cell(1, 1), "00:00");
        MenuWatch watch(CloseWithEscape);
        RightClick(Control(Cell(2, 5)), press.x);
        watch.Finish();
        ASSERT_EQ(watch.Opened(), 1);
        POINT expected = Anchor(Control(Cell(2, 5)));
        EXPECT_EQ(watch.TopLeft().x, expected.x);
        EXPECT_EQ(watch.TopLeft().y, expected.y);
        EXPECT_EQ(CheckedItem(), IDM_COLOUR_BLUE);
        EXPECT_EQ(FocusedId(), Cell(2, 5));
        EXPECT_EQ(FocusedCellId, 115);
        EXPECT_EQ(SelectedDigit(Cell(2, 5)), press.digit);
        Pump();
        EXPECT_EQ(Mark(Cell(2, 5)), Blue) << "Escape chooses nothing";
    }
}

TEST_F(ColourMenuTest, TheCheckFollowsTheMark)
{
    const struct {
        LONG mark;
        int checked;
    } marks[] = {{0, IDM_COLOUR_WHITE}, {1, IDM_COLOUR_BLUE},   {2, IDM_COLOUR_RED},
                 {3, IDM_COLOUR_WHITE}, {-1, IDM_COLOUR_WHITE}, {0x10001, IDM_COLOUR_WHITE},
                 {2, IDM_COLOUR_RED},   {0, IDM_COLOUR_WHITE}};
    Put(Cell(3, 6), "00:00");
    for (const auto& m : marks) {
        SCOPED_TRACE("mark " + std::to_string(m.mark));
        SetWindowLongPtrA(Control(Cell(3, 6)), GWLP_USERDATA, m.mark);
        MenuWatch watch(CloseWithEscape);
        // The context-menu key's road: no coordinates at all.
        SendMessageA(Control(Cell(3, 6)), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Control(Cell(3, 6))), -1);
        watch.Finish();
        ASSERT_EQ(watch.Opened(), 1);
        EXPECT_EQ(CheckedItem(), m.checked);
        POINT expected = Anchor(Control(Cell(3, 6)));
        EXPECT_EQ(watch.TopLeft().x, expected.x);
        EXPECT_EQ(watch.TopLeft().y, expected.y);
    }
}

TEST_F(ColourMenuTest, AChoiceMarksTheCellWhoseMenuItWas)
{
    Put(Cell(4, 10), "10:00");
    Put(Cell(2, 5), "03:00");
    SetWindowLongPtrA(Control(Cell(2, 5)), GWLP_USERDATA, Blue);
    RecalcTotals(window);
    {
        MenuWatch watch(ChooseRed);
        RightClick(Control(Cell(2, 5)), 60);
    }
    Pump();
    EXPECT_EQ(Mark(Cell(2, 5)), Red);
    EXPECT_EQ(Mark(Cell(4, 10)), White);
    EXPECT_EQ(Totals(), "0010:00 0000:00 0003:00 0013:00 000:00 003:00 000:00 010:00");
    EXPECT_EQ(FocusAndDigit(), "115 4");

    SendMessageA(Control(Cell(4, 10)), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    {
        MenuWatch watch(ChooseBlue);
        SendMessageA(Control(Cell(4, 10)), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Control(Cell(4, 10))),
                     -1);
    }
    Pump();
    EXPECT_EQ(Mark(Cell(4, 10)), Blue);
    EXPECT_EQ(Mark(Cell(2, 5)), Red);
    {
        MenuWatch watch(ChooseWhite);
        RightClick(Control(Cell(2, 5)), 10);
    }
    Pump();
    EXPECT_EQ(Mark(Cell(2, 5)), White);
    EXPECT_EQ(Totals(), "0003:00 0010:00 0000:00 0013:00 000:00 003:00 000:00 010:00");
}

// A right press outside the cells and the release over a cell: the release must not open a
// menu for a cell other than the focused one, whose mark a choice would change.
TEST_F(ColourMenuTest, AReleaseAloneOpensNoMenu)
{
    Put(Cell(1, 1), "00:00");
    MenuWatch watch(ChooseRed);
    SendMessageA(Control(Cell(2, 3)), WM_RBUTTONUP, 0, MAKELPARAM(30, 10));
    watch.Finish();
    Pump();
    EXPECT_EQ(watch.Opened(), 0);
    EXPECT_EQ(FocusedId(), Cell(1, 1));
    EXPECT_EQ(Mark(Cell(1, 1)), White);
    EXPECT_EQ(Mark(Cell(2, 3)), White);
}

TEST_F(ColourMenuTest, AMenuAskedOfAnotherCellIsThatCells)
{
    Put(Cell(1, 1), "00:00");
    SetWindowLongPtrA(Control(Cell(2, 3)), GWLP_USERDATA, Red);
    {
        MenuWatch watch(ChooseBlue);
        SendMessageA(Control(Cell(2, 3)), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Control(Cell(2, 3))), -1);
    }
    Pump();
    EXPECT_EQ(Mark(Cell(2, 3)), Blue);
    EXPECT_EQ(Mark(Cell(1, 1)), White);
    EXPECT_EQ(FocusedId(), Cell(2, 3));
}
