// The totals on screen: the worked sheets, and which fields a recalculation writes.
#include "main_window_fixture.h"

#include "../../sheet/sheet.h"

#include <vector>

namespace {

std::vector<int> Writes;
WNDPROC StaticProc;

LRESULT CALLBACK CountingProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT)
        Writes.push_back(GetDlgCtrlID(field));
    return CallWindowProcA(StaticProc, field, message, wParam, lParam);
}

std::string Ids(const std::vector<int>& ids)
{
    std::string line;
    for (int id : ids)
        line += std::to_string(id) + " ";
    return line;
}

} // namespace

class TotalsTest : public MainWindowTest {
  protected:
    void CountWrites()
    {
        for (int id = IDC_WHITE_SUM; id <= IDC_LAST_COLUMN_TOTAL; ++id)
            StaticProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(Control(id), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProc)));
        Writes.clear();
    }
    void Sheet(int cell, const char* text, int mark)
    {
        SetDlgItemTextA(window, cell, text);
        SetWindowLongPtrA(Control(cell), GWLP_USERDATA, mark);
    }
};

TEST_F(TotalsTest, WorkedSheets)
{
    RecalcTotals(window);
    EXPECT_EQ(Totals(), "0000:00 0000:00 0000:00 0000:00 000:00 000:00 000:00 000:00");

    Sheet(101, "03:45", White);
    Sheet(102, "04:30", White);
    Sheet(103, "10:00", Blue);
    RecalcTotals(window);
    EXPECT_EQ(Totals(), "0008:15 0010:00 0000:00 0018:15 018:15 000:00 000:00 000:00");

    SendMessageA(window, WM_COMMAND, IDM_RESET, 0);
    Sheet(101, "59:59", Red);
    Sheet(111, "00:01", Red);
    RecalcTotals(window);
    EXPECT_EQ(Totals(), "0000:00 0000:00 0060:00 0060:00 059:59 000:01 000:00 000:00");

    for (int id = 101; id <= 140; ++id)
        Sheet(id, "59:59", White);
    RecalcTotals(window);
    EXPECT_EQ(Totals(), "2399:20 0000:00 0000:00 2399:20 599:50 599:50 599:50 599:50");
}

TEST_F(TotalsTest, StrayMarksCountAsWhite)
{
    Sheet(121, "01:00", 7);
    Sheet(122, "02:00", -1);
    Sheet(123, "00:30", Red);
    RecalcTotals(window);
    EXPECT_EQ(Totals(), "0003:00 0000:00 0000:30 0003:30 000:00 000:00 003:30 000:00");
}

TEST_F(TotalsTest, ARunWritesOnlyTheFieldsWhoseTextChanged)
{
    CountWrites();
    RecalcTotals(window);
    EXPECT_EQ(Ids(Writes), "") << "an unchanged sheet writes nothing";

    Put(Cell(2, 5), "00:59");
    RecalcTotals(window);
    Writes.clear();
    SendMessageA(Control(Cell(2, 5)), EM_SETSEL, 2, 1);
    Type("1");
    EXPECT_EQ(Text(Cell(2, 5)), "01:59");
    EXPECT_EQ(Ids(Writes), "306 304 301 ");

    Writes.clear();
    SendMessageA(window, WM_COMMAND, IDM_MARK_RED, 0); // the same duration moves to the red sum
    EXPECT_EQ(Ids(Writes), "301 303 ");
    EXPECT_EQ(Totals(), "0000:00 0000:00 0001:59 0001:59 000:00 001:59 000:00 000:00");

    Writes.clear();
    SendMessageA(window, WM_COMMAND, IDM_MARK_RED, 0);
    EXPECT_EQ(Ids(Writes), "") << "marking a cell with its own colour writes nothing";
}

TEST_F(TotalsTest, SecondsCarryIntoMinutes)
{
    Put(Cell(4, 1), "00:00");
    Type("00300030");
    EXPECT_EQ(Text(IDC_LAST_COLUMN_TOTAL), "001:00");
    EXPECT_EQ(Text(IDC_GRAND_TOTAL), "0001:00");
}
