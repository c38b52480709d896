// Tooltips of the totals (balloons) and of the image buttons (plain tips).
#include "info.h"

#include <commctrl.h>

static HWND StandardTip, BalloonTip;

typedef BOOL(WINAPI* SetLayeredWindowAttributesFunction)(HWND, COLORREF, BYTE, DWORD);

// The tools are transparent, so a click on a tip goes to the control beneath it. Wine, though,
// hands such a click on only when the window right beneath the tip is its owner, and here the
// other tip lies between: the click would be lost. A window that is layered as well as
// transparent is passed over by the hit test itself, on Wine and on Windows 2000 and later;
// Windows 98 and ME, which have no layered windows, follow the transparent tools.
static void LetClicksThrough(HWND tip)
{
    auto setAttributes = reinterpret_cast<SetLayeredWindowAttributesFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("User32"), "SetLayeredWindowAttributes")));
    if (setAttributes == nullptr)
        return;
    SetWindowLongA(tip, GWL_EXSTYLE, GetWindowLongA(tip, GWL_EXSTYLE) | WS_EX_LAYERED | WS_EX_TRANSPARENT);
    setAttributes(tip, 0, 255, LWA_ALPHA);
}

static HWND MakeTip(HWND owner, HINSTANCE instance, DWORD style)
{
    HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr);
    SetWindowPos(tip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    LetClicksThrough(tip);
    return tip;
}

void CreateTooltips(HWND owner, HINSTANCE instance)
{
    StandardTip = MakeTip(owner, instance, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX);
    BalloonTip = MakeTip(owner, instance, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON);
}

void AddTooltip(HWND tool, const char* text, bool balloon)
{
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE; // the record's first version, up to lpszText
    // Transparent: a click on a tip goes to the control beneath it. The button panel is dense,
    // and a tip taking the click would leave the press undone and, under Wine, the window inactive.
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_TRANSPARENT;
    info.hwnd = tool;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.hinst = nullptr;
    info.lpszText = const_cast<char*>(text);
    HWND tip = balloon ? BalloonTip : StandardTip;
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    if (balloon)
        SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, 111);
    SendMessageA(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, 30000);
    SendMessageA(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 500);
    SendMessageA(tip, TTM_SETDELAYTIME, TTDT_RESHOW, 500);
    SendMessageA(tip, TTM_ACTIVATE, TRUE, 0);
}
