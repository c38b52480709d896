// Start-up benchmark: launches each program in turn, interleaved, and times from process
// creation until its main window is shown and its thread answers messages from an idle loop.
//   startbench.exe RUNS PROGRAM.exe [PROGRAM.exe ...]
// Prints the median, fastest and slowest time of each program and, for every program against
// each program named before it, the median of the ratios of the runs side by side.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "stats.h"

struct Search {
    DWORD process;
    HWND window;
};

static BOOL CALLBACK FindShownWindow(HWND window, LPARAM parameter)
{
    Search* search = reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) || GetWindow(window, GW_OWNER) != nullptr)
        return TRUE;
    search->window = window;
    return FALSE;
}

static double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One start: milliseconds until shown and idle, or a negative number when it failed.
static double TimeOneStart(const char* program)
{
    char folder[MAX_PATH];
    lstrcpynA(folder, program, MAX_PATH);
    char* slash = std::strrchr(folder, '\\');
    if (slash != nullptr)
        *slash = '\0';
    char commandLine[MAX_PATH + 2];
    wsprintfA(commandLine, "\"%s\"", program);

    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program, commandLine, nullptr, nullptr, FALSE, 0, nullptr,
                        slash != nullptr ? folder : nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", program, GetLastError());
        return -1;
    }
    WaitForInputIdle(process.hProcess, 30000);
    Search search = {process.dwProcessId, nullptr};
    for (int tries = 0; tries < 30000 && search.window == nullptr; ++tries) {
        EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&search));
        if (search.window == nullptr)
            Sleep(1);
    }
    DWORD_PTR answer = 0;
    bool answered = search.window != nullptr &&
                    SendMessageTimeoutA(search.window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answer) != 0;
    QueryPerformanceCounter(&end);

    if (search.window != nullptr)
        PostMessageA(search.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 10000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!answered) {
        std::fprintf(stderr, "%s showed no answering window\n", program);
        return -1;
    }
    return 1000 * Seconds(start, end, frequency);
}

static const char* BaseName(const char* path)
{
    const char* slash = std::strrchr(path, '\\');
    return slash != nullptr ? slash + 1 : path;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startbench RUNS PROGRAM.exe [PROGRAM.exe ...]\n");
        return 2;
    }
    int runs = std::atoi(argv[1]);
    int count = argc - 2;
    std::vector<std::vector<double>> times(count);
    // One unmeasured start of each first: the first start of a program fills the caches.
    for (int run = -1; run < runs; ++run) {
        for (int i = 0; i < count; ++i) {
            double milliseconds = TimeOneStart(argv[2 + i]);
            if (milliseconds < 0)
                return 1;
            if (run >= 0)
                times[i].push_back(milliseconds);
            Sleep(100);
        }
    }
    std::vector<double> medians(count);
    for (int i = 0; i < count; ++i) {
        medians[i] = Median(times[i]);
        std::vector<double> sorted = times[i];
        std::sort(sorted.begin(), sorted.end());
        std::printf("start-up %-14s median %7.1f ms  (fastest %.1f, slowest %.1f, %d runs)\n",
                    BaseName(argv[2 + i]), medians[i], sorted.front(), sorted.back(), runs);
    }
    // Starts that ran side by side share the machine's load of the moment: the median of
    // their ratios is steadier than the ratio of the medians when the load changes.
    for (int i = 1; i < count; ++i) {
        for (int j = 0; j < i; ++j) {
            std::vector<double> paired;
            for (int run = 0; run < runs; ++run)
                paired.push_back(times[i][run] / times[j][run]);
            std::printf("start-up ratio %s / %s = %.2f (ratio of medians %.2f)\n", BaseName(argv[2 + i]),
                        BaseName(argv[2 + j]), Median(paired), medians[i] / medians[j]);
        }
    }
    return 0;
}
