// Where the start-up time goes: the program's own start-up steps, in its order, each timed,
// in a fresh process (DLL loading and first-use costs are part of what it measures).
// Prints one line: the milliseconds of each step, then the total from the process's start.
// Each step is marked for a wineserver trace as well (MarkStep), as the floors mark theirs.
// It is built as zelmora.exe is, without the C runtime, so that it loads as the program does.
#include <windows.h>

#include "../../app/app.h"
#include "../../base/program.h"
#include "floor.h"

// Tenths of a millisecond between two counter readings.
static LONGLONG Tenths(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (to.QuadPart - from.QuadPart) * 10000 / frequency.QuadPart;
}

static char* PutTenths(char* out, const char* name, LONGLONG tenths)
{
    return out +
           wsprintfA(out, " %s %d.%d", name, static_cast<int>(tenths / 10), static_cast<int>(tenths % 10));
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    // FILETIME counts 100 ns: a thousandth of that is a tenth of a millisecond.
    LONGLONG sinceCreation = static_cast<LONGLONG>(
        ((static_cast<ULONGLONG>(now.dwHighDateTime) << 32 | now.dwLowDateTime) -
         (static_cast<ULONGLONG>(created.dwHighDateTime) << 32 | created.dwLowDateTime)) /
        1000);
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

    static const char* const names[] = {"checks", "class",    "window",        "htmlhelp",
                                        "show",   "tooltips", "first-messages"};
    char line[256] = "steps:";
    char* end = PutTenths(line + lstrlenA(line), "to main", sinceCreation);
    for (int i = 0; i < 7; ++i)
        end = PutTenths(end, names[i], Tenths(t[i], t[i + 1]));
    *end++ = '\n';
    DWORD written;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, static_cast<DWORD>(end - line), &written, nullptr);
    DestroyWindow(MainWindow);
    return 0;
}
