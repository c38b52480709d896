// Keystroke benchmark: the real main window, built by the program's own start-up code, takes
// accepted digits as WM_CHAR in its focused cell. Their cost is set against the bare cost of
// reading the 48 texts a recalculation reads (40 cells, 8 total fields), measured in the same
// run, interleaved. Also counts the heap allocations of the program's code per keystroke.
//   keybench.exe [KEYSTROKES_PER_BATCH] [BATCHES]
//   keybench.exe --check    allocations and heap growth only; exit code 1 if any
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "../../app/app.h"
#include "../../base/program.h"
#include "../../input/input.h"
#include "../../base/resource.h"
#include "../../sheet/duration.h"
#include "../../sheet/sheet.h"
#include "../../window/window.h"
#include "stats.h"

// Every malloc, calloc, realloc and operator new of the code linked into this program
// (the program's own code, the C++ library, this benchmark) passes through these wrappers
// (-Wl,--wrap=...). The system DLLs' own allocations do not.
static volatile long Allocations;

// operator new and new[] are _Znwj and _Znaj where size_t is unsigned int (x86), _Znwy and
// _Znay where it is unsigned long long (x86-64).
#ifdef _WIN64
#define SIZED(name) name##y
#else
#define SIZED(name) name##j
#endif

extern "C" {
void* __real_malloc(size_t size);
void* __real_calloc(size_t count, size_t size);
void* __real_realloc(void* block, size_t size);
void* SIZED(__real__Znw)(size_t size);
void* SIZED(__real__Zna)(size_t size);
void* __wrap_malloc(size_t size)
{
    ++Allocations;
    return __real_malloc(size);
}
void* __wrap_calloc(size_t count, size_t size)
{
    ++Allocations;
    return __real_calloc(count, size);
}
void* __wrap_realloc(void* block, size_t size)
{
    ++Allocations;
    return __real_realloc(block, size);
}
void* SIZED(__wrap__Znw)(size_t size)
{
    ++Allocations;
    return SIZED(__real__Znw)(size);
}
void* SIZED(__wrap__Zna)(size_t size)
{
    ++Allocations;
    return SIZED(__real__Zna)(size);
}
}

// Busy blocks and bytes in all of the process's heaps: what stays allocated.
struct HeapCensus {
    long blocks = 0;
    long long bytes = 0;
    bool walked = false;
};

static HeapCensus TakeHeapCensus()
{
    HeapCensus census;
    HANDLE heaps[64];
    DWORD count = GetProcessHeaps(64, heaps);
    if (count == 0 || count > 64)
        return census;
    census.walked = true;
    for (DWORD i = 0; i < count; ++i) {
        PROCESS_HEAP_ENTRY entry = {};
        if (!HeapLock(heaps[i]))
            continue;
        while (HeapWalk(heaps[i], &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) {
                ++census.blocks;
                census.bytes += entry.cbData;
            }
        }
        if (GetLastError() != ERROR_NO_MORE_ITEMS)
            census.walked = false;
        HeapUnlock(heaps[i]);
    }
    return census;
}

static void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Digits 1, 2, 3 in turn are accepted at every position, and as the sheet has 160 digit
// positions, each pass over it writes each digit differently from the pass before, so
// every keystroke changes its cell and the totals.
static long Typed;

static void TypeDigit() { SendMessageA(GetFocus(), WM_CHAR, '1' + Typed++ % 3, 1); }

static void ReadAllFields()
{
    char text[FieldTextSize];
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id)
        GetDlgItemTextA(MainWindow, id, text, FieldTextSize);
    for (int id = IDC_WHITE_SUM; id <= IDC_LAST_COLUMN_TOTAL; ++id)
        GetDlgItemTextA(MainWindow, id, text, FieldTextSize);
}

static double Now()
{
    static LARGE_INTEGER frequency;
    if (frequency.QuadPart == 0)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

// Microseconds per call of ACTION, over COUNT calls.
template <typename Action> static double Time(int count, Action action)
{
    double start = Now();
    for (int i = 0; i < count; ++i)
        action();
    return (Now() - start) / count;
}

static bool CreateProgramWindow()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!LookUpMenuFunctions() || !RegisterMainWindowClass(instance) || CreateMainWindow(instance) == nullptr)
        return false;
    HACCEL accelerators;
    ShowAndPrepare(instance, accelerators);
    InstallTooltips(instance);
    SetForegroundWindow(MainWindow);
    UpdateWindow(MainWindow);
    Pump();
    return GetDlgCtrlID(GetFocus()) == IDC_FIRST_CELL;
}

// The eight total fields' texts, to see which ones a keystroke rewrote.
struct Fields {
    char text[TotalCount][FieldTextSize];
};

static void ReadTotals(Fields& fields)
{
    for (int k = 0; k < TotalCount; ++k)
        GetDlgItemTextA(MainWindow, IDC_WHITE_SUM + k, fields.text[k], FieldTextSize);
}

// One unmeasured pass over the whole sheet: every keystroke must change its cell (or the
// benchmark would time rejected keys); returns the average number of total fields changed.
static double FieldsChangedPerKeystroke(bool& allAccepted)
{
    const int count = 4 * CellCount;
    int changed = 0;
    allAccepted = true;
    for (int i = 0; i < count; ++i) {
        HWND cell = GetFocus();
        char before[FieldTextSize], after[FieldTextSize];
        GetWindowTextA(cell, before, FieldTextSize);
        Fields old, now;
        ReadTotals(old);
        TypeDigit();
        GetWindowTextA(cell, after, FieldTextSize);
        ReadTotals(now);
        if (std::strcmp(before, after) == 0)
            allAccepted = false;
        for (int k = 0; k < TotalCount; ++k)
            changed += std::strcmp(old.text[k], now.text[k]) != 0;
    }
    Pump();
    return static_cast<double>(changed) / count;
}

// Allocations of the program's code, and what stays allocated in the heaps, over COUNT
// keystrokes typed after the sheet has been through a few passes already.
static bool CountAllocations(int count)
{
    // The wrappers must see what this code allocates, or a zero below would mean nothing.
    Allocations = 0;
    std::vector<int> probe(1);
    if (Allocations == 0) {
        std::printf("allocations: the counting wrappers are not linked in\n");
        return false;
    }
    for (int i = 0; i < 3 * 4 * CellCount; ++i)
        TypeDigit();
    Pump();
    HeapCensus before = TakeHeapCensus();
    Allocations = 0;
    for (int i = 0; i < count; ++i)
        TypeDigit();
    long allocations = Allocations;
    Pump();
    HeapCensus after = TakeHeapCensus();
    std::printf("allocations: %ld by the program's code in %d keystrokes (%.3f per keystroke)\n", allocations,
                count, static_cast<double>(allocations) / count);
    // The sheet is back where it was after three passes, so every field text has its old length.
    if (before.walked && after.walked)
        std::printf("heap: %ld busy blocks, %lld bytes before; %+ld blocks, %+lld bytes after\n",
                    before.blocks, before.bytes, after.blocks - before.blocks, after.bytes - before.bytes);
    else
        std::printf("heap: cannot be walked here\n");
    bool grew = before.walked && after.walked && after.blocks - before.blocks > count / 100;
    return allocations == 0 && !grew;
}

int main(int argc, char** argv)
{
    bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    int perBatch = !check && argc > 1 ? std::atoi(argv[1]) : 160;
    int batches = !check && argc > 2 ? std::atoi(argv[2]) : 11;
    if (!CreateProgramWindow()) {
        std::printf("the main window did not start with cell 101 focused\n");
        return 1;
    }
    bool allAccepted;
    double fieldsChanged = FieldsChangedPerKeystroke(allAccepted);
    if (!allAccepted) {
        std::printf("some digits were not accepted\n");
        return 1;
    }
    if (check)
        return CountAllocations(3 * 4 * CellCount) ? 0 : 1;

    std::vector<double> keystroke, painted, reads, editChar, step, recalc, write, lookUps, marks;
    HWND first = GetDlgItem(MainWindow, IDC_FIRST_CELL);
    HWND grandTotal = GetDlgItem(MainWindow, IDC_GRAND_TOTAL);
    char grandTotalText[FieldTextSize];
    for (int batch = 0; batch < batches; ++batch) {
        keystroke.push_back(Time(perBatch, TypeDigit));
        Pump();
        reads.push_back(Time(perBatch, ReadAllFields));
        painted.push_back(Time(perBatch, [] {
            TypeDigit();
            RedrawWindow(MainWindow, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }));
        Pump();

        // The parts of a keystroke, one by one.
        // The EDIT class's own procedure, behind the cell editor.
        WNDPROC standardEditProc = reinterpret_cast<WNDPROC>(GetClassLongPtrA(first, GCLP_WNDPROC));
        editChar.push_back(Time(perBatch, [first, standardEditProc] {
            SendMessageA(first, EM_SETSEL, 1, 0);
            CallWindowProcA(standardEditProc, first, WM_CHAR, '1' + Typed++ % 3, 1);
        }));
        step.push_back(Time(perBatch, [] { SendMessageA(GetFocus(), WM_KEYDOWN, VK_RIGHT, 0); }));
        recalc.push_back(Time(perBatch, [] { RecalcTotals(MainWindow); }));
        GetWindowTextA(grandTotal, grandTotalText, FieldTextSize);
        write.push_back(Time(perBatch, [grandTotal] {
            SetWindowTextA(grandTotal, Typed++ % 2 != 0 ? "0001:00" : "0002:00");
        }));
        SetWindowTextA(grandTotal, grandTotalText);
        lookUps.push_back(Time(perBatch, [] {
            for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id)
                GetDlgItem(MainWindow, id);
        }));
        marks.push_back(Time(perBatch, [first] {
            for (int i = 0; i < CellCount; ++i)
                ReadCellColour(first);
        }));
        Pump();
    }

    double key = Median(keystroke), read = Median(reads);
    std::printf("keystroke: %.2f us per accepted digit (median of %d batches of %d)\n", key, batches,
                perBatch);
    std::printf("reads: %.2f us per 48 GetDlgItemTextA\n", read);
    std::printf("keystroke ratio: %.2f (target under 2)\n", key / read);
    std::printf("keystroke with repaint: %.2f us (%.2f x the reads)\n", Median(painted),
                Median(painted) / read);
    std::printf(
        "parts: edit control's own WM_CHAR %.2f us; selection step %.2f us; "
        "recalculation without writes %.2f us; one total field write %.2f us x %.2f fields per keystroke\n",
        Median(editChar), Median(step), Median(recalc), Median(write), fieldsChanged);
    std::printf("inside the recalculation: 40 GetDlgItem %.2f us; 40 mark reads %.2f us\n", Median(lookUps),
                Median(marks));
    return CountAllocations(3 * 4 * CellCount) ? 0 : 1;
}
