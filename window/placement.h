// Where the main window goes: plain arithmetic on the work area.
#ifndef ZELMORA_PLACEMENT_H
#define ZELMORA_PLACEMENT_H

enum { ClientWidth = 497, ClientHeight = 281 };
// The window size of the classic metrics, used when the system cannot compute one.
enum { FallbackWindowWidth = 503, FallbackWindowHeight = 326 };
// What CreateWindowExA takes for "let the system choose".
const int DefaultPosition = static_cast<int>(0x80000000u);

// Top-left corner of a width x height window centred in the work area; both
// DefaultPosition when the work area is narrower or lower than the window.
void CentreInWorkArea(int workLeft, int workTop, int workRight, int workBottom, int width, int height, int& x,
                      int& y);

#endif
