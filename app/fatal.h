// Fatal run-time errors: one box with the error number and the call stack, then the end.
#ifndef ZELMORA_FATAL_H
#define ZELMORA_FATAL_H

#include <windows.h>

// Error numbers; each is also the exit code of the process.
enum FatalErrorNumber {
    DivisionByZero = 200,
    StackOverflow = 202,
    HeapExhausted = 203,
    FloatOverflow = 205,
    FloatUnderflow = 206,
    InvalidFloatOperation = 207,
    IntegerOverflow = 215,
    AccessViolation = 216,
    BadInstruction = 217,
};

// More return addresses than this are not shown; with this many the text still fits one box.
enum { MaxCallStack = 64 };

// Makes every unhandled exception of any thread, and a failed operator new, end the
// program with its error box and exit code.
void InstallFatalErrorHandler();

// The error number of an exception code: 217 for a code that is none of the listed ones.
// SSE faults that the system reports together as "multiple traps" are told apart by the
// control and status register of the faulting thread, floatStatus.
int ErrorNumberOfException(DWORD code, DWORD floatStatus = 0);

// The calling thread's information block, which holds the bounds of its stack.
const NT_TIB* ThreadInformation();

// The return addresses of the calls that led to the registers in from, on the stack of the
// calling thread, at most MaxCallStack of them. Reads only inside the thread's stack, and
// stops at the first frame that is not aligned, not above the one before, or outside it.
int WalkStack(const CONTEXT& from, DWORD_PTR (&returns)[MaxCallStack]);

#ifdef _WIN64
// One step up the stack: from the registers inside a function to those at its return, by
// the unwind tables (a function without one is a leaf, its return address on top of the
// stack). False when the step would read outside the stack or does not lead up it.
bool UnwindOneCall(CONTEXT& context);
#else
// On x86 the walk follows the frame-pointer chain that starts at frame.
int WalkFramePointers(DWORD_PTR frame, DWORD_PTR (&returns)[MaxCallStack]);
#endif

// Shows "Runtime error N at 0xADDRESS" with the call stack from the registers in from, in
// one box without an owner, then ends the process with exit code number. Addresses have the
// width of the processor's: 8 hexadecimal digits, 16 on x86-64.
[[noreturn]] void EndWithFatalError(int number, DWORD_PTR address, const CONTEXT& from);

#endif
