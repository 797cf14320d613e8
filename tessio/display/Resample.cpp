#include "tessio/display/Resample.h"

#include <vector>

namespace tessio::display {
namespace {

struct Tap {
    std::int64_t index;  // first neighbour
    std::int64_t next;   // second neighbour: the next one, or the same at the edge
    std::uint32_t fraction;
};

std::vector<Tap> taps(std::int64_t sourceSize, int outSize) {
    const std::int64_t step = sourceSize * 256 / outSize;
    std::vector<Tap> result(static_cast<std::size_t>(outSize));
    for (int k = 0; k < outSize; ++k) {
        const std::int64_t position = k * step;
        const std::int64_t index = position / 256;
        result[static_cast<std::size_t>(k)] = {index, index + 1 < sourceSize ? index + 1 : index,
                                               static_cast<std::uint32_t>(position % 256)};
    }
    return result;
}

}  // namespace

void resample(const std::uint8_t* source, int sourceWidth, int sourceHeight, std::uint8_t* out,
              int width, int height, std::ptrdiff_t pixelStep, std::ptrdiff_t rowStride) {
    const std::vector<Tap> columns = taps(sourceWidth, width);
    const std::vector<Tap> rows = taps(sourceHeight, height);
    // The formula blends the two rows first, exactly in integers, and then the two columns of
    // that blend: one pass over the row pair, then two reads per output pixel instead of four.
    std::vector<std::uint32_t> blend(static_cast<std::size_t>(sourceWidth));
    for (int j = 0; j < height; ++j) {
        const Tap& row = rows[static_cast<std::size_t>(j)];
        const std::uint8_t* upper = source + row.index * sourceWidth;
        const std::uint8_t* lower = source + row.next * sourceWidth;
        const std::uint32_t fy = row.fraction;
        for (std::size_t x = 0; x < blend.size(); ++x)
            blend[x] = upper[x] * (256 - fy) + lower[x] * fy;
        std::uint8_t* o = out + j * rowStride;
        for (const Tap& column : columns) {
            const std::uint32_t fx = column.fraction;
            *o = static_cast<std::uint8_t>(
                (blend[column.index] * (256 - fx) + blend[column.next] * fx) >> 16);
            o += pixelStep;
        }
    }
}

}  // namespace tessio::display
