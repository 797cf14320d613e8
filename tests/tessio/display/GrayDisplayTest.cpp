#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tessio.h"
#include "tessio/display/DisplayState.h"
#include "tessio/display/HalfDisplay.h"
#include "tests/tessio/display/Canvas.h"

namespace {

using tessio::test::Canvas;
using tessio::test::gray;
using tessio::test::shown;

// A width x height image, exactly that many bytes, with a distinct level at each position.
std::vector<uint8_t> pattern(int width, int height, int seed = 0) {
    std::vector<uint8_t> image(static_cast<std::size_t>(width) * height);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            image[static_cast<std::size_t>(r) * width + c] =
                static_cast<uint8_t>(16 + (r * 31 + c * 7 + seed) % 225);
    return image;
}

class GrayDisplay : public ::testing::Test {
protected:
    void SetUp() override { tessio::display::prepare(); }
};

TEST_F(GrayDisplay, LevelsOutsideTheVideoRangeShowClamped) {
    Canvas canvas(256, 1);
    std::vector<uint8_t> ramp(256);
    for (int v = 0; v < 256; ++v) ramp[v] = static_cast<uint8_t>(v);
    DDSdisplay(canvas.dc(), 0, 0, 256, 1, ramp.data());
    EXPECT_EQ(canvas.at(5, 0), gray(16));
    EXPECT_EQ(canvas.at(100, 0), gray(100));
    EXPECT_EQ(canvas.at(250, 0), gray(240));
    for (int v = 0; v < 256; ++v) ASSERT_EQ(canvas.at(v, 0), shown(v)) << "level " << v;
}

TEST_F(GrayDisplay, WidthOfWholeWordsIsDrawnAsItIs) {
    Canvas canvas(650, 482);
    const auto image = pattern(640, 480);
    DDSdisplay(canvas.dc(), 3, 2, 640, 480, image.data());
    for (int r = 0; r < 480; r += 37)
        for (int c = 0; c < 640; ++c)
            ASSERT_EQ(canvas.at(3 + c, 2 + r), shown(image[r * 640 + c])) << r << "," << c;
    EXPECT_EQ(canvas.at(3 + 639, 2 + 479), shown(image.back()));
    EXPECT_TRUE(canvas.untouchedOutside(3, 2, 640, 480));
}

TEST_F(GrayDisplay, OtherWidthsAreDrawnPaddedWithLevelZero) {
    Canvas canvas(650, 480);
    const auto image = pattern(642, 480);
    DDSdisplay(canvas.dc(), 0, 0, 642, 480, image.data());
    for (int r = 0; r < 480; ++r) {
        ASSERT_EQ(canvas.at(0, r), shown(image[r * 642]));
        ASSERT_EQ(canvas.at(641, r), shown(image[r * 642 + 641]));
        ASSERT_EQ(canvas.at(642, r), shown(0)) << "row " << r;
        ASSERT_EQ(canvas.at(643, r), shown(0)) << "row " << r;
    }
    EXPECT_TRUE(canvas.untouchedOutside(0, 0, 644, 480));
}

TEST_F(GrayDisplay, EachImageIsDrawnAtItsOwnSize) {
    Canvas canvas(64, 64);
    const std::vector<uint8_t> large(40 * 30, 200);
    const std::vector<uint8_t> small(12 * 5, 50);
    DDSdisplay(canvas.dc(), 0, 0, 40, 30, large.data());
    DDSdisplay(canvas.dc(), 0, 0, 12, 5, small.data());
    for (int r = 0; r < 30; ++r)
        for (int c = 0; c < 40; ++c)
            ASSERT_EQ(canvas.at(c, r), gray(r < 5 && c < 12 ? 50 : 200)) << r << "," << c;
    EXPECT_TRUE(canvas.untouchedOutside(0, 0, 40, 30));
}

TEST_F(GrayDisplay, WidthsBelowFourAreDrawnPadded) {
    Canvas canvas(8, 3);
    const std::vector<uint8_t> image = {20, 30, 40, 50, 60, 70};
    DDSdisplay(canvas.dc(), 1, 1, 3, 2, image.data());
    EXPECT_EQ(canvas.row(1, 1, 5), (std::vector<uint32_t>{gray(20), gray(30), gray(40), shown(0)}));
    EXPECT_EQ(canvas.row(2, 1, 5), (std::vector<uint32_t>{gray(50), gray(60), gray(70), shown(0)}));
    EXPECT_TRUE(canvas.untouchedOutside(1, 1, 4, 2));
}

TEST_F(GrayDisplay, HalfSizeTakesEverySecondPixelOfEverySecondRow) {
    for (const int width : {8, 5, 3}) {
        SCOPED_TRACE(width);
        const int height = 3;
        Canvas canvas(12, 6);
        const auto source = pattern(2 * width, 2 * height, width);
        EXPECT_NE(DDShalf_disp(canvas.dc(), 2, 1, width, height, source.data()), 0);
        for (int r = 0; r < height; ++r)
            for (int c = 0; c < width; ++c)
                ASSERT_EQ(canvas.at(2 + c, 1 + r), shown(source[2 * r * 2 * width + 2 * c]))
                    << r << "," << c;
        EXPECT_TRUE(canvas.untouchedOutside(2, 1, width, height));
    }
}

TEST_F(GrayDisplay, WindowInsideTheSourceShowsExactlyThatWindow) {
    Canvas canvas(40, 20);
    const auto source = pattern(100, 50);
    EXPECT_NE(DDSrect_disp(canvas.dc(), 1, 2, 30, 10, 17, 23, 100, 50, source.data()), 0);
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 28; ++c)
            ASSERT_EQ(canvas.at(1 + c, 2 + r), shown(source[(23 + r) * 100 + 17 + c]))
                << r << "," << c;
    EXPECT_TRUE(canvas.untouchedOutside(1, 2, 28, 10));
}

TEST_F(GrayDisplay, WindowBeyondTheSourceShowsLevelZeroThere) {
    const auto source = pattern(10, 6);
    {
        Canvas canvas(16, 8);
        DDSrect_disp(canvas.dc(), 0, 0, 8, 4, 6, 4, 10, 6, source.data());
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 8; ++c)
                ASSERT_EQ(canvas.at(c, r),
                          r < 2 && c < 4 ? shown(source[(4 + r) * 10 + 6 + c]) : shown(0))
                    << r << "," << c;
        EXPECT_TRUE(canvas.untouchedOutside(0, 0, 8, 4));
    }
    {
        // A window reaching left of and above the source reads nothing before it.
        Canvas canvas(16, 8);
        DDSrect_disp(canvas.dc(), 0, 0, 8, 4, -3, -2, 10, 6, source.data());
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 8; ++c)
                ASSERT_EQ(canvas.at(c, r),
                          r >= 2 && c >= 3 ? shown(source[(r - 2) * 10 + c - 3]) : shown(0))
                    << r << "," << c;
    }
}

TEST_F(GrayDisplay, WindowNarrowerThanFourDrawsNothing) {
    Canvas canvas(8, 8);
    const auto source = pattern(8, 8);
    EXPECT_NE(DDSrect_disp(canvas.dc(), 0, 0, 3, 4, 0, 0, 8, 8, source.data()), 0);
    EXPECT_TRUE(canvas.untouched());
}

}  // namespace
