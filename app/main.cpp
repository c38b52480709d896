// The main procedure: checks, class, window, loop.
#include "app.h"
#include "fatal.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    InstallFatalErrorHandler();
    if (!CheckWindowsVersion())
        return 0;
    if (!LookUpMenuFunctions())
        return 0;
    if (!RegisterMainWindowClass(instance))
        return 0;
    if (CreateMainWindow(instance) == nullptr)
        return 0;
    LoadHtmlHelp();
    HACCEL accelerators;
    ShowAndPrepare(instance, accelerators);
    InstallTooltips(instance);
    RunMessageLoop(accelerators);
    return 0;
}
