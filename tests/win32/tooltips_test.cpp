// The two tooltip windows, their tools, and what resting the mouse shows.
#include "info_watch.h"
#include "main_window_fixture.h"

#include "../../app/app.h"

#include <commctrl.h>

namespace {

class TooltipsTest : public MainWindowTest {
  protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        InitCommonControls();
        InstallTooltips(GetModuleHandleA(nullptr));
        EnumThreadWindows(GetCurrentThreadId(), FindTip, reinterpret_cast<LPARAM>(this));
        ASSERT_NE(balloon, nullptr);
        ASSERT_NE(plain, nullptr);
        // Start away from every tool, so that each test sees the first rest on its tool.
        MoveMouse(POINT{2, 2});
        Pump();
    }

    // The tool whose tip the tooltip shows now, or null.
    static HWND ShownTool(HWND tip)
    {
        TOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V1_SIZE;
        return IsWindowVisible(tip) &&
                       SendMessageA(tip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&info))
                   ? info.hwnd
                   : nullptr;
    }

    // How big the text is on one line in the tooltip's font.
    static SIZE OneLine(HWND tip, const char* text)
    {
        HDC dc = GetDC(tip);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(tip, WM_GETFONT, 0, 0)));
        SIZE line;
        GetTextExtentPoint32A(dc, text, lstrlenA(text), &line);
        SelectObject(dc, old);
        ReleaseDC(tip, dc);
        return line;
    }

    static BOOL CALLBACK FindTip(HWND tip, LPARAM data)
    {
        auto* test = reinterpret_cast<TooltipsTest*>(data);
        char name[32];
        GetClassNameA(tip, name, sizeof name);
        if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0 && GetWindow(tip, GW_OWNER) == test->window)
            (GetWindowLongA(tip, GWL_STYLE) & TTS_BALLOON ? test->balloon : test->plain) = tip;
        return TRUE;
    }

    static std::string TipText(HWND tip, HWND tool)
    {
        char text[256] = {};
        TOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V1_SIZE;
        info.hwnd = tool;
        info.uId = reinterpret_cast<UINT_PTR>(tool);
        info.lpszText = text;
        SendMessageA(tip, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
        return text;
    }

    // Rests the mouse on the middle of a window; true when one of the tips comes up meanwhile.
    bool RestOn(HWND tool) { return RestAt(CentreOf(tool)); }
    bool RestAt(POINT place)
    {
        MoveMouse(place);
        return PumpUntil([this] { return IsWindowVisible(balloon) || IsWindowVisible(plain); }, 1500);
    }

    HWND balloon = nullptr, plain = nullptr;
};

TEST_F(TooltipsTest, TwoTopmostTipsOwnedByTheMainWindow)
{
    const struct {
        const char* name;
        HWND tip;
        DWORD style;
    } tips[] = {{"plain", plain, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX},
                {"balloon", balloon, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON}};
    for (const auto& t : tips) {
        SCOPED_TRACE(t.name);
        DWORD style = static_cast<DWORD>(GetWindowLongA(t.tip, GWL_STYLE));
        EXPECT_EQ(style & (WS_POPUP | WS_CHILD | 0xFFFFu), t.style) << std::hex << style;
        EXPECT_NE(GetWindowLongA(t.tip, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
        EXPECT_EQ(GetWindowTextLengthA(t.tip), 0);
        EXPECT_FALSE(IsWindowVisible(t.tip));
    }
}

TEST_F(TooltipsTest, TheToolsAndTheirTexts)
{
    const struct {
        HWND tip;
        std::vector<std::pair<HWND, std::string>> tools;
    } tips[] = {
        {balloon,
         {{window, ""},
          {Control(IDC_WHITE_SUM), "Сумма значений ячеек, выделенных белым цветом"},
          {Control(IDC_BLUE_SUM), "Сумма значений ячеек, выделенных синим цветом"},
          {Control(IDC_RED_SUM), "Сумма значений ячеек, выделенных красным цветом"},
          {Control(IDC_GRAND_TOTAL), "Общая сумма"}}},
        {plain,
         {{Control(IDC_BUTTON_PANEL), ""},
          {Control(IDC_WHITE_ONLY_BUTTON), "Только белый (Ctrl+Delete)"},
          {Control(IDC_RESET_BUTTON), "Сброс (Ctrl+BackSpace)"},
          {Control(IDC_UP_BUTTON), "Переход вверх (Up)"},
          {Control(IDC_LEFT_BUTTON), "Переход влево (PageUp)"},
          {Control(IDC_RIGHT_BUTTON), "Переход вправо (PageDown)"},
          {Control(IDC_DOWN_BUTTON), "Переход вниз (Down)"},
          {Control(IDC_MARK_WHITE_BUTTON), "Выделить белым (Ctrl+W)"},
          {Control(IDC_MARK_BLUE_BUTTON), "Выделить синим (Ctrl+B)"},
          {Control(IDC_MARK_RED_BUTTON), "Выделить красным (Ctrl+R)"}}},
    };
    for (const auto& t : tips) {
        SCOPED_TRACE(t.tip == balloon ? "balloon" : "plain");
        ASSERT_EQ(SendMessageA(t.tip, TTM_GETTOOLCOUNT, 0, 0), static_cast<LRESULT>(t.tools.size()));
        for (size_t i = 0; i < t.tools.size(); ++i) {
            SCOPED_TRACE(GetDlgCtrlID(t.tools[i].first));
            TOOLINFOA info = {};
            info.cbSize = TTTOOLINFOA_V1_SIZE;
            ASSERT_TRUE(SendMessageA(t.tip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&info)));
            EXPECT_EQ(info.hwnd, t.tools[i].first) << "registered in this order";
            EXPECT_EQ(info.uId, reinterpret_cast<UINT_PTR>(t.tools[i].first));
            EXPECT_EQ(info.uFlags & (TTF_IDISHWND | TTF_SUBCLASS | TTF_TRANSPARENT),
                      static_cast<UINT>(TTF_IDISHWND | TTF_SUBCLASS | TTF_TRANSPARENT))
                << "a click on the tip goes to the control beneath";
            EXPECT_EQ(TipText(t.tip, t.tools[i].first), t.tools[i].second);
        }
    }
}

TEST_F(TooltipsTest, DelaysAndWidth)
{
    for (HWND tip : {plain, balloon}) {
        SCOPED_TRACE(tip == balloon ? "balloon" : "plain");
        EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 500);
        EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_RESHOW, 0), 500);
        EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 30000);
    }
    EXPECT_EQ(SendMessageA(balloon, TTM_GETMAXTIPWIDTH, 0, 0), 111);
    EXPECT_EQ(SendMessageA(plain, TTM_GETMAXTIPWIDTH, 0, 0), -1) << "plain tips keep their text on one line";
}

TEST_F(TooltipsTest, RestingOnAColourSumShowsAWrappedBalloon)
{
    ASSERT_TRUE(RestOn(Control(IDC_WHITE_SUM)));
    EXPECT_EQ(ShownTool(balloon), Control(IDC_WHITE_SUM));
    EXPECT_FALSE(IsWindowVisible(plain));
    // One line of that text would be far wider than 111 pixels; the balloon is narrow and tall.
    SIZE line = OneLine(balloon, "Сумма значений ячеек, выделенных белым цветом");
    RECT shown;
    GetWindowRect(balloon, &shown);
    EXPECT_GT(line.cx, 111);
    EXPECT_LT(shown.right - shown.left, line.cx) << "the text is wrapped";
    EXPECT_GE(shown.bottom - shown.top, 3 * line.cy) << "into several lines";
}

TEST_F(TooltipsTest, RestingOnAButtonShowsAPlainTipOnOneLine)
{
    ASSERT_TRUE(RestOn(Control(IDC_RIGHT_BUTTON)));
    EXPECT_EQ(ShownTool(plain), Control(IDC_RIGHT_BUTTON));
    EXPECT_FALSE(IsWindowVisible(balloon));
    RECT shown;
    GetWindowRect(plain, &shown);
    EXPECT_LT(shown.bottom - shown.top, 2 * OneLine(plain, "Переход вправо (PageDown)").cy) << "one line";

    // Straight on to the next button: its own tip follows.
    MoveMouse(CentreOf(Control(IDC_DOWN_BUTTON)));
    EXPECT_TRUE(PumpUntil([&] { return ShownTool(plain) == Control(IDC_DOWN_BUTTON); }, 3000));
}

TEST_F(TooltipsTest, OtherPlacesShowNothing)
{
    // Client points: the panel's top left corner, above the buttons, and the window's own
    // surface below the totals frame and at the bottom right.
    const struct {
        const char* place;
        POINT point;
    } places[] = {
        {"cell 101", {40, 40}},    {"column total 305", {60, 266}}, {"track label 201", {12, 40}},
        {"header 253", {444, 12}}, {"button panel", {398, 134}},    {"window surface", {495, 279}},
    };
    for (const auto& p : places) {
        SCOPED_TRACE(p.place);
        POINT screen = p.point;
        ClientToScreen(window, &screen);
        EXPECT_FALSE(RestAt(screen));
    }
}

} // namespace
