// What the hostile neighbour sends: which message numbers, with which parameters and texts.
#ifndef ZELMORA_NEIGHBOUR_MESSAGES_H
#define ZELMORA_NEIGHBOUR_MESSAGES_H

#include "../win32/seeded_random.h"

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

// Whether the stream leaves the message number out: it carries a pointer, hands over a memory
// block of the receiver, or ends the window.
bool IsExcluded(UINT message);
// How many message numbers below WM_USER are left out.
size_t ExcludedCount();
// One of the messages the program's procedures and its controls act on.
UINT ActedOnMessage(Random& random);
// A parameter of any message: 0, small numbers, edge values, one of the windows, a point, or
// 16 or 32 random bits.
uint32_t Parameter(Random& random, const std::vector<HWND>& windows);
// Overwrites the parameters with values the message means something with, where there are any.
void MeaningfulParameters(UINT message, Random& random, uint32_t& wParam, uint32_t& lParam);
// Whether the default procedure ends the window for this message and these parameters.
bool Closes(UINT message, WPARAM wParam, LPARAM lParam, bool toMainWindow);
// A text for WM_SETTEXT: a well-formed "mm:ss", a near miss, or random bytes.
std::string RandomText(Random& random);

#endif
