// Stays idle for the whole test run, so Wine keeps its desktop and services up between
// tests instead of starting them again for every program (which costs time, and leaves
// them holding the output of whichever test started them).
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    GetDesktopWindow();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
