#include "tessio.h"
#include "tessio/display/DisplayState.h"
#include "tessio/display/Draw.h"
#include "tessio/display/Resample.h"

using namespace tessio::display;

namespace {

// The resampling divides by the destination size and reads the source's first pixel: sizes that
// leave nothing to draw or nothing to read give no drawing.
bool drawable(int32_t destWidth, int32_t destHeight, int32_t sourceWidth, int32_t sourceHeight) {
    return destWidth >= 4 && destHeight >= 1 && sourceWidth >= 1 && sourceHeight >= 1;
}

}  // namespace

extern "C" TESSIO_API int32_t TESSIO_CALL DDSstretch_disp(HDC dc, int32_t destX, int32_t destY,
                                                          int32_t destWidth, int32_t destHeight,
                                                          int32_t sourceX, int32_t sourceY,
                                                          int32_t sourceWidth, int32_t sourceHeight,
                                                          const uint8_t* source) {
    if (!drawable(destWidth, destHeight, sourceWidth, sourceHeight)) return 0;
    const DWORD platform = state().platformId;
    if (platform == VER_PLATFORM_WIN32_WINDOWS) {
        // The 95/98 family stretches in GDI; the source rows are read as w bytes long.
        const int32_t w = sourceWidth / 4 * 4;
        return draw(dc, w, sourceHeight, source, Format::gray, [&](HDC memory) {
            StretchBlt(dc, destX, destY, destWidth, destHeight, memory, sourceX, sourceY, w,
                       sourceHeight, SRCCOPY);
        });
    }
    if (platform != VER_PLATFORM_WIN32_NT) return 0;
    const int32_t w = destWidth / 4 * 4;
    auto out = workBuffer(std::int64_t{w} * destHeight, Fill::none);
    if (!out) return 0;
    resample(source, sourceWidth, sourceHeight, out.get(), w, destHeight, 1, w);
    return drawAt(dc, destX, destY, w, destHeight, out.get(), Format::gray);
}

extern "C" TESSIO_API int32_t TESSIO_CALL DDSstretch_disp16(HDC dc, int32_t destX, int32_t destY,
                                                            int32_t destWidth, int32_t destHeight,
                                                            int32_t sourceX, int32_t sourceY,
                                                            int32_t sourceWidth,
                                                            int32_t sourceHeight, int32_t topBit,
                                                            const uint16_t* source) {
    if (topBit < 7 || topBit > 15 || sourceWidth < 0 || sourceHeight < 0) return -1;
    const std::int64_t count = std::int64_t{sourceWidth} * sourceHeight;
    auto bytes = workBuffer(count, Fill::none);
    if (!bytes) return -1;
    const int32_t shift = topBit - 7;
    // The bits above the top bit are cut off, not saturated.
    for (std::int64_t k = 0; k < count; ++k)
        bytes[k] = static_cast<std::uint8_t>(source[k] >> shift);
    DDSstretch_disp(dc, destX, destY, destWidth, destHeight, sourceX, sourceY, sourceWidth,
                    sourceHeight, bytes.get());
    return 0;
}

extern "C" TESSIO_API int32_t TESSIO_CALL DDSstretch_color_disp(
    HDC dc, int32_t destX, int32_t destY, int32_t destWidth, int32_t destHeight,
    [[maybe_unused]] int32_t sourceX, [[maybe_unused]] int32_t sourceY, int32_t sourceWidth,
    int32_t sourceHeight, const uint8_t* red, const uint8_t* green, const uint8_t* blue) {
    if (!drawable(destWidth, destHeight, sourceWidth, sourceHeight)) return 0;
    // A multiple of 4 pixels makes the 3-byte rows whole words.
    const int32_t w = destWidth / 4 * 4;
    const std::ptrdiff_t stride = 3 * std::ptrdiff_t{w};
    auto out = workBuffer(stride * destHeight, Fill::none);
    if (!out) return 0;
    resample(blue, sourceWidth, sourceHeight, out.get(), w, destHeight, 3, stride);
    resample(green, sourceWidth, sourceHeight, out.get() + 1, w, destHeight, 3, stride);
    resample(red, sourceWidth, sourceHeight, out.get() + 2, w, destHeight, 3, stride);
    return drawAt(dc, destX, destY, w, destHeight, out.get(), Format::colour);
}
