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
int ErrorNumberOfException(DWORD code);

// The return addresses of the frame-pointer chain that starts at frame, on the stack of the
// calling thread, at most MaxCallStack of them. Reads only inside the thread's stack, and
// stops at the first frame that is not aligned, not above the one before, or outside it.
int WalkFramePointers(DWORD frame, DWORD (&returns)[MaxCallStack]);

// Shows "Runtime error N at 0xADDRESS" with the call stack from frame in one box without an
// owner, then ends the process with exit code number.
[[noreturn]] void EndWithFatalError(int number, DWORD address, DWORD frame);

#endif
