// Reads a running Zelmora window from outside: the cells, the eight totals, the focused cell.
//   readtotals.exe [TIMEOUT_MS]
// Prints "cells: ..." (40 texts), "totals: 301 .. 308", "focus: ID", "digit: P" (the selected
// position 0, 1, 3 or 4 of the focused cell), "client: W x H", "origin: X Y" (the client
// area's top-left on the screen).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    DWORD timeout = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 10000;
    HWND window = nullptr;
    for (DWORD waited = 0; waited < timeout && window == nullptr; waited += 50) {
        window = FindWindowA("Zelmora", nullptr);
        if (window == nullptr)
            Sleep(50);
    }
    if (window == nullptr) {
        std::printf("no window\n");
        return 1;
    }
    char text[32];
    std::printf("cells:");
    for (int id = 101; id <= 140; ++id) {
        GetDlgItemTextA(window, id, text, sizeof text);
        std::printf(" %s", text);
    }
    std::printf("\ntotals:");
    for (int id = 301; id <= 308; ++id) {
        GetDlgItemTextA(window, id, text, sizeof text);
        std::printf(" %s", text);
    }
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    RECT client;
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    // The selected digit p is the selection p + 1 .. p: its end, the high word, is p + 1.
    DWORD selection = static_cast<DWORD>(SendMessageA(info.hwndFocus, EM_GETSEL, 0, 0));
    std::printf("\nfocus: %d\ndigit: %d\nclient: %ld x %ld\norigin: %ld %ld\n", GetDlgCtrlID(info.hwndFocus),
                static_cast<int>(HIWORD(selection)) - 1, client.right, client.bottom, origin.x, origin.y);
    return 0;
}
