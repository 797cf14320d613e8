#include "platform/gdi/Pixels.h"

#include <algorithm>

// Every pixel an 8-bit drawing shows passes through the ramp conversion: on x86-64 it is compiled
// for AVX2 as well as for the baseline, and the loader picks the one the processor runs.
#if defined(__x86_64__)
#define GDI_EVERY_PIXEL [[gnu::target_clones("avx2", "default")]]
#else
#define GDI_EVERY_PIXEL
#endif

namespace gdi {
namespace {

constexpr std::uint32_t gray(std::uint32_t level) {
    return level << 16 | level << 8 | level;
}

GDI_EVERY_PIXEL void convertRamp(const std::uint8_t* in, std::uint32_t* out, std::size_t count,
                                 std::uint8_t low, std::uint8_t high) {
    for (std::size_t k = 0; k < count; ++k) out[k] = gray(std::min(std::max(in[k], low), high));
}

// No vector form: the processors' gathers are slower here than one load per pixel.
void convertTable(const std::uint8_t* in, std::uint32_t* out, std::size_t count,
                  const std::array<std::uint32_t, 256>& table) {
    for (std::size_t k = 0; k < count; ++k) out[k] = table[in[k]];
}

}  // namespace

Colours coloursOf(const BITMAPINFO& info) {
    const DWORD used = info.bmiHeader.biClrUsed == 0 ? 256 : info.bmiHeader.biClrUsed;
    Colours colours;
    for (DWORD i = 0; i < std::min<DWORD>(used, 256); ++i) {
        const RGBQUAD q = info.bmiColors[i];
        colours.table[i] =
            std::uint32_t{q.rgbRed} << 16 | std::uint32_t{q.rgbGreen} << 8 | q.rgbBlue;
    }
    const std::uint32_t low = colours.table[0] & 0xFF, high = colours.table[255] & 0xFF;
    colours.ramp = low <= high;
    for (std::uint32_t i = 0; i < 256 && colours.ramp; ++i)
        colours.ramp = colours.table[i] == gray(std::clamp(i, low, high));
    colours.low = static_cast<std::uint8_t>(low);
    colours.high = static_cast<std::uint8_t>(high);
    return colours;
}

void convert(const std::uint8_t* in, std::uint32_t* out, std::size_t count,
             const Colours& colours) {
    if (colours.ramp)
        convertRamp(in, out, count, colours.low, colours.high);
    else
        convertTable(in, out, count, colours.table);
}

}  // namespace gdi
