// The frame-pointer walk on made-up frames: it follows sound chains and never reads outside
// the thread's stack, however broken the chain.
#include "../../app/fatal.h"

#include <gtest/gtest.h>

#include <string>

namespace {

DWORD Address(const void* p) { return reinterpret_cast<DWORD>(p); }

DWORD StackBase()
{
    const NT_TIB* tib;
    __asm__("movl %%fs:0x18, %0" : "=r"(tib));
    return Address(tib->StackBase);
}

std::string Hex(const DWORD* values, int count)
{
    std::string line;
    char one[16];
    for (int i = 0; i < count; ++i) {
        wsprintfA(one, "%08lX ", values[i]);
        line += one;
    }
    return line;
}

__attribute__((noinline)) int WalkHere(DWORD (&returns)[MaxCallStack])
{
    return WalkFramePointers(Address(__builtin_frame_address(0)), returns);
}

__attribute__((noinline)) int Nest(int levels, DWORD (&returns)[MaxCallStack])
{
    int count = levels == 0 ? WalkHere(returns) : Nest(levels - 1, returns);
    __asm__ volatile("" : : : "memory"); // no tail call: every level keeps its frame
    return count;
}

} // namespace

// Frames laid out in a local array, so they lie on this thread's stack.
TEST(StackWalk, MadeUpChains)
{
    struct Frame {
        DWORD next, returnAddress;
    };
    // Frame k's link: to >= 0 points at frame "to" (plus offset); to < 0 uses offset as it is.
    struct Link {
        int to;
        DWORD offset, returnAddress;
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
        DWORD returns[MaxCallStack];
        int count = WalkFramePointers(Address(&stack[0]), returns);
        EXPECT_EQ(Hex(returns, count), c.expected);
    }
}

TEST(StackWalk, StartsNowhereOutsideTheStack)
{
    const DWORD base = StackBase();
    static DWORD notOnTheStack[2] = {0, 0x401010};
    struct Case {
        const char* name;
        DWORD frame;
    } cases[] = {
        {"null", 0},
        {"low memory", 0x10},
        {"a global variable", Address(notOnTheStack)},
        {"the last word of the stack", base - 4},
        {"the stack's end", base},
        {"wild", 0x12345678},
        {"the top of the address space", 0xFFFFFFF8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DWORD returns[MaxCallStack];
        EXPECT_EQ(WalkFramePointers(c.frame, returns), 0);
    }
}

TEST(StackWalk, StopsAtTheLimit)
{
    DWORD frames[2 * (MaxCallStack + 20)] = {};
    const int count = MaxCallStack + 20;
    for (int k = 0; k < count; ++k) {
        frames[2 * k] = k + 1 < count ? Address(&frames[2 * k + 2]) : 0;
        frames[2 * k + 1] = 0x401000 + k;
    }
    DWORD returns[MaxCallStack];
    ASSERT_EQ(WalkFramePointers(Address(frames), returns), MaxCallStack);
    EXPECT_EQ(returns[MaxCallStack - 1], DWORD(0x401000 + MaxCallStack - 1));
}

// The real chain of this program's own calls: a return address for each of the seven calls
// (the test, six levels of Nest, WalkHere), each inside this executable.
TEST(StackWalk, FollowsRealCalls)
{
    DWORD returns[MaxCallStack];
    int count = Nest(5, returns);
    ASSERT_GE(count, 7);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(GetModuleHandleA(nullptr));
    const IMAGE_NT_HEADERS* nt =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(reinterpret_cast<const char*>(dos) + dos->e_lfanew);
    DWORD begin = Address(dos), end = begin + nt->OptionalHeader.SizeOfImage;
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(returns[i] >= begin && returns[i] < end) << Hex(returns, count);
    }
}
