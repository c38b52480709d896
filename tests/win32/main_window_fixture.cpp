// A real main window for each test, created the way the program creates it.
#include "main_window_fixture.h"

#include "../../app/app.h"
#include "../../window/window.h"

void MainWindowTest::SetUp()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(LookUpMenuFunctions());
    ASSERT_TRUE(RegisterMainWindowClass(instance));
    window = CreateMainWindow(instance);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    Pump();
}

void MainWindowTest::TearDown()
{
    BYTE keys[256] = {};
    SetKeyboardState(keys);
    if (window != nullptr)
        DestroyWindow(window);
    Pump();
    UnregisterClassA("Zelmora", GetModuleHandleA(nullptr));
}

std::string MainWindowTest::Text(int id) const
{
    char text[64] = {};
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

std::string MainWindowTest::Totals() const
{
    std::string line;
    for (int id = IDC_WHITE_SUM; id <= IDC_LAST_COLUMN_TOTAL; ++id)
        line += (id == IDC_WHITE_SUM ? "" : " ") + Text(id);
    return line;
}

int MainWindowTest::SelectedDigit(int cell) const
{
    DWORD selection = static_cast<DWORD>(SendMessageA(Control(cell), EM_GETSEL, 0, 0));
    int start = LOWORD(selection), end = HIWORD(selection);
    return end - start == 1 ? start : -1;
}

static void HoldKeys(bool control, bool shift)
{
    BYTE keys[256] = {};
    keys[VK_CONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
}

void MainWindowTest::Key(int key, bool control, bool shift)
{
    HoldKeys(control, shift);
    HWND focus = GetFocus();
    SendMessageA(focus, WM_KEYDOWN, key, 1);
    HoldKeys(false, false);
}

void MainWindowTest::Type(const char* text)
{
    for (const char* p = text; *p != '\0'; ++p) {
        HWND focus = GetFocus();
        SendMessageA(focus, WM_CHAR, static_cast<unsigned char>(*p), 1);
    }
}

void MainWindowTest::Put(int cell, const char* text)
{
    SetDlgItemTextA(window, cell, text);
    SetFocus(Control(cell));
    SendMessageA(Control(cell), EM_SETSEL, 1, 0);
}

void MainWindowTest::Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
