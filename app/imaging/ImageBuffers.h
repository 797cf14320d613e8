#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace pelmar::imaging {

// The DM's image type of a gray image, which is also its bytes per pixel; any other type is a
// colour image of three planes.
inline constexpr int kGrayImage = 1;

// The pixels of the image in hand. Each plane is width × height bytes, row after row, top row
// first, no padding; a gray image uses plane 1 only. The file pixel buffer holds the pixel data
// exactly as it stands in a BMP file.
struct ImageBuffers {
    std::vector<std::uint8_t> plane1;
    std::vector<std::uint8_t> plane2;
    std::vector<std::uint8_t> plane3;
    std::vector<std::uint8_t> filePixels;

    // Gives the memory back at the end of an image command.
    void release();
};

// The two BMP headers, field by field as they stand in the file (little-endian, no gaps).
struct BmpHeader {
    std::uint16_t bfType = 0;
    std::uint32_t bfSize = 0;
    std::uint16_t bfReserved1 = 0;
    std::uint16_t bfReserved2 = 0;
    std::uint32_t bfOffBits = 0;
    std::uint32_t biSize = 0;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 0;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;

    bool operator==(const BmpHeader&) const = default;
};

struct PaletteEntry {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;

    bool operator==(const PaletteEntry&) const = default;
};

// The colour table of 8-bit BMP files.
using Palette = std::array<PaletteEntry, 256>;

// Entry i becomes blue = green = red = i, reserved 0: the table every 8-bit file is written with.
void setGrayRamp(Palette& palette);

// Bytes per pixel × width × height, or nothing when a size is not positive or the file that
// holds these pixels could not state its size in the headers' signed 32-bit range.
std::optional<std::int64_t> pixelByteCount(int bytesPerPixel, std::int64_t width,
                                           std::int64_t height);

}  // namespace pelmar::imaging
