#include "tessio/display/Resample.h"

#include <algorithm>
#include <utility>
#include <vector>

// The row loops run over every output pixel: on x86-64 they are compiled for AVX2 as well as for
// the baseline, and the loader picks the one the processor runs (an ELF loader: Windows' has no
// such choice).
#if defined(__x86_64__) && defined(__ELF__)
#define TESSIO_EVERY_PIXEL [[gnu::target_clones("avx2", "default")]]
#else
#define TESSIO_EVERY_PIXEL
#endif

namespace tessio::display {
namespace {

// The sample positions of one axis: output k lies at source index[k] plus fraction[k] / 256.
struct Axis {
    std::vector<std::int32_t> index;
    std::vector<std::uint16_t> fraction;  // f
    std::vector<std::uint16_t> rest;      // 256 - f
};

Axis axis(std::int64_t sourceSize, int outSize) {
    const std::int64_t step = sourceSize * 256 / outSize;
    const auto n = static_cast<std::size_t>(outSize);
    Axis a{std::vector<std::int32_t>(n), std::vector<std::uint16_t>(n),
           std::vector<std::uint16_t>(n)};
    for (std::size_t k = 0; k < n; ++k) {
        const std::int64_t position = static_cast<std::int64_t>(k) * step;
        a.index[k] = static_cast<std::int32_t>(position / 256);
        a.fraction[k] = static_cast<std::uint16_t>(position % 256);
        a.rest[k] = static_cast<std::uint16_t>(256 - position % 256);
    }
    return a;
}

// The two neighbours of each output's sample position in one source row, as a 16-bit pair with
// the left one in the low byte. row has one byte past its last pixel, a copy of that pixel.
void gatherPairs(const std::uint8_t* row, const std::int32_t* index, std::uint16_t* out,
                 std::size_t count) {
    // Unrolled, the loop is bound by its loads and stores instead of its own bookkeeping.
#pragma GCC unroll 8
    for (std::size_t k = 0; k < count; ++k) {
        const std::uint8_t* at = row + index[k];
        out[k] = static_cast<std::uint16_t>(at[0] | at[1] << 8);
    }
}

// Each pair blended across: left * (256 - f) + right * f, at most 255 * 256, so 16 bits hold it
// exactly. Kept apart from the gather, which no vector form does faster, so that it vectorises.
TESSIO_EVERY_PIXEL void blendPairs(std::uint16_t* pairs, const std::uint16_t* fraction,
                                   const std::uint16_t* rest, std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) {
        const std::uint16_t p = pairs[k];
        pairs[k] = static_cast<std::uint16_t>((p & 0xFF) * rest[k] + (p >> 8) * fraction[k]);
    }
}

// Two blended rows u and l blended down: (u * (256 - f) + l * f) >> 16, in 16-bit steps so that
// the loop vectorises into 16-bit lanes. With u = 256 uh + ul and l = 256 lh + ll the sum is
// 256 (uh (256 - f) + lh f) + (ul (256 - f) + ll f), both brackets at most 255 * 256; shifting
// the sum right by 16 equals adding the low bracket shifted by 8 to the high one and shifting
// that by 8, which stays below 65536.
TESSIO_EVERY_PIXEL void blendRows(const std::uint16_t* upper, const std::uint16_t* lower,
                                  std::uint16_t fraction, std::uint8_t* out, std::size_t count) {
    if (fraction == 0) {
        // The samples lie on the upper row: (u * 256) >> 16.
        for (std::size_t k = 0; k < count; ++k) out[k] = static_cast<std::uint8_t>(upper[k] >> 8);
        return;
    }
    const auto rest = static_cast<std::uint16_t>(256 - fraction);
    for (std::size_t k = 0; k < count; ++k) {
        const auto high =
            static_cast<std::uint16_t>((upper[k] >> 8) * rest + (lower[k] >> 8) * fraction);
        const auto low =
            static_cast<std::uint16_t>((upper[k] & 0xFF) * rest + (lower[k] & 0xFF) * fraction);
        out[k] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(high + (low >> 8)) >> 8);
    }
}

}  // namespace

void resample(const std::uint8_t* source, int sourceWidth, int sourceHeight, std::uint8_t* out,
              int width, int height, std::ptrdiff_t pixelStep, std::ptrdiff_t rowStride) {
    const Axis columns = axis(sourceWidth, width);
    const Axis rows = axis(sourceHeight, height);
    const auto w = static_cast<std::size_t>(width);
    const auto sw = static_cast<std::size_t>(sourceWidth);
    // The formula's four products carry no rounding until the final shift, so each source row can
    // be blended across first and each pair of those blended down: a row blended across serves
    // every output row that reads it, and the rows below it are blended over whole rows.
    std::vector<std::uint8_t> padded(sw + 1);
    auto across = [&](std::int32_t y, std::vector<std::uint16_t>& blended) {
        const std::uint8_t* row = source + static_cast<std::ptrdiff_t>(y) * sourceWidth;
        std::copy_n(row, sw, padded.begin());
        padded[sw] = row[sw - 1];
        gatherPairs(padded.data(), columns.index.data(), blended.data(), w);
        blendPairs(blended.data(), columns.fraction.data(), columns.rest.data(), w);
    };
    std::vector<std::uint16_t> upper(w), lower(w);
    std::int32_t upperRow = -1, lowerRow = -1;
    std::vector<std::uint8_t> spread(pixelStep == 1 ? 0 : w);
    for (std::size_t j = 0; j < static_cast<std::size_t>(height); ++j) {
        // The neighbour past the last source row is that row itself.
        const std::int32_t y = rows.index[j], next = std::min(y + 1, sourceHeight - 1);
        if (upperRow != y && lowerRow == y) {
            std::swap(upper, lower);
            std::swap(upperRow, lowerRow);
        }
        if (upperRow != y) {
            across(y, upper);
            upperRow = y;
        }
        if (lowerRow != next) {
            across(next, lower);
            lowerRow = next;
        }
        std::uint8_t* o = out + static_cast<std::ptrdiff_t>(j) * rowStride;
        blendRows(upper.data(), lower.data(), rows.fraction[j], pixelStep == 1 ? o : spread.data(),
                  w);
        for (std::size_t k = 0; k < spread.size(); ++k)
            o[static_cast<std::ptrdiff_t>(k) * pixelStep] = spread[k];
    }
}

}  // namespace tessio::display
