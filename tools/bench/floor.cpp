// The floor programs' window and loop, shaped like the program's own.
#include "floor.h"

void MarkStep(const char* name)
{
    char atom[64];
    wsprintfA(atom, "zelmora-step %s", name);
    GlobalFindAtomA(atom);
}

bool IsRunOnce()
{
    const char* line = GetCommandLineA();
    const char* last = line;
    for (const char* p = line; *p != '\0'; ++p)
        if (p[0] == ' ' && p[1] != ' ' && p[1] != '\0')
            last = p + 1;
    return last != line && lstrcmpA(last, "once") == 0;
}

int RunFloorWindow(HINSTANCE instance, const char* className, WNDPROC procedure, int menu)
{
    bool once = IsRunOnce();
    if (once)
        MarkStep("main");
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszMenuName = menu != 0 ? MAKEINTRESOURCEA(menu) : nullptr;
    windowClass.lpszClassName = className;
    if (RegisterClassExA(&windowClass) == 0)
        return 1;

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame = {0, 0, 497, 281};
    AdjustWindowRectEx(&frame, style, menu != 0, WS_EX_WINDOWEDGE);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    HWND window = CreateWindowExA(WS_EX_APPWINDOW | WS_EX_WINDOWEDGE, className, className, style,
                                  (work.left + work.right - width) / 2, (work.top + work.bottom - height) / 2,
                                  width, height, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    if (once)
        MarkStep("window");
    ShowWindow(window, SW_RESTORE);
    if (once) {
        MarkStep("show");
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        MarkStep("idle");
        DestroyWindow(window);
        return 0;
    }

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
