// Which menu texture suits the menu text colour.
#include "menu_brush_choice.h"

int MenuTextLightness(unsigned long colour)
{
    // long double is the x87 extended format on the targets this is built for; the
    // rounding at the threshold depends on it (RGB(2, 196, 116) comes out as 128).
    volatile long double red = static_cast<long double>(colour & 0xFF) * 0.30L;
    volatile long double green = static_cast<long double>((colour >> 8) & 0xFF) * 0.59L;
    volatile long double blue = static_cast<long double>((colour >> 16) & 0xFF) * 0.11L;
    volatile long double sum = red + green;
    sum = sum + blue;
    return static_cast<int>(sum) & 0xFF;
}

bool WantsInverseTexture(unsigned long menuTextColour) { return MenuTextLightness(menuTextColour) > 128; }
