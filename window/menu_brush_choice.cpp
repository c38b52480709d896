// Which menu texture suits the menu text colour.
//
// The lightness 0.30 R + 0.59 G + 0.11 B is defined as the x87 extended format computes it:
// the constants and every product and sum rounded to a 64-bit significand, summed as
// (R + G) + B, truncated. Near the threshold that rounding decides (RGB(2, 196, 116) is 129
// exactly but 128 so computed), and a compiler without that format, or a thread whose
// processor runs at 53-bit precision, would decide otherwise. So the same steps are done
// here in integers, the same on any compiler and any processor setting.
#include "menu_brush_choice.h"

#include <stdint.h>

namespace {

// A non-negative number in units of 2^-67, the weight of the last bit of 0.11 in the
// extended format: every value of the computation is a whole number of them, below 2^75.
struct Fixed {
    uint64_t high, low;
};

const int FractionBits = 67;

// The three constants as the extended format holds them: the 64-bit significand nearest to
// the decimal value, times 2^-scale.
struct Constant {
    uint64_t significand;
    int scale;
};
const Constant RedWeight = {0x999999999999999AULL, 65};   // 0.30
const Constant GreenWeight = {0x970A3D70A3D70A3DULL, 64}; // 0.59
const Constant BlueWeight = {0xE147AE147AE147AEULL, 67};  // 0.11

Fixed ShiftLeft(Fixed v, int bits)
{
    if (bits == 0)
        return v;
    if (bits >= 64)
        return Fixed{v.low << (bits - 64), 0};
    return Fixed{v.high << bits | v.low >> (64 - bits), v.low << bits};
}

Fixed ShiftRight(Fixed v, int bits)
{
    if (bits == 0)
        return v;
    if (bits >= 64)
        return Fixed{0, v.high >> (bits - 64)};
    return Fixed{v.high >> bits, v.low >> bits | v.high << (64 - bits)};
}

Fixed Add(Fixed a, Fixed b)
{
    Fixed sum = {a.high + b.high, a.low + b.low};
    if (sum.low < a.low)
        ++sum.high;
    return sum;
}

Fixed Subtract(Fixed a, Fixed b)
{
    Fixed difference = {a.high - b.high, a.low - b.low};
    if (a.low < b.low)
        --difference.high;
    return difference;
}

bool Less(Fixed a, Fixed b) { return a.high < b.high || (a.high == b.high && a.low < b.low); }

int BitLength(Fixed v)
{
    int length = 0;
    for (uint64_t word = v.high != 0 ? v.high : v.low; word != 0; word >>= 1)
        ++length;
    return v.high != 0 ? length + 64 : length;
}

// The value rounded to 64 significant bits, ties to the even significand, as the extended
// format rounds every result.
Fixed RoundToExtended(Fixed v)
{
    int dropped = BitLength(v) - 64;
    if (dropped <= 0)
        return v;
    Fixed kept = ShiftRight(v, dropped);
    Fixed rest = Subtract(v, ShiftLeft(kept, dropped));
    Fixed half = ShiftLeft(Fixed{0, 1}, dropped - 1);
    if (Less(half, rest) || (!Less(rest, half) && (kept.low & 1) != 0))
        kept = Add(kept, Fixed{0, 1});
    return ShiftLeft(kept, dropped);
}

// A colour byte times a constant, exactly, then rounded.
Fixed Term(unsigned byte, Constant c)
{
    // significand * byte in two halves of 32 bits each, so nothing overflows.
    uint64_t low = (c.significand & 0xFFFFFFFFu) * byte;
    uint64_t high = (c.significand >> 32) * byte;
    Fixed product = Add(Fixed{high >> 32, high << 32}, Fixed{0, low});
    return RoundToExtended(ShiftLeft(product, FractionBits - c.scale));
}

} // namespace

int MenuTextLightness(unsigned long colour)
{
    Fixed red = Term(colour & 0xFF, RedWeight);
    Fixed green = Term((colour >> 8) & 0xFF, GreenWeight);
    Fixed blue = Term((colour >> 16) & 0xFF, BlueWeight);
    Fixed sum = RoundToExtended(Add(RoundToExtended(Add(red, green)), blue));
    return static_cast<int>(ShiftRight(sum, FractionBits).low & 0xFF);
}

bool WantsInverseTexture(unsigned long menuTextColour) { return MenuTextLightness(menuTextColour) > 128; }
