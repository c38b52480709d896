// A hostile neighbour: another program that sends the running Zelmora window and its controls
// a seeded stream of messages and checks, after every one, what a user relies on: the program
// runs without a fatal box, every cell holds "mm:ss", the totals are the sums of the cells by
// column and by mark, and the focused cell has one selected digit.
//   neighbour.exe settext ID TEXT    sets the text of control ID (0: the main window) from here
//                                    and prints the message's result
//   neighbour.exe stream SEED COUNT  the stream; prints what it reached; exit code 0 when every
//                                    check held, 1 at the first that did not
#include "../../base/resource.h"
#include "neighbour_messages.h"
#include "neighbour_program.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

enum Group { MainGroup, Cells, Labels, Totals, Buttons, GroupCount };
const char* const GroupNames[GroupCount] = {"main window", "cells", "labels", "totals", "buttons"};

struct Sent {
    int group;
    int id;
    UINT message;
    uint32_t wParam, lParam;
    std::string text;
    std::string Line() const
    {
        char line[160];
        std::snprintf(line, sizeof line, "0x%04X to %s %d, wParam 0x%08lX, lParam 0x%08lX", message,
                      GroupNames[group], id, static_cast<unsigned long>(wParam),
                      static_cast<unsigned long>(lParam));
        std::string out = line;
        if (message == WM_SETTEXT) {
            out += ", text \"";
            for (unsigned char c : text)
                out += c >= 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c)) : "?";
            out += "\"";
        }
        return out;
    }
};

// What the stream reached, for the report.
struct Reach {
    int sent = 0, refused = 0, held = 0, minimised = 0, maximised = 0;
    int perGroup[GroupCount] = {};
    int textsChanged = 0, marksChanged = 0, focusMoved = 0, totalsChanged = 0;
    int cellTextsAccepted = 0, cellTextsRefused = 0;
    int largest = 0;
    std::set<int> cellsWritten, cellsFocused;
    std::map<UINT, int> sheetChangers;
};

int Stream(uint64_t seed, int count)
{
    Random random(seed);
    StartReaders();
    std::vector<HWND> targets[GroupCount], windows;
    for (int id = 0; id <= IDC_MARK_RED_BUTTON; ++id) {
        HWND window = Control(id);
        if (window == nullptr)
            continue;
        Group group = id == 0                                              ? MainGroup
                      : id >= IDC_FIRST_CELL && id <= IDC_LAST_CELL        ? Cells
                      : id >= IDC_WHITE_SUM && id <= IDC_LAST_COLUMN_TOTAL ? Totals
                      : id >= IDC_WHITE_ONLY_BUTTON                        ? Buttons
                                                                           : Labels;
        targets[group].push_back(window);
        windows.push_back(window);
    }
    std::vector<UINT> messages;
    for (UINT message = 0; message < WM_USER; ++message)
        if (!IsExcluded(message))
            messages.push_back(message);
    std::printf("stream: seed %llu, %d messages; %u of the %u message numbers below WM_USER, %u left out\n",
                static_cast<unsigned long long>(seed), count, static_cast<unsigned>(messages.size()), WM_USER,
                static_cast<unsigned>(ExcludedCount()));

    Sheet before, after;
    std::string broken = Settle();
    if (broken.empty())
        broken = Check(before);
    if (!broken.empty()) {
        std::printf("FAIL before the stream: %s\n", broken.c_str());
        return 1;
    }
    Reach reach;
    std::deque<Sent> recent;
    std::vector<UINT> round;
    for (int n = 1; n <= count; ++n) {
        // Every included number once per round, in a new order each round, and now and then
        // a text or a number of the classes' own ranges.
        Sent sent = {};
        int roll = random.Below(100);
        bool actedOn = roll >= 10 && roll < 35;
        if (roll < 8)
            sent.message = WM_SETTEXT;
        else if (roll < 10)
            sent.message = WM_GETTEXT;
        else if (roll < 35)
            sent.message = ActedOnMessage(random);
        else if (roll < 38) {
            do
                sent.message = WM_USER + random.Below(0x10000 - WM_USER);
            while (IsExcluded(sent.message));
        } else {
            if (round.empty()) {
                round = messages;
                for (size_t i = round.size() - 1; i > 0; --i)
                    std::swap(round[i], round[random.Below(static_cast<int>(i + 1))]);
            }
            sent.message = round.back();
            round.pop_back();
        }
        // The sheet's own messages go mostly where the sheet acts on them.
        if ((sent.message == WM_SETTEXT || actedOn) && random.Chance(50))
            sent.group = actedOn && random.Chance(40) ? MainGroup : Cells;
        else
            sent.group = random.Below(GroupCount);
        HWND target = targets[sent.group][random.Below(targets[sent.group].size())];
        sent.id = GetDlgCtrlID(target) * (target != Main);
        do {
            sent.wParam = Parameter(random, windows);
            sent.lParam = Parameter(random, windows);
            if (random.Chance(50))
                MeaningfulParameters(sent.message, random, sent.wParam, sent.lParam);
        } while (Closes(sent.message, sent.wParam, sent.lParam, target == Main));
        if (sent.message == WM_TIMER)
            sent.lParam = 0; // a callback address: a timer without one
        char buffer[512];
        LPARAM lParam = sent.lParam;
        if (sent.message == WM_SETTEXT) {
            sent.text = RandomText(random);
            sent.wParam = 0;
            lParam = reinterpret_cast<LPARAM>(sent.text.c_str());
        } else if (sent.message == WM_GETTEXT) {
            sent.wParam = random.Below(sizeof buffer + 1);
            lParam = reinterpret_cast<LPARAM>(buffer);
        }
        recent.push_back(sent);
        if (recent.size() > 12)
            recent.pop_front();

        ++reach.sent;
        ++reach.perGroup[sent.group];
        broken.clear();
        Delivery delivery = Deliver(target, sent.message, sent.wParam, lParam, broken);
        reach.refused += delivery == Refused;
        reach.held += delivery == Held;
        if (broken.empty())
            broken = Settle();
        if (broken.empty() && IsIconic(Main)) {
            // Minimised, the sheet must be as it was; restored, as a user restores it.
            ++reach.minimised;
            broken = Check(after);
            ShowWindow(Main, SW_RESTORE);
            if (broken.empty())
                broken = Settle();
        }
        if (broken.empty() && IsZoomed(Main)) {
            ++reach.maximised;
            ShowWindow(Main, SW_RESTORE);
            broken = Settle();
        }
        if (broken.empty())
            broken = Check(after);
        if (!broken.empty()) {
            // A fault shows its box from a thread of its own while the window's thread waits.
            std::string fatal = FatalBox();
            if (!fatal.empty())
                broken = fatal;
            std::printf("FAIL at message %d of seed %llu: %s\nthe last messages:\n", n,
                        static_cast<unsigned long long>(seed), broken.c_str());
            for (const Sent& s : recent)
                std::printf("  %s\n", s.Line().c_str());
            return 1;
        }

        bool changed = false;
        for (int i = 0; i < 40; ++i) {
            if (after.cells[i] != before.cells[i]) {
                reach.cellsWritten.insert(101 + i);
                changed = true;
            }
        }
        bool marks = std::memcmp(after.marks, before.marks, sizeof after.marks) != 0;
        reach.textsChanged += changed;
        reach.marksChanged += marks;
        reach.totalsChanged += after.totals != before.totals;
        if (after.focus != before.focus) {
            ++reach.focusMoved;
            reach.cellsFocused.insert(after.focus);
        }
        if (changed || marks)
            reach.sheetChangers[sent.message]++;
        if (sent.message == WM_SETTEXT && sent.group == Cells) {
            int i = sent.id - 101;
            if (after.cells[i] == sent.text)
                ++reach.cellTextsAccepted;
            else
                ++reach.cellTextsRefused;
        }
        reach.largest = after.grand > reach.largest ? after.grand : reach.largest;
        before = after;
    }

    std::printf("sent %d: ", reach.sent);
    for (int g = 0; g < GroupCount; ++g)
        std::printf("%s%d to the %s", g == 0 ? "" : ", ", reach.perGroup[g], GroupNames[g]);
    std::printf("\nrefused by the system (not delivered): %d; held in a loop for more than 100 ms: %d\n",
                reach.refused, reach.held);
    std::printf("WM_SETTEXT to a cell: %d texts taken, %d refused\n", reach.cellTextsAccepted,
                reach.cellTextsRefused);
    std::printf("cell texts changed after %d messages, marks after %d, totals after %d; the focus moved %d "
                "times\n",
                reach.textsChanged, reach.marksChanged, reach.totalsChanged, reach.focusMoved);
    std::printf("cells written: %u of 40, cells focused: %u of 40, largest grand total %s\n",
                static_cast<unsigned>(reach.cellsWritten.size()),
                static_cast<unsigned>(reach.cellsFocused.size()), Minutes(reach.largest, 4).c_str());
    std::printf("messages that changed the sheet:");
    for (const auto& changer : reach.sheetChangers)
        std::printf(" 0x%04X (%d)", changer.first, changer.second);
    std::printf("\nminimised %d times, maximised %d times (restored each time)\n", reach.minimised,
                reach.maximised);
    for (const auto& d : Dismissed)
        std::printf("%s: %d\n", d.first.c_str(), d.second);
    // Leave the window drawn as it should be: a stream may have switched its redrawing off.
    for (HWND window : windows)
        SendMessageTimeoutA(window, WM_SETREDRAW, TRUE, 0, SMTO_NORMAL, 5000, nullptr);
    RedrawWindow(Main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    std::string fatal = FatalBox();
    if (!fatal.empty()) {
        std::printf("FAIL after the stream: %s\n", fatal.c_str());
        return 1;
    }
    std::printf("every check held\n");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || !FindProgram()) {
        std::printf("no Zelmora window\n");
        return 2;
    }
    if (std::strcmp(argv[1], "settext") == 0 && argc == 4) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(Control(std::atoi(argv[2])), WM_SETTEXT, 0,
                                 reinterpret_cast<LPARAM>(argv[3]), SMTO_NORMAL, 5000, &result))
            return 2;
        std::printf("%lu\n", static_cast<unsigned long>(result));
        return 0;
    }
    if (std::strcmp(argv[1], "stream") == 0 && argc == 4)
        return Stream(std::strtoull(argv[2], nullptr, 0), std::atoi(argv[3]));
    std::printf("usage: neighbour.exe settext ID TEXT | stream SEED COUNT\n");
    return 2;
}
