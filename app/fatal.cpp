// Fatal run-time errors: the exception filter, the heap-exhausted handler and the error box.
#include "fatal.h"

#include "../sheet/duration.h"

#include <new>

// Room for the longest report, MaxCallStack return addresses, in one box.
enum { BoxTextSize = sizeof(DWORD_PTR) == 4 ? 1024 : 1536 };

static char BoxText[BoxTextSize + 1]; // the text gathered for the next box, zero-terminated
static int BoxLength;
static int EndingNumber;        // the error reported, which becomes the exit code
static bool Ending;             // the last box of the report is being gathered
static volatile LONG Reporting; // set by the first thread that reports an error
static DWORD BoxThreadId;

static DWORD WINAPI ShowBox(LPVOID)
{
    MessageBoxA(nullptr, BoxText, "Error", MB_OK);
    if (Ending)
        ExitProcess(EndingNumber);
    return 0;
}

// The box is shown by a fresh thread while the failing one waits: after a stack overflow
// the failing thread has no stack left for a box of its own.
static void Flush()
{
    HANDLE thread = CreateThread(nullptr, 0, ShowBox, nullptr, 0, &BoxThreadId);
    if (thread != nullptr) {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    } else {
        ShowBox(nullptr);
    }
    BoxLength = 0;
    BoxText[0] = '\0';
}

static bool EndsWithEmptyLine()
{
    const char* end = BoxText + BoxLength;
    return BoxLength >= 4 && end[-4] == '\r' && end[-3] == '\n' && end[-2] == '\r' && end[-1] == '\n';
}

static void Put(char c)
{
    BoxText[BoxLength++] = c;
    BoxText[BoxLength] = '\0';
    if (BoxLength == BoxTextSize || EndsWithEmptyLine())
        Flush();
}

static void PutText(const char* text)
{
    for (; *text != '\0'; ++text)
        Put(*text);
}

static void PutHex(DWORD_PTR value)
{
    for (int shift = 8 * sizeof value - 4; shift >= 0; shift -= 4)
        Put("0123456789ABCDEF"[(value >> shift) & 0xF]);
}

// Which of the SSE exceptions raised and not masked in the control and status register
// came first in the order the processor checks them.
static int ErrorNumberOfFloatTraps(DWORD floatStatus)
{
    DWORD raised = floatStatus & ~(floatStatus >> 7) & 0x3F;
    if (raised & 0x03) // invalid operation, denormal operand
        return InvalidFloatOperation;
    if (raised & 0x04)
        return DivisionByZero;
    if (raised & 0x08)
        return FloatOverflow;
    if (raised & 0x10)
        return FloatUnderflow;
    return InvalidFloatOperation;
}

int ErrorNumberOfException(DWORD code, DWORD floatStatus)
{
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION: return AccessViolation;
    case EXCEPTION_STACK_OVERFLOW: return StackOverflow;
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO: return DivisionByZero;
    case EXCEPTION_INT_OVERFLOW: return IntegerOverflow;
    case EXCEPTION_FLT_OVERFLOW: return FloatOverflow;
    case EXCEPTION_FLT_UNDERFLOW: return FloatUnderflow;
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_STACK_CHECK:
    case EXCEPTION_FLT_DENORMAL_OPERAND:
    case EXCEPTION_FLT_INEXACT_RESULT: return InvalidFloatOperation;
    case STATUS_FLOAT_MULTIPLE_FAULTS:
    case STATUS_FLOAT_MULTIPLE_TRAPS: return ErrorNumberOfFloatTraps(floatStatus);
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_ILLEGAL_INSTRUCTION: return BadInstruction;
    }
    return BadInstruction;
}

const NT_TIB* ThreadInformation()
{
    // NtCurrentTeb's own inline reading of the block makes GCC warn of array bounds.
    const NT_TIB* tib;
#ifdef _WIN64
    __asm__("movq %%gs:0x30, %0" : "=r"(tib));
#else
    __asm__("movl %%fs:0x18, %0" : "=r"(tib));
#endif
    return tib;
}

#ifdef _WIN64

// A stack address from which a frame's two words can be read: aligned and inside the stack.
static bool InStack(DWORD64 address, const NT_TIB* tib)
{
    DWORD64 low = reinterpret_cast<DWORD64>(tib->StackLimit);
    DWORD64 high = reinterpret_cast<DWORD64>(tib->StackBase);
    return address % 8 == 0 && address >= low && high >= 16 && address <= high - 16;
}

bool UnwindOneCall(CONTEXT& context)
{
    const NT_TIB* tib = ThreadInformation();
    const DWORD64 before = context.Rsp;
    if (!InStack(before, tib))
        return false;
    DWORD64 base = 0;
    PRUNTIME_FUNCTION function = RtlLookupFunctionEntry(context.Rip, &base, nullptr);
    if (function != nullptr) {
        // A function that addresses its frame through a register (the frame pointer) is
        // unwound from that register: it must point into the stack too.
        const BYTE* unwindInfo = reinterpret_cast<const BYTE*>(base + function->UnwindData);
        int frameRegister = unwindInfo[3] & 0x0F;
        if (frameRegister != 0 && !InStack((&context.Rax)[frameRegister], tib))
            return false;
        void* handlerData;
        DWORD64 establisherFrame;
        RtlVirtualUnwind(UNW_FLAG_NHANDLER, base, context.Rip, function, &context, &handlerData,
                         &establisherFrame, nullptr);
    } else {
        context.Rip = *reinterpret_cast<const DWORD64*>(before);
        context.Rsp = before + 8;
    }
    return context.Rip != 0 && context.Rsp > before &&
           context.Rsp <= reinterpret_cast<DWORD64>(tib->StackBase);
}

int WalkStack(const CONTEXT& from, DWORD_PTR (&returns)[MaxCallStack])
{
    CONTEXT context = from;
    int count = 0;
    while (count < MaxCallStack && UnwindOneCall(context))
        returns[count++] = context.Rip;
    return count;
}

#else

int WalkFramePointers(DWORD_PTR frame, DWORD_PTR (&returns)[MaxCallStack])
{
    const NT_TIB* tib = ThreadInformation();
    DWORD low = reinterpret_cast<DWORD>(tib->StackLimit);
    DWORD high = reinterpret_cast<DWORD>(tib->StackBase);
    int count = 0;
    DWORD previous = 0;
    while (count < MaxCallStack && high >= 8 && low <= high - 8) {
        // A frame holds the caller's frame pointer and the return address: both must lie
        // inside the stack before either is read.
        if (frame < low || frame > high - 8 || frame % 4 != 0 || frame <= previous)
            break;
        const DWORD* slots = reinterpret_cast<const DWORD*>(frame);
        if (slots[1] == 0)
            break;
        returns[count++] = slots[1];
        previous = frame;
        frame = slots[0];
    }
    return count;
}

int WalkStack(const CONTEXT& from, DWORD_PTR (&returns)[MaxCallStack])
{
    return WalkFramePointers(from.Ebp, returns);
}

#endif

void EndWithFatalError(int number, DWORD_PTR address, const CONTEXT& from)
{
    if (InterlockedExchange(&Reporting, 1) != 0) {
        // One error gives one box: a later one waits for the first, unless it is the box's own.
        if (GetCurrentThreadId() == BoxThreadId)
            ExitProcess(EndingNumber);
        for (;;)
            Sleep(INFINITE);
    }
    EndingNumber = number;
    DWORD_PTR returns[MaxCallStack];
    int count = WalkStack(from, returns);
    PutText("Runtime error ");
    char decimal[IntTextSize];
    IntToText(number, decimal);
    PutText(decimal);
    PutText(" at 0x");
    PutHex(address);
    PutText("\r\n");
    for (int i = 0; i < count; ++i) {
        PutText("  0x");
        PutHex(returns[i]);
        PutText("\r\n");
    }
    Ending = true;
    PutText("\r\n");
    if (BoxLength > 0)
        Flush();
    ExitProcess(number);
}

static LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* exception)
{
    // An unmasked floating-point error may still be pending in the processor.
    __asm__ volatile("fninit");
    const EXCEPTION_RECORD* record = exception->ExceptionRecord;
    const CONTEXT& context = *exception->ContextRecord;
#ifdef _WIN64
    DWORD floatStatus = context.MxCsr;
#else
    DWORD floatStatus = 0; // the 32-bit program computes with the x87 alone
#endif
    EndWithFatalError(ErrorNumberOfException(record->ExceptionCode, floatStatus),
                      reinterpret_cast<DWORD_PTR>(record->ExceptionAddress), context);
}

// Called by operator new when the heap has nothing left; the error is shown at the point
// inside operator new, with the stack of its caller.
static void OnHeapExhausted()
{
    CONTEXT caller;
#ifdef _WIN64
    RtlCaptureContext(&caller);
    UnwindOneCall(caller);
    EndWithFatalError(HeapExhausted, caller.Rip, caller);
#else
    caller.Ebp = *static_cast<const DWORD*>(__builtin_frame_address(0));
    EndWithFatalError(HeapExhausted, reinterpret_cast<DWORD_PTR>(__builtin_return_address(0)), caller);
#endif
}

void InstallFatalErrorHandler()
{
    SetUnhandledExceptionFilter(OnUnhandledException);
    std::set_new_handler(OnHeapExhausted);
}
