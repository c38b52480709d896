// Which menu texture the menu text colour gets.
#include "../../window/menu_brush_choice.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace {

unsigned long Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// The lightness as the x87 extended format computes it: the reference the program's integer
// arithmetic has to match on every colour.
int ExtendedLightness(int r, int g, int b)
{
    volatile long double red = static_cast<long double>(r) * 0.30L;
    volatile long double green = static_cast<long double>(g) * 0.59L;
    volatile long double blue = static_cast<long double>(b) * 0.11L;
    volatile long double sum = red + green;
    sum = sum + blue;
    return static_cast<int>(sum) & 0xFF;
}

} // namespace

TEST(MenuTexture, LightTextGetsTheInverseTexture)
{
    const struct {
        int r, g, b, lightness;
        bool inverse;
    } cases[] = {
        {0, 0, 0, 0, false},        {255, 255, 255, 255, true}, {128, 128, 128, 128, false},
        {129, 129, 129, 129, true}, {2, 196, 116, 128, false},  {255, 0, 0, 76, false},
        {0, 255, 0, 150, true},     {0, 0, 255, 28, false},
    };
    for (const auto& c : cases) {
        unsigned long colour = Rgb(c.r, c.g, c.b);
        EXPECT_EQ(MenuTextLightness(colour), c.lightness) << c.r << "," << c.g << "," << c.b;
        EXPECT_EQ(WantsInverseTexture(colour), c.inverse) << c.r << "," << c.g << "," << c.b;
    }
}

TEST(MenuTexture, LightnessIsTheExtendedComputationForEveryColour)
{
    if (LDBL_MANT_DIG != 64 || ExtendedLightness(2, 196, 116) != 128)
        GTEST_SKIP() << "this host has no x87 extended arithmetic to compare with";
    int differing = 0;
    for (int b = 0; b < 256; ++b)
        for (int g = 0; g < 256; ++g)
            for (int r = 0; r < 256; ++r)
                if (MenuTextLightness(Rgb(r, g, b)) != ExtendedLightness(r, g, b) && ++differing <= 10)
                    ADD_FAILURE() << "RGB(" << r << ", " << g << ", " << b
                                  << "): " << MenuTextLightness(Rgb(r, g, b)) << ", extended "
                                  << ExtendedLightness(r, g, b);
    EXPECT_EQ(differing, 0);
}
