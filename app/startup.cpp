// Start-up: version checks, the window class, the centred main window, the message loop.
#include "app.h"

#include "../info/info.h"
#include "../window/placement.h"
#include "../window/window.h"
#include "../base/program.h"
#include "../base/resource.h"

#include "version.h"

#include <commctrl.h>

HINSTANCE ProgramInstance;
HWND MainWindow;

static const char ClassName[] = "Zelmora";
static const char RefusalCaption[] = "Завершение программы";

static void Refuse(const char* text) { MessageBoxA(nullptr, text, RefusalCaption, MB_OK | MB_ICONHAND); }

bool CheckWindowsVersion()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    bool known = GetVersionExA(&version) != FALSE;
    NoteWindows2000(known && version.dwMajorVersion == 5 && version.dwMinorVersion == 0);
    if (!known)
        return true;
    if (version.dwMajorVersion == 4 && version.dwMinorVersion == 0) {
        if (version.dwPlatformId == VER_PLATFORM_WIN32_NT)
            Refuse("Программа \"Зельмора\" " ZELMORA_VERSION_TEXT "\r\nне может работать в Windows NT4");
        else
            Refuse("Программа \"Зельмора\" " ZELMORA_VERSION_TEXT "\r\nне может работать в Windows 95");
        return false;
    }
    return true;
}

bool LookUpMenuFunctions()
{
    HMODULE user32 = GetModuleHandleA("User32");
    auto get =
        reinterpret_cast<GetMenuInfoFunction>(reinterpret_cast<void*>(GetProcAddress(user32, "GetMenuInfo")));
    auto set =
        reinterpret_cast<SetMenuInfoFunction>(reinterpret_cast<void*>(GetProcAddress(user32, "SetMenuInfo")));
    SetMenuInfoFunctions(get, set);
    if (get == nullptr || set == nullptr) {
        Refuse("В библиотеке \"USER32.DLL\" не найдены функции, необходимые\r\n"
               "для работы программы \"Зельмора\" " ZELMORA_VERSION_TEXT);
        return false;
    }
    return true;
}

bool RegisterMainWindowClass(HINSTANCE instance)
{
    ProgramInstance = instance;
    HBRUSH background = CreateBackgroundBrush(); // deleted with the window (window/colours.cpp)
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
    windowClass.lpszClassName = ClassName;
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    if (LOWORD(RegisterClassExA(&windowClass)) == 0) {
        DeleteBackgroundBrush();
        return false;
    }
    return true;
}

HWND CreateMainWindow(HINSTANCE instance)
{
    RECT frame = {0, 0, ClientWidth, ClientHeight};
    int width = FallbackWindowWidth, height = FallbackWindowHeight;
    if (AdjustWindowRectEx(&frame, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, TRUE, WS_EX_WINDOWEDGE)) {
        width = frame.right - frame.left;
        height = frame.bottom - frame.top;
    }
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int x, y;
    CentreInWorkArea(work.left, work.top, work.right, work.bottom, width, height, x, y);
    MainWindow = CreateWindowExA(WS_EX_APPWINDOW | WS_EX_WINDOWEDGE, ClassName, "Зельмора",
                                 WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                 x, y, width, height, nullptr, nullptr, instance, nullptr);
    if (MainWindow == nullptr) {
        DeleteBackgroundBrush();
    }
    return MainWindow;
}

void ShowAndPrepare(HINSTANCE instance, HACCEL& accelerators)
{
    ShowWindow(MainWindow, SW_RESTORE);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    InitCommonControls();
    accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
}

static_assert(IDS_LAST_TOTAL_TIP - IDS_FIRST_TOTAL_TIP == IDC_LAST_TIPPED_TOTAL - IDC_FIRST_TIPPED_TOTAL,
              "one tip for each field in the totals frame");
static_assert(IDS_LAST_BUTTON_TIP - IDS_FIRST_BUTTON_TIP == IDC_LAST_BUTTON - IDC_FIRST_BUTTON,
              "one tip for each image button");

void InstallTooltips(HINSTANCE instance)
{
    CreateTooltips(MainWindow, instance);
    AddTooltip(MainWindow, "", true);
    for (int id = IDC_FIRST_TIPPED_TOTAL; id <= IDC_LAST_TIPPED_TOTAL; ++id)
        AddTooltip(GetDlgItem(MainWindow, id),
                   MAKEINTRESOURCEA(IDS_FIRST_TOTAL_TIP + (id - IDC_FIRST_TIPPED_TOTAL)), true);
    AddTooltip(GetDlgItem(MainWindow, IDC_BUTTON_PANEL), "", false);
    for (int id = IDC_FIRST_BUTTON; id <= IDC_LAST_BUTTON; ++id)
        AddTooltip(GetDlgItem(MainWindow, id),
                   MAKEINTRESOURCEA(IDS_FIRST_BUTTON_TIP + (id - IDC_FIRST_BUTTON)), false);
}

void RunMessageLoop(HACCEL accelerators)
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (LOWORD(TranslateAcceleratorA(MainWindow, accelerators, &message)) != 0)
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
