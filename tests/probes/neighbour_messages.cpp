// What the hostile neighbour sends: which message numbers, with which parameters and texts.
#include "../../base/resource.h"
#include "neighbour_messages.h"

#include <cstdio>
#include <iterator>

// Message numbers below WM_USER left out of the stream. These carry pointers: the system copies
// some across processes and refuses others, and either way a pointer from here means nothing
// in the program (0x011A WM_GESTURENOTIFY, 0x0124 WM_MENUGETOBJECT, 0x022A..0x022F the drag
// messages, 0x02E0 WM_DPICHANGED, 0x02E4 WM_GETDPISCALEDSIZE, 0x033F WM_GETTITLEBARINFOEX).
// clang-format off
static const UINT PointerMessages[] = {
    WM_CREATE, WM_WININICHANGE, WM_DEVMODECHANGE, WM_GETMINMAXINFO, WM_DRAWITEM, WM_MEASUREITEM,
    WM_DELETEITEM, WM_COMPAREITEM, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_COPYDATA, WM_NOTIFY,
    WM_HELP, WM_STYLECHANGING, WM_STYLECHANGED, WM_NCCREATE, WM_NCCALCSIZE, WM_GETDLGCODE, EM_GETSEL,
    EM_GETRECT, EM_SETRECT, EM_SETRECTNP, EM_REPLACESEL, EM_GETLINE, EM_SETTABSTOPS, EM_SETWORDBREAKPROC,
    SBM_GETRANGE, SBM_SETSCROLLINFO, SBM_GETSCROLLINFO, SBM_GETSCROLLBARINFO, CB_GETEDITSEL, CB_ADDSTRING,
    CB_DIR, CB_GETLBTEXT, CB_INSERTSTRING, CB_FINDSTRING, CB_SELECTSTRING, CB_GETDROPPEDCONTROLRECT,
    CB_FINDSTRINGEXACT, LB_ADDSTRING, LB_INSERTSTRING, LB_GETTEXT, LB_SELECTSTRING, LB_DIR, LB_FINDSTRING,
    LB_GETSELITEMS, LB_SETTABSTOPS, LB_ADDFILE, LB_GETITEMRECT, LB_FINDSTRINGEXACT, 0x011A, 0x0124,
    WM_NEXTMENU, WM_SIZING, WM_MOVING, WM_DEVICECHANGE, WM_MDICREATE, WM_MDIGETACTIVE, 0x022A, 0x022B,
    0x022D, 0x022E, 0x022F, WM_IME_CONTROL, WM_IME_REQUEST, 0x02E0, 0x02E4, WM_ASKCBFORMATNAME, 0x033F};
// clang-format on
// EM_SETHANDLE hands the edit control a memory block of the receiver to take as its text; and
// these end the window (a control, too: WM_CLOSE destroys it), which is a user's closing.
static const UINT OtherExcluded[] = {EM_SETHANDLE, WM_DESTROY, WM_NCDESTROY, WM_CLOSE};

bool IsExcluded(UINT message)
{
    for (UINT excluded : PointerMessages)
        if (excluded == message)
            return true;
    for (UINT excluded : OtherExcluded)
        if (excluded == message)
            return true;
    // Above WM_USER, the edit control's cue banner and balloon tip messages carry text pointers.
    return message >= 0x1501 && message <= 0x1503;
}

// The messages the program's procedures and its controls act on, drawn more often than the
// rest so that the stream reaches the sheet's own code.
static const UINT ActedOn[] = {
    WM_KEYDOWN,        WM_KEYUP,       WM_CHAR,       WM_SYSKEYDOWN,    WM_SYSKEYUP,       WM_SYSCHAR,
    WM_IME_CHAR,       WM_LBUTTONDOWN, WM_LBUTTONUP,  WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,    WM_RBUTTONUP,
    WM_MBUTTONDOWN,    WM_MOUSEMOVE,   WM_MOUSEWHEEL, WM_CONTEXTMENU,   WM_SETFOCUS,       WM_KILLFOCUS,
    WM_ACTIVATE,       WM_COMMAND,     WM_SYSCOMMAND, WM_TIMER,         WM_SIZE,           WM_CANCELMODE,
    WM_CAPTURECHANGED, EM_SETSEL,      EM_LIMITTEXT,  EM_SETREADONLY,   EM_UNDO,           WM_PASTE,
    WM_CLEAR,          WM_SETREDRAW,   WM_ENABLE,     STM_SETIMAGE,     WM_SYSCOLORCHANGE, WM_DISPLAYCHANGE,
    WM_NCLBUTTONDOWN,  WM_NCRBUTTONUP, WM_SETCURSOR,  WM_SETFONT};

UINT ActedOnMessage(Random& random) { return ActedOn[random.Below(std::size(ActedOn))]; }

size_t ExcludedCount() { return std::size(PointerMessages) + std::size(OtherExcluded); }

// Values at the edges of a parameter's range, and flags of key and mouse messages.
// clang-format off
static const uint32_t Edges[] = {0xFFFFFFFF, 0x80000000, 0x7FFFFFFF, 0xFFFF, 0x8000, 0x10000, 0x20000001, 0xC0000001,
                          MK_LBUTTON, MK_RBUTTON | MK_CONTROL, MAKEWPARAM(0, WHEEL_DELTA),
                          MAKEWPARAM(0, -WHEEL_DELTA)};
// clang-format on

uint32_t Parameter(Random& random, const std::vector<HWND>& windows)
{
    switch (random.Below(8)) {
    case 0: return 0;
    case 1: return random.Below(16);
    case 2: return Edges[random.Below(sizeof Edges / sizeof Edges[0])];
    case 3: return static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(windows[random.Below(windows.size())]));
    case 4: return MAKELPARAM(random.Below(500), random.Below(300));
    case 5: return random.Below(0x10000);
    default: return random.Next();
    }
}

template <size_t N> static uint32_t OneOf(Random& random, const uint32_t (&values)[N])
{
    return values[random.Below(N)];
}

static const uint32_t Keys[] = {'0',       '1',        '5',      '6',       '9',       'W',     'B',
                                'R',       'A',        'V',      VK_UP,     VK_DOWN,   VK_LEFT, VK_RIGHT,
                                VK_PRIOR,  VK_NEXT,    VK_HOME,  VK_END,    VK_DELETE, VK_BACK, VK_TAB,
                                VK_RETURN, VK_ESCAPE,  VK_SPACE, VK_INSERT, VK_F1,     VK_F4,   VK_F10,
                                VK_MENU,   VK_CONTROL, VK_SHIFT};
static const uint32_t Commands[] = {
    IDM_MARK_WHITE, IDM_MARK_BLUE,    IDM_MARK_RED,    IDM_WHITE_ONLY, IDM_RESET, IDM_HELP,
    IDM_ABOUT,      IDM_COLOUR_WHITE, IDM_COLOUR_BLUE, IDM_COLOUR_RED, 0,         0xFFFF};
static const uint32_t SystemCommands[] = {
    SC_SIZE,       SC_MOVE,    SC_MINIMIZE,  SC_MAXIMIZE,     SC_NEXTWINDOW,  SC_PREVWINDOW,
    SC_VSCROLL,    SC_HSCROLL, SC_MOUSEMENU, SC_KEYMENU,      SC_RESTORE,     SC_TASKLIST,
    SC_SCREENSAVE, SC_HOTKEY,  SC_DEFAULT,   SC_MONITORPOWER, SC_CONTEXTHELP, SC_ARRANGE};
static const uint32_t HitCodes[] = {HTNOWHERE,   HTCLIENT, HTCAPTION, HTSYSMENU,     HTMENU, HTMINBUTTON,
                                    HTMAXBUTTON, HTBORDER, HTTOP,     HTBOTTOMRIGHT, HTHELP, 0xFFFF};

// Parameters the message means something with: keys for key messages, digits for characters,
// the program's commands, system commands, timer numbers, points and hit-test codes for the mouse.
void MeaningfulParameters(UINT message, Random& random, uint32_t& wParam, uint32_t& lParam)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        wParam = OneOf(random, Keys);
        lParam = random.Chance(30) ? 0x20000001 : 1;
        return;
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_IME_CHAR:
    case WM_UNICHAR: wParam = random.Chance(80) ? '0' + random.Below(10) : random.Below(256); return;
    case WM_COMMAND:
        wParam = OneOf(random, Commands);
        lParam = 0;
        return;
    case WM_SYSCOMMAND: wParam = OneOf(random, SystemCommands); return;
    case WM_TIMER: wParam = random.Below(10); return;
    case WM_MOUSEWHEEL: wParam = MAKEWPARAM(0, (random.Below(5) - 2) * WHEEL_DELTA); return;
    case EM_SETSEL:
        wParam = random.Below(8) - 1;
        lParam = random.Below(8) - 1;
        return;
    }
    if ((message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
        (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK)) {
        wParam = message >= WM_MOUSEFIRST ? random.Below(0x20) : OneOf(random, HitCodes);
        lParam = MAKELPARAM(random.Below(500), random.Below(300));
    }
}

// Parameters with which a message ends the window by default, so a user's closing, not a fault.
bool Closes(UINT message, WPARAM wParam, LPARAM lParam, bool toMainWindow)
{
    switch (message) {
    case WM_SYSCOMMAND: return (wParam & 0xFFF0) == SC_CLOSE;
    case WM_COMMAND: return toMainWindow && LOWORD(wParam) == IDM_EXIT;       // Выход
    case WM_SYSKEYDOWN: return wParam == VK_F4 && (lParam & 0x20000000) != 0; // Alt+F4
    case WM_NCLBUTTONDOWN: return wParam == HTCLOSE;     // the close box, closed at the release
    case WM_NCLBUTTONDBLCLK: return wParam == HTSYSMENU; // a double click on the window's icon
    }
    return false;
}

std::string RandomText(Random& random)
{
    static const char* const nearMisses[] = {"",       "5:30",   "61:00", "12:345", "ab:cd", "12;34",
                                             " 12:34", "12:34 ", "60:00", "-1:00",  "1:2",   "00:60",
                                             "99:99",  "0x:10",  "12:3",  "12::34", "\t1:23"};
    char text[80];
    switch (random.Below(4)) {
    case 0:
    case 1:
        std::snprintf(text, sizeof text, "%d%d:%d%d", random.Below(6), random.Below(10), random.Below(6),
                      random.Below(10));
        return text;
    case 2: return nearMisses[random.Below(sizeof nearMisses / sizeof nearMisses[0])];
    default: {
        int length = random.Below(sizeof text);
        for (int i = 0; i < length; ++i)
            text[i] = static_cast<char>(1 + random.Below(255));
        return std::string(text, length);
    }
    }
}
