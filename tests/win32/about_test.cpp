// The About dialog: what it shows, how it closes, and its licence button.
#include "info_watch.h"
#include "main_window_fixture.h"

#include "../../app/app.h"
#include "../../info/info.h"
#include "version.h"

#include <atomic>
#include <vector>

namespace {

std::vector<int> Topics;
std::atomic<int> TopicCount{0}; // read by the watching thread

HWND WINAPI RecordTopic(HWND, const char*, UINT, DWORD_PTR data)
{
    bool dialogOpen = FindWindowA("#32770", "О программе") != nullptr;
    Topics.push_back(dialogOpen ? static_cast<int>(data) : -static_cast<int>(data));
    ++TopicCount;
    return nullptr;
}

HWND FocusOf(HWND dialog)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus;
}

class AboutTest : public HelpEngineTest {
  protected:
    AboutTest() : HelpEngineTest(RecordTopic) {}
    void SetUp() override
    {
        HelpEngineTest::SetUp();
        Topics.clear();
        TopicCount = 0;
        PutHelpFile();
    }

    // Opens the dialog as command 712 does; act runs on a second thread while it is open.
    // True when the dialog came and went.
    bool OpenAbout(std::function<void(HWND)> act)
    {
        BoxWatch watch(GetCurrentThreadId(), "О программе", act);
        SendMessageA(window, WM_COMMAND, IDM_ABOUT, 0);
        return watch.Result().found;
    }
};

struct ControlSeen {
    std::string className;
    int id;
    LONG style;
    RECT units;
    std::string text;
};

TEST_F(AboutTest, ShowsTheTemplate)
{
    HWND dialog = nullptr;
    LONG style = 0, exStyle = 0;
    RECT frame = {}, client = {}, base = {0, 0, 4, 8};
    std::string caption;
    std::vector<ControlSeen> seen;
    HICON icon = nullptr;
    bool mainEnabled = true;
    ASSERT_TRUE(OpenAbout([&](HWND d) {
        dialog = d;
        style = GetWindowLongA(d, GWL_STYLE);
        exStyle = GetWindowLongA(d, GWL_EXSTYLE);
        GetWindowRect(d, &frame);
        GetClientRect(d, &client);
        MapDialogRect(d, &base);
        char text[256];
        GetWindowTextA(d, text, sizeof text);
        caption = text;
        mainEnabled = IsWindowEnabled(window);
        for (HWND c = GetWindow(d, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            ControlSeen control;
            GetClassNameA(c, text, sizeof text);
            control.className = text;
            control.id = static_cast<int>(static_cast<WORD>(GetDlgCtrlID(c)));
            control.style = GetWindowLongA(c, GWL_STYLE);
            GetWindowRect(c, &control.units);
            MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&control.units), 2);
            GetWindowTextA(c, text, sizeof text);
            control.text = text;
            if ((control.style & SS_TYPEMASK) == SS_ICON && control.className == "Static")
                icon = reinterpret_cast<HICON>(SendMessageA(c, STM_GETICON, 0, 0));
            seen.push_back(control);
        }
        PostMessageA(d, WM_COMMAND, IDOK, 0);
    }));
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_FALSE(mainEnabled) << "modal over the main window";
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_TRUE(Topics.empty());

    EXPECT_EQ(caption, "О программе");
    // The platform adds WS_CLIPSIBLINGS to every top-level window and DS_3DLOOK to every dialog.
    EXPECT_EQ(style & ~(WS_CLIPSIBLINGS | DS_3DLOOK),
              static_cast<LONG>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT |
                                DS_CENTER))
        << std::hex << style;
    EXPECT_EQ(exStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_CONTEXTHELP), 0);
    // Dialog units (x, y, width, height) to pixels, rounded as the dialog manager does.
    auto pixels = [&](RECT units) {
        int x = MulDiv(units.left, base.right, 4), y = MulDiv(units.top, base.bottom, 8);
        return RECT{x, y, x + MulDiv(units.right, base.right, 4), y + MulDiv(units.bottom, base.bottom, 8)};
    };
    EXPECT_EQ(client.right, pixels(RECT{0, 0, 155, 114}).right);
    EXPECT_EQ(client.bottom, pixels(RECT{0, 0, 155, 114}).bottom);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((frame.left + frame.right) / 2, (work.left + work.right) / 2, 1) << "centred";
    EXPECT_NEAR((frame.top + frame.bottom) / 2, (work.top + work.bottom) / 2, 1);
    EXPECT_NE(icon, nullptr) << "the program's icon";

    const struct {
        const char* className;
        int id;
        LONG style;
        RECT units;
        const char* text;
    } expected[] = {
        {"Static", 0xFFFF, WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME, {5, 5, 145, 85}, ""},
        {"Static", 0xFFFF, WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_ICON, {10, 10, 35, 35}, nullptr},
        {"Static", 0xFFFF, WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME, {10, 10, 35, 35}, ""},
        {"Edit",
         0xFFFF,
         WS_CHILD | WS_VISIBLE | ES_READONLY | ES_MULTILINE,
         {50, 10, 95, 35},
         "Зельмора\r\n(версия " ZELMORA_VERSION_TEXT ")\r\n© Мастерская Зельмора\r\nzelmora.example"},
        {"Edit",
         0xFFFF,
         WS_CHILD | WS_VISIBLE | ES_READONLY | ES_MULTILINE | ES_CENTER,
         {10, 50, 135, 34},
         "Системные требования:\r\nWindows 98/ME/2000/XP,\r\nрекомендуемая цветовая палитра\r\n16 бит и "
         "выше"},
        {"Button",
         1,
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CENTER | BS_VCENTER | BS_DEFPUSHBUTTON,
         {5, 95, 30, 14},
         "ОК"},
        {"Button",
         9,
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CENTER | BS_VCENTER,
         {40, 95, 110, 14},
         "Лицензионное соглашение"},
    };
    ASSERT_EQ(seen.size(), sizeof expected / sizeof expected[0]);
    for (size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const auto& e = expected[i];
        EXPECT_EQ(lstrcmpiA(seen[i].className.c_str(), e.className), 0) << seen[i].className;
        EXPECT_EQ(seen[i].id, e.id);
        EXPECT_EQ(seen[i].style, e.style) << std::hex << seen[i].style;
        RECT place = pixels(e.units);
        EXPECT_EQ(seen[i].units.left, place.left);
        EXPECT_EQ(seen[i].units.top, place.top);
        EXPECT_EQ(seen[i].units.right, place.right);
        EXPECT_EQ(seen[i].units.bottom, place.bottom);
        if (e.text != nullptr) {
            EXPECT_EQ(seen[i].text, e.text);
        }
    }
    EXPECT_EQ(seen[5].text, "\xCE\xCA") << "Cyrillic letters, not Latin O and K";
}

TEST_F(AboutTest, OkEnterEscAndTheCloseBoxCloseIt)
{
    const struct {
        const char* way;
        std::function<void(HWND)> close;
    } ways[] = {
        {"OK clicked", [](HWND d) { Click(CentreOf(GetDlgItem(d, IDOK))); }},
        {"Enter", [](HWND d) { PostMessageA(FocusOf(d), WM_KEYDOWN, VK_RETURN, 0x001C0001); }},
        {"Esc", [](HWND d) { PostMessageA(FocusOf(d), WM_KEYDOWN, VK_ESCAPE, 0x00010001); }},
        {"close box",
         [](HWND d) {
             RECT frame;
             GetWindowRect(d, &frame);
             int border = GetSystemMetrics(SM_CXFIXEDFRAME), caption = GetSystemMetrics(SM_CYCAPTION);
             Click(POINT{frame.right - border - caption / 2 - 1, frame.top + border + caption / 2});
         }},
    };
    for (const auto& w : ways) {
        SCOPED_TRACE(w.way);
        HWND dialog = nullptr;
        int focus = 0;
        bool closed = false;
        ASSERT_TRUE(OpenAbout([&](HWND d) {
            dialog = d;
            focus = GetDlgCtrlID(FocusOf(d));
            w.close(d);
            for (int i = 0; i < 100 && IsWindow(d); ++i)
                Sleep(20);
            closed = !IsWindow(d);
            if (!closed)
                PostMessageA(d, WM_COMMAND, IDCANCEL, 0); // so that the test goes on
        }));
        EXPECT_TRUE(closed);
        EXPECT_EQ(focus, IDOK) << "the default button has the focus";
        EXPECT_FALSE(IsWindow(dialog));
        EXPECT_TRUE(Topics.empty());
        EXPECT_TRUE(IsWindowEnabled(window));
        EXPECT_EQ(Totals(), "0000:00 0000:00 0000:00 0000:00 000:00 000:00 000:00 000:00")
            << "no other effect";
    }
}

TEST_F(AboutTest, TabMovesOnlyBetweenTheButtons)
{
    std::vector<int> focus;
    ASSERT_TRUE(OpenAbout([&](HWND d) {
        for (int i = 0; i < 4; ++i) {
            focus.push_back(GetDlgCtrlID(FocusOf(d)));
            PostMessageA(FocusOf(d), WM_KEYDOWN, VK_TAB, 0x000F0001);
            Sleep(100);
        }
        PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
    }));
    EXPECT_EQ(focus, (std::vector<int>{IDOK, IDC_ABOUT_LICENCE, IDOK, IDC_ABOUT_LICENCE}));
}

TEST_F(AboutTest, TheTextsCanBeSelectedButNotChanged)
{
    std::string before, after, selected;
    DWORD selection = 0;
    ASSERT_TRUE(OpenAbout([&](HWND d) {
        HWND edit = FindWindowExA(d, nullptr, "Edit", nullptr);
        char text[256];
        GetWindowTextA(edit, text, sizeof text);
        before = text;
        // A double click selects a word, as a user would before copying it. It lands on the
        // word's last letter: Wine's edit takes a move of the pointer that comes after the
        // double click as a drag, and a drag from there still ends after the word.
        LRESULT last = SendMessageA(edit, EM_POSFROMCHAR, 7, 0),
                end = SendMessageA(edit, EM_POSFROMCHAR, 8, 0);
        POINT word = {(3 * static_cast<short>(LOWORD(end)) + static_cast<short>(LOWORD(last))) / 4,
                      static_cast<short>(HIWORD(last)) + 5};
        ClientToScreen(edit, &word);
        Click(word);
        Click(word);
        Sleep(200);
        selection = static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0));
        SendMessageA(edit, WM_COPY, 0, 0);
        if (OpenClipboard(nullptr)) {
            HANDLE data = GetClipboardData(CF_TEXT);
            if (data != nullptr) {
                selected = static_cast<const char*>(GlobalLock(data));
                GlobalUnlock(data);
            }
            CloseClipboard();
        }
        PressKey('X');
        PressKey(VK_DELETE);
        PressKey(VK_BACK);
        Sleep(200);
        SendMessageA(edit, WM_CHAR, 'y', 0);
        SendMessageA(edit, WM_CLEAR, 0, 0);
        GetWindowTextA(edit, text, sizeof text);
        after = text;
        PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
    }));
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), 8) << "the word Зельмора";
    EXPECT_EQ(selected, "Зельмора");
    EXPECT_EQ(after, before);
}

TEST_F(AboutTest, TheLicenceButtonAsksForTopic60ThenCloses)
{
    HWND dialog = nullptr;
    ASSERT_TRUE(OpenAbout([&](HWND d) {
        dialog = d;
        Click(CentreOf(GetDlgItem(d, IDC_ABOUT_LICENCE)));
    }));
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(Topics, std::vector<int>{60}) << "asked while the dialog was still open";
}

TEST_F(AboutTest, AMissingHelpFileIsReportedOverTheDialog)
{
    DeleteFileA(HelpFile().c_str());
    HWND dialog = nullptr;
    bool openDuringTheMessage = false;
    SeenBox message;
    ASSERT_TRUE(OpenAbout([&](HWND d) {
        dialog = d;
        BoxWatch watch(GetWindowThreadProcessId(d, nullptr), "Ошибка вызова справки", [&](HWND box) {
            openDuringTheMessage = IsWindowVisible(d);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        });
        PostMessageA(d, WM_COMMAND, IDC_ABOUT_LICENCE, 0);
        message = watch.Result();
    }));
    EXPECT_TRUE(message.found);
    EXPECT_EQ(message.owner, window) << "owned by the main window, not by the dialog";
    EXPECT_TRUE(openDuringTheMessage);
    EXPECT_FALSE(IsWindow(dialog)) << "closed once the message was read";
    EXPECT_TRUE(Topics.empty());
}

TEST_F(AboutTest, TheAcceleratorsRestWhileItIsOpen)
{
    int boxesAfterKeys = 0;
    bool helpLater = false;
    // The program's own loop, so that F1 and Ctrl+F1 would be translated if it saw them.
    BoxWatch watch(GetCurrentThreadId(), "О программе", [&](HWND d) {
        PressKey(VK_F1);
        PressKey(VK_F1, true);
        Sleep(500);
        boxesAfterKeys = static_cast<int>(VisibleBoxes(GetWindowThreadProcessId(d, nullptr)).size());
        PostMessageA(d, WM_COMMAND, IDOK, 0);
        for (int i = 0; i < 100 && IsWindow(d); ++i)
            Sleep(20);
        // Once the dialog is gone, the same key reaches the loop's accelerators.
        PressKey(VK_F1);
        for (int i = 0; i < 100 && !helpLater; ++i) {
            Sleep(20);
            helpLater = TopicCount > 0;
        }
        PostMessageA(window, WM_CLOSE, 0, 0);
    });
    PostMessageA(window, WM_COMMAND, IDM_ABOUT, 0);
    RunMessageLoop(LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCELERATORS)));
    window = nullptr;
    ASSERT_TRUE(watch.Result().found);
    EXPECT_EQ(boxesAfterKeys, 1) << "no second About dialog";
    EXPECT_TRUE(helpLater) << "the keys do arrive when the dialog is closed";
    ASSERT_EQ(Topics.size(), 1u) << "and only then";
    EXPECT_EQ(Topics[0], -10);
}

} // namespace
