// The main window's contents as built: places, texts, styles, fonts, regions and focus.
#include "main_window_fixture.h"

#include "../../window/window.h"

namespace {

class LayoutTest : public MainWindowTest {};

struct Place {
    int id;
    const char* className;
    const char* text;
    DWORD style;
    int x, y, width, height;
};

// The identifiers are numbers here on purpose: the table pins them, and with them the names
// of base/resource.h that the rest of the tests use.
const Place Places[] = {
    {245, "Static", "№", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER, 3, 3, 25, 22},
    {249, "Static", "Время", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER, 29, 3, 70, 22},
    {252, "Static", "Время", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER, 320, 3, 70, 22},
    {201, "Static", "1", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER, 3, 26, 25, 22},
    {231, "Static", "31", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER, 294, 26, 25, 22},
    {240, "Static", "40", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER, 294, 233, 25, 22},
    {101, "Edit", "00:00", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_MULTILINE | ES_CENTER,
     29, 26, 70, 50},
    {140, "Edit", "00:00", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_MULTILINE | ES_CENTER,
     320, 233, 70, 50},
    {115, "Edit", "00:00", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_MULTILINE | ES_CENTER,
     126, 118, 70, 50},
    {241, "Static", "S", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER, 3, 256, 25, 22},
    {308, "Static", "000:00", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_NOTIFY | SS_CENTER, 320, 256, 70,
     22},
    {253, "Static", "Всего", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER, 394, 3, 100, 22},
    {199, "Static", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_CENTER, 394, 25, 100, 104},
    {301, "Static", "0000:00", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_NOTIFY | SS_CENTER, 405, 26, 78,
     22},
    {304, "Static", "0000:00", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_NOTIFY | SS_CENTER, 405, 95, 78,
     22},
    {200, "Static", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_NOTIFY | SS_CENTER, 394, 130, 100, 148},
    {401, "Static", "", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_NOTIFY | SS_BITMAP, 404, 142, 21, 21},
    {403, "Static", "", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_NOTIFY | SS_BITMAP, 434, 173, 21, 21},
    {406, "Static", "", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_NOTIFY | SS_BITMAP, 434, 203, 21, 21},
    {409, "Static", "", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_NOTIFY | SS_BITMAP, 464, 240, 21, 21},
};

int ChildCount(HWND window)
{
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        ++count;
    return count;
}

} // namespace

TEST_F(LayoutTest, ControlsStandWhereTheyBelong)
{
    EXPECT_EQ(ChildCount(window), 112);
    for (const Place& place : Places) {
        SCOPED_TRACE(place.id);
        HWND control = Control(place.id);
        ASSERT_NE(control, nullptr);
        char className[32];
        GetClassNameA(control, className, sizeof className);
        EXPECT_STRCASEEQ(className, place.className);
        EXPECT_EQ(Text(place.id), place.text);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)) & ~WS_TABSTOP & ~WS_CLIPSIBLINGS,
                  place.style & ~WS_TABSTOP & ~WS_CLIPSIBLINGS);
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & (WS_TABSTOP | WS_CLIPSIBLINGS),
                  static_cast<LONG>(place.style & (WS_TABSTOP | WS_CLIPSIBLINGS)));
        RECT box;
        GetWindowRect(control, &box);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&box), 2);
        EXPECT_EQ(box.left, place.x);
        EXPECT_EQ(box.top, place.y);
        EXPECT_EQ(box.right - box.left, place.width);
        EXPECT_EQ(box.bottom - box.top, place.height);
    }
}

TEST_F(LayoutTest, RowLabelsCountTheTracks)
{
    for (int cell = 101; cell <= 140; ++cell)
        EXPECT_EQ(Text(cell + 100), std::to_string(cell - 100));
}

TEST_F(LayoutTest, FontsGoToTheirControls)
{
    auto font = [&](int id) { return reinterpret_cast<HFONT>(SendMessageA(Control(id), WM_GETFONT, 0, 0)); };
    auto face = [&](int id) {
        LOGFONTA made = {};
        GetObjectA(font(id), sizeof made, &made);
        return std::string(made.lfFaceName) + " " + std::to_string(made.lfHeight) + " " +
               std::to_string(made.lfWidth) + " " + std::to_string(made.lfWeight) + " " +
               std::to_string(made.lfCharSet);
    };
    HFONT figure = font(IDC_FIRST_CELL), label = font(IDC_FIRST_ROW_LABEL), symbol = font(IDC_FIRST_SIGMA);
    EXPECT_EQ(face(IDC_FIRST_CELL), "MS Sans Serif -11 8 700 204");
    EXPECT_EQ(face(IDC_FIRST_ROW_LABEL), "MS Sans Serif -11 8 400 204");
    EXPECT_EQ(face(IDC_FIRST_SIGMA), "Symbol -15 12 400 2");
    for (int id : {IDC_LAST_CELL, IDC_FIRST_COLUMN_TOTAL, IDC_WHITE_SUM, IDC_GRAND_TOTAL})
        EXPECT_EQ(font(id), figure) << id;
    for (int id : {IDC_LAST_ROW_LABEL, IDC_TOTALS_HEADER, IDC_FIRST_TIME_HEADER, IDC_FIRST_NUMBER_HEADER})
        EXPECT_EQ(font(id), label) << id;
    EXPECT_EQ(font(IDC_LAST_SIGMA), symbol);
}

TEST_F(LayoutTest, RegionsDecideWhatThePointerReaches)
{
    auto at = [&](int x, int y) {
        POINT p = {x, y};
        ClientToScreen(window, &p);
        return GetDlgCtrlID(WindowFromPoint(p));
    };
    EXPECT_EQ(at(29 + 35, 26 + 10), 101);
    EXPECT_EQ(at(29 + 35, 26 + 30), 102) << "below its 22 visible pixels a cell lets the next one through";
    EXPECT_EQ(at(320 + 35, 233 + 21), 140);
    EXPECT_EQ(at(404 + 10, 142 + 10), IDC_WHITE_ONLY_BUTTON) << "the panel's holes show the buttons";
    EXPECT_EQ(at(464 + 20, 240 + 20), IDC_MARK_RED_BUTTON);
    EXPECT_EQ(at(394 + 50, 130 + 5), IDC_BUTTON_PANEL) << "between the holes the panel takes the press";
    EXPECT_EQ(at(405 + 39, 26 + 11), IDC_WHITE_SUM) << "the totals show through the frame's cut-out";
    EXPECT_EQ(WindowFromPoint([&] {
                  POINT p = {394 + 5, 25 + 50};
                  ClientToScreen(window, &p);
                  return p;
              }()),
              window)
        << "the frame has no SS_NOTIFY, so a press on it reaches the main window";
}

TEST_F(LayoutTest, OnlyTheCellsAreTabStopsInOrder)
{
    HWND cell = Control(Cell(1, 1));
    for (int expected = 102; expected <= 141; ++expected) {
        cell = GetNextDlgTabItem(window, cell, FALSE);
        EXPECT_EQ(GetDlgCtrlID(cell), expected > 140 ? 101 : expected);
    }
}

TEST_F(LayoutTest, TheFirstCellStartsWithTheFocus)
{
    EXPECT_EQ(FocusedId(), Cell(1, 1));
    EXPECT_EQ(FocusedCellId, 101);
    EXPECT_EQ(SelectedDigit(Cell(1, 1)), 0);
}

TEST_F(LayoutTest, TheTextSitsInTheVisiblePartOfACell)
{
    RECT text;
    SendMessageA(Control(Cell(1, 1)), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_GT(text.top, 0);
    EXPECT_LT(text.top, 11);
}
