#include <gtest/gtest.h>

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

TEST(StretchBlt, ShrinksByDroppingPixels) {
    Surface src(6, -3), dst(3, -1, kBack);
    numberPixels(src, 6, 3);
    ASSERT_TRUE(StretchBlt(dst.dc, 0, 0, 3, 1, src.dc, 0, 0, 6, 3, SRCCOPY));
    EXPECT_EQ(std::vector<uint32_t>(dst.bits, dst.bits + 3),
              (std::vector<uint32_t>{number(0, 0), number(2, 0), number(4, 0)}));
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
