// Reads a running Zelmora window from outside: the cells, the eight totals, the focused cell.
//   readtotals.exe [TIMEOUT_MS [minimise | at X Y]]
// Prints "cells: ..." (40 texts), "totals: 301 .. 308", "focus: ID", "selection: START END"
// (of the focused window), "digit: P" (the selected position 0, 1, 3 or 4 of the focused
// cell), "client: W x H", "origin: X Y" (the client area's top-left on the screen); with
// "minimise" also "minimise: X Y", the centre of the caption's minimise box (its restore box
// while minimised) on the screen, or nothing when there is none; with "at X Y" also
// "at: ID CLASS", the window that a click at that screen point reaches, as the system finds
// it from outside the program.
#include <windows.h>

#include "../../base/resource.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

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
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id) {
        GetDlgItemTextA(window, id, text, sizeof text);
        std::printf(" %s", text);
    }
    std::printf("\ntotals:");
    for (int id = IDC_WHITE_SUM; id <= IDC_LAST_COLUMN_TOTAL; ++id) {
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
    DWORD_PTR selection = 0;
    if (info.hwndFocus != nullptr)
        SendMessageTimeoutA(info.hwndFocus, EM_GETSEL, 0, 0, SMTO_NORMAL, 5000, &selection);
    // The selected digit p is the selection p + 1 .. p: its end, the high word, is p + 1.
    std::printf("\nfocus: %d\nselection: %u %u\ndigit: %d\nclient: %ld x %ld\norigin: %ld %ld\n",
                GetDlgCtrlID(info.hwndFocus), LOWORD(selection), HIWORD(selection),
                static_cast<int>(HIWORD(selection)) - 1, client.right, client.bottom, origin.x, origin.y);
    if (argc > 4 && std::strcmp(argv[2], "at") == 0) {
        POINT point = {std::atol(argv[3]), std::atol(argv[4])};
        HWND hit = WindowFromPoint(point);
        char className[64] = "";
        GetClassNameA(hit, className, sizeof className);
        std::printf("at: %d %s\n", GetDlgCtrlID(hit), className);
    }
    if (argc > 2 && std::strcmp(argv[2], "minimise") == 0) {
        // The box is where the window answers HTMINBUTTON along the middle of its title bar.
        TITLEBARINFO bar = {};
        bar.cbSize = sizeof bar;
        GetTitleBarInfo(window, &bar);
        LONG y = (bar.rcTitleBar.top + bar.rcTitleBar.bottom) / 2, first = -1, last = -1;
        for (LONG x = bar.rcTitleBar.left; x < bar.rcTitleBar.right; ++x) {
            DWORD_PTR hit = 0;
            SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, 5000, &hit);
            if (hit == HTMINBUTTON) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        if (first >= 0)
            std::printf("minimise: %ld %ld\n", (first + last) / 2, y);
    }
    return 0;
}
