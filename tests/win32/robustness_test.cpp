// Long seeded streams of everything a user can do to the main window, with the sheet checked
// after every event, and the counts of GDI and USER objects across thousands of events.
//   ZELMORA_EVENTS (default 3000) and ZELMORA_SEED (default 20261208) choose the random stream.
#include "main_window_fixture.h"
#include "seeded_random.h"

#include "../../base/resource.h"
#include "../../window/window.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>

namespace {

uint64_t Setting(const char* name, uint64_t fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 0) : fallback;
}

void HoldKeys(bool control, bool shift)
{
    BYTE keys[256] = {};
    keys[VK_CONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
}

// Seconds of "mm:ss" with tens 0..5, or -1 for any other text.
int SecondsOf(const char* text)
{
    auto digit = [](char c, char highest) { return c >= '0' && c <= highest; };
    if (!(digit(text[0], '5') && digit(text[1], '9') && text[2] == ':' && digit(text[3], '5') &&
          digit(text[4], '9') && text[5] == '\0'))
        return -1;
    return ((text[0] - '0') * 10 + text[1] - '0') * 60 + (text[3] - '0') * 10 + text[4] - '0';
}

std::string Minutes(int seconds, int width)
{
    char text[32];
    std::snprintf(text, sizeof text, "%0*d:%02d", width, seconds / 60, seconds % 60);
    return text;
}

const char* KeyName(int key)
{
    static char name[8];
    switch (key) {
    case VK_LEFT: return "Left";
    case VK_RIGHT: return "Right";
    case VK_UP: return "Up";
    case VK_DOWN: return "Down";
    case VK_TAB: return "Tab";
    case VK_PRIOR: return "PageUp";
    case VK_NEXT: return "PageDown";
    case VK_HOME: return "Home";
    case VK_END: return "End";
    case VK_DELETE: return "Delete";
    case VK_BACK: return "BackSpace";
    case VK_INSERT: return "Insert";
    case VK_ESCAPE: return "Escape";
    case VK_RETURN: return "Enter";
    case VK_SPACE: return "Space";
    }
    std::snprintf(name, sizeof name, "0x%02X", key);
    return name;
}

// Live objects of this process, found by asking about every handle number: GetGuiResources is
// a stub under Wine. Wine accepts a handle without its generation (the high word) for any
// generation, so the numbers 0x20..0xFFFF reach every object.
struct Counts {
    int brushes = 0, bitmaps = 0, fonts = 0, regions = 0, pens = 0, dcs = 0;
    int windows = 0, menus = 0, icons = 0;
    std::string Line() const
    {
        char line[200];
        std::snprintf(
            line, sizeof line,
            "brushes %d, bitmaps %d, fonts %d, regions %d, pens %d, DCs %d; windows %d, menus %d, icons %d",
            brushes, bitmaps, fonts, regions, pens, dcs, windows, menus, icons);
        return line;
    }
};

Counts CountObjects()
{
    Counts counts;
    for (UINT_PTR h = 0x20; h <= 0xFFFF; ++h) {
        switch (GetObjectType(reinterpret_cast<HGDIOBJ>(h))) {
        case OBJ_BRUSH: ++counts.brushes; break;
        case OBJ_BITMAP: ++counts.bitmaps; break;
        case OBJ_FONT: ++counts.fonts; break;
        case OBJ_REGION: ++counts.regions; break;
        case OBJ_PEN:
        case OBJ_EXTPEN: ++counts.pens; break;
        case OBJ_DC:
        case OBJ_MEMDC: ++counts.dcs; break;
        }
    }
    // USER handles are even numbers from 0x20.
    for (UINT_PTR h = 0x20; h <= 0xFFEF; h += 2) {
        DWORD process = 0;
        ICONINFO icon;
        if (IsWindow(reinterpret_cast<HWND>(h))) {
            GetWindowThreadProcessId(reinterpret_cast<HWND>(h), &process);
            counts.windows += process == GetCurrentProcessId();
        } else if (IsMenu(reinterpret_cast<HMENU>(h))) {
            ++counts.menus;
        } else if (GetIconInfo(reinterpret_cast<HICON>(h), &icon)) {
            ++counts.icons;
            DeleteObject(icon.hbmMask);
            DeleteObject(icon.hbmColor);
        }
    }
    return counts;
}

} // namespace

class RobustnessTest : public MainWindowTest {
  protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        for (int i = 0; i < 40; ++i)
            cells[i] = Control(101 + i);
        for (int i = 0; i < 8; ++i)
            totals[i] = Control(IDC_WHITE_SUM + i);
        other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override
    {
        if (GetCapture() != nullptr)
            ReleaseCapture();
        DestroyWindow(other);
        MainWindowTest::TearDown();
    }

    // What a user relies on after any event; an empty text when all of it holds.
    std::string Broken() const
    {
        char text[64];
        int column[4] = {}, colour[3] = {}, all = 0;
        for (int i = 0; i < 40; ++i) {
            GetWindowTextA(cells[i], text, sizeof text);
            int seconds = SecondsOf(text);
            if (seconds < 0)
                return "cell " + std::to_string(101 + i) + " reads \"" + text + "\"";
            LONG_PTR mark = GetWindowLongPtrA(cells[i], GWLP_USERDATA);
            if (mark < 0 || mark > 2)
                return "cell " + std::to_string(101 + i) + " has mark " + std::to_string(mark);
            column[i / 10] += seconds;
            colour[mark] += seconds;
            marked[mark] = true;
            all += seconds;
        }
        std::string expected = Minutes(colour[0], 4) + " " + Minutes(colour[1], 4) + " " +
                               Minutes(colour[2], 4) + " " + Minutes(all, 4);
        for (int c = 0; c < 4; ++c)
            expected += " " + Minutes(column[c], 3);
        std::string shown;
        for (int i = 0; i < 8; ++i) {
            GetWindowTextA(totals[i], text, sizeof text);
            shown += (i == 0 ? "" : " ") + std::string(text);
        }
        largestTotal = all > largestTotal ? all : largestTotal;
        if (shown != expected)
            return "totals read \"" + shown + "\", the cells add up to \"" + expected + "\"";
        HWND focus = GetFocus();
        int id = GetDlgCtrlID(focus);
        if (focus == nullptr || GetParent(focus) != window || id < 101 || id > 140)
            return "the focus is on window " + std::to_string(reinterpret_cast<UINT_PTR>(focus)) + " id " +
                   std::to_string(id);
        if (id != FocusedCellId)
            return "the focus is on " + std::to_string(id) + " but FocusedCellId is " +
                   std::to_string(FocusedCellId);
        DWORD selection = static_cast<DWORD>(SendMessageA(focus, EM_GETSEL, 0, 0));
        int start = LOWORD(selection), end = HIWORD(selection);
        if (end - start != 1 || start == 2 || start > 4)
            return "cell " + std::to_string(id) + " has the selection " + std::to_string(start) + ".." +
                   std::to_string(end);
        return std::string();
    }

    // A key as the keyboard brings it: key down, the character TranslateMessage makes of it, key up.
    void Press(int key, bool control, bool shift)
    {
        HoldKeys(control, shift);
        LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, 0)) << 16;
        PostMessageA(GetFocus(), WM_KEYDOWN, key, scan | 1);
        Pump();
        PostMessageA(GetFocus(), WM_KEYUP, key, scan | 0xC0000001);
        Pump();
        HoldKeys(false, false);
    }

    // The window a press at this client point reaches, honouring regions and transparent
    // controls; nullptr when the point shows something else.
    HWND Under(POINT client, POINT& local) const
    {
        POINT screen = client;
        ClientToScreen(window, &screen);
        HWND hit = WindowFromPoint(screen);
        if (hit != window && !IsChild(window, hit))
            return nullptr;
        local = screen;
        ScreenToClient(hit, &local);
        return hit;
    }

    // Releases a held button the way the release arrives: at the window holding the mouse.
    void ReleaseMouse()
    {
        HWND holder = GetCapture();
        if (holder != nullptr) {
            SendMessageA(holder, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
            Pump();
        }
    }

    std::string Click(Random& random, bool twice)
    {
        ReleaseMouse();
        POINT client = {random.Below(497), random.Below(281)}, local;
        HWND hit = Under(client, local);
        std::string what = std::string(twice ? "double click" : "press") + " at " + std::to_string(client.x) +
                           "," + std::to_string(client.y) + " on id " + std::to_string(GetDlgCtrlID(hit));
        if (hit == nullptr)
            return what + " (outside)";
        LPARAM at = MAKELPARAM(local.x, local.y);
        SendMessageA(hit, WM_LBUTTONDOWN, MK_LBUTTON, at);
        Pump();
        if (twice || random.Chance(60)) {
            ReleaseMouse();
            if (GetCapture() == nullptr)
                SendMessageA(hit, WM_LBUTTONUP, 0, at);
            Pump();
        } else {
            what += " (held)";
        }
        if (twice) {
            bool doubleClicks = (GetClassLongA(hit, GCL_STYLE) & CS_DBLCLKS) != 0;
            SendMessageA(hit, doubleClicks ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, at);
            Pump();
            ReleaseMouse();
            if (GetCapture() == nullptr)
                SendMessageA(hit, WM_LBUTTONUP, 0, at);
            Pump();
        }
        return what;
    }

    std::string Keystroke(Random& random)
    {
        static const int keys[] = {VK_LEFT,   VK_RIGHT,  VK_UP,     VK_DOWN, VK_TAB,    VK_PRIOR, VK_NEXT,
                                   VK_HOME,   VK_END,    VK_DELETE, VK_BACK, VK_DELETE, VK_BACK,  'W',
                                   'B',       'R',       'W',       'B',     'R',       'A',      'C',
                                   'V',       'X',       'Z',       '0',     '5',       '9',      VK_INSERT,
                                   VK_ESCAPE, VK_RETURN, VK_SPACE,  VK_F2};
        int key = keys[random.Below(sizeof keys / sizeof keys[0])];
        // Ctrl is rare enough that a sheet fills up between the resets it brings.
        bool control = random.Chance(key == VK_BACK || key == VK_DELETE ? 8 : 35);
        bool shift = random.Chance(30);
        Press(key, control, shift);
        return std::string("key ") + (control ? "Ctrl+" : "") + (shift ? "Shift+" : "") + KeyName(key);
    }

    std::string Character(Random& random)
    {
        char c = random.Chance(80) ? static_cast<char>('0' + random.Below(10))
                                   : static_cast<char>(1 + random.Below(255));
        SendMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
        Pump();
        return "character " + std::to_string(static_cast<unsigned char>(c));
    }

    std::string Wheel(Random& random)
    {
        int delta = (random.Below(5) - 2) * WHEEL_DELTA + (random.Chance(20) ? random.Below(60) : 0);
        POINT screen = {random.Below(497), random.Below(281)};
        ClientToScreen(window, &screen);
        SendMessageA(GetFocus(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(screen.x, screen.y));
        Pump();
        return "wheel " + std::to_string(delta);
    }

    std::string Command(Random& random)
    {
        static const int commands[] = {IDM_MARK_WHITE, IDM_MARK_BLUE,    IDM_MARK_RED,    IDM_WHITE_ONLY,
                                       IDM_RESET,      IDM_COLOUR_WHITE, IDM_COLOUR_BLUE, IDM_COLOUR_RED};
        int command = commands[random.Below(8)];
        SendMessageA(window, WM_COMMAND, command, 0);
        Pump();
        return "command " + std::to_string(command);
    }

    std::string Tick(Random& random)
    {
        int timer = random.Below(10); // 0 and 9 belong to nobody
        SendMessageA(window, WM_TIMER, timer, 0);
        Pump();
        return "timer " + std::to_string(timer);
    }

    std::string Event(Random& random)
    {
        int roll = random.Below(1000);
        if (roll < 300)
            return Keystroke(random);
        if (roll < 550)
            return Character(random);
        if (roll < 720)
            return Click(random, false);
        if (roll < 760)
            return Click(random, true);
        if (roll < 810)
            return Wheel(random);
        if (roll < 860)
            return Command(random);
        if (roll < 930)
            return Tick(random);
        if (roll < 950) {
            POINT at = {random.Below(497), random.Below(281)};
            SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
            Pump();
            return "mouse move";
        }
        if (roll < 965) {
            POINT client = {random.Below(497), random.Below(281)}, local;
            HWND hit = Under(client, local);
            if (hit != nullptr) {
                SendMessageA(hit, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(local.x, local.y));
                SendMessageA(hit, WM_MBUTTONUP, 0, MAKELPARAM(local.x, local.y));
                Pump();
            }
            return "middle click";
        }
        if (roll < 980) {
            SendMessageA(window, WM_SYSCOLORCHANGE, 0, 0);
            Pump();
            return "colour change";
        }
        if (roll < 990) {
            SendMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
            Pump();
            return "display change";
        }
        ReleaseMouse();
        ShowWindow(other, SW_SHOW);
        Pump();
        ShowWindow(other, SW_HIDE);
        SetActiveWindow(window);
        Pump();
        return "another window active and back";
    }

    HWND cells[40] = {};
    HWND totals[8] = {};
    // What the stream reached, so that a stream that changes nothing cannot pass.
    mutable bool marked[3] = {};
    mutable int largestTotal = 0;
    HWND other = nullptr;
};

TEST_F(RobustnessTest, RandomStreamKeepsTheSheetSound)
{
    const uint64_t seed = Setting("ZELMORA_SEED", 20261208);
    const uint64_t events = Setting("ZELMORA_EVENTS", 3000);
    ASSERT_EQ(Broken(), "") << "before any event";
    Random random(seed);
    std::deque<std::string> recent;
    bool visited[40] = {};
    int held = 0;
    DWORD started = GetTickCount();
    for (uint64_t n = 1; n <= events; ++n) {
        recent.push_back(std::to_string(n) + ": " + Event(random));
        if (recent.size() > 12)
            recent.pop_front();
        std::string broken = Broken();
        if (!broken.empty()) {
            std::string last;
            for (const std::string& line : recent)
                last += "\n  " + line;
            FAIL() << "seed " << seed << ", event " << n << ": " << broken << "\nlast events:" << last;
        }
        visited[FocusedCellId - 101] = true;
        held += GetCapture() != nullptr;
    }
    int cellsVisited = 0;
    for (bool v : visited)
        cellsVisited += v;
    std::printf("%llu events from seed %llu in %lu ms: %d cells focused, largest total %s, "
                "blue %s, red %s, %d events with a button held\n",
                static_cast<unsigned long long>(events), static_cast<unsigned long long>(seed),
                GetTickCount() - started, cellsVisited, Minutes(largestTotal, 4).c_str(),
                marked[1] ? "yes" : "no", marked[2] ? "yes" : "no", held);
    if (events >= 1000) {
        EXPECT_EQ(cellsVisited, 40);
        EXPECT_GT(largestTotal, 0);
        EXPECT_TRUE(marked[1] && marked[2]);
        EXPECT_GT(held, 0);
    }
}

// The counting itself: each kind of object made shows up once and is gone once destroyed.
TEST_F(RobustnessTest, CountsSeeEveryKindOfObject)
{
    Counts before = CountObjects();
    static const BYTE bits[32] = {};
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, nullptr);
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
    HRGN region = CreateRectRgn(0, 0, 5, 5);
    HMENU menu = CreateMenu();
    HWND child = CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 5, 5, window, nullptr, nullptr, nullptr);
    HICON icon = CreateIcon(nullptr, 16, 16, 1, 1, bits, bits);
    Counts made = CountObjects();
    Counts expected = before;
    ++expected.brushes, ++expected.fonts, ++expected.regions;
    expected.bitmaps += 2; // the icon keeps its mask as a bitmap of its own
    ++expected.menus, ++expected.windows, ++expected.icons;
    EXPECT_EQ(made.Line(), expected.Line());
    DeleteObject(brush);
    DeleteObject(bitmap);
    DeleteObject(font);
    DeleteObject(region);
    DestroyMenu(menu);
    DestroyWindow(child);
    DestroyIcon(icon);
    EXPECT_EQ(CountObjects().Line(), before.Line());
}

TEST_F(RobustnessTest, NothingLeaksAcrossKeystrokesAndDisplayChanges)
{
    Random random(7);
    // One of each first, so that what the system makes once on first use is not taken for a leak.
    for (int n = 0; n < 50; ++n)
        Keystroke(random);
    Click(random, false);
    SendMessageA(window, WM_SYSCOLORCHANGE, 0, 0);
    SendMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    ReleaseMouse();
    Pump();
    Counts before = CountObjects();
    int colourChanges = 0, displayChanges = 0;
    for (int n = 1; n <= 10000; ++n) {
        if (random.Chance(50))
            Keystroke(random);
        else
            Character(random);
        if (n % 10 == 0) {
            SendMessageA(window, WM_SYSCOLORCHANGE, 0, 0);
            ++colourChanges;
            Click(random, false);
        }
        if (n % 100 == 0) {
            SendMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
            ++displayChanges;
        }
    }
    ReleaseMouse();
    Pump();
    Counts after = CountObjects();
    std::printf(
        "10000 keystrokes, %d colour changes and presses, %d display changes\nbefore: %s\nafter:  %s\n",
        colourChanges, displayChanges, before.Line().c_str(), after.Line().c_str());
    EXPECT_EQ(after.Line(), before.Line());
}
