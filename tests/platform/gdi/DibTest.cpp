#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/windows.h"
#include "tests/support/GdiSurface.h"

namespace {

using gdi::test::Info;
using gdi::test::Surface;

// Copies a DIB into a fresh bitmap and that onto a surface, returning the surface's pixels.
std::vector<uint32_t> shown(int width, int height, const void* bits, const Info& info,
                            UINT start = 0, UINT lines = 0, int* copied = nullptr) {
    Surface surface(width, -height, 0xDEADBEEF);
    HDC memory = CreateCompatibleDC(surface.dc);
    HBITMAP bitmap = CreateCompatibleBitmap(surface.dc, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const int n = SetDIBits(memory, bitmap, start, lines ? lines : static_cast<UINT>(height), bits,
                            info.get(), DIB_RGB_COLORS);
    if (copied) *copied = n;
    BitBlt(surface.dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return {surface.bits, surface.bits + width * height};
}

TEST(SetDIBits, EightBitRowsAreWholeWordsAndColoursComeFromTheTable) {
    // Width 3: each row takes 4 bytes; the buffer is exactly 2 rows, so a read past it is caught.
    Info info(3, -2, 8);
    info.bmiHeader.biClrUsed = 256;
    for (int i = 0; i < 256; ++i)
        info.bmiColors[i] = RGBQUAD{BYTE(i), BYTE(i / 2), BYTE(255 - i), 0};
    const std::vector<uint8_t> bits = {1, 2, 3, 99, 200, 201, 202, 99};
    int copied = 0;
    EXPECT_EQ(shown(3, 2, bits.data(), info, 0, 0, &copied),
              (std::vector<uint32_t>{0xFE0001, 0xFD0102, 0xFC0103, 0x3764C8, 0x3664C9, 0x3565CA}));
    EXPECT_EQ(copied, 2);
}

TEST(SetDIBits, PositiveHeightIsBottomUp) {
    Info info(4, 2, 8);
    info.bmiHeader.biClrUsed = 2;
    info.bmiColors[0] = RGBQUAD{10, 20, 30, 0};
    info.bmiColors[1] = RGBQUAD{40, 50, 60, 0};
    // The first row in memory is the bottom row; index 7 lies beyond the two-entry table.
    const std::vector<uint8_t> bits = {0, 0, 1, 1, 1, 0, 0, 7};
    EXPECT_EQ(shown(4, 2, bits.data(), info),
              (std::vector<uint32_t>{0x3C3228, 0x1E140A, 0x1E140A, 0, 0x1E140A, 0x1E140A, 0x3C3228,
                                     0x3C3228}));
}

TEST(SetDIBits, TwentyFourBitPixelsAreBlueGreenRedWithWordRows) {
    // Width 3: 9 bytes of pixels, rows of 12 bytes.
    Info info(3, -2, 24);
    const std::vector<uint8_t> bits = {1,  2,  3,  4,  5,  6,  7,  8,  9,  0xEE, 0xEE, 0xEE,
                                       10, 11, 12, 13, 14, 15, 16, 17, 18, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(shown(3, 2, bits.data(), info),
              (std::vector<uint32_t>{0x030201, 0x060504, 0x090807, 0x0C0B0A, 0x0F0E0D, 0x121110}));
}

TEST(SetDIBits, OnlyTheScanLinesAskedForAreCopied) {
    Info info(4, -3, 8);
    info.bmiHeader.biClrUsed = 256;
    for (int i = 0; i < 256; ++i) info.bmiColors[i] = RGBQUAD{BYTE(i), BYTE(i), BYTE(i), 0};
    // Lines 1 and 2 of a top-down DIB; the buffer holds just those two.
    const std::vector<uint8_t> lines = {5, 5, 5, 5, 9, 9, 9, 9};
    int copied = 0;
    const auto pixels = shown(4, 3, lines.data(), info, 1, 5, &copied);
    EXPECT_EQ(copied, 2);
    EXPECT_EQ(pixels[0], 0u);  // a new bitmap is black
    EXPECT_EQ(pixels[4], 0x050505u);
    EXPECT_EQ(pixels[11], 0x090909u);
}

TEST(SetDIBits, UnsupportedDescriptionsCopyNothing) {
    Info info(4, -1, 16);
    const std::vector<uint8_t> bits(8, 1);
    int copied = -1;
    const auto pixels = shown(4, 1, bits.data(), info, 0, 0, &copied);
    EXPECT_EQ(copied, 0);
    EXPECT_EQ(pixels, std::vector<uint32_t>(4, 0));
    Info zero(0, 0, 8);
    zero.bmiHeader.biSize = 0;
    shown(4, 1, bits.data(), zero, 0, 0, &copied);
    EXPECT_EQ(copied, 0);
}

TEST(DibSection, BottomUpSectionKeepsTheTopRowLastInMemory) {
    Surface surface(2, 3, 0);  // positive height: bottom-up
    Surface source(2, -3, 0);
    source.bits[0] = 0x112233;  // top-left of the top-down source
    source.bits[5] = 0x445566;  // bottom-right
    ASSERT_TRUE(BitBlt(surface.dc, 0, 0, 2, 3, source.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(surface.bits[4], 0x112233u);
    EXPECT_EQ(surface.bits[1], 0x445566u);
}

}  // namespace
