// Duration texts and the arithmetic of the totals.
#include "duration.h"

void IntToText(int value, char (&text)[IntTextSize])
{
    // Work in unsigned arithmetic so that the most negative value has a magnitude too.
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    char reversed[IntTextSize];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    int length = 0;
    if (value < 0)
        text[length++] = '-';
    while (count > 0)
        text[length++] = reversed[--count];
    text[length] = '\0';
}

int TextToIntOrZero(const char* text)
{
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    bool negative = false;
    if (*p == '-' || *p == '+')
        negative = *p++ == '-';
    if (*p < '0' || *p > '9')
        return 0;
    long long value = 0;
    while (*p >= '0' && *p <= '9') {
        value = value * 10 + (*p++ - '0');
        if (value > 2147483648LL)
            return 0;
    }
    if (*p != '\0')
        return 0;
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return 0;
    return static_cast<int>(value);
}

void ZeroPad(int value, int width, char* text, int size)
{
    int power = 1;
    for (int i = 0; i < width; ++i)
        power *= 10;
    char digits[IntTextSize];
    // The sum is formed in 64 bits so that no value can overflow it; the low digits are kept.
    long long sum = static_cast<long long>(value) + power;
    IntToText(static_cast<int>(sum % 1000000000LL), digits);
    int length = 0;
    while (digits[length] != '\0')
        ++length;
    const char* from = length > 1 ? digits + 1 : digits + length;
    int out = 0;
    while (from[out] != '\0' && out < width && out < size - 1) {
        text[out] = from[out];
        ++out;
    }
    text[out] = '\0';
}

// The characters of text from position first, at most count of them, cut at its end.
static void Part(const char* text, int first, int count, char (&part)[3])
{
    int length = 0;
    while (length < first && text[length] != '\0')
        ++length;
    int n = 0;
    if (length == first)
        while (n < count && text[first + n] != '\0') {
            part[n] = text[first + n];
            ++n;
        }
    part[n] = '\0';
}

void ReadDuration(const char* text, int& minutes, int& seconds)
{
    char part[3];
    Part(text, 0, 2, part);
    minutes = TextToIntOrZero(part);
    Part(text, 3, 2, part);
    seconds = TextToIntOrZero(part);
}

void Carry(int& minutes, int& seconds)
{
    minutes += seconds / 60;
    seconds %= 60;
}

bool IsDuration(const char* text)
{
    static const char highest[] = "59:59";
    for (int i = 0; i < 5; ++i) {
        if (i == 2) {
            if (text[i] != ':')
                return false;
        } else if (text[i] < '0' || text[i] > highest[i]) {
            return false;
        }
    }
    return text[5] == '\0';
}

static void FormatTotal(int minutes, int seconds, int minuteDigits, char (&text)[FieldTextSize])
{
    ZeroPad(minutes, minuteDigits, text, FieldTextSize);
    int length = minuteDigits;
    text[length++] = ':';
    ZeroPad(seconds, 2, text + length, FieldTextSize - length);
}

void ComputeTotals(const char (&cells)[CellCount][FieldTextSize], const int (&colour)[CellCount],
                   TotalTexts& totals)
{
    int grandMinutes = 0, grandSeconds = 0;
    int colourMinutes[MarkCount] = {}, colourSeconds[MarkCount] = {};
    for (int column = 0; column < ColumnCount; ++column) {
        int minutes = 0, seconds = 0;
        for (int row = 0; row < RowCount; ++row) {
            int index = column * RowCount + row;
            int m, s;
            ReadDuration(cells[index], m, s);
            minutes += m;
            seconds += s;
            int mark = colour[index] == Blue || colour[index] == Red ? colour[index] : White;
            colourMinutes[mark] += m;
            colourSeconds[mark] += s;
        }
        Carry(minutes, seconds);
        grandMinutes += minutes;
        grandSeconds += seconds;
        FormatTotal(minutes, seconds, ColumnMinuteDigits, totals.text[FirstColumnTotalSlot + column]);
    }
    Carry(grandMinutes, grandSeconds);
    FormatTotal(grandMinutes, grandSeconds, SumMinuteDigits, totals.text[GrandTotalSlot]);
    for (int mark = White; mark < MarkCount; ++mark) {
        Carry(colourMinutes[mark], colourSeconds[mark]);
        FormatTotal(colourMinutes[mark], colourSeconds[mark], SumMinuteDigits, totals.text[mark]);
    }
}
