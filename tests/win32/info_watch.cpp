// Looking at the test thread's boxes from a second thread, and real mouse and key input.
#include "info_watch.h"

static BOOL CALLBACK CollectBox(HWND window, LPARAM data)
{
    char name[16];
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleBoxes(DWORD thread)
{
    std::vector<HWND> boxes;
    EnumThreadWindows(thread, CollectBox, reinterpret_cast<LPARAM>(&boxes));
    return boxes;
}

static BOOL CALLBACK ReadChild(HWND child, LPARAM data)
{
    SeenBox& seen = *reinterpret_cast<SeenBox*>(data);
    char name[16], text[1024];
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Static") != 0)
        return TRUE;
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        seen.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        return TRUE;
    }
    GetWindowTextA(child, text, sizeof text);
    if (text[0] != '\0')
        seen.texts.push_back(text);
    return TRUE;
}

static std::string CaptionOf(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

BoxWatch::BoxWatch(DWORD thread, const char* caption, std::function<void(HWND)> act, DWORD timeout)
{
    std::string wanted = caption != nullptr ? caption : "";
    bool anyCaption = caption == nullptr;
    worker = std::thread([this, thread, wanted, anyCaption, act, timeout] {
        for (DWORD waited = 0; waited < timeout && !seen.found; waited += 20) {
            for (HWND box : VisibleBoxes(thread)) {
                if (anyCaption || CaptionOf(box) == wanted) {
                    seen.found = true;
                    seen.box = box;
                    break;
                }
            }
            if (!seen.found)
                Sleep(20);
        }
        if (!seen.found)
            return;
        Sleep(100); // let the box finish laying itself out
        seen.caption = CaptionOf(seen.box);
        seen.owner = GetWindow(seen.box, GW_OWNER);
        EnumChildWindows(seen.box, ReadChild, reinterpret_cast<LPARAM>(&seen));
        if (act)
            act(seen.box);
        else
            PostMessageA(seen.box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(seen.box, IDOK)));
    });
}

BoxWatch::~BoxWatch()
{
    if (worker.joinable())
        worker.join();
}

const SeenBox& BoxWatch::Result()
{
    if (worker.joinable())
        worker.join();
    return seen;
}

std::string Describe(const SeenBox& box)
{
    if (!box.found)
        return "(no box)";
    std::string line = "caption \"" + box.caption + "\"";
    for (const std::string& text : box.texts)
        line += ", text \"" + text + "\"";
    return line;
}

static void SendMouse(POINT screen, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    SendInput(1, &input, sizeof input);
}

void MoveMouse(POINT screen)
{
    SendMouse(POINT{screen.x - 1, screen.y}, 0);
    SendMouse(screen, 0);
}

void Click(POINT screen)
{
    SendMouse(screen, 0);
    SendMouse(screen, MOUSEEVENTF_LEFTDOWN);
    SendMouse(screen, MOUSEEVENTF_LEFTUP);
}

static void SendKey(int key, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(key);
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, 0));
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void PressKey(int key, bool control)
{
    if (control)
        SendKey(VK_CONTROL, 0);
    SendKey(key, 0);
    SendKey(key, KEYEVENTF_KEYUP);
    if (control)
        SendKey(VK_CONTROL, KEYEVENTF_KEYUP);
}

POINT CentreOf(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeout)
{
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= timeout)
            return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

std::string HelpFolder()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    folder.erase(folder.rfind('\\'));
    folder.erase(folder.rfind('\\') + 1);
    return folder + "help";
}

void HelpEngineTest::SetUp()
{
    MainWindowTest::SetUp();
    saved = HtmlHelpEntry;
    HtmlHelpEntry = recorder;
    RemoveHelp();
}

void HelpEngineTest::TearDown()
{
    HtmlHelpEntry = saved;
    RemoveHelp();
    MainWindowTest::TearDown();
}

void HelpEngineTest::RemoveHelp()
{
    DeleteFileA(HelpFile().c_str());
    RemoveDirectoryA(HelpFile().c_str());
    RemoveDirectoryA(HelpFolder().c_str());
}

void HelpEngineTest::PutHelpFile(const char* source)
{
    CreateDirectoryA(HelpFolder().c_str(), nullptr);
    if (source != nullptr) {
        ASSERT_TRUE(CopyFileA(source, HelpFile().c_str(), FALSE)) << source;
        return;
    }
    HANDLE file = CreateFileA(HelpFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
}
