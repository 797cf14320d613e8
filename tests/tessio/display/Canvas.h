#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/windows.h"
#include "tests/support/GdiSurface.h"

namespace tessio::test {

// What a test sees of a drawing: a 32-bit top-down DIB section selected into a memory device
// context, as Pelmar's picture box makes it. Every pixel starts as kUntouched, so a test can
// tell drawn pixels from the rest.
class Canvas {
public:
    static constexpr std::uint32_t kUntouched = 0x00FF00FF;

    Canvas(int width, int height)
        : width_(width), height_(height), surface_(width, -height, kUntouched) {}

    HDC dc() const { return surface_.dc; }
    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t at(int x, int y) const { return surface_.bits[y * width_ + x]; }

    // The columns [x0, x1) of row y.
    std::vector<std::uint32_t> row(int y, int x0, int x1) const {
        return {surface_.bits + y * width_ + x0, surface_.bits + y * width_ + x1};
    }
    // True when no pixel outside the rectangle (x, y, w, h) was touched.
    bool untouchedOutside(int x, int y, int w, int h) const {
        for (int r = 0; r < height_; ++r)
            for (int c = 0; c < width_; ++c)
                if ((r < y || r >= y + h || c < x || c >= x + w) && at(c, r) != kUntouched)
                    return false;
        return true;
    }
    bool untouched() const { return untouchedOutside(0, 0, 0, 0); }

private:
    int width_;
    int height_;
    gdi::test::Surface surface_;
};

// The 32-bit pixel of gray level v, and of the colour (r, g, b).
constexpr std::uint32_t rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r << 16 | g << 8 | b);
}
constexpr std::uint32_t gray(int v) {
    return rgb(v, v, v);
}
// How the display shows a level: its palette clamps to the range 16..240.
constexpr std::uint32_t shown(int v) {
    return gray(v < 16 ? 16 : v > 240 ? 240 : v);
}

}  // namespace tessio::test
