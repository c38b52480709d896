// The main window's procedure: commands, the fixed client size, focus and the end.
#include "window.h"

#include "../base/program.h"
#include "../base/resource.h"
#include "../base/context.h"
#include "../info/info.h"
#include "../input/input.h"
#include "../sheet/sheet.h"
#include "placement.h"

static bool IsWindows2000;
static bool MenuBarDirty;

void NoteWindows2000(bool isWindows2000) { IsWindows2000 = isWindows2000; }

static void ShowAbout(HWND window)
{
    DialogBoxParamA(ProgramInstance, MAKEINTRESOURCEA(IDD_ABOUT), window, AboutDialogProc, 0);
}

// One line per command; a mark from the menu bar and from the colour menu share theirs.
// clang-format off
static void OnCommand(HWND window, WORD command)
{
    switch (command) {
    case IDM_MARK_WHITE: case IDM_COLOUR_WHITE: MarkFocusedCell(White); break;
    case IDM_MARK_BLUE: case IDM_COLOUR_BLUE: MarkFocusedCell(Blue); break;
    case IDM_MARK_RED: case IDM_COLOUR_RED: MarkFocusedCell(Red); break;
    case IDM_WHITE_ONLY: WhiteOnly(); break;
    case IDM_RESET: ResetSheet(); break;
    case IDM_EXIT: SendMessageA(window, WM_CLOSE, 0, 0); break;
    case IDM_HELP: ShowHelp(IDH_GENERAL); break;
    case IDM_ABOUT: ShowAbout(window); break;
    }
}
// clang-format on

// Keeps the client area 497 x 281 whatever the frame, caption and menu bar measure.
static void KeepClientSize(HWND window, WPARAM kind)
{
    if (kind == SIZE_MINIMIZED)
        return; // a minimised window has no client area to correct
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    int dx = client.right - client.left - ClientWidth;
    int dy = client.bottom - client.top - ClientHeight;
    if (dx != 0 || dy != 0)
        MoveWindow(window, outer.left, outer.top, outer.right - outer.left - dx,
                   outer.bottom - outer.top - dy, TRUE);
}

static void EndWindow()
{
    DeleteDrawingObjects();
    PostQuitMessage(0);
}

static void Activate(HWND window, WORD state)
{
    // Wine keeps the mouse capture across activation; a held button must let go.
    if (state == WA_INACTIVE)
        ReleaseButtonCapture();
    SetFocus(GetDlgItem(window, FocusedCellId));
}

static void ChangeDisplay()
{
    ReloadImages();
    ApplyMenuLook();
}

// The menus' items draw their own pictures (the menu bar's and the colour menu's, control 0).
static void MenuItem(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (wParam != 0)
        return;
    if (message == WM_MEASUREITEM)
        MeasureMenuItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    else
        DrawMenuItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
}

// On Windows 2000 the menu bar needs redrawing once the pointer has been over it and moves on,
// and when a menu of the bar closes.
static void KeepMenuBarClean(HWND window, UINT message, WPARAM wParam)
{
    if (!IsWindows2000)
        return;
    if (message == WM_NCMOUSEMOVE && wParam == HTMENU)
        MenuBarDirty = true;
    else if (message == WM_EXITMENULOOP ? wParam == 0 : MenuBarDirty) {
        DrawMenuBar(window);
        MenuBarDirty = false;
    }
}

static LRESULT ControlColours(UINT message, WPARAM wParam, LPARAM lParam)
{
    HDC dc = reinterpret_cast<HDC>(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    return reinterpret_cast<LRESULT>(message == WM_CTLCOLOREDIT ? CellColours(dc, control)
                                                                : StaticColours(dc, control));
}

// Wine, like newer Windows, sends the wheel to the window under the pointer; the labels, totals
// and buttons hand it on to WM_MOUSEWHEEL here.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: CreateMainWindowContents(window); return 0;
    case WM_DESTROY: EndWindow(); return 0;
    case WM_SIZE: KeepClientSize(window, wParam); return 0;
    case WM_ACTIVATE: Activate(window, LOWORD(wParam)); return 0;
    case WM_CANCELMODE: ReleaseButtonCapture(); break;
    case WM_SYSCOLORCHANGE: ApplyMenuLook(); return 0;
    case WM_THEMECHANGED: ApplyMenuLook(); return 0;
    case WM_DISPLAYCHANGE: ChangeDisplay(); return 0;
    case WM_MEASUREITEM:
    case WM_DRAWITEM: MenuItem(message, wParam, lParam); return 0;
    case WM_NCMOUSEMOVE:
    case WM_MOUSEMOVE:
    case WM_EXITMENULOOP: KeepMenuBarClean(window, message, wParam); return 0;
    case WM_COMMAND: OnCommand(window, LOWORD(wParam)); return 0;
    case WM_TIMER: RepeatTick(static_cast<int>(wParam)); return 0;
    case WM_MOUSEWHEEL: TurnWheel(wParam); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: return ControlColours(message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
