#include <algorithm>
#include <cstring>

#include "tessio.h"
#include "tessio/display/Draw.h"
#include "tessio/display/HalfDisplay.h"

using namespace tessio::display;

extern "C" TESSIO_API int32_t TESSIO_CALL DDSdisplay(HDC dc, int32_t x, int32_t y, int32_t width,
                                                     int32_t height, const uint8_t* buffer) {
    if (width <= 0 || height <= 0) return 0;
    const std::int64_t padded = alignedRow(width);
    if (padded == width) {
        drawAt(dc, x, y, width, height, buffer, Format::gray);
        return 0;
    }
    // DIB rows are whole 32-bit words: a packed buffer of another width needs a padded copy,
    // whose padding shows level 0.
    auto copy = workBuffer(padded * height, Fill::none);
    if (!copy) return 0;
    for (int32_t r = 0; r < height; ++r) {
        std::uint8_t* row = copy.get() + r * padded;
        std::memcpy(row, buffer + static_cast<std::int64_t>(r) * width,
                    static_cast<std::size_t>(width));
        std::memset(row + width, 0, static_cast<std::size_t>(padded - width));
    }
    drawAt(dc, x, y, static_cast<int>(padded), height, copy.get(), Format::gray);
    return 0;
}

extern "C" int32_t TESSIO_CALL DDShalf_disp(HDC dc, int32_t x, int32_t y, int32_t width,
                                            int32_t height, const uint8_t* buffer) {
    if (width < 0 || height < 0) return 0;
    // Rows padded to whole words, so that the DIB rows line up for any width.
    const std::int64_t stride = alignedRow(width);
    auto half = workBuffer(stride * height);
    if (!half) return 0;
    const std::int64_t sourceRow = 2 * static_cast<std::int64_t>(width);
    for (std::int64_t r = 0; r < height; ++r) {
        const uint8_t* from = buffer + 2 * r * sourceRow;
        std::uint8_t* to = half.get() + r * stride;
        for (std::int64_t c = 0; c < width; ++c) to[c] = from[2 * c];
    }
    return drawAt(dc, x, y, width, height, half.get(), Format::gray);
}

extern "C" TESSIO_API int32_t TESSIO_CALL DDSrect_disp(HDC dc, int32_t x, int32_t y,
                                                       int32_t windowWidth, int32_t windowHeight,
                                                       int32_t windowLeft, int32_t windowTop,
                                                       int32_t sourceWidth, int32_t sourceHeight,
                                                       const uint8_t* source) {
    if (windowWidth < 0 || windowHeight < 0) return 0;
    auto window = workBuffer(static_cast<std::int64_t>(windowWidth) * windowHeight);
    if (!window) return 0;
    const std::int64_t w = windowWidth / 4 * 4;
    // Only the part of the window that lies on the source is copied; the rest stays level 0.
    const std::int64_t top = std::max(windowTop, 0);
    const std::int64_t bottom =
        std::min<std::int64_t>(std::int64_t{windowTop} + windowHeight, sourceHeight);
    const std::int64_t left = std::max(windowLeft, 0);
    const std::int64_t right = std::min<std::int64_t>(windowLeft + w, sourceWidth);
    if (right > left) {
        for (std::int64_t row = top; row < bottom; ++row)
            std::memcpy(window.get() + (row - windowTop) * w + (left - windowLeft),
                        source + row * sourceWidth + left, static_cast<std::size_t>(right - left));
    }
    return drawAt(dc, x, y, static_cast<int>(w), windowHeight, window.get(), Format::gray);
}
