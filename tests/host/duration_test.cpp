// The arithmetic of the totals.
#include "../../sheet/duration.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

TEST(IntToText, WritesDecimalWithoutLeadingZeros)
{
    const struct {
        int value;
        const char* text;
    } cases[] = {{0, "0"},
                 {7, "7"},
                 {40, "40"},
                 {-5, "-5"},
                 {1006, "1006"},
                 {INT_MAX, "2147483647"},
                 {INT_MIN, "-2147483648"}};
    for (const auto& c : cases) {
        char text[IntTextSize];
        IntToText(c.value, text);
        EXPECT_STREQ(text, c.text) << c.value;
    }
}

TEST(TextToIntOrZero, WholeTextOrZero)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {{"", 0},
                 {"07", 7},
                 {"59", 59},
                 {"5:", 0},
                 {":3", 0},
                 {"  12", 12},
                 {"-4", -4},
                 {"+9", 9},
                 {"12 ", 0},
                 {"-", 0},
                 {"a1", 0},
                 {"2147483647", INT_MAX},
                 {"-2147483648", INT_MIN},
                 {"2147483648", 0},
                 {"99999999999999999999", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(TextToIntOrZero(c.text), c.value) << '"' << c.text << '"';
}

TEST(ZeroPad, KeepsTheWidthAndTheLowDigits)
{
    const struct {
        int value, width;
        const char* text;
    } cases[] = {{0, 3, "000"}, {18, 3, "018"}, {599, 3, "599"},  {2399, 4, "2399"},
                 {5, 2, "05"},  {59, 2, "59"},  {1006, 3, "006"}, {60, 4, "0060"}};
    for (const auto& c : cases) {
        char text[FieldTextSize];
        ZeroPad(c.value, c.width, text, sizeof text);
        EXPECT_STREQ(text, c.text) << c.value << " in " << c.width;
    }
}

TEST(ReadDuration, ReadsPartByPart)
{
    const struct {
        const char* text;
        int minutes, seconds;
    } cases[] = {{"03:45", 3, 45}, {"59:59", 59, 59}, {"5:30", 0, 0}, {"", 0, 0},
                 {"12", 12, 0},    {"12:3", 12, 3},   {"ab:cd", 0, 0}};
    for (const auto& c : cases) {
        int m = -1, s = -1;
        ReadDuration(c.text, m, s);
        EXPECT_EQ(m, c.minutes) << c.text;
        EXPECT_EQ(s, c.seconds) << c.text;
    }
}

TEST(IsDuration, OnlyTheFiveCharacterForm)
{
    EXPECT_TRUE(IsDuration("00:00"));
    EXPECT_TRUE(IsDuration("59:59"));
    EXPECT_TRUE(IsDuration("09:09"));
    for (const char* bad : {"60:00", "00:60", "0:000", "00:0", "00:000", "0a:00", "00-00", ""})
        EXPECT_FALSE(IsDuration(bad)) << bad;
}

namespace {

struct Sheet {
    char cells[CellCount][FieldTextSize];
    int colour[CellCount];
    Sheet()
    {
        for (int i = 0; i < CellCount; ++i) {
            std::strcpy(cells[i], "00:00");
            colour[i] = White;
        }
    }
    void Set(int id, const char* text, int mark)
    {
        std::strcpy(cells[id - 101], text);
        colour[id - 101] = mark;
    }
    std::string Totals() const
    {
        TotalTexts totals;
        ComputeTotals(cells, colour, totals);
        std::string line;
        for (int i = 0; i < TotalCount; ++i)
            line += (i ? " " : "") + std::string(totals.text[i]);
        return line;
    }
};

} // namespace

TEST(ComputeTotals, WorkedSheets)
{
    Sheet empty;
    EXPECT_EQ(empty.Totals(), "0000:00 0000:00 0000:00 0000:00 000:00 000:00 000:00 000:00");

    Sheet mixed;
    mixed.Set(101, "03:45", White);
    mixed.Set(102, "04:30", White);
    mixed.Set(103, "10:00", Blue);
    EXPECT_EQ(mixed.Totals(), "0008:15 0010:00 0000:00 0018:15 018:15 000:00 000:00 000:00");

    Sheet red;
    red.Set(101, "59:59", Red);
    red.Set(111, "00:01", Red);
    EXPECT_EQ(red.Totals(), "0000:00 0000:00 0060:00 0060:00 059:59 000:01 000:00 000:00");

    Sheet full;
    for (int id = 101; id <= 140; ++id)
        full.Set(id, "59:59", White);
    EXPECT_EQ(full.Totals(), "2399:20 0000:00 0000:00 2399:20 599:50 599:50 599:50 599:50");
}

TEST(ComputeTotals, CarriesAndOddTexts)
{
    Sheet halves;
    halves.Set(101, "00:30", White);
    halves.Set(102, "00:30", White);
    EXPECT_EQ(halves.Totals(), "0001:00 0000:00 0000:00 0001:00 001:00 000:00 000:00 000:00");

    Sheet odd;
    odd.Set(111, "5:30", Blue); // read part by part: neither part is a number
    odd.Set(112, "07:05", 5);   // a stray mark counts as White
    odd.Set(113, "00:10", -3);
    EXPECT_EQ(odd.Totals(), "0007:15 0000:00 0000:00 0007:15 000:00 007:15 000:00 000:00");
}

TEST(ComputeTotals, GrandTotalMatchesColumnsAndColours)
{
    // Seconds spread so that both the column and the colour carries are exercised.
    Sheet sheet;
    for (int id = 101; id <= 140; ++id) {
        char text[FieldTextSize];
        int m = (id * 7) % 60, s = (id * 13) % 60;
        std::snprintf(text, sizeof text, "%02d:%02d", m, s);
        sheet.Set(id, text, id % 3);
    }
    int total = 0, columns[4] = {}, colours[3] = {};
    for (int id = 101; id <= 140; ++id) {
        int seconds = ((id * 7) % 60) * 60 + (id * 13) % 60;
        total += seconds;
        columns[(id - 101) / 10] += seconds;
        colours[id % 3] += seconds;
    }
    char expected[128];
    std::snprintf(expected, sizeof expected,
                  "%04d:%02d %04d:%02d %04d:%02d %04d:%02d %03d:%02d %03d:%02d %03d:%02d %03d:%02d",
                  colours[0] / 60, colours[0] % 60, colours[1] / 60, colours[1] % 60, colours[2] / 60,
                  colours[2] % 60, total / 60, total % 60, columns[0] / 60, columns[0] % 60, columns[1] / 60,
                  columns[1] % 60, columns[2] / 60, columns[2] % 60, columns[3] / 60, columns[3] % 60);
    EXPECT_EQ(sheet.Totals(), expected);
}
