// Which menu texture the menu text colour gets.
#include "../../window/menu_brush_choice.h"

#include <gtest/gtest.h>

namespace {
unsigned long Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }
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
