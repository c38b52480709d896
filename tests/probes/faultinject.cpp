// Faults a running program from outside: starts a thread in the process that owns the window
// of the given class, at an address where no code is.
//   faultinject.exe CLASS [TIMEOUT_MS] [ADDRESS]
// Exit code 0 when the thread was started, 1 when no such window appeared, 2 on other failures.
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    DWORD timeout = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 20000;
    DWORD address = argc > 3 ? std::strtoul(argv[3], nullptr, 0) : 0x10;
    HWND window = nullptr;
    for (DWORD waited = 0; waited < timeout && window == nullptr; waited += 50) {
        window = FindWindowA(argv[1], nullptr);
        if (window == nullptr)
            Sleep(50);
    }
    if (window == nullptr)
        return 1;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                                     PROCESS_VM_WRITE | PROCESS_VM_READ,
                                 FALSE, processId);
    if (process == nullptr)
        return 2;
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(address),
                                       nullptr, 0, nullptr);
    return thread != nullptr ? 0 : 2;
}
