// A real main window for each test, created the way the program creates it.
#ifndef ZELMORA_MAIN_WINDOW_FIXTURE_H
#define ZELMORA_MAIN_WINDOW_FIXTURE_H

#include <gtest/gtest.h>
#include <windows.h>

#include "../../base/program.h"
#include "../../base/resource.h"
#include "../../input/input.h"
#include "../../window/window.h"

#include <string>

// The cell in column 1..4, row 1..10.
constexpr int Cell(int column, int row) { return IDC_FIRST_CELL + 10 * (column - 1) + (row - 1); }

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    HWND Control(int id) const { return GetDlgItem(window, id); }
    std::string Text(int id) const;
    // The eight totals, 301..308, as one line for readable failures.
    std::string Totals() const;
    int Mark(int cell) const { return static_cast<int>(GetWindowLongPtrA(Control(cell), GWLP_USERDATA)); }
    // The selected digit of the cell: the start of its one-character selection, or -1.
    int SelectedDigit(int cell) const;
    int FocusedId() const { return GetDlgCtrlID(GetFocus()); }
    // The focused control and its selected digit, as one line for readable failures: "115 3".
    std::string FocusAndDigit() const
    {
        return std::to_string(FocusedId()) + " " + std::to_string(SelectedDigit(FocusedId()));
    }

    // Sends what a user's typing would bring: key down, the character, key up.
    void Type(const char* text);
    void Key(int key, bool control = false, bool shift = false);
    // Sets a cell's text and selects its position 0, as a starting point.
    void Put(int cell, const char* text);
    void Pump();

    HWND window = nullptr;
};

#endif
