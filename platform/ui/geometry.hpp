#pragma once
// Positions and sizes as forms are laid out: in twips (1/1440 inch), 15 to a pixel on the screens
// the layouts were made for.

#include <cmath>

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

// A rectangle in twips, relative to the client area of its form.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The same rectangle in pixels. Each edge is converted, so that neighbouring controls stay
// neighbours after rounding.
struct PixelRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

inline PixelRect toPixels(const Rect& r) {
    const int x = twipsToPixels(r.left);
    const int y = twipsToPixels(r.top);
    return {x, y, twipsToPixels(r.left + r.width) - x, twipsToPixels(r.top + r.height) - y};
}

}  // namespace ui
