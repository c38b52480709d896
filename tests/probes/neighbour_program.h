// The running program as the hostile neighbour sees it from outside.
#ifndef ZELMORA_NEIGHBOUR_PROGRAM_H
#define ZELMORA_NEIGHBOUR_PROGRAM_H

#include <windows.h>

#include <map>
#include <string>

extern HWND Main;                            // the program's main window
extern std::map<std::string, int> Dismissed; // what the stream opened and a user would end, by kind

// Waits up to 20 s for the program's window; false when there is none.
bool FindProgram();
// The main window's control by identifier; 0 is the main window itself.
HWND Control(int id);

// The sheet as a check reads it.
struct Sheet {
    std::string cells[40];
    int marks[40] = {};
    std::string totals;
    int focus = 0;
    int grand = 0; // seconds
};

// Minutes and seconds as the totals show them: minutes with width digits.
std::string Minutes(int seconds, int width);

// Starts the threads that read the cells; once, before the first check.
void StartReaders();
// Reads the sheet into sheet; an empty text when all a user relies on holds: every cell
// "mm:ss", the totals the sums of the cells by column and by mark, one digit of the focused
// cell selected. What broke otherwise.
std::string Check(Sheet& sheet);
// The text of a fatal error box of the program, or an empty text when there is none.
std::string FatalBox();
// Ends menus, move loops, dialogs, boxes and other windows the program opened, and gives the
// activation back to the main window; held is a window whose message is still being handled.
// An empty text when nothing is left open, what stays open otherwise.
std::string Settle(HWND held = nullptr);

enum Delivery { Handled, Refused, Held };
// Sends one message and waits until the program has handled it, settling what keeps it from
// returning; broken says what went wrong.
Delivery Deliver(HWND target, UINT message, WPARAM wParam, LPARAM lParam, std::string& broken);

#endif
