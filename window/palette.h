// The program's colours, in one place: the cells and totals, the headings, the panels and
// the window's background.
#ifndef ZELMORA_PALETTE_H
#define ZELMORA_PALETTE_H

#include <windows.h>

const COLORREF BlackColour = RGB(0, 0, 0);
const COLORREF WhiteColour = RGB(255, 255, 255);
const COLORREF BlueColour = RGB(0, 0, 255);
const COLORREF RedColour = RGB(255, 0, 0);
const COLORREF NavyColour = RGB(0, 0, 128);
const COLORREF LavenderColour = RGB(225, 225, 255);
const COLORREF BackgroundColour = RGB(170, 170, 255);

#endif
