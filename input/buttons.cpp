// The image buttons: act at the press, show the pressed face while held, and repeat
// the four moves while an arrow button is held.
#include "input.h"

#include "../app/app.h"
#include "../app/resource.h"
#include "../sheet/sheet.h"
#include "../window/window.h"

enum { StartDelay = 500, RepeatPeriod = 50 };

// Repeat index k (1..4) of buttons 403..406 owns timer k (the delay) and k + 4 (the repeat).
static int RepeatKey(int k)
{
    switch (k) {
    case 1:
        return VK_UP;
    case 2:
        return VK_PRIOR;
    case 3:
        return VK_NEXT;
    case 4:
        return VK_DOWN;
    }
    return 0;
}

static void SendMove(int k) { SendMessageA(GetFocus(), WM_KEYDOWN, RepeatKey(k), 0); }

static void StartRepeat(int k)
{
    SendMove(k);
    SetTimer(MainWindow, k, StartDelay, nullptr);
}

void RepeatTick(int timer)
{
    if (timer >= 1 && timer <= 4) {
        SendMove(timer);
        KillTimer(MainWindow, timer);
        SetTimer(MainWindow, timer + 4, RepeatPeriod, nullptr);
    } else if (timer >= 5 && timer <= 8) {
        SendMove(timer - 4);
    }
}

static void ShowFace(int id, HBITMAP face)
{
    SendDlgItemMessageA(MainWindow, id, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(face));
}

static void Press(HWND button)
{
    int id = GetDlgCtrlID(button);
    SetCapture(button);
    ShowFace(id, ButtonFaceDown[id - IDC_BUTTON_BASE]);
    switch (id) {
    case IDC_WHITE_ONLY_BUTTON:
        WhiteOnly();
        break;
    case IDC_RESET_BUTTON:
        ResetSheet();
        break;
    case IDC_UP_BUTTON:
    case IDC_LEFT_BUTTON:
    case IDC_RIGHT_BUTTON:
    case IDC_DOWN_BUTTON:
        StartRepeat(id - 402);
        break;
    case IDC_MARK_WHITE_BUTTON:
        MarkFocusedCell(White);
        break;
    case IDC_MARK_BLUE_BUTTON:
        MarkFocusedCell(Blue);
        break;
    case IDC_MARK_RED_BUTTON:
        MarkFocusedCell(Red);
        break;
    }
}

// Ends a press: stops the repeat and shows the released face.
static void Release(HWND button)
{
    int id = GetDlgCtrlID(button);
    if (id >= IDC_UP_BUTTON && id <= IDC_DOWN_BUTTON) {
        KillTimer(MainWindow, id - 402);
        KillTimer(MainWindow, id - 402 + 4);
    }
    ShowFace(id, ButtonFaceUp[id - IDC_BUTTON_BASE]);
}

void ReleaseButtonCapture()
{
    HWND holder = GetCapture();
    int id = GetDlgCtrlID(holder);
    if (holder != nullptr && GetParent(holder) == MainWindow && id > IDC_BUTTON_BASE &&
        id <= IDC_BUTTON_BASE + ButtonCount)
        ReleaseCapture();
}

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        Press(button);
        return 0;
    case WM_LBUTTONUP:
        // Losing the capture ends the press (WM_CAPTURECHANGED below).
        if (GetCapture() == button)
            ReleaseCapture();
        else
            Release(button);
        return 0;
    case WM_CAPTURECHANGED:
        // Also when the capture is lost some other way, so a repeat never runs on.
        Release(button);
        return 0;
    case WM_LBUTTONDBLCLK:
        SendMessageA(button, WM_LBUTTONDOWN, 0, 0);
        return 0;
    }
    return CallWindowProcA(StandardStaticProc, button, message, wParam, lParam);
}
