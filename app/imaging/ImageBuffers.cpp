#include "app/imaging/ImageBuffers.h"

#include <limits>

namespace pelmar::imaging {

namespace {

// The largest headers and palette a file carries; its total size must stay a signed 32-bit
// number because that is how bfSize is read by the programs that open these files.
constexpr std::int64_t kLargestFileOverhead = 14 + 40 + 1024;

}  // namespace

void ImageBuffers::release() {
    // Assigning empty vectors frees the memory; clear() would keep the capacity.
    plane1 = {};
    plane2 = {};
    plane3 = {};
    filePixels = {};
}

void setGrayRamp(Palette& palette) {
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const auto level = static_cast<std::uint8_t>(i);
        palette[i] = PaletteEntry{level, level, level, 0};
    }
}

std::optional<std::int64_t> pixelByteCount(int bytesPerPixel, std::int64_t width,
                                           std::int64_t height) {
    constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max() - kLargestFileOverhead;
    if (bytesPerPixel <= 0 || width <= 0 || height <= 0) return std::nullopt;
    // Divide rather than multiply so that no intermediate product can overflow.
    if (width > limit / height) return std::nullopt;
    const std::int64_t pixels = width * height;
    if (pixels > limit / bytesPerPixel) return std::nullopt;
    return pixels * bytesPerPixel;
}

}  // namespace pelmar::imaging
