// Installs the program's fatal-error handler and then commits the fault named on the command line:
//   fault.exe KIND
// Before the fault it prints "image 0xBASE 0xEND" (the bounds of this executable), so a watcher
// can check that the call stack in the box points into the program. It is built as zelmora.exe
// is, without the C runtime, so its faults take the program's own roads (operator new included).
#include "../../app/fatal.h"

#include <cstring>
#include <new>

namespace {

volatile int IntZero = 0;
volatile double Huge = 1e300, Tiny = 1e-300, FloatZero = 0.0;
volatile double FloatSink;
void* volatile PointerSink;

// Exception mask bits of the x87 control word; those of the SSE control register, where
// x86-64 computes with doubles, are the same bits seven places up.
enum : unsigned short {
    InvalidMask = 0x01,
    ZeroDivideMask = 0x04,
    OverflowMask = 0x08,
    UnderflowMask = 0x10
};

// Clears pending floating-point exceptions and unmasks one of them.
void Unmask(unsigned short exception)
{
#ifdef _WIN64
    unsigned control;
    __asm__ volatile("stmxcsr %0" : "=m"(control));
    control = (control & ~0x3Fu) & ~(static_cast<unsigned>(exception) << 7);
    __asm__ volatile("ldmxcsr %0" : : "m"(control));
#else
    unsigned short control;
    __asm__ volatile("fnclex\n\tfnstcw %0" : "=m"(control));
    control = static_cast<unsigned short>(control & ~exception);
    __asm__ volatile("fldcw %0" : : "m"(control));
#endif
}

// The x87 computes with more range than a double: overflow and underflow happen when the
// result is stored, and are raised at the next waiting instruction (SSE raises them at once).
void WaitForFloatingPoint() { __asm__ volatile("fwait"); }

// More memory than the heap can ever give: 0x7FFFFFF0 bytes on x86.
const size_t Unobtainable = ~static_cast<size_t>(0) / 2 - 15;

void* volatile* volatile NullPointer = nullptr;

__attribute__((noinline)) void ReadNull() { PointerSink = *NullPointer; }

volatile bool Deeper = true;

__attribute__((noinline)) int Recurse(int depth)
{
    volatile char pad[512];
    pad[depth % 512] = static_cast<char>(depth);
    return (Deeper ? Recurse(depth + 1) : 0) + pad[0];
}

DWORD_PTR StackBase() { return reinterpret_cast<DWORD_PTR>(ThreadInformation()->StackBase); }

__attribute__((noinline)) void CallThrough(int levels, void (*fault)())
{
    if (levels == 0)
        fault();
    else
        CallThrough(levels - 1, fault);
    PointerSink = nullptr; // keeps the calls from becoming jumps
}

// The frame pointer is made worthless before the fault: the box must still come, without a stack.
__attribute__((noinline)) void FaultWithFramePointer(DWORD_PTR frame)
{
#ifdef _WIN64
    __asm__ volatile("movq %0, %%rbp\n\tmovl 0, %%eax" : : "r"(frame) : "eax", "memory");
#else
    __asm__ volatile("movl %0, %%ebp\n\tmovl 0, %%eax" : : "r"(frame) : "eax", "memory");
#endif
}

// A frame whose saved frame pointer points back at itself.
__attribute__((noinline)) void FaultInLoopedFrame()
{
#ifdef _WIN64
    __asm__ volatile("movq %%rbp, (%%rbp)\n\tmovl 0, %%eax" : : : "eax", "memory");
#else
    __asm__ volatile("movl %%ebp, (%%ebp)\n\tmovl 0, %%eax" : : : "eax", "memory");
#endif
}

LRESULT CALLBACK FaultingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER)
        ReadNull();
    return DefWindowProcA(window, message, wParam, lParam);
}

// The fault inside a window procedure that the message loop dispatches.
void FaultInWindowProcedure()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FaultingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "FaultingWindow";
    RegisterClassA(&windowClass);
    // Shown and active, as the main window is: the box must come up over a window whose thread waits.
    HWND window = CreateWindowA("FaultingWindow", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                nullptr, nullptr, windowClass.hInstance, nullptr);
    SetForegroundWindow(window);
    PostMessageA(window, WM_USER, 0, 0);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
}

DWORD WINAPI ThreadBody(LPVOID)
{
    ReadNull();
    return 0;
}

void FaultInOtherThread()
{
    HANDLE thread = CreateThread(nullptr, 0, ThreadBody, nullptr, 0, nullptr);
    WaitForSingleObject(thread, INFINITE);
}

void Fault(const char* kind)
{
    if (strcmp(kind, "access") == 0)
        CallThrough(3, ReadNull);
    else if (strcmp(kind, "deep") == 0)
        CallThrough(500, ReadNull);
    else if (strcmp(kind, "stack") == 0)
        Recurse(0);
    else if (strcmp(kind, "intdiv") == 0)
        IntZero = 1000 / IntZero;
#ifndef _WIN64 // no such instruction on x86-64
    else if (strcmp(kind, "into") == 0)
        __asm__ volatile("movl $0x7fffffff, %%eax\n\taddl $1, %%eax\n\tinto" : : : "eax", "cc");
#endif
    else if (strcmp(kind, "fltdiv") == 0) {
        Unmask(ZeroDivideMask);
        FloatSink = 1.0 / FloatZero;
        WaitForFloatingPoint();
    } else if (strcmp(kind, "fltover") == 0) {
        Unmask(OverflowMask);
        FloatSink = Huge * Huge;
        WaitForFloatingPoint();
    } else if (strcmp(kind, "fltunder") == 0) {
        Unmask(UnderflowMask);
        FloatSink = Tiny * Tiny;
        WaitForFloatingPoint();
    } else if (strcmp(kind, "fltinvalid") == 0) {
        Unmask(InvalidMask);
        FloatSink = FloatZero / FloatZero;
        WaitForFloatingPoint();
    } else if (strcmp(kind, "privileged") == 0)
        __asm__ volatile("hlt");
    else if (strcmp(kind, "illegal") == 0)
        __asm__ volatile("ud2");
    else if (strcmp(kind, "heap") == 0)
        PointerSink = ::operator new(Unobtainable);
    else if (strcmp(kind, "heaparray") == 0)
        PointerSink = new char[Unobtainable];
    else if (strcmp(kind, "nullcall") == 0)
        reinterpret_cast<void (*)()>(0x10)();
    else if (strcmp(kind, "wildframe") == 0)
        FaultWithFramePointer(0x12345677);
    else if (strcmp(kind, "stacktopframe") == 0)
        FaultWithFramePointer(StackBase() - 4);
    else if (strcmp(kind, "loopframe") == 0)
        FaultInLoopedFrame();
    else if (strcmp(kind, "window") == 0)
        FaultInWindowProcedure();
    else if (strcmp(kind, "thread") == 0)
        FaultInOtherThread();
}

// The last word of the command line.
const char* Kind()
{
    const char* line = GetCommandLineA();
    const char* word = line;
    for (const char* p = line; *p != '\0'; ++p)
        if (*p == ' ' && p[1] != ' ' && p[1] != '\0')
            word = p + 1;
    return word;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    InstallFatalErrorHandler();
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(GetModuleHandleA(nullptr));
    const IMAGE_NT_HEADERS* nt =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(reinterpret_cast<const char*>(dos) + dos->e_lfanew);
    DWORD_PTR base = reinterpret_cast<DWORD_PTR>(dos);
    char line[64] = "image";
    char* end = line + 5;
    const DWORD_PTR bounds[] = {base, base + nt->OptionalHeader.SizeOfImage};
    for (DWORD_PTR bound : bounds) {
        *end++ = ' ';
        *end++ = '0';
        *end++ = 'x';
        for (int shift = 8 * sizeof bound - 4; shift >= 0; shift -= 4)
            *end++ = "0123456789ABCDEF"[(bound >> shift) & 0xF];
    }
    *end++ = '\n';
    DWORD length = static_cast<DWORD>(end - line);
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, length, &length, nullptr);
    Fault(Kind());
    return 1; // no fault happened
}
