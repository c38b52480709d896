// The image buttons: act at the press, show the pressed face while held, and repeat
// the four moves while an arrow button is held.
#include "input.h"

#include "../base/program.h"
#include "../base/resource.h"
#include "../sheet/sheet.h"

HBITMAP ButtonFaceUp[ButtonCount + 1], ButtonFaceDown[ButtonCount + 1];
static WNDPROC StandardStaticProc; // the STATIC class's own procedure, behind ButtonProc

static LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

void SubclassButton(HWND button)
{
    StandardStaticProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ButtonProc)));
}

void SetButtonFaces(int number, HBITMAP up, HBITMAP down)
{
    ButtonFaceUp[number] = up;
    ButtonFaceDown[number] = down;
}

enum { StartDelay = 500, RepeatPeriod = 50 };

// The four arrow buttons repeat their move. Repeat index k (1..4), the button
// IDC_FIRST_ARROW_BUTTON + k - 1, owns timer k (the delay) and timer k + RepeatCount (the repeat).
enum { RepeatCount = IDC_LAST_ARROW_BUTTON - IDC_FIRST_ARROW_BUTTON + 1 };
static_assert(ButtonCount == IDC_LAST_BUTTON - IDC_FIRST_BUTTON + 1, "a face for each image button");

static int RepeatIndex(int button) { return button - IDC_FIRST_ARROW_BUTTON + 1; }

static int RepeatKey(int k)
{
    switch (k) {
    case 1: return VK_UP;
    case 2: return VK_PRIOR;
    case 3: return VK_NEXT;
    case 4: return VK_DOWN;
    }
    return 0;
}

// The button number (1..9) that indexes the faces.
static int ButtonNumber(int button) { return button - IDC_FIRST_BUTTON + 1; }

static void SendMove(int k) { SendMessageA(GetFocus(), WM_KEYDOWN, RepeatKey(k), 0); }

static void StartRepeat(int k)
{
    SendMove(k);
    SetTimer(MainWindow, k, StartDelay, nullptr);
}

void RepeatTick(int timer)
{
    if (timer >= 1 && timer <= RepeatCount) {
        SendMove(timer);
        KillTimer(MainWindow, timer);
        SetTimer(MainWindow, timer + RepeatCount, RepeatPeriod, nullptr);
    } else if (timer > RepeatCount && timer <= 2 * RepeatCount) {
        SendMove(timer - RepeatCount);
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
    ShowFace(id, ButtonFaceDown[ButtonNumber(id)]);
    switch (id) {
    case IDC_WHITE_ONLY_BUTTON: WhiteOnly(); break;
    case IDC_RESET_BUTTON: ResetSheet(); break;
    case IDC_UP_BUTTON:
    case IDC_LEFT_BUTTON:
    case IDC_RIGHT_BUTTON:
    case IDC_DOWN_BUTTON: StartRepeat(RepeatIndex(id)); break;
    case IDC_MARK_WHITE_BUTTON: MarkFocusedCell(White); break;
    case IDC_MARK_BLUE_BUTTON: MarkFocusedCell(Blue); break;
    case IDC_MARK_RED_BUTTON: MarkFocusedCell(Red); break;
    }
}

// Ends a press: stops the repeat and shows the released face.
static void Release(HWND button)
{
    int id = GetDlgCtrlID(button);
    if (id >= IDC_FIRST_ARROW_BUTTON && id <= IDC_LAST_ARROW_BUTTON) {
        KillTimer(MainWindow, RepeatIndex(id));
        KillTimer(MainWindow, RepeatIndex(id) + RepeatCount);
    }
    ShowFace(id, ButtonFaceUp[ButtonNumber(id)]);
}

void ReleaseButtonCapture()
{
    HWND holder = GetCapture();
    int id = GetDlgCtrlID(holder);
    if (holder != nullptr && GetParent(holder) == MainWindow && id >= IDC_FIRST_BUTTON &&
        id <= IDC_LAST_BUTTON)
        ReleaseCapture();
}

static LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN: Press(button); return 0;
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
    case WM_LBUTTONDBLCLK: SendMessageA(button, WM_LBUTTONDOWN, 0, 0); return 0;
    }
    return CallWindowProcA(StandardStaticProc, button, message, wParam, lParam);
}
