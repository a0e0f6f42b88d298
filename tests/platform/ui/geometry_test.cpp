#include "platform/ui/geometry.hpp"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(UiGeometry, TwipsRoundToTheNearestPixel) {
    struct Case {
        int twips;
        int pixels;
    };
    const Case cases[] = {{0, 0},  {7, 0},  {8, 1},    {15, 1},
                          {22, 1}, {23, 2}, {996, 66}, {5940, 396}};
    for (const Case& c : cases)
        EXPECT_EQ(twipsToPixels(c.twips), c.pixels) << c.twips;
}

TEST(UiGeometry, RectanglesConvertByTheirEdges) {
    struct Case {
        Rect twips;
        PixelRect pixels;
    };
    // 120/15 = 8, (120 + 3645)/15 = 251; 135/15 = 9, 420/15 = 28.
    const Case cases[] = {
        {{120, 135, 3645, 285}, {8, 9, 243, 19}},
        {{3855, 135, 1920, 285}, {257, 9, 128, 19}},
        {{45, 525, 5850, 285}, {3, 35, 390, 19}},
        // 7/15 rounds down, (7 + 8)/15 = 1: a one-pixel control where the edges fall apart.
        {{7, 7, 8, 8}, {0, 0, 1, 1}},
    };
    for (const Case& c : cases) {
        const PixelRect p = toPixels(c.twips);
        EXPECT_EQ(p.x, c.pixels.x);
        EXPECT_EQ(p.y, c.pixels.y);
        EXPECT_EQ(p.w, c.pixels.w);
        EXPECT_EQ(p.h, c.pixels.h);
    }
}

}  // namespace
}  // namespace ui
