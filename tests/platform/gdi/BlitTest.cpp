#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/gdi/windows.h"
#include "tests/support/GdiSurface.h"

namespace {

using gdi::test::Surface;

constexpr uint32_t kBack = 0xABCDEF;

// A top-down source whose pixel (x, y) is 0x00YYXX + 1.
void numberPixels(Surface& s, int width, int height) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) s.bits[y * width + x] = uint32_t(y << 8 | x) + 1;
}
uint32_t number(int x, int y) {
    return uint32_t(y << 8 | x) + 1;
}

TEST(BitBlt, CopiesTheRectangleToItsPlace) {
    Surface src(6, -5), dst(8, -8, kBack);
    numberPixels(src, 6, 5);
    ASSERT_TRUE(BitBlt(dst.dc, 3, 2, 2, 3, src.dc, 1, 1, SRCCOPY));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 3 && x < 5 && y >= 2 && y < 5;
            ASSERT_EQ(dst.bits[y * 8 + x], inside ? number(x - 2, y - 1) : kBack) << x << "," << y;
        }
}

TEST(BitBlt, ClipsToTheDestinationAndTheSource) {
    Surface src(4, -4), dst(4, -4, kBack);
    numberPixels(src, 4, 4);
    // Starts left of and above the destination and runs past both surfaces.
    ASSERT_TRUE(BitBlt(dst.dc, -1, -2, 10, 10, src.dc, 0, 0, SRCCOPY));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(dst.bits[y * 4 + x], x < 3 && y < 2 ? number(x + 1, y + 2) : kBack)
                << x << "," << y;
    // A source rectangle left of the source copies only what lies on it.
    Surface again(4, -4, kBack);
    ASSERT_TRUE(BitBlt(again.dc, 0, 0, 4, 1, src.dc, -2, 0, SRCCOPY));
    EXPECT_EQ(std::vector<uint32_t>(again.bits, again.bits + 4),
              (std::vector<uint32_t>{kBack, kBack, number(0, 0), number(1, 0)}));
}

TEST(BitBlt, OverlappingCopyWithinOneSurface) {
    Surface s(4, -4);
    numberPixels(s, 4, 4);
    ASSERT_TRUE(BitBlt(s.dc, 1, 1, 3, 3, s.dc, 0, 0, SRCCOPY));
    for (int y = 1; y < 4; ++y)
        for (int x = 1; x < 4; ++x) ASSERT_EQ(s.bits[y * 4 + x], number(x - 1, y - 1));
}

TEST(BitBlt, OnlySourceCopyIsTaken) {
    Surface src(2, -2, 1), dst(2, -2, kBack);
    EXPECT_FALSE(BitBlt(dst.dc, 0, 0, 2, 2, src.dc, 0, 0, 0x00EE0086));  // SRCPAINT
    EXPECT_EQ(dst.bits[0], kBack);
}

TEST(StretchBlt, EnlargesByRepeatingPixels) {
    Surface src(2, -2), dst(6, -6, kBack);
    numberPixels(src, 2, 2);
    ASSERT_TRUE(StretchBlt(dst.dc, 1, 1, 4, 4, src.dc, 0, 0, 2, 2, SRCCOPY));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x < 5 && y >= 1 && y < 5;
            ASSERT_EQ(dst.bits[y * 6 + x], inside ? number((x - 1) / 2, (y - 1) / 2) : kBack)
                << x << "," << y;
        }
}

// A row, and a column, of source pixels 0..n-1 stretched onto n' destination pixels with
// COLORONCOLOR: which source pixel each one shows. The expectations are what Windows' GDI draws
// (gdi32 under Wine gives the same): a pixel's centre decides where it goes, a centre on a border
// goes to the pixel before it, onto one pixel the last source pixel is dropped, and of the pixels
// a reduction joins a row keeps the last, a column the first.
TEST(StretchBlt, SamplesRowsAndColumnsAsGdiDoes) {
    struct Case {
        int source, dest;
        std::vector<int> across, down;
    };
    const Case cases[] = {
        {2, 5, {0, 0, 0, 1, 1}, {0, 0, 0, 1, 1}},
        {3, 7, {0, 0, 1, 1, 1, 2, 2}, {0, 0, 1, 1, 1, 2, 2}},
        {4, 10, {0, 0, 0, 1, 1, 2, 2, 2, 3, 3}, {0, 0, 0, 1, 1, 2, 2, 2, 3, 3}},
        {8, 3, {2, 4, 7}, {0, 3, 5}},
        {5, 3, {1, 2, 4}, {0, 2, 3}},
        {3, 2, {1, 2}, {0, 2}},
        {6, 1, {4}, {0}},
        {2, 1, {0}, {0}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.source << " to " << k.dest);
        Surface row(k.source, -1), column(1, -k.source);
        numberPixels(row, k.source, 1);
        numberPixels(column, 1, k.source);
        Surface across(k.dest, -1, kBack), down(1, -k.dest, kBack);
        for (Surface* dst : {&across, &down})
            ASSERT_EQ(SetStretchBltMode(dst->dc, COLORONCOLOR), BLACKONWHITE);
        ASSERT_TRUE(StretchBlt(across.dc, 0, 0, k.dest, 1, row.dc, 0, 0, k.source, 1, SRCCOPY));
        ASSERT_TRUE(StretchBlt(down.dc, 0, 0, 1, k.dest, column.dc, 0, 0, 1, k.source, SRCCOPY));
        for (int d = 0; d < k.dest; ++d) {
            EXPECT_EQ(across.bits[d], number(k.across[d], 0)) << d;
            EXPECT_EQ(down.bits[d], number(0, k.down[d])) << d;
        }
    }
}

TEST(StretchBlt, AReductionCombinesTheDroppedPixelsAsTheStretchModeSays) {
    // 4 x 2 onto 2 x 1: each destination pixel joins two pixels of row 0 (onto a single row the
    // last source row is dropped).
    Surface src(4, -2);
    const uint32_t pixels[8] = {0x0F30F0, 0x3C0FF0, 0x00FFFF, 0xFF0000,
                                0x111111, 0x222222, 0x444444, 0x888888};
    std::copy(pixels, pixels + 8, src.bits);
    struct Case {
        int mode;
        uint32_t left, right;
    };
    // BLACKONWHITE (the default) ANDs the colour values, bit by bit in each channel;
    // WHITEONBLACK ORs them; COLORONCOLOR keeps the last one.
    for (const Case k :
         {Case{BLACKONWHITE, 0x0C00F0, 0x000000}, Case{WHITEONBLACK, 0x3F3FF0, 0xFFFFFF},
          Case{COLORONCOLOR, 0x3C0FF0, 0xFF0000}}) {
        Surface dst(2, -1, kBack);
        if (k.mode != BLACKONWHITE) {
            ASSERT_EQ(SetStretchBltMode(dst.dc, k.mode), BLACKONWHITE);
        }
        EXPECT_EQ(GetStretchBltMode(dst.dc), k.mode);
        ASSERT_TRUE(StretchBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, 4, 2, SRCCOPY));
        EXPECT_EQ(dst.bits[0], k.left) << k.mode;
        EXPECT_EQ(dst.bits[1], k.right) << k.mode;
    }
}

TEST(StretchBlt, TheModeIsKeptPerContextAndHalftoneIsRefused) {
    Surface a(1, -1), b(1, -1);
    EXPECT_EQ(SetStretchBltMode(a.dc, COLORONCOLOR), BLACKONWHITE);
    EXPECT_EQ(GetStretchBltMode(a.dc), COLORONCOLOR);
    EXPECT_EQ(GetStretchBltMode(b.dc), BLACKONWHITE);
    EXPECT_EQ(SetStretchBltMode(a.dc, HALFTONE), 0);
    EXPECT_EQ(SetStretchBltMode(a.dc, 0), 0);
    EXPECT_EQ(GetStretchBltMode(a.dc), COLORONCOLOR);
    HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    EXPECT_EQ(GetStretchBltMode(gone), 0);
    EXPECT_EQ(SetStretchBltMode(gone, COLORONCOLOR), 0);
}

TEST(StretchBlt, ClipsAndSkipsWhatLiesOutsideTheSource) {
    Surface src(2, -2), dst(4, -4, kBack);
    numberPixels(src, 2, 2);
    // The source rectangle (1, 0, 2, 2) reaches one column past the source.
    ASSERT_TRUE(StretchBlt(dst.dc, -2, 0, 8, 4, src.dc, 1, 0, 2, 2, SRCCOPY));
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(dst.bits[y * 4 + 0], number(1, y / 2));
        EXPECT_EQ(dst.bits[y * 4 + 1], number(1, y / 2));
        EXPECT_EQ(dst.bits[y * 4 + 2], kBack);
        EXPECT_EQ(dst.bits[y * 4 + 3], kBack);
    }
    EXPECT_FALSE(StretchBlt(dst.dc, 0, 0, -4, 4, src.dc, 0, 0, 2, 2, SRCCOPY));
}

}  // namespace
