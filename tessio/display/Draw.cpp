#include "tessio/display/Draw.h"

#include <limits>
#include <new>

#include "tessio/display/DisplayState.h"

namespace tessio::display {

BOOL drawAt(HDC dc, int x, int y, int width, int height, const void* bits, Format format) {
    return draw(dc, width, height, bits, format,
                [&](HDC memory) { BitBlt(dc, x, y, width, height, memory, 0, 0, SRCCOPY); });
}

std::unique_ptr<std::uint8_t[]> workBuffer(std::int64_t bytes, Fill fill) {
    if (bytes < 0 || bytes > std::numeric_limits<std::int32_t>::max()) return nullptr;
    const auto n = static_cast<std::size_t>(bytes);
    if (fill == Fill::zeros)
        return std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[n]());
    return std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[n]);
}

BITMAPINFOHEADER& header(Format format) {
    return format == Format::gray ? state().gray.bmiHeader : state().colour;
}

const BITMAPINFO* info(Format format) {
    return format == Format::gray ? grayInfo() : colourInfo();
}

}  // namespace tessio::display
