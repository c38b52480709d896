// Floor of the start-up benchmark: every call the program's start-up is required to make,
// made literally in the order the program's documentation lists them, and nothing more.
// Where the program saves work (one memory context for all faces, faces kept as sections,
// fonts set without redrawing a hidden window, handles kept instead of looked up again) this
// floor does not: it shows what the start-up costs before any saving. Its window procedures
// answer only what the first paint asks (colours, menu pictures, focus, the size).
//   bench_literal.exe [once]   ("once" stops at the first empty queue and marks its steps)
#include "floor.h"

#include "../../base/resource.h"
#include "../../window/menu_brush_choice.h"

#include <commctrl.h>

namespace {

typedef BOOL(WINAPI* MenuInfoFunction)(HMENU, LPMENUINFO);
typedef HWND(WINAPI* HtmlHelpFunction)(HWND, const char*, UINT, DWORD_PTR);

HINSTANCE Instance;
HWND MainWindow;
MenuInfoFunction GetMenuInfoEntry, SetMenuInfoEntry;
HtmlHelpFunction HtmlHelpEntry;
HBRUSH BackgroundBrush, WhiteBrush, BlueBrush, RedBrush, NavyBrush, LavenderBrush, MenuBrush,
    MenuBrushInverse;
HBITMAP MenuTexture, MenuTextureInverse, FaceUp[10], FaceDown[10];
HICON MenuIcons[9], Glyphs[10];
HFONT LabelFont, SymbolFont, FigureFont;
int ColonWidth, DigitWidth, FocusedCellId;
WNDPROC StandardEditProc, StandardStaticProc;
HMENU MainMenu, ColourMenu;
HWND StandardTip, BalloonTip;

const POINT ButtonPlaces[10] = {{0, 0},     {404, 142}, {464, 142}, {434, 173}, {404, 188},
                                {464, 188}, {434, 203}, {404, 240}, {434, 240}, {464, 240}};

void NumberText(int value, char* text)
{
    if (value >= 10)
        *text++ = static_cast<char>('0' + value / 10);
    *text++ = static_cast<char>('0' + value % 10);
    *text = '\0';
}

HWND Child(HWND window, const char* className, int id, const char* text, DWORD style, int x, int y, int width,
           int height)
{
    return CreateWindowExA(0, className, text, style, x, y, width, height, window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

// The three fonts, field by field as the program's table gives them.
const LOGFONTA LabelLogFont = {
    -11, 8, 0, 0, FW_NORMAL, 0, 0, 0, RUSSIAN_CHARSET, 0, 0, DRAFT_QUALITY, 0, "MS Sans Serif"};
const LOGFONTA SymbolLogFont = {-15,           12, 0,       0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET, 0, 0,
                                DRAFT_QUALITY, 0,  "Symbol"};
const LOGFONTA FigureLogFont = {
    -11, 8, 0, 0, FW_BOLD, 0, 0, 0, RUSSIAN_CHARSET, 0, 0, DRAFT_QUALITY, 0, "MS Sans Serif"};

HRGN Rectangle(int left, int top, int right, int bottom) { return CreateRectRgn(left, top, right, bottom); }

void CutHole(HRGN region, int left, int top, int right, int bottom)
{
    HRGN hole = Rectangle(left, top, right, bottom);
    CombineRgn(region, region, hole, RGN_DIFF);
    DeleteObject(hole);
}

void ApplyMenuLook()
{
    DeleteObject(MenuBrush);
    DeleteObject(MenuBrushInverse);
    MenuBrush = CreatePatternBrush(MenuTexture);
    MenuBrushInverse = CreatePatternBrush(MenuTextureInverse);
    bool light = WantsInverseTexture(GetSysColor(COLOR_MENUTEXT));
    HMENU menus[2] = {MainMenu, ColourMenu};
    for (HMENU menu : menus) {
        MENUINFO info = {sizeof info, 0, 0, 0, nullptr, 0, 0};
        GetMenuInfoEntry(menu, &info);
        info = {sizeof info,
                MIM_BACKGROUND | MIM_STYLE | MIM_APPLYTOSUBMENUS,
                MNS_NOCHECK,
                info.cyMax,
                light ? MenuBrushInverse : MenuBrush,
                info.dwContextHelpID,
                info.dwMenuData};
        SetMenuInfoEntry(menu, &info);
    }
    MENUITEMINFOA item = {sizeof item, MIIM_BITMAP, 0, 0,       0, nullptr,
                          nullptr,     nullptr,     0, nullptr, 0, HBMMENU_CALLBACK};
    for (UINT id = IDM_COLOUR_WHITE; id <= IDM_COLOUR_RED; ++id)
        SetMenuItemInfoA(ColourMenu, id, FALSE, &item);
    const UINT mainItems[] = {IDM_MARK_WHITE, IDM_MARK_BLUE, IDM_MARK_RED, IDM_WHITE_ONLY,
                              IDM_RESET,      IDM_EXIT,      IDM_HELP,     IDM_ABOUT};
    for (UINT id : mainItems)
        SetMenuItemInfoA(MainMenu, id, FALSE, &item);
}

LRESULT CALLBACK CellProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETFOCUS)
        FocusedCellId = GetDlgCtrlID(cell);
    else if (message == WM_SETCURSOR)
        return 0;
    return CallWindowProcA(StandardEditProc, cell, message, wParam, lParam);
}

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(StandardStaticProc, button, message, wParam, lParam);
}

void Create(HWND window)
{
    WhiteBrush = CreateSolidBrush(RGB(255, 255, 255));
    BlueBrush = CreateSolidBrush(RGB(0, 0, 255));
    RedBrush = CreateSolidBrush(RGB(255, 0, 0));
    NavyBrush = CreateSolidBrush(RGB(0, 0, 128));
    LavenderBrush = CreateSolidBrush(RGB(225, 225, 255));

    MenuTexture = LoadBitmapA(Instance, MAKEINTRESOURCEA(IDB_MENU_TEXTURE));
    MenuTextureInverse = LoadBitmapA(Instance, MAKEINTRESOURCEA(IDB_MENU_TEXTURE));
    BITMAP size;
    GetObjectA(MenuTextureInverse, sizeof size, &size);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    SelectObject(memory, MenuTextureInverse);
    BitBlt(memory, 0, 0, size.bmWidth, size.bmHeight, screen, 0, 0, DSTINVERT);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    MenuBrush = CreatePatternBrush(MenuTexture);
    MenuBrushInverse = CreatePatternBrush(MenuTextureInverse);

    for (int i = 1; i <= 8; ++i)
        MenuIcons[i] = static_cast<HICON>(
            LoadImageA(Instance, MAKEINTRESOURCEA(IDI_MENU_MARK_WHITE - 1 + i), IMAGE_ICON, 16, 16, 0));
    for (int i = 1; i <= 9; ++i)
        FaceUp[i] = LoadBitmapA(Instance, MAKEINTRESOURCEA(IDB_FACE_UP));
    for (int i = 1; i <= 9; ++i)
        FaceDown[i] = LoadBitmapA(Instance, MAKEINTRESOURCEA(IDB_FACE_DOWN));
    for (int i = 1; i <= 9; ++i)
        Glyphs[i] = static_cast<HICON>(
            LoadImageA(Instance, MAKEINTRESOURCEA(IDI_GLYPH_WHITE_ONLY - 1 + i), IMAGE_ICON, 16, 16, 0));
    for (int pressed = 0; pressed <= 1; ++pressed)
        for (int i = 1; i <= 9; ++i) {
            screen = GetDC(nullptr);
            memory = CreateCompatibleDC(screen);
            SelectObject(memory, pressed ? FaceDown[i] : FaceUp[i]);
            DrawIconEx(memory, 2 + pressed, 2 + pressed, Glyphs[i], 0, 0, 0, nullptr, DI_NORMAL);
            DeleteDC(memory);
            ReleaseDC(nullptr, screen);
        }

    LabelFont = CreateFontIndirectA(&LabelLogFont);
    SymbolFont = CreateFontIndirectA(&SymbolLogFont);
    FigureFont = CreateFontIndirectA(&FigureLogFont);
    screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, FigureFont);
    RECT box = {0, 0, 1, 22};
    int height = DrawTextA(screen, "00:00", 5, &box, DT_CALCRECT);
    int width5 = box.right;
    DrawTextA(screen, "0000", 4, &box, DT_CALCRECT);
    ColonWidth = width5 - box.right;
    DigitWidth = box.right / 4;
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    int textTop = (23 - height) / 2;

    for (int c = 1; c <= 4; ++c) {
        Child(window, "STATIC", IDC_FIRST_NUMBER_HEADER - 1 + c, "№", HeaderStyle, 97 * c - 94, 3, 25, 22);
        Child(window, "STATIC", IDC_FIRST_TIME_HEADER - 1 + c, "Время", HeaderStyle, 97 * c - 68, 3, 70, 22);
    }
    for (int c = 1; c <= 4; ++c) {
        for (int r = 1; r <= 10; ++r) {
            char number[4];
            NumberText(10 * (c - 1) + r, number);
            Child(window, "STATIC", IDC_FIRST_ROW_LABEL + 10 * (c - 1) + r - 1, number, HeaderStyle,
                  97 * c - 94, 23 * r + 3, 25, 22);
        }
        for (int r = 1; r <= 10; ++r) {
            HWND cell = Child(window, "EDIT", IDC_FIRST_CELL + 10 * (c - 1) + r - 1, "00:00", CellStyle,
                              97 * c - 68, 23 * r + 3, 70, 50);
            SetWindowRgn(cell, Rectangle(0, 0, 70, 22), TRUE);
        }
    }
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id)
        SetWindowLongPtrA(GetDlgItem(window, id), GWLP_USERDATA, 0);
    for (int c = 1; c <= 4; ++c) {
        Child(window, "STATIC", IDC_FIRST_SIGMA - 1 + c, "S", HeaderStyle, 97 * c - 94, 256, 25, 22);
        Child(window, "STATIC", IDC_FIRST_COLUMN_TOTAL - 1 + c, "000:00", TotalStyle, 97 * c - 68, 256, 70,
              22);
    }
    Child(window, "STATIC", IDC_TOTALS_HEADER, "Всего", HeaderStyle, 394, 3, 100, 22);
    HWND frame = Child(window, "STATIC", IDC_TOTALS_FRAME, "", FrameStyle, 394, 25, 100, 104);
    HRGN u = Rectangle(0, 0, 100, 104);
    CutHole(u, 10, 0, 90, 93);
    SetWindowRgn(frame, u, TRUE);
    for (int k = 1; k <= 4; ++k)
        Child(window, "STATIC", IDC_WHITE_SUM - 1 + k, "0000:00", TotalStyle, 405, 23 * k + 3, 78, 22);
    HWND panel = Child(window, "STATIC", IDC_BUTTON_PANEL, "", PanelStyle, 394, 130, 100, 148);
    HRGN holes = Rectangle(0, 0, 100, 148);
    for (int i = 1; i <= 9; ++i)
        CutHole(holes, ButtonPlaces[i].x - 394, ButtonPlaces[i].y - 130, ButtonPlaces[i].x - 373,
                ButtonPlaces[i].y - 109);
    SetWindowRgn(panel, holes, TRUE);
    for (int i = 1; i <= 9; ++i)
        Child(window, "STATIC", IDC_WHITE_ONLY_BUTTON - 1 + i, "", ImageButtonStyle, ButtonPlaces[i].x,
              ButtonPlaces[i].y, 21, 21);

    StandardStaticProc =
        reinterpret_cast<WNDPROC>(GetWindowLongPtrA(GetDlgItem(window, IDC_WHITE_ONLY_BUTTON), GWLP_WNDPROC));
    for (int i = 1; i <= 9; ++i) {
        SendDlgItemMessageA(window, IDC_WHITE_ONLY_BUTTON - 1 + i, STM_SETIMAGE, IMAGE_BITMAP,
                            reinterpret_cast<LPARAM>(FaceUp[i]));
        SetWindowLongPtrA(GetDlgItem(window, IDC_WHITE_ONLY_BUTTON - 1 + i), GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(ButtonProc));
    }
    StandardEditProc =
        reinterpret_cast<WNDPROC>(GetWindowLongPtrA(GetDlgItem(window, IDC_FIRST_CELL), GWLP_WNDPROC));
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id) {
        HWND cell = GetDlgItem(window, id);
        SendMessageA(cell, WM_SETFONT, reinterpret_cast<WPARAM>(FigureFont), TRUE);
        SetWindowLongPtrA(cell, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CellProc));
        RECT text;
        SendMessageA(cell, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
        text.top = textTop;
        SendMessageA(cell, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&text));
    }
    const struct {
        int first, last;
        HFONT font;
    } fonts[] = {{IDC_FIRST_ROW_LABEL, IDC_LAST_ROW_LABEL, LabelFont},
                 {IDC_FIRST_SIGMA, IDC_LAST_SIGMA, SymbolFont},
                 {IDC_FIRST_NUMBER_HEADER, IDC_TOTALS_HEADER, LabelFont},
                 {IDC_WHITE_SUM, IDC_LAST_COLUMN_TOTAL, FigureFont}};
    for (const auto& group : fonts)
        for (int id = group.first; id <= group.last; ++id)
            SendMessageA(GetDlgItem(window, id), WM_SETFONT, reinterpret_cast<WPARAM>(group.font), TRUE);

    FocusedCellId = IDC_FIRST_CELL;
    SetFocus(GetDlgItem(window, IDC_FIRST_CELL));
    SendMessageA(GetDlgItem(window, IDC_FIRST_CELL), EM_SETSEL, 1, 0);
    MainMenu = GetMenu(window);
    ColourMenu = GetSubMenu(LoadMenuA(Instance, MAKEINTRESOURCEA(IDR_COLOUR_MENU)), 0);
    ApplyMenuLook();
}

HBRUSH Paint(HDC dc, COLORREF background, COLORREF text, HBRUSH brush)
{
    SetBkColor(dc, background);
    SetTextColor(dc, text);
    return brush;
}

HBRUSH StaticColours(HDC dc, int id)
{
    if ((id >= IDC_FIRST_SIGMA && id <= IDC_LAST_TIME_HEADER) ||
        (id >= IDC_GRAND_TOTAL && id <= IDC_LAST_COLUMN_TOTAL))
        return Paint(dc, RGB(0, 0, 128), RGB(255, 255, 255), NavyBrush);
    if (id == IDC_TOTALS_HEADER)
        return Paint(dc, RGB(225, 225, 255), RGB(0, 0, 128), LavenderBrush);
    if (id >= IDC_TOTALS_FRAME && id <= IDC_LAST_ROW_LABEL)
        return Paint(dc, RGB(225, 225, 255), RGB(0, 0, 0), LavenderBrush);
    if (id == IDC_WHITE_SUM)
        return Paint(dc, RGB(255, 255, 255), RGB(0, 0, 0), WhiteBrush);
    if (id == IDC_BLUE_SUM)
        return Paint(dc, RGB(0, 0, 255), RGB(255, 255, 255), BlueBrush);
    if (id == IDC_RED_SUM)
        return Paint(dc, RGB(255, 0, 0), RGB(255, 255, 255), RedBrush);
    return nullptr;
}

void DrawMenuPicture(const DRAWITEMSTRUCT* item)
{
    int icon = 0;
    UINT id = item->itemID;
    if (id >= IDM_COLOUR_WHITE && id <= IDM_COLOUR_RED) {
        bool checked = (GetMenuState(ColourMenu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
        DrawIconEx(item->hDC, 2, 2, MenuIcons[checked ? 7 : 8], 0, 0, 0, nullptr, DI_NORMAL);
        DrawIconEx(item->hDC, 20, 2, MenuIcons[id - IDM_COLOUR_WHITE + 1], 0, 0, 0, nullptr, DI_NORMAL);
        return;
    }
    if (id >= IDM_MARK_WHITE && id <= IDM_RESET)
        icon = static_cast<int>(id - IDM_MARK_WHITE + 1);
    else if (id == IDM_HELP)
        icon = 6;
    if (icon != 0)
        DrawIconEx(item->hDC, 2, 2, MenuIcons[icon], 0, 0, 0, nullptr, DI_NORMAL);
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: Create(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_SIZE: {
        RECT outer, client;
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        int dx = client.right - 497, dy = client.bottom - 281;
        if (dx != 0 || dy != 0)
            MoveWindow(window, outer.left, outer.top, outer.right - outer.left - dx,
                       outer.bottom - outer.top - dy, TRUE);
        return 0;
    }
    case WM_ACTIVATE: SetFocus(GetDlgItem(window, FocusedCellId)); return 0;
    case WM_MEASUREITEM: {
        MEASUREITEMSTRUCT* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        item->itemWidth = item->itemID >= IDM_COLOUR_WHITE && item->itemID <= IDM_COLOUR_RED ? 38 : 20;
        item->itemHeight = 18;
        return 0;
    }
    case WM_DRAWITEM: DrawMenuPicture(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return 0;
    case WM_NCMOUSEMOVE:
    case WM_MOUSEMOVE:
    case WM_EXITMENULOOP: return 0;
    case WM_CTLCOLOREDIT: {
        HWND cell = reinterpret_cast<HWND>(lParam);
        LONG_PTR mark = GetWindowLongPtrA(GetDlgItem(window, GetDlgCtrlID(cell)), GWLP_USERDATA);
        HDC dc = reinterpret_cast<HDC>(wParam);
        if (mark == 1)
            return reinterpret_cast<LRESULT>(Paint(dc, RGB(0, 0, 255), RGB(255, 255, 255), BlueBrush));
        if (mark == 2)
            return reinterpret_cast<LRESULT>(Paint(dc, RGB(255, 0, 0), RGB(255, 255, 255), RedBrush));
        return reinterpret_cast<LRESULT>(Paint(dc, RGB(255, 255, 255), RGB(0, 0, 0), WhiteBrush));
    }
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(
            StaticColours(reinterpret_cast<HDC>(wParam), GetDlgCtrlID(reinterpret_cast<HWND>(lParam))));
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void AddTool(HWND tip, HWND tool, const char* text, bool balloon)
{
    TOOLINFOA info = {TTTOOLINFOA_V1_SIZE,
                      TTF_IDISHWND | TTF_SUBCLASS,
                      tool,
                      reinterpret_cast<UINT_PTR>(tool),
                      {},
                      nullptr,
                      const_cast<char*>(text),
                      0,
                      nullptr};
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } settings[] = {{TTM_SETMAXTIPWIDTH, 0, 111},
                    {TTM_SETDELAYTIME, TTDT_AUTOPOP, 30000},
                    {TTM_SETDELAYTIME, TTDT_INITIAL, 500},
                    {TTM_SETDELAYTIME, TTDT_RESHOW, 500},
                    {TTM_ACTIVATE, TRUE, 0}};
    for (const auto& setting : settings)
        if (balloon || setting.message != TTM_SETMAXTIPWIDTH)
            SendMessageA(tip, setting.message, setting.wParam, setting.lParam);
}

HWND Tip(DWORD style)
{
    HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, MainWindow, nullptr, Instance, nullptr);
    SetWindowPos(tip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return tip;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    bool once = IsRunOnce();
    if (once)
        MarkStep("main");
    Instance = instance;
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    HMODULE user32 = GetModuleHandleA("User32");
    GetMenuInfoEntry =
        reinterpret_cast<MenuInfoFunction>(reinterpret_cast<void*>(GetProcAddress(user32, "GetMenuInfo")));
    SetMenuInfoEntry =
        reinterpret_cast<MenuInfoFunction>(reinterpret_cast<void*>(GetProcAddress(user32, "SetMenuInfo")));
    if (once)
        MarkStep("checks");

    BackgroundBrush = CreateSolidBrush(RGB(170, 170, 255));
    // Braced, the fields are filled in their order: the icons and cursor load as the program's do.
    WNDCLASSEXA windowClass = {
        sizeof windowClass,
        CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS,
        MainProc,
        0,
        0,
        instance,
        LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP)),
        LoadCursorA(nullptr, IDC_ARROW),
        BackgroundBrush,
        MAKEINTRESOURCEA(IDR_MAIN_MENU),
        "ZelmoraLiteral",
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, 16, 16, 0))};
    RegisterClassExA(&windowClass);
    if (once)
        MarkStep("class");

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame = {0, 0, 497, 281};
    AdjustWindowRectEx(&frame, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, TRUE, WS_EX_WINDOWEDGE);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    MainWindow = CreateWindowExA(WS_EX_APPWINDOW | WS_EX_WINDOWEDGE, "ZelmoraLiteral", "Зельмора", style,
                                 work.left + (work.right - work.left - width) / 2,
                                 work.top + (work.bottom - work.top - height) / 2, width, height, nullptr,
                                 nullptr, instance, nullptr);
    if (once)
        MarkStep("window");
    HMODULE help = LoadLibraryA("HHCTRL.OCX");
    if (help != nullptr)
        HtmlHelpEntry =
            reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(help, "HtmlHelpA")));
    if (once)
        MarkStep("htmlhelp");

    ShowWindow(MainWindow, SW_RESTORE);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    InitCommonControls();
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    if (once)
        MarkStep("show");

    StandardTip = Tip(WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX);
    BalloonTip = Tip(WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON);
    AddTool(BalloonTip, MainWindow, "", true);
    for (int id = IDC_WHITE_SUM; id <= IDC_GRAND_TOTAL; ++id)
        AddTool(BalloonTip, GetDlgItem(MainWindow, id),
                MAKEINTRESOURCEA(IDS_TIP_WHITE_SUM + id - IDC_WHITE_SUM), true);
    AddTool(StandardTip, GetDlgItem(MainWindow, IDC_BUTTON_PANEL), "", false);
    for (int id = IDC_WHITE_ONLY_BUTTON; id <= IDC_MARK_RED_BUTTON; ++id)
        AddTool(StandardTip, GetDlgItem(MainWindow, id),
                MAKEINTRESOURCEA(IDS_TIP_WHITE_ONLY + id - IDC_WHITE_ONLY_BUTTON), false);
    if (once)
        MarkStep("tooltips");

    MSG message;
    if (once) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        MarkStep("idle");
        DestroyWindow(MainWindow);
        return 0;
    }
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(MainWindow, accelerators, &message) != 0)
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
