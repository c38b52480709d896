// The main window's contents: the 112 child controls with their fonts and regions, and the
// drawing objects they are made with.
#include "window.h"

#include "../base/resource.h"
#include "../input/input.h"
#include "../sheet/duration.h"
#include "../sheet/sheet.h"

// Made and deleted here; the controls take them with WM_SETFONT.
static HFONT LabelFont, SymbolFont, FigureFont;

enum : DWORD {
    Visible = WS_CHILD | WS_VISIBLE,
    HeaderStyle = Visible | SS_CENTER | SS_CENTERIMAGE,
    TotalStyle = Visible | SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY,
    FrameStyle = Visible | WS_CLIPSIBLINGS | SS_CENTER,
    PanelStyle = Visible | WS_CLIPSIBLINGS | SS_CENTER | SS_NOTIFY,
    ImageButtonStyle = Visible | SS_BITMAP | SS_CENTERIMAGE | SS_NOTIFY,
    CellStyle = Visible | WS_TABSTOP | WS_CLIPSIBLINGS | ES_CENTER | ES_MULTILINE,
};

// Top-left corners of the image buttons, by button number from 1.
static const POINT ButtonPlaces[ButtonCount + 1] = {
    {0, 0},     {404, 142}, {464, 142}, {434, 173}, {404, 188},
    {464, 188}, {434, 203}, {404, 240}, {434, 240}, {464, 240},
};
// The button panel's top-left corner: its holes lie under the buttons.
static const POINT PanelPlace = {394, 130};
enum { ButtonSize = 21 };

// The controls made by the latest WM_CREATE, by identifier. Creation works on these handles
// instead of asking for each control again: under Wine every GetDlgItem is a trip to the server.
static HWND Made[IDC_LAST_CONTROL + 1];

static HWND Child(HWND window, const char* className, int id, const char* text, DWORD style, int x, int y,
                  int width, int height)
{
    Made[id] = CreateWindowExA(0, className, text, style, x, y, width, height, window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    return Made[id];
}

// Column 1..4, row 1..10.
static int CellId(int column, int row) { return IDC_FIRST_CELL + 10 * (column - 1) + row - 1; }
static int RowLabelId(int column, int row) { return IDC_FIRST_ROW_LABEL + 10 * (column - 1) + row - 1; }

static HFONT MakeFont(const char* face, int height, int width, int weight, BYTE charset)
{
    LOGFONTA font = {};
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfWeight = weight;
    font.lfCharSet = charset;
    font.lfQuality = DRAFT_QUALITY;
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

// Measures the cell font; returns the top of the text rectangle that centres one line
// in the visible 22 pixels of a cell.
static int MeasureFigureFont()
{
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, FigureFont);
    RECT box = {0, 0, 1, 22};
    int height = DrawTextA(screen, "00:00", 5, &box, DT_CALCRECT);
    int width5 = box.right;
    DrawTextA(screen, "0000", 4, &box, DT_CALCRECT);
    int width4 = box.right;
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    int colonWidth = width5 - width4;
    SetCellMetrics(colonWidth, (width5 - colonWidth) / 4);
    return (23 - height) / 2;
}

static void SetRegion(HWND control, HRGN region) { SetWindowRgn(control, region, TRUE); }

static void CutHole(HRGN region, int left, int top, int right, int bottom)
{
    HRGN hole = CreateRectRgn(left, top, right, bottom);
    CombineRgn(region, region, hole, RGN_DIFF);
    DeleteObject(hole);
}

static void CreateHeaders(HWND window)
{
    for (int column = 1; column <= 4; ++column) {
        Child(window, "STATIC", IDC_FIRST_NUMBER_HEADER + column - 1, "№", HeaderStyle, 97 * column - 94, 3,
              25, 22);
        Child(window, "STATIC", IDC_FIRST_TIME_HEADER + column - 1, "Время", HeaderStyle, 97 * column - 68, 3,
              70, 22);
    }
}

static void CreateCells(HWND window)
{
    char number[IntTextSize];
    for (int column = 1; column <= 4; ++column) {
        for (int row = 1; row <= 10; ++row) {
            IntToText(10 * (column - 1) + row, number);
            Child(window, "STATIC", RowLabelId(column, row), number, HeaderStyle, 97 * column - 94,
                  23 * row + 3, 25, 22);
        }
        for (int row = 1; row <= 10; ++row) {
            HWND cell = Child(window, "EDIT", CellId(column, row), "00:00", CellStyle, 97 * column - 68,
                              23 * row + 3, 70, 50);
            // Only the top 22 pixels show; the rest lies over the two cells below.
            SetRegion(cell, CreateRectRgn(0, 0, 70, 22));
        }
    }
    // Every cell starts White: a new window's user data is already 0.
}

static void CreateTotalsAndButtons(HWND window)
{
    for (int column = 1; column <= 4; ++column) {
        Child(window, "STATIC", IDC_FIRST_SIGMA + column - 1, "S", HeaderStyle, 97 * column - 94, 256, 25,
              22);
        Child(window, "STATIC", IDC_FIRST_COLUMN_TOTAL + column - 1, "000:00", TotalStyle, 97 * column - 68,
              256, 70, 22);
    }
    Child(window, "STATIC", IDC_TOTALS_HEADER, "Всего", HeaderStyle, 394, 3, 100, 22);
    HWND frame = Child(window, "STATIC", IDC_TOTALS_FRAME, "", FrameStyle, 394, 25, 100, 104);
    HRGN u = CreateRectRgn(0, 0, 100, 104);
    CutHole(u, 10, 0, 90, 93);
    SetRegion(frame, u);
    for (int id = IDC_WHITE_SUM; id <= IDC_GRAND_TOTAL; ++id)
        Child(window, "STATIC", id, "0000:00", TotalStyle, 405, 23 * (id - IDC_WHITE_SUM + 1) + 3, 78, 22);
    for (int id = IDC_FIRST_TOTAL; id <= IDC_LAST_TOTAL; ++id)
        GuardTotalField(Made[id]);
    HWND panel =
        Child(window, "STATIC", IDC_BUTTON_PANEL, "", PanelStyle, PanelPlace.x, PanelPlace.y, 100, 148);
    HRGN holes = CreateRectRgn(0, 0, 100, 148);
    for (int i = 1; i <= ButtonCount; ++i) {
        int left = ButtonPlaces[i].x - PanelPlace.x, top = ButtonPlaces[i].y - PanelPlace.y;
        CutHole(holes, left, top, left + ButtonSize, top + ButtonSize);
    }
    SetRegion(panel, holes);
    for (int i = 1; i <= ButtonCount; ++i)
        Child(window, "STATIC", IDC_FIRST_BUTTON + i - 1, "", ImageButtonStyle, ButtonPlaces[i].x,
              ButtonPlaces[i].y, ButtonSize, ButtonSize);
}

// The window is not shown yet, so nothing needs redrawing: it all paints when it shows.
static void SetFontOf(int first, int last, HFONT font)
{
    for (int id = first; id <= last; ++id)
        SendMessageA(Made[id], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

static void SubclassButtons()
{
    for (int i = 1; i <= ButtonCount; ++i) {
        HWND button = Made[IDC_FIRST_BUTTON + i - 1];
        SendMessageA(button, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(ButtonFaceUp[i]));
        SubclassButton(button);
    }
}

static void SubclassCells(int textTop)
{
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id) {
        HWND cell = Made[id];
        SendMessageA(cell, WM_SETFONT, reinterpret_cast<WPARAM>(FigureFont), FALSE);
        SubclassCell(cell);
        RECT text;
        SendMessageA(cell, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
        text.top = textTop;
        // Still hidden: the new text rectangle shows with the first paint, no redraw needed.
        SendMessageA(cell, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&text));
    }
}

void CreateMainWindowContents(HWND window)
{
    CreateColourBrushes();
    LoadImages();
    LabelFont = MakeFont("MS Sans Serif", -11, 8, FW_NORMAL, RUSSIAN_CHARSET);
    SymbolFont = MakeFont("Symbol", -15, 12, FW_NORMAL, SYMBOL_CHARSET);
    FigureFont = MakeFont("MS Sans Serif", -11, 8, FW_BOLD, RUSSIAN_CHARSET);
    int textTop = MeasureFigureFont();

    CreateHeaders(window);
    CreateCells(window);
    CreateTotalsAndButtons(window);
    SubclassButtons();
    SubclassCells(textTop);

    SetFontOf(IDC_FIRST_ROW_LABEL, IDC_LAST_ROW_LABEL, LabelFont);
    SetFontOf(IDC_FIRST_SIGMA, IDC_LAST_SIGMA, SymbolFont);
    SetFontOf(IDC_FIRST_LABEL_FONT_HEADING, IDC_LAST_LABEL_FONT_HEADING, LabelFont);
    SetFontOf(IDC_FIRST_TOTAL, IDC_LAST_TOTAL, FigureFont);

    StartAtFirstCell(Made[IDC_FIRST_CELL]);

    HMENU menuBar = GetMenu(window);
    LoadColourMenu();
    SetUpMenuLook(menuBar);
}

void DeleteDrawingObjects()
{
    HFONT* fonts[] = {&LabelFont, &SymbolFont, &FigureFont};
    for (HFONT* font : fonts) {
        DeleteObject(*font);
        *font = nullptr;
    }
    DeleteMenuBrushes();
    DeleteColourBrushes();
    DeleteImages();
}
