#include <gtest/gtest.h>

#include "app/imaging/ImageBuffers.h"

namespace pelmar::imaging {
namespace {

TEST(ImageBuffers, GrayRampAndPixelCounts) {
    Palette palette;
    palette.fill(PaletteEntry{1, 2, 3, 4});
    setGrayRamp(palette);
    EXPECT_EQ(palette[0], (PaletteEntry{0, 0, 0, 0}));
    EXPECT_EQ(palette[128], (PaletteEntry{128, 128, 128, 0}));
    EXPECT_EQ(palette[255], (PaletteEntry{255, 255, 255, 0}));

    EXPECT_EQ(pixelByteCount(1, 640, 480), 307200);
    EXPECT_EQ(pixelByteCount(3, 640, 480), 921600);
    EXPECT_EQ(pixelByteCount(1, 1, INT32_MAX - 1078), INT32_MAX - 1078);
    EXPECT_EQ(pixelByteCount(1, 1, INT32_MAX - 1077), std::nullopt);
    EXPECT_EQ(pixelByteCount(3, 0x40000000, 1), std::nullopt);
    EXPECT_EQ(pixelByteCount(1, INT32_MAX, INT32_MAX), std::nullopt);
    EXPECT_EQ(pixelByteCount(1, 0, 5), std::nullopt);
    EXPECT_EQ(pixelByteCount(1, -2, -3), std::nullopt);
}

}  // namespace
}  // namespace pelmar::imaging
