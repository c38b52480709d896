// Where the start-up time goes: the program's own start-up steps, in its order, each timed,
// in a fresh process (DLL loading and first-use costs are part of what it measures).
// Prints one line: the milliseconds of each step, then the total from the process's start.
// Each step is marked for a wineserver trace as well (MarkStep), as the floors mark theirs.
#include <windows.h>

#include <cstdio>

#include "../../app/app.h"
#include "floor.h"

static double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000 / static_cast<double>(frequency.QuadPart);
}

int main()
{
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    double sinceCreation =
        static_cast<double>((static_cast<ULONGLONG>(now.dwHighDateTime) << 32 | now.dwLowDateTime) -
                            (static_cast<ULONGLONG>(created.dwHighDateTime) << 32 | created.dwLowDateTime)) /
        10000;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    LARGE_INTEGER t[8];
    QueryPerformanceCounter(&t[0]);
    MarkStep("main");
    CheckWindowsVersion();
    LookUpMenuFunctions();
    QueryPerformanceCounter(&t[1]);
    MarkStep("checks");
    RegisterMainWindowClass(instance);
    QueryPerformanceCounter(&t[2]);
    MarkStep("class");
    CreateMainWindow(instance);
    QueryPerformanceCounter(&t[3]);
    MarkStep("window");
    LoadHtmlHelp();
    QueryPerformanceCounter(&t[4]);
    MarkStep("htmlhelp");
    HACCEL accelerators;
    ShowAndPrepare(instance, accelerators);
    QueryPerformanceCounter(&t[5]);
    MarkStep("show");
    InstallTooltips(instance);
    QueryPerformanceCounter(&t[6]);
    MarkStep("tooltips");
    // Until the queue is empty: the first idle moment of the message loop.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    QueryPerformanceCounter(&t[7]);
    MarkStep("idle");
    std::printf(
        "steps: to main %.1f checks %.1f class %.1f window %.1f htmlhelp %.1f show %.1f tooltips %.1f "
        "first-messages %.1f\n",
        sinceCreation, Milliseconds(t[0], t[1]), Milliseconds(t[1], t[2]), Milliseconds(t[2], t[3]),
        Milliseconds(t[3], t[4]), Milliseconds(t[4], t[5]), Milliseconds(t[5], t[6]),
        Milliseconds(t[6], t[7]));
    DestroyWindow(MainWindow);
    return 0;
}
