// The colours a user sees: cells by their mark, totals, headings, labels and panels.
#include "main_window_fixture.h"
#include "pixels.h"

#include "../../base/resource.h"
#include "../../sheet/sheet.h"
#include "../../window/palette.h"

using ColoursTest = MainWindowTest;

TEST_F(ColoursTest, CellsWearTheColoursOfTheirMark)
{
    const struct {
        LONG mark;
        COLORREF background, text;
    } cases[] = {
        {White, WhiteColour, BlackColour}, {Blue, BlueColour, WhiteColour}, {Red, RedColour, WhiteColour},
        {7, WhiteColour, BlackColour},     {-1, WhiteColour, BlackColour},
    };
    const int cell = 115; // not the focused cell: no selection drawn in it
    SetDlgItemTextA(window, cell, "12:34");
    for (const auto& c : cases) {
        SCOPED_TRACE("mark " + std::to_string(c.mark));
        SetWindowLongPtrA(Control(cell), GWLP_USERDATA, c.mark);
        Picture picture = PrintControl(Control(cell));
        ASSERT_GE(picture.height, 22);
        EXPECT_EQ(Rgb(picture.At(2, 2)), Rgb(c.background));
        EXPECT_EQ(Rgb(picture.At(67, 19)), Rgb(c.background));
        EXPECT_GT(picture.Count(c.text), 20) << "no digits in the text colour";
        EXPECT_EQ(picture.NotBetween(c.background, c.text), "");
    }
}

// The fields, headings, labels and panels are coloured by what they are, not by their text.
TEST_F(ColoursTest, StaticControlsByIdentifier)
{
    const COLORREF none = RGB(1, 2, 3);
    const struct {
        int first, last;
        COLORREF background, text;
    } groups[] = {
        {IDC_TOTALS_FRAME, IDC_BUTTON_PANEL, LavenderColour, none},
        {IDC_FIRST_ROW_LABEL, IDC_LAST_ROW_LABEL, LavenderColour, BlackColour},
        {IDC_FIRST_SIGMA, IDC_LAST_TIME_HEADER, NavyColour, WhiteColour},
        {IDC_TOTALS_HEADER, IDC_TOTALS_HEADER, LavenderColour, NavyColour},
        {IDC_WHITE_SUM, IDC_WHITE_SUM, WhiteColour, BlackColour},
        {IDC_BLUE_SUM, IDC_BLUE_SUM, BlueColour, WhiteColour},
        {IDC_RED_SUM, IDC_RED_SUM, RedColour, WhiteColour},
        {IDC_GRAND_TOTAL, IDC_LAST_COLUMN_TOTAL, NavyColour, WhiteColour},
    };
    for (const auto& g : groups) {
        for (int id = g.first; id <= g.last; ++id) {
            SCOPED_TRACE("control " + std::to_string(id) + " \"" + Text(id) + "\"");
            Picture picture = PrintControl(Control(id));
            EXPECT_EQ(Rgb(picture.At(1, 1)), Rgb(g.background));
            EXPECT_EQ(Rgb(picture.At(picture.width - 2, picture.height - 2)), Rgb(g.background));
            if (g.text != none) {
                EXPECT_GT(picture.Count(g.text), 3) << "no text in " << Rgb(g.text);
                EXPECT_EQ(picture.NotBetween(g.background, g.text), "");
            } else {
                EXPECT_EQ(picture.Others({g.background}), "");
            }
        }
    }
}

// The total fields keep their colours whatever they show.
TEST_F(ColoursTest, ColourSumsKeepTheirColoursWithValues)
{
    Put(Cell(1, 1), "01:00");
    SetWindowLongPtrA(Control(Cell(1, 2)), GWLP_USERDATA, Blue);
    SetDlgItemTextA(window, 102, "02:00");
    SetWindowLongPtrA(Control(Cell(1, 3)), GWLP_USERDATA, Red);
    SetDlgItemTextA(window, 103, "03:00");
    RecalcTotals(window);
    ASSERT_EQ(Totals(), "0001:00 0002:00 0003:00 0006:00 006:00 000:00 000:00 000:00");
    const struct {
        int id;
        COLORREF background, text;
    } fields[] = {{IDC_WHITE_SUM, WhiteColour, BlackColour},
                  {IDC_BLUE_SUM, BlueColour, WhiteColour},
                  {IDC_RED_SUM, RedColour, WhiteColour},
                  {IDC_GRAND_TOTAL, NavyColour, WhiteColour},
                  {IDC_FIRST_COLUMN_TOTAL, NavyColour, WhiteColour}};
    for (const auto& f : fields) {
        SCOPED_TRACE("field " + std::to_string(f.id));
        Picture picture = PrintControl(Control(f.id));
        EXPECT_EQ(Rgb(picture.At(1, 1)), Rgb(f.background));
        EXPECT_EQ(picture.NotBetween(f.background, f.text), "");
    }
}

// Marking repaints the cell on the screen there and then: no message has to follow.
TEST_F(ColoursTest, MarkedCellShowsItsColourAtOnce)
{
    const struct {
        int command;
        COLORREF colour;
    } steps[] = {{IDM_MARK_RED, RedColour},
                 {IDM_MARK_BLUE, BlueColour},
                 {IDM_COLOUR_RED, RedColour},
                 {IDM_COLOUR_WHITE, WhiteColour}};
    Put(Cell(1, 4), "00:00");
    Pump();
    ASSERT_EQ(FocusedId(), Cell(1, 4));
    ASSERT_EQ(Rgb(ReadSurface(Control(Cell(1, 4))).At(2, 2)), Rgb(WhiteColour))
        << "the surface cannot be read";
    for (const auto& s : steps) {
        SCOPED_TRACE("command " + std::to_string(s.command));
        SendMessageA(window, WM_COMMAND, s.command, 0);
        Picture surface = ReadSurface(Control(Cell(1, 4)));
        EXPECT_EQ(Rgb(surface.At(2, 2)), Rgb(s.colour));
        EXPECT_EQ(Rgb(surface.At(67, 20)), Rgb(s.colour));
    }
}

TEST_F(ColoursTest, ImageButtonsGetNoBrush)
{
    HDC dc = CreateCompatibleDC(nullptr);
    SetBkColor(dc, RGB(1, 2, 3));
    SetTextColor(dc, RGB(4, 5, 6));
    for (int id = IDC_WHITE_ONLY_BUTTON; id <= IDC_MARK_RED_BUTTON; ++id) {
        SCOPED_TRACE("button " + std::to_string(id));
        EXPECT_EQ(SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(Control(id))),
                  0);
        EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3));
        EXPECT_EQ(GetTextColor(dc), RGB(4, 5, 6));
    }
    DeleteDC(dc);
}
