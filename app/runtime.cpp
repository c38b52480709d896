// The little the program needs from a C and C++ runtime, so that zelmora.exe imports no
// runtime DLL (Windows 95 has none the loader could find): the entry point, memory for
// operator new, and the memory and string functions that the compiler and the code call.
// Only the executable links this file; the test programs keep their ordinary runtime.
#include <windows.h>

#include <cstddef>
#include <new>

#include "fatal.h"

// What a runtime's start-up would do before WinMain, reduced to what the program uses: its
// instance. Nothing else runs first: no global of the program has a constructor, and the
// command line and the start-up information are not read.
extern "C" __attribute__((noreturn, force_align_arg_pointer)) void ProgramStart()
{
    static char noCommandLine[] = "";
    ExitProcess(
        static_cast<UINT>(WinMain(GetModuleHandleA(nullptr), nullptr, noCommandLine, SW_SHOWDEFAULT)));
}

// operator new as the standard library has it: on an exhausted heap it calls the handler
// that InstallFatalErrorHandler sets, which ends the program with its error box.
static std::new_handler NewHandler;

std::new_handler std::set_new_handler(std::new_handler handler) noexcept
{
    std::new_handler previous = NewHandler;
    NewHandler = handler;
    return previous;
}

std::new_handler std::get_new_handler() noexcept { return NewHandler; }

void* operator new(std::size_t size)
{
    for (;;) {
        void* memory = HeapAlloc(GetProcessHeap(), 0, size != 0 ? size : 1);
        if (memory != nullptr)
            return memory;
        if (NewHandler == nullptr)
            ExitProcess(HeapExhausted);
        NewHandler();
    }
}

void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* memory) noexcept
{
    if (memory != nullptr)
        HeapFree(GetProcessHeap(), 0, memory);
}
void operator delete[](void* memory) noexcept { operator delete(memory); }
void operator delete(void* memory, std::size_t) noexcept { operator delete(memory); }
void operator delete[](void* memory, std::size_t) noexcept { operator delete(memory); }

// The compiler may call the four memory functions for copies and zeroing of its own, and
// strlen for a loop that measures a text. This file is compiled without turning loops into
// such calls, or these would call themselves.
extern "C" {

void* memcpy(void* to, const void* from, std::size_t count)
{
    unsigned char* t = static_cast<unsigned char*>(to);
    const unsigned char* f = static_cast<const unsigned char*>(from);
    while (count-- != 0)
        *t++ = *f++;
    return to;
}

void* memmove(void* to, const void* from, std::size_t count)
{
    unsigned char* t = static_cast<unsigned char*>(to);
    const unsigned char* f = static_cast<const unsigned char*>(from);
    if (t <= f || t >= f + count)
        return memcpy(to, from, count);
    while (count-- != 0)
        t[count] = f[count];
    return to;
}

void* memset(void* to, int value, std::size_t count)
{
    unsigned char* t = static_cast<unsigned char*>(to);
    while (count-- != 0)
        *t++ = static_cast<unsigned char>(value);
    return to;
}

int memcmp(const void* a, const void* b, std::size_t count)
{
    const unsigned char* x = static_cast<const unsigned char*>(a);
    const unsigned char* y = static_cast<const unsigned char*>(b);
    for (; count != 0; --count, ++x, ++y)
        if (*x != *y)
            return *x < *y ? -1 : 1;
    return 0;
}

std::size_t strlen(const char* text)
{
    const char* end = text;
    while (*end != '\0')
        ++end;
    return static_cast<std::size_t>(end - text);
}

int strcmp(const char* a, const char* b)
{
    const unsigned char* x = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* y = reinterpret_cast<const unsigned char*>(b);
    while (*x != 0 && *x == *y)
        ++x, ++y;
    return *x < *y ? -1 : *x > *y ? 1 : 0;
}
}
