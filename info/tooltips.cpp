// Tooltips of the totals (balloons) and of the image buttons (plain tips).
#include "info.h"

#include <commctrl.h>

static HWND StandardTip, BalloonTip;

static HWND MakeTip(HWND owner, HINSTANCE instance, DWORD style)
{
    HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr);
    SetWindowPos(tip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
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
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
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
