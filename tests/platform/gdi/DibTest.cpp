#include <gtest/gtest.h>

#include <algorithm>
#include <random>
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

TEST(SetDIBits, ColoursPastTheUsedCountShowBlack) {
    // The whole table holds a gray ramp, but only its first three entries are in use.
    Info info(5, -1, 8);
    for (int i = 0; i < 256; ++i) info.bmiColors[i] = RGBQUAD{BYTE(i), BYTE(i), BYTE(i), 0};
    info.bmiHeader.biClrUsed = 3;
    const std::vector<uint8_t> bits = {0, 2, 3, 200, 255, 0, 0, 0};
    EXPECT_EQ(shown(5, 1, bits.data(), info), (std::vector<uint32_t>{0, 0x020202, 0, 0, 0}));
}

// An 8-bit DIB of width x |height| with random indices (and padding bytes that are not), and the
// pixels its colour table makes of them, top row first.
struct EightBitImage {
    std::vector<uint8_t> bits;
    std::vector<uint32_t> pixels;

    EightBitImage(const Info& info, std::mt19937& random) {
        const int width = info.bmiHeader.biWidth, height = std::abs(info.bmiHeader.biHeight);
        const int stride = (width + 3) / 4 * 4;
        bits.assign(static_cast<std::size_t>(stride) * height, 0xEE);
        pixels.resize(static_cast<std::size_t>(width) * height);
        for (int r = 0; r < height; ++r) {
            // Rows of a bottom-up DIB lie bottom row first.
            const int y = info.bmiHeader.biHeight < 0 ? r : height - 1 - r;
            for (int x = 0; x < width; ++x) {
                const auto index = static_cast<uint8_t>(random());
                bits[r * stride + x] = index;
                const RGBQUAD q = info.bmiColors[index];
                pixels[y * width + x] =
                    uint32_t(q.rgbRed) << 16 | uint32_t(q.rgbGreen) << 8 | q.rgbBlue;
            }
        }
    }
};

TEST(SetDIBits, EightBitPixelsAreTheirColoursWhereverTheyGo) {
    const auto gray = [](int v) { return RGBQUAD{BYTE(v), BYTE(v), BYTE(v), 0}; };
    struct Table {
        const char* name;
        RGBQUAD entries[256];
    };
    // Gray ramps, clamped or not, and tables that are almost or not at all ramps.
    Table tables[] = {{"gray 16..240", {}},
                      {"gray 0..255", {}},
                      {"gray with one entry off", {}},
                      {"gray falling", {}},
                      {"colours", {}}};
    for (int i = 0; i < 256; ++i) {
        tables[0].entries[i] = gray(std::clamp(i, 16, 240));
        tables[1].entries[i] = gray(i);
        tables[2].entries[i] = i == 77 ? RGBQUAD{77, 77, 78, 0} : gray(i);
        tables[3].entries[i] = gray(255 - i);
        tables[4].entries[i] = RGBQUAD{BYTE(i), BYTE(i / 2), BYTE(255 - i), 7};
    }
    std::mt19937 random(4711);
    for (const Table& table : tables)
        for (const int width : {13, 643})
            for (const int height : {-3, 3}) {
                SCOPED_TRACE(testing::Message() << table.name << ", " << width << " x " << height);
                Info info(width, height, 8);
                std::copy_n(table.entries, 256, info.bmiColors);
                const EightBitImage image(info, random);
                const int rows = std::abs(height);
                // Through a bitmap and a blit, as the display routines draw.
                EXPECT_EQ(shown(width, rows, image.bits.data(), info), image.pixels);
                // Straight into a DIB section, whose pixels show at once.
                Surface section(width, -rows, 0xDEADBEEF);
                EXPECT_EQ(SetDIBits(section.dc, section.bitmap, 0, UINT(rows), image.bits.data(),
                                    info.get(), DIB_RGB_COLORS),
                          rows);
                EXPECT_EQ(std::vector<uint32_t>(section.bits, section.bits + width * rows),
                          image.pixels);
            }
}

TEST(SetDIBits, BitmapSetWholeTakesLaterDrawingAndLines) {
    const int width = 643, height = 4;
    Info info(width, -height, 8);
    for (int i = 0; i < 256; ++i) info.bmiColors[i] = RGBQUAD{BYTE(i), BYTE(i), BYTE(i), 0};
    std::mt19937 random(11);
    const EightBitImage image(info, random), second(info, random);
    std::vector<uint32_t> expected = image.pixels;

    Surface screen(width, -height, 0xDEADBEEF), red(2, -1, 0xFF0000);
    HDC memory = CreateCompatibleDC(screen.dc);
    HBITMAP bitmap = CreateCompatibleBitmap(screen.dc, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    // A fresh bitmap is black.
    ASSERT_TRUE(BitBlt(screen.dc, 0, 0, 1, 1, memory, 5, 2, SRCCOPY));
    EXPECT_EQ(screen.bits[0], 0u);
    ASSERT_EQ(SetDIBits(memory, bitmap, 0, height, image.bits.data(), info.get(), DIB_RGB_COLORS),
              height);
    // Part of it, from a column inside.
    ASSERT_TRUE(BitBlt(screen.dc, 0, 1, width - 3, 2, memory, 3, 1, SRCCOPY));
    for (int y = 1; y < 3; ++y)
        for (int x = 0; x < width - 3; ++x)
            ASSERT_EQ(screen.bits[y * width + x], expected[y * width + x + 3]) << x << "," << y;
    // Drawn into, then set again from a narrower DIB, its top line from another, and lines 2 on
    // from one that reaches past its bottom: each changes only its own pixels.
    ASSERT_TRUE(BitBlt(memory, 600, 1, 2, 1, red.dc, 0, 0, SRCCOPY));
    expected[width + 600] = expected[width + 601] = 0xFF0000;
    Info narrow(width - 5, -height, 8);
    std::copy_n(info.bmiColors, 256, narrow.bmiColors);
    const EightBitImage left(narrow, random);
    ASSERT_EQ(SetDIBits(memory, bitmap, 0, height, left.bits.data(), narrow.get(), DIB_RGB_COLORS),
              height);
    for (int y = 0; y < height; ++y)
        std::copy_n(left.pixels.begin() + y * (width - 5), width - 5, expected.begin() + y * width);
    ASSERT_EQ(SetDIBits(memory, bitmap, 0, 1, second.bits.data(), info.get(), DIB_RGB_COLORS), 1);
    std::copy_n(second.pixels.begin(), width, expected.begin());
    Info tall(width, -(height + 2), 8);
    std::copy_n(info.bmiColors, 256, tall.bmiColors);
    const EightBitImage third(tall, random);
    const int stride = (width + 3) / 4 * 4;
    ASSERT_EQ(SetDIBits(memory, bitmap, 2, height, third.bits.data() + 2 * stride, tall.get(),
                        DIB_RGB_COLORS),
              height);
    std::copy_n(third.pixels.begin() + 2 * width, 2 * width, expected.begin() + 2 * width);
    ASSERT_TRUE(BitBlt(screen.dc, 0, 0, width, height, memory, 0, 0, SRCCOPY));
    EXPECT_EQ(std::vector<uint32_t>(screen.bits, screen.bits + width * height), expected);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
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
