// The cell editor: turns an EDIT control into a five-character "mm:ss" overwrite field.
#include "input.h"

#include "../base/program.h"
#include "../base/resource.h"
#include "../sheet/duration.h"
#include "../sheet/sheet.h"
#include "cell_keys.h"

int FocusedCellId;
int ColonWidth, DigitWidth;
HMENU ColourMenu;
static WNDPROC StandardEditProc; // the EDIT class's own procedure, behind CellEditProc

// The cell steps of cell_keys.cpp count the cells as columns of RowCount.
static_assert(IDC_LAST_CELL - IDC_FIRST_CELL + 1 == CellCount && CellCount == ColumnCount * RowCount,
              "the cells are ColumnCount columns of RowCount");

static LRESULT CALLBACK CellEditProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam);

void SetCellMetrics(int colonWidth, int digitWidth)
{
    ColonWidth = colonWidth;
    DigitWidth = digitWidth;
}

void SubclassCell(HWND cell)
{
    StandardEditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(cell, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CellEditProc)));
}

void StartAtFirstCell(HWND firstCell)
{
    FocusedCellId = IDC_FIRST_CELL;
    FocusCell(firstCell, 0);
}

void LoadColourMenu()
{
    ColourMenu = GetSubMenu(LoadMenuA(ProgramInstance, MAKEINTRESOURCEA(IDR_COLOUR_MENU)), 0);
}

static int SelectionEnd(HWND cell) { return HIWORD(SendMessageA(cell, EM_GETSEL, 0, 0)); }

static bool IsHeld(int key) { return (GetKeyState(key) & 0x80) != 0; }

static HWND Neighbour(HWND cell, bool previous)
{
    return GetNextDlgTabItem(GetParent(cell), cell, previous ? TRUE : FALSE);
}

static HWND CellById(int id) { return GetDlgItem(MainWindow, id); }

// The Right or Left step from the selected digit: the next digit over the colon, or on into
// the next cell's first digit or the previous cell's last.
static void Step(HWND cell, bool left)
{
    int end = SelectionEnd(cell);
    int position = left ? LeftStep(end) : RightStep(end);
    if (position == OtherCell)
        FocusCell(Neighbour(cell, left), left ? 4 : 0);
    else
        SelectDigit(cell, position);
}

// The selected digit, or when the selection is not one digit the digit that ends nearest it.
static int DigitToSelect(HWND cell, bool& selected)
{
    DWORD selection = static_cast<DWORD>(SendMessageA(cell, EM_GETSEL, 0, 0));
    int start = LOWORD(selection), end = HIWORD(selection);
    selected = end - start == 1 && start != 2 && start <= 4;
    return selected ? start : DigitNearSelectionEnd(end);
}

// Exactly one digit is selected before a character replaces it, so the text keeps its form
// whatever selection another program may have set.
static int EnsureOneDigitSelected(HWND cell)
{
    bool selected;
    int digit = DigitToSelect(cell, selected);
    if (!selected)
        SelectDigit(cell, digit);
    return SelectionEnd(cell);
}

// A text another program sets, as automation tools set fields: the cell keeps one selected digit
// (the edit control would leave only a caret at the start) and the totals follow the text.
static LRESULT TakeText(HWND cell, LPARAM lParam)
{
    bool selected;
    int digit = DigitToSelect(cell, selected);
    LRESULT result = CallWindowProcA(StandardEditProc, cell, WM_SETTEXT, 0, lParam);
    SelectDigit(cell, digit);
    RecalcTotals(MainWindow);
    return result;
}

static LRESULT EnterCharacter(HWND cell, UINT message, WPARAM wParam, LPARAM lParam)
{
    unsigned char character = static_cast<unsigned char>(wParam & 0xFF);
    if (character < '0' || character > '9')
        return 0;
    int end = EnsureOneDigitSelected(cell);
    if (!IsDigitAccepted(character, end))
        return 0;
    LRESULT result = CallWindowProcA(StandardEditProc, cell, message, character, lParam);
    SendMessageA(cell, WM_KEYDOWN, VK_RIGHT, 0);
    RecalcTotals(MainWindow);
    return result;
}

// BackSpace: the digit left of the selected one becomes 0 and ends up selected.
static void BackSpace(HWND cell)
{
    int before = SelectionEnd(cell);
    SendMessageA(cell, WM_KEYDOWN, VK_LEFT, 0);
    HWND target = LeftStep(before) == OtherCell ? Neighbour(cell, true) : cell;
    SendMessageA(target, WM_CHAR, '0', 0);
    SendMessageA(cell, WM_KEYDOWN, VK_LEFT, 0);
}

static void KeyDown(HWND cell, int key)
{
    int id = GetDlgCtrlID(cell);
    bool control = IsHeld(VK_CONTROL);
    switch (key) {
    case VK_RIGHT: Step(cell, false); break;
    case VK_LEFT: Step(cell, true); break;
    case VK_DELETE:
        if (control)
            WhiteOnly();
        else
            SendMessageA(cell, WM_CHAR, '0', 0);
        break;
    case VK_BACK:
        if (control)
            ResetSheet();
        else
            BackSpace(cell);
        break;
    case VK_UP: FocusCell(Neighbour(cell, true), 0); break;
    case VK_DOWN: FocusCell(Neighbour(cell, false), 0); break;
    case VK_TAB: FocusCell(Neighbour(cell, IsHeld(VK_SHIFT)), 0); break;
    case VK_PRIOR: FocusCell(CellById(CellToTheLeft(id)), 0); break;
    case VK_NEXT: FocusCell(CellById(CellToTheRight(id)), 0); break;
    case VK_HOME: FocusCell(CellById(control ? IDC_FIRST_CELL : FirstCellOfColumn(id)), 0); break;
    case VK_END: FocusCell(CellById(control ? IDC_LAST_CELL : LastCellOfColumn(id)), 0); break;
    case 'W':
        if (control)
            MarkFocusedCell(White);
        break;
    case 'B':
        if (control)
            MarkFocusedCell(Blue);
        break;
    case 'R':
        if (control)
            MarkFocusedCell(Red);
        break;
    }
}

static void PressAt(HWND cell, LPARAM lParam)
{
    SetFocus(cell);
    SelectDigit(cell, DigitAtX(LOWORD(lParam), ColonWidth, DigitWidth));
}

// Minimised, the window is out of the user's sight, yet Wine keeps it active with the focus in
// its cell: keys and the wheel meant for something else must not change the sheet unseen.
static bool IsOutOfSight() { return IsIconic(MainWindow) != FALSE; }

void TurnWheel(WPARAM wParam)
{
    if (IsOutOfSight())
        return;
    HWND focused = GetDlgItem(MainWindow, FocusedCellId);
    SendMessageA(focused, WM_KEYDOWN, static_cast<short>(HIWORD(wParam)) > 0 ? VK_UP : VK_DOWN, 0);
}

// The keyboard focus stays on a cell: given to a label, a total, a button or the main window
// itself (a default procedure does that when told it was activated), it comes straight back.
static LRESULT LoseFocus(HWND cell, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CallWindowProcA(StandardEditProc, cell, WM_KILLFOCUS, wParam, lParam);
    HWND to = reinterpret_cast<HWND>(wParam);
    if (to != nullptr && (to == MainWindow || (IsChild(MainWindow, to) && !IsCell(to))))
        SetFocus(cell);
    return result;
}

// The menu leaves in the queue the press that closed it beside the menu; that press was the
// user's way of closing it, so it goes no further: not onto the reset or a colour button,
// another cell, the menu bar or the caption.
static void DropClosingPress()
{
    MSG press;
    while (PeekMessageA(&press, nullptr, WM_LBUTTONDOWN, WM_MBUTTONDBLCLK, PM_REMOVE) ||
           PeekMessageA(&press, nullptr, WM_NCLBUTTONDOWN, WM_NCMBUTTONDBLCLK, PM_REMOVE))
        continue;
}

static void OpenColourMenu(HWND cell)
{
    // A choice marks the focused cell, so the menu's cell has to be the focused one.
    if (GetFocus() != cell)
        SetFocus(cell);
    POINT anchor = {ColourMenuAnchorX(ColonWidth, DigitWidth), 0};
    ClientToScreen(cell, &anchor);
    CheckMenuRadioItem(ColourMenu, IDM_FIRST_COLOUR, IDM_LAST_COLOUR, IDM_FIRST_COLOUR + ReadCellColour(cell),
                       MF_BYCOMMAND);
    UINT choice = TrackPopupMenuEx(ColourMenu, TPM_RETURNCMD, anchor.x, anchor.y, MainWindow, nullptr);
    if (choice != 0)
        PostMessageA(MainWindow, WM_COMMAND, choice, 0); // as the menu itself would
    else
        DropClosingPress();
}

static LRESULT PassOn(HWND cell, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(StandardEditProc, cell, message, wParam, lParam);
}

static void TakeFocus(HWND cell)
{
    FocusedCellId = GetDlgCtrlID(cell);
    // A cell focused by another road than the program's own (a default procedure, another
    // program) may show a caret without a selected digit.
    EnsureOneDigitSelected(cell);
}

// Keys move, mark and clear; characters type digits by the rules. The edit control's own
// keys that would bypass the totals or change the cell's window go no further.
static LRESULT Keyboard(HWND cell, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        if (!IsOutOfSight())
            KeyDown(cell, static_cast<int>(wParam));
        return 0;
    case WM_CHAR: return IsOutOfSight() ? 0 : EnterCharacter(cell, message, wParam, lParam);
    case WM_SYSKEYDOWN:
        // Alt+BackSpace is the edit control's own undo, which would bypass the totals.
        if (wParam == VK_BACK)
            return 0;
        break;
    case WM_SYSCOMMAND:
        // Alt and F10 open the menu bar through the cell; any other system command would
        // minimise, maximise, move or size the cell itself, and a minimised cell loses digits.
        if ((wParam & 0xFFF0) != SC_KEYMENU && (wParam & 0xFFF0) != SC_MOUSEMENU)
            return 0;
        break;
    }
    return PassOn(cell, message, wParam, lParam);
}

// The mouse: a press selects the digit under it, the right button opens the colour menu, the
// wheel moves the focus. Nothing goes on to the edit control: not the cursor, which it would set
// to its own, nor the release of the right button, which would open another menu through the
// default procedure, also over a cell that a press elsewhere never focused.
static void Mouse(HWND cell, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // The second press of a double click selects the digit under the pointer too: the
        // one the first press selected, unless typing has moved on since.
        PressAt(cell, lParam);
        break;
    case WM_RBUTTONDOWN:
        SendMessageA(cell, WM_LBUTTONDOWN, wParam, lParam);
        SendMessageA(cell, WM_CONTEXTMENU, 0, 0);
        break;
    case WM_CONTEXTMENU: OpenColourMenu(cell); break;
    // It comes to the cell under the pointer, which need not be the focused one.
    case WM_MOUSEWHEEL: TurnWheel(wParam); break;
    }
}

// Another program may select anything; the cell keeps one digit selected.
static LRESULT SetSelection(HWND cell, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = PassOn(cell, EM_SETSEL, wParam, lParam);
    EnsureOneDigitSelected(cell);
    return result;
}

// Only "mm:ss" is taken, and from another thread (not by a reset that this message started)
// with the selection and the totals kept.
static LRESULT SetText(HWND cell, WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0 || !IsDuration(reinterpret_cast<const char*>(lParam)))
        return FALSE;
    if (InSendMessage() && !ResettingSheet)
        return TakeText(cell, lParam);
    return PassOn(cell, WM_SETTEXT, wParam, lParam);
}

// A cell has no clipboard and no undo, and its text never leaves the "mm:ss" form. The IME and
// Unicode characters the edit control would write itself, past the digit rules, go to the
// default procedure, which hands them back as WM_CHAR, which the rules check.
static LRESULT CALLBACK CellEditProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFOCUS: TakeFocus(cell); break;
    case WM_KILLFOCUS: return LoseFocus(cell, wParam, lParam);
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSCOMMAND: return Keyboard(cell, message, wParam, lParam);
    case WM_SETCURSOR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL: Mouse(cell, message, wParam, lParam); return 0;
    case WM_MBUTTONDOWN: return 0; // Wine's edit control pastes the X selection on a middle click
    case WM_PASTE: return 0;
    case WM_CUT: return 0;
    case WM_CLEAR: return 0;
    case WM_UNDO: return 0;
    case EM_UNDO: return 0;
    case EM_REPLACESEL: return 0;
    case EM_SETLIMITTEXT: return 0; // a limit under five characters would let a typed digit only delete
    case EM_FMTLINES: return 0;     // soft line breaks would show in the text the totals read
    case WM_IME_CHAR:
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
    case WM_UNICHAR: return DefWindowProcA(cell, message, wParam, lParam);
    case EM_SETSEL: return SetSelection(cell, wParam, lParam);
    case WM_SETTEXT: return SetText(cell, wParam, lParam);
    }
    return PassOn(cell, message, wParam, lParam);
}
