// Where the main window goes on the screen.
#include "../../window/placement.h"

#include <gtest/gtest.h>

TEST(Placement, CentresOrLeavesItToTheSystem)
{
    const struct {
        int left, top, right, bottom, width, height, x, y;
    } cases[] = {
        {0, 0, 1024, 768, 503, 326, 260, 221},
        {0, 0, 1024, 740, 503, 326, 260, 207},
        {100, 50, 1124, 818, 503, 326, 360, 271},
        {0, 0, 1024, 767, 503, 326, 260, 220},
        {0, 0, 502, 768, 503, 326, DefaultPosition, DefaultPosition},
        {0, 0, 1024, 325, 503, 326, DefaultPosition, DefaultPosition},
        {0, 0, 503, 326, 503, 326, 0, 0},
    };
    for (const auto& c : cases) {
        int x, y;
        CentreInWorkArea(c.left, c.top, c.right, c.bottom, c.width, c.height, x, y);
        EXPECT_EQ(x, c.x) << c.right << "x" << c.bottom;
        EXPECT_EQ(y, c.y) << c.right << "x" << c.bottom;
    }
}
