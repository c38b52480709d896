// The running program as the hostile neighbour sees it from outside: its windows, the checks
// of what a user relies on, and the delivery of one message, with whatever it opens ended the
// way a user would end it.
#include "../../base/resource.h"
#include "neighbour_program.h"

#include <cstdio>
#include <vector>

HWND Main;
std::map<std::string, int> Dismissed;

static DWORD Thread, ProcessId;
static HANDLE Process;

static HWND Controls[410]; // by identifier; 0 is the main window

HWND Control(int id) { return Controls[id]; }

bool FindProgram()
{
    for (int waited = 0; waited < 20000 && Main == nullptr; waited += 50) {
        Main = FindWindowA("Zelmora", nullptr);
        if (Main == nullptr)
            Sleep(50);
    }
    if (Main == nullptr)
        return false;
    Thread = GetWindowThreadProcessId(Main, &ProcessId);
    // Looked up once: every look-up in another process is a trip to the server.
    Controls[0] = Main;
    for (int id = 1; id < 410; ++id)
        Controls[id] = GetDlgItem(Main, id);
    Process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, ProcessId);
    return Process != nullptr;
}

// Reads a control's text as its own procedure gives it; false when the program did not answer.
static bool ReadText(HWND window, char (&text)[64])
{
    DWORD_PTR length = 0;
    text[0] = '\0';
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                             2000, &length))
        return false;
    text[sizeof text - 1] = '\0';
    return true;
}

// Seconds of "mm:ss" with tens 0..5, or -1 for any other text.
static int SecondsOf(const char* text)
{
    auto digit = [](char c, char highest) { return c >= '0' && c <= highest; };
    if (!(digit(text[0], '5') && digit(text[1], '9') && text[2] == ':' && digit(text[3], '5') &&
          digit(text[4], '9') && text[5] == '\0'))
        return -1;
    return ((text[0] - '0') * 10 + text[1] - '0') * 60 + (text[3] - '0') * 10 + text[4] - '0';
}

// A text of the program's code page as UTF-8, for the report.
static std::string Utf8(const char* text)
{
    wchar_t wide[256];
    char utf8[768];
    if (MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 256) == 0 ||
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr) == 0)
        return std::string();
    return utf8;
}

std::string Minutes(int seconds, int width)
{
    char text[32];
    std::snprintf(text, sizeof text, "%0*d:%02d", width, seconds / 60, seconds % 60);
    return text;
}

// The cells are read by four threads at once: the program then answers several reads each
// time it wakes, which under Wine makes a check take a third of the time.
enum { Readers = 4 };
static struct Reader {
    HANDLE go, done;
    char texts[40][64];
    bool answered[40];
    LONG_PTR marks[40];
    int first, last;
} Readers_[Readers];

static DWORD WINAPI ReadCells(void* data)
{
    Reader* reader = static_cast<Reader*>(data);
    for (;;) {
        WaitForSingleObject(reader->go, INFINITE);
        for (int i = reader->first; i < reader->last; ++i) {
            reader->answered[i] = ReadText(Control(IDC_FIRST_CELL + i), reader->texts[i]);
            reader->marks[i] = GetWindowLongPtrA(Control(IDC_FIRST_CELL + i), GWLP_USERDATA);
        }
        SetEvent(reader->done);
    }
}

void StartReaders()
{
    for (int r = 0; r < Readers; ++r) {
        Reader& reader = Readers_[r];
        reader.first = 40 * r / Readers;
        reader.last = 40 * (r + 1) / Readers;
        reader.go = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        reader.done = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        CreateThread(nullptr, 0, ReadCells, &reader, 0, nullptr);
    }
}

// An empty text when everything a user relies on holds; what broke otherwise.
std::string Check(Sheet& sheet)
{
    if (WaitForSingleObject(Process, 0) == WAIT_OBJECT_0)
        return "the program has ended";
    HANDLE done[Readers];
    for (int r = 0; r < Readers; ++r) {
        SetEvent(Readers_[r].go);
        done[r] = Readers_[r].done;
    }
    WaitForMultipleObjects(Readers, done, TRUE, INFINITE);
    char text[64];
    int column[4] = {}, colour[3] = {}, all = 0;
    for (int i = 0; i < 40; ++i) {
        const Reader& reader = Readers_[i * Readers / 40];
        if (!reader.answered[i])
            return "cell " + std::to_string(IDC_FIRST_CELL + i) + " does not answer";
        int seconds = SecondsOf(reader.texts[i]);
        if (seconds < 0)
            return "cell " + std::to_string(IDC_FIRST_CELL + i) + " reads \"" + reader.texts[i] + "\"";
        LONG_PTR mark = reader.marks[i];
        int kind = mark == 1 || mark == 2 ? mark : 0;
        sheet.cells[i] = reader.texts[i];
        sheet.marks[i] = kind;
        column[i / 10] += seconds;
        colour[kind] += seconds;
        all += seconds;
    }
    std::string expected = Minutes(colour[0], 4) + " " + Minutes(colour[1], 4) + " " + Minutes(colour[2], 4) +
                           " " + Minutes(all, 4);
    for (int c = 0; c < 4; ++c)
        expected += " " + Minutes(column[c], 3);
    sheet.totals.clear();
    for (int id = IDC_WHITE_SUM; id <= IDC_LAST_COLUMN_TOTAL; ++id) {
        // A static control's text is its window text, which another process reads directly.
        GetWindowTextA(Control(id), text, sizeof text);
        sheet.totals += (id == IDC_WHITE_SUM ? "" : " ") + std::string(text);
    }
    if (sheet.totals != expected)
        return "totals read \"" + sheet.totals + "\", the cells add up to \"" + expected + "\"";
    sheet.grand = all;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(Thread, &info);
    int id = GetDlgCtrlID(info.hwndFocus);
    if (info.hwndFocus == nullptr || GetParent(info.hwndFocus) != Main || id < IDC_FIRST_CELL ||
        id > IDC_LAST_CELL)
        return "the focus is on window " + std::to_string(reinterpret_cast<UINT_PTR>(info.hwndFocus)) +
               " id " + std::to_string(id);
    DWORD_PTR selection = 0;
    SendMessageTimeoutA(info.hwndFocus, EM_GETSEL, 0, 0, SMTO_NORMAL, 5000, &selection);
    int start = LOWORD(selection), end = HIWORD(selection);
    if (end - start != 1 || start == 2 || start > 4)
        return "the focused cell " + std::to_string(id) + " has the selection " + std::to_string(start) +
               ".." + std::to_string(end);
    sheet.focus = id;
    return std::string();
}

struct Found {
    std::vector<HWND> windows;
};

static BOOL CALLBACK CollectThreadWindow(HWND window, LPARAM data)
{
    char className[64];
    GetClassNameA(window, className, sizeof className);
    if (window != Main && IsWindowVisible(window) && lstrcmpiA(className, "tooltips_class32") != 0)
        reinterpret_cast<Found*>(data)->windows.push_back(window);
    return TRUE;
}

static BOOL CALLBACK CollectFatalBox(HWND window, LPARAM data)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char caption[32];
    GetWindowTextA(window, caption, sizeof caption);
    if (process == ProcessId && IsWindowVisible(window) && lstrcmpA(caption, "Error") == 0)
        reinterpret_cast<Found*>(data)->windows.push_back(window);
    return TRUE;
}

std::string FatalBox()
{
    Found found;
    EnumWindows(CollectFatalBox, reinterpret_cast<LPARAM>(&found));
    if (found.windows.empty())
        return std::string();
    char text[1024] = "";
    HWND label = FindWindowExA(found.windows[0], nullptr, "Static", nullptr);
    while (label != nullptr && GetWindowTextA(label, text, sizeof text) == 0)
        label = FindWindowExA(found.windows[0], label, "Static", nullptr);
    return std::string("a fatal box: ") + text;
}

static void PressEscape(HWND window)
{
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(window, WM_KEYUP, VK_ESCAPE, 0xC0010001);
}

// Ends what the last message left open the way a user would: Escape for a menu or a move,
// Cancel for a dialog or a box, Close for any other window, a click on the program when
// another window took the activation, and, when a message to the window held is still being
// handled with nothing of that kind open, a release of the mouse buttons (the default
// procedure tracks a press on a caption box or a scroll bar until the button goes up).
// Returns with what went wrong, or once there is nothing left to end.
std::string Settle(HWND held)
{
    std::string open;
    for (int round = 0; round < 200; ++round) {
        open.clear();
        if (WaitForSingleObject(Process, 0) == WAIT_OBJECT_0)
            return "the program has ended";
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(Thread, &info);
        bool busy = false;
        if (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) {
            PressEscape(info.hwndMenuOwner != nullptr ? info.hwndMenuOwner : Main);
            Dismissed["menu closed with Escape"] += round == 0;
            open = "a menu";
            busy = true;
        } else if (info.flags & GUI_INMOVESIZE) {
            PressEscape(info.hwndMoveSize != nullptr ? info.hwndMoveSize : Main);
            if (round > 3)
                PostMessageA(info.hwndMoveSize, WM_LBUTTONUP, 0, 0);
            Dismissed["move or size loop ended with Escape"] += round == 0;
            open = "a move or size loop";
            busy = true;
        } else {
            Found found;
            EnumThreadWindows(Thread, CollectThreadWindow, reinterpret_cast<LPARAM>(&found));
            for (HWND window : found.windows) {
                char className[64], caption[128];
                GetClassNameA(window, className, sizeof className);
                GetWindowTextA(window, caption, sizeof caption);
                bool dialog = lstrcmpA(className, "#32770") == 0;
                if (dialog)
                    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
                else
                    PostMessageA(window, WM_CLOSE, 0, 0);
                std::string what = std::string(dialog ? "dialog or box \"" : "window \"") + Utf8(caption) +
                                   "\" (" + className + ")";
                if (round == 0)
                    Dismissed[what + " closed"]++;
                open += what + " ";
                busy = true;
            }
        }
        if (!busy && held != nullptr && round == 0) {
            for (UINT release : {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP})
                PostMessageA(held, release, 0, 0);
            Dismissed["mouse button released to end a tracking loop"]++;
            open = "a loop that a mouse release did not end";
            busy = true;
        } else if (!busy && info.hwndActive != Main && !IsIconic(Main)) {
            // Another window took the activation (closing the help window, for one, may hand
            // it to whatever lies beneath): a user clicks the program to go on typing.
            SetForegroundWindow(Main);
            Dismissed["window activated again after it lost the activation"] += 1;
            char className[64] = "";
            GetClassNameA(info.hwndActive, className, sizeof className);
            open = std::string("the activation, on a window of class \"") + className + "\"";
            busy = true;
        }
        if (!busy)
            return std::string();
        Sleep(round < 10 ? 5 : 50);
    }
    return "the program stays in a state a user would have left: " + open;
}

static void CALLBACK Returned(HWND, UINT, ULONG_PTR done, LRESULT) { *reinterpret_cast<bool*>(done) = true; }

// Sends the message and waits until the program has handled it, ending on the way whatever
// keeps the handling from returning. Texts go with SendMessageTimeout (the system copies them
// across); the rest with SendMessageCallback, whose answer comes back even while the program
// sits in a loop the message opened.
Delivery Deliver(HWND target, UINT message, WPARAM wParam, LPARAM lParam, std::string& broken)
{
    if (message == WM_SETTEXT || message == WM_GETTEXT) {
        DWORD_PTR result;
        if (SendMessageTimeoutA(target, message, wParam, lParam, SMTO_NORMAL, 10000, &result))
            return Handled;
        broken = "a text message was not answered";
        return Refused;
    }
    bool done = false;
    if (!SendMessageCallbackA(target, message, wParam, lParam, Returned, reinterpret_cast<ULONG_PTR>(&done)))
        return Refused;
    Delivery delivery = Handled;
    for (int waited = 0; !done; waited += 10) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG reply;
        while (PeekMessageA(&reply, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&reply);
        if (!done && waited >= 100 && waited % 100 == 0) {
            delivery = Held;
            broken = Settle(target);
            if (!broken.empty())
                return Held;
        }
        if (!done && waited > 30000) {
            broken = "the message was not answered in 30 s";
            return Held;
        }
    }
    return delivery;
}
