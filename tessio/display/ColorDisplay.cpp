#include "tessio.h"
#include "tessio/display/Draw.h"

using namespace tessio::display;

extern "C" TESSIO_API int32_t TESSIO_CALL DDScolor_display(HDC dc, int32_t x, int32_t y,
                                                           int32_t width, int32_t height,
                                                           const uint8_t* red, const uint8_t* green,
                                                           const uint8_t* blue) {
    if (width < 0 || height < 0) return 0;
    const std::int64_t stride = alignedRow(3 * std::int64_t{width});
    auto pixels = workBuffer(stride * height);
    if (!pixels) return 0;
    for (std::int64_t r = 0; r < height; ++r) {
        std::uint8_t* to = pixels.get() + r * stride;
        const std::int64_t first = r * width;
        for (std::int64_t c = first; c < first + width; ++c) {
            *to++ = blue[c];
            *to++ = green[c];
            *to++ = red[c];
        }
    }
    drawAt(dc, x, y, width, height, pixels.get(), Format::colour);
    return 0;
}
