// Floor of the start-up benchmark: the program's menu bar and its 112 child controls, with
// the same classes, styles, places and texts, and nothing else (no fonts, pictures,
// regions, subclassing or tooltips).
#include "floor.h"

#include "../../base/resource.h"

static const POINT ButtonPlaces[9] = {
    {404, 142}, {464, 142}, {434, 173}, {404, 188}, {464, 188},
    {434, 203}, {404, 240}, {434, 240}, {464, 240},
};

static void Child(HWND window, const char* className, int id, const char* text, DWORD style, int x, int y,
                  int width, int height)
{
    CreateWindowExA(0, className, text, style, x, y, width, height, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

static void CreateControls(HWND window)
{
    char number[4];
    for (int column = 1; column <= 4; ++column) {
        int x = 97 * column;
        Child(window, "STATIC", IDC_FIRST_NUMBER_HEADER - 1 + column, "№", HeaderStyle, x - 94, 3, 25, 22);
        Child(window, "STATIC", IDC_FIRST_TIME_HEADER - 1 + column, "Время", HeaderStyle, x - 68, 3, 70, 22);
        for (int row = 1; row <= 10; ++row) {
            wsprintfA(number, "%d", 10 * (column - 1) + row);
            Child(window, "STATIC", IDC_FIRST_ROW_LABEL + 10 * (column - 1) + row - 1, number, HeaderStyle,
                  x - 94, 23 * row + 3, 25, 22);
        }
        for (int row = 1; row <= 10; ++row)
            Child(window, "EDIT", IDC_FIRST_CELL + 10 * (column - 1) + row - 1, "00:00", CellStyle, x - 68,
                  23 * row + 3, 70, 50);
        Child(window, "STATIC", IDC_FIRST_SIGMA - 1 + column, "S", HeaderStyle, x - 94, 256, 25, 22);
        Child(window, "STATIC", IDC_FIRST_COLUMN_TOTAL - 1 + column, "000:00", TotalStyle, x - 68, 256, 70,
              22);
    }
    Child(window, "STATIC", IDC_TOTALS_HEADER, "Всего", HeaderStyle, 394, 3, 100, 22);
    Child(window, "STATIC", IDC_TOTALS_FRAME, "", FrameStyle, 394, 25, 100, 104);
    for (int k = 1; k <= 4; ++k)
        Child(window, "STATIC", IDC_WHITE_SUM - 1 + k, "0000:00", TotalStyle, 405, 23 * k + 3, 78, 22);
    Child(window, "STATIC", IDC_BUTTON_PANEL, "", PanelStyle, 394, 130, 100, 148);
    for (int i = 0; i < 9; ++i)
        Child(window, "STATIC", IDC_WHITE_ONLY_BUTTON + i, "", ImageButtonStyle, ButtonPlaces[i].x,
              ButtonPlaces[i].y, 21, 21);
    SetFocus(GetDlgItem(window, IDC_FIRST_CELL));
}

static LRESULT CALLBACK SkeletonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: CreateControls(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return RunFloorWindow(instance, "ZelmoraSkeleton", SkeletonProc, IDR_MAIN_MENU);
}
