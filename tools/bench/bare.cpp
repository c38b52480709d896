// Floor of the start-up benchmark: one window and one message loop, nothing in it.
#include "floor.h"

static LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return RunFloorWindow(instance, "ZelmoraBare", BareProc, 0);
}
