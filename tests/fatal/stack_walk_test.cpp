// The walk of the stack that the fatal-error box shows: it follows sound chains and never
// reads outside the thread's stack, however broken the chain. On x86 it follows the frame
// pointers; on x86-64 the unwind tables, taking a function without one for a leaf.
#include "../../app/fatal.h"

#include <gtest/gtest.h>

#include <string>

namespace {

DWORD_PTR Address(const void* p) { return reinterpret_cast<DWORD_PTR>(p); }

DWORD_PTR StackBase() { return reinterpret_cast<DWORD_PTR>(ThreadInformation()->StackBase); }

std::string Hex(const DWORD_PTR* values, int count)
{
    std::string line;
    char one[24];
    for (int i = 0; i < count; ++i) {
        wsprintfA(one, "%08lX ", static_cast<DWORD>(values[i]));
        line += one;
    }
    return line;
}

__attribute__((noinline)) int WalkHere(DWORD_PTR (&returns)[MaxCallStack])
{
#ifdef _WIN64
    CONTEXT here;
    RtlCaptureContext(&here);
    return WalkStack(here, returns);
#else
    return WalkFramePointers(Address(__builtin_frame_address(0)), returns);
#endif
}

__attribute__((noinline)) int Nest(int levels, DWORD_PTR (&returns)[MaxCallStack])
{
    int count = levels == 0 ? WalkHere(returns) : Nest(levels - 1, returns);
    __asm__ volatile("" : : : "memory"); // no tail call: every level keeps its frame
    return count;
}

// The walk from the given stack pointer (x86-64) or frame pointer (x86).
int WalkFrom(DWORD_PTR stack, DWORD_PTR (&returns)[MaxCallStack])
{
#ifdef _WIN64
    CONTEXT context = {};
    context.Rip = 0x10; // no code: a leaf, whose return address is on top of the stack
    context.Rsp = stack;
    return WalkStack(context, returns);
#else
    return WalkFramePointers(stack, returns);
#endif
}

} // namespace

#ifdef _WIN64

// Return addresses laid out in a local array, so they lie on this thread's stack; none of
// them is in a module, so each is taken for a leaf's and the next word is its caller's.
TEST(StackWalk, MadeUpLeafChains)
{
    struct Case {
        const char* name;
        DWORD_PTR words[4];
        int offset; // bytes from the array's start where the stack pointer is
        const char* expected;
    };
    const Case cases[] = {
        {"three returns ending in a null one",
         {0x401010, 0x401020, 0x401030, 0},
         0,
         "00401010 00401020 00401030 "},
        {"a null return in between", {0x401010, 0, 0x401030, 0}, 0, "00401010 "},
        {"a stack pointer that is not aligned", {0x401010, 0x401020, 0, 0}, 4, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DWORD_PTR stack[4];
        for (int k = 0; k < 4; ++k)
            stack[k] = c.words[k];
        DWORD_PTR returns[MaxCallStack];
        int count = WalkFrom(Address(stack) + c.offset, returns);
        EXPECT_EQ(Hex(returns, count), c.expected);
    }
}

// A function that addresses its frame through the frame pointer is not unwound from a frame
// pointer that points outside the stack: nothing is read there.
TEST(StackWalk, StopsAtAFramePointerOutsideTheStack)
{
    CONTEXT context;
    RtlCaptureContext(&context);
    DWORD64 base = 0;
    ASSERT_NE(RtlLookupFunctionEntry(context.Rip, &base, nullptr), nullptr);
    for (DWORD64 wild : {DWORD64(0x12345670), DWORD64(0x10), DWORD64(StackBase())}) {
        SCOPED_TRACE(wild);
        CONTEXT broken = context;
        broken.Rbp = wild;
        DWORD_PTR returns[MaxCallStack];
        EXPECT_EQ(WalkStack(broken, returns), 0);
    }
}

#else

// Frames laid out in a local array, so they lie on this thread's stack.
TEST(StackWalk, MadeUpChains)
{
    struct Frame {
        DWORD_PTR next, returnAddress;
    };
    // Frame k's link: to >= 0 points at frame "to" (plus offset); to < 0 uses offset as it is.
    struct Link {
        int to;
        DWORD_PTR offset, returnAddress;
    };
    struct Case {
        const char* name;
        Link links[3];
        const char* expected;
    };
    const Case cases[] = {
        {"three frames ending in a null frame pointer",
         {{1, 0, 0x401010}, {2, 0, 0x401020}, {-1, 0, 0x401030}},
         "00401010 00401020 00401030 "},
        {"a frame pointing at itself", {{0, 0, 0x401010}}, "00401010 "},
        {"a frame pointing back down the stack", {{1, 0, 0x401010}, {0, 0, 0x401020}}, "00401010 00401020 "},
        {"a frame pointer that is not aligned", {{1, 2, 0x401010}, {-1, 0, 0x401020}}, "00401010 "},
        {"a frame pointer into low memory", {{-1, 0x10, 0x401010}}, "00401010 "},
        {"a frame pointer at the top of the address space", {{-1, 0xFFFFFFFC, 0x401010}}, "00401010 "},
        {"a frame with a null return address", {{1, 0, 0x401010}, {2, 0, 0}, {-1, 0, 0x401030}}, "00401010 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Frame stack[3] = {};
        for (int k = 0; k < 3; ++k) {
            const Link& link = c.links[k];
            stack[k].next = link.to >= 0 ? Address(&stack[link.to]) + link.offset : link.offset;
            stack[k].returnAddress = link.returnAddress;
        }
        DWORD_PTR returns[MaxCallStack];
        int count = WalkFramePointers(Address(&stack[0]), returns);
        EXPECT_EQ(Hex(returns, count), c.expected);
    }
}

#endif

TEST(StackWalk, StartsNowhereOutsideTheStack)
{
    const DWORD_PTR base = StackBase();
    static DWORD_PTR notOnTheStack[2] = {0x401010, 0x401010};
    struct Case {
        const char* name;
        DWORD_PTR frame;
    } cases[] = {
        {"null", 0},
        {"low memory", 0x10},
        {"a global variable", Address(notOnTheStack)},
        {"the last word of the stack", base - sizeof(DWORD_PTR)},
        {"the stack's end", base},
        {"wild", 0x12345678},
        {"the top of the address space", ~DWORD_PTR(7)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DWORD_PTR returns[MaxCallStack];
        EXPECT_EQ(WalkFrom(c.frame, returns), 0);
    }
}

TEST(StackWalk, StopsAtTheLimit)
{
    const int count = MaxCallStack + 20;
    DWORD_PTR frames[2 * count] = {};
#ifdef _WIN64
    for (int k = 0; k < count; ++k) // a leaf's return address after another
        frames[k] = 0x401000 + k;
#else
    for (int k = 0; k < count; ++k) {
        frames[2 * k] = k + 1 < count ? Address(&frames[2 * k + 2]) : 0;
        frames[2 * k + 1] = 0x401000 + k;
    }
#endif
    DWORD_PTR returns[MaxCallStack];
    ASSERT_EQ(WalkFrom(Address(frames), returns), MaxCallStack);
    EXPECT_EQ(returns[MaxCallStack - 1], DWORD_PTR(0x401000 + MaxCallStack - 1));
}

// The real chain of this program's own calls: a return address for each of the seven calls
// (the test, six levels of Nest, WalkHere), each inside this executable.
TEST(StackWalk, FollowsRealCalls)
{
    DWORD_PTR returns[MaxCallStack];
    int count = Nest(5, returns);
    ASSERT_GE(count, 7);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(GetModuleHandleA(nullptr));
    const IMAGE_NT_HEADERS* nt =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(reinterpret_cast<const char*>(dos) + dos->e_lfanew);
    DWORD_PTR begin = Address(dos), end = begin + nt->OptionalHeader.SizeOfImage;
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(returns[i] >= begin && returns[i] < end) << Hex(returns, count);
    }
}
