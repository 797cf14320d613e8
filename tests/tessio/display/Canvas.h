#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/windows.h"

namespace tessio::test {

// What a test sees of a drawing: a 32-bit top-down DIB section selected into a memory device
// context, as Pelmar's picture box makes it. Every pixel starts as kUntouched, so a test can
// tell drawn pixels from the rest.
class Canvas {
public:
    static constexpr std::uint32_t kUntouched = 0x00FF00FF;

    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<std::uint32_t*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
        for (int k = 0; k < width * height; ++k) bits_[k] = kUntouched;
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t at(int x, int y) const { return bits_[y * width_ + x]; }

    // The columns [x0, x1) of row y.
    std::vector<std::uint32_t> row(int y, int x0, int x1) const {
        return {bits_ + y * width_ + x0, bits_ + y * width_ + x1};
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
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    std::uint32_t* bits_;
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
