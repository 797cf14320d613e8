#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "tessio.h"
#include "tessio/display/DisplayState.h"
#include "tessio/display/Resample.h"
#include "tests/tessio/display/Canvas.h"

namespace {

using tessio::test::Canvas;
using tessio::test::gray;
using tessio::test::rgb;
using tessio::test::shown;

struct Plane {
    int width;
    int height;
    std::vector<uint8_t> pixels;  // exactly width x height

    int at(int r, int c) const { return pixels[static_cast<std::size_t>(r) * width + c]; }
};

Plane randomPlane(int width, int height, std::mt19937& random) {
    Plane p{width, height, std::vector<uint8_t>(static_cast<std::size_t>(width) * height)};
    std::uniform_int_distribution<int> level(0, 255);
    for (auto& v : p.pixels) v = static_cast<uint8_t>(level(random));
    return p;
}

// The bilinear 8.8 fixed-point resampling written out directly from its formula: the reference
// the library's drawing is checked against. A neighbour past the last row or column is the edge
// pixel itself.
std::vector<std::vector<int>> reference(const Plane& s, int w, int h) {
    const long sx = s.width * 256L / w;
    const long sy = s.height * 256L / h;
    std::vector<std::vector<int>> out(h, std::vector<int>(w));
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const long X = i * sx, Y = j * sy;
            const int xi = static_cast<int>(X / 256), yi = static_cast<int>(Y / 256);
            const long fx = X % 256, fy = Y % 256;
            const int xn = std::min(xi + 1, s.width - 1), yn = std::min(yi + 1, s.height - 1);
            const long a = s.at(yi, xi), b = s.at(yn, xi), c = s.at(yi, xn), d = s.at(yn, xn);
            out[j][i] = static_cast<int>(
                ((a * (256 - fy) + b * fy) * (256 - fx) + (d * fy + c * (256 - fy)) * fx) >> 16);
        }
    return out;
}

TEST(Resample, MatchesTheFormulaOnEveryGrid) {
    std::mt19937 random(1207);
    struct Case {
        int sourceWidth, sourceHeight, width, height;
    };
    // Enlarging and shrinking by odd factors, widths that are no multiple of 4 (nor of the
    // vector lengths), single rows and columns on either side, and the full display size.
    const Case cases[] = {{640, 480, 1279, 959}, {640, 480, 333, 250}, {13, 7, 31, 19},
                          {101, 77, 45, 13},     {300, 2, 301, 3},     {5, 600, 7, 599},
                          {1, 1, 7, 5},          {9, 1, 3, 1},         {1, 9, 1, 20},
                          {17, 13, 1, 1}};
    constexpr uint8_t kGap = 0xA5;
    for (const Case k : cases) {
        Plane level = randomPlane(k.sourceWidth, k.sourceHeight, random);
        // Only the extremes: every product of the formula at its largest somewhere.
        Plane extreme = randomPlane(k.sourceWidth, k.sourceHeight, random);
        for (auto& v : extreme.pixels) v = v < 128 ? 0 : 255;
        for (const Plane* source : {&level, &extreme})
            for (const std::ptrdiff_t step : {1, 3}) {
                SCOPED_TRACE(testing::Message()
                             << k.sourceWidth << "x" << k.sourceHeight << " to " << k.width << "x"
                             << k.height << (source == &level ? ", levels" : ", extremes")
                             << ", step " << step);
                const auto expected = reference(*source, k.width, k.height);
                // Rows with room after them, and pixels with room between them, that stay as
                // they were.
                const std::ptrdiff_t stride = step * k.width + 5;
                std::vector<uint8_t> out(static_cast<std::size_t>(stride) * k.height, kGap);
                tessio::display::resample(source->pixels.data(), k.sourceWidth, k.sourceHeight,
                                          out.data(), k.width, k.height, step, stride);
                for (int j = 0; j < k.height; ++j)
                    for (std::ptrdiff_t b = 0; b < stride; ++b) {
                        const bool pixel = b % step == 0 && b / step < k.width;
                        ASSERT_EQ(out[j * stride + b], pixel ? expected[j][b / step] : kGap)
                            << j << "," << b;
                    }
            }
    }
}

class StretchDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        tessio::display::prepare();
        savedPlatform_ = tessio::display::state().platformId;
    }
    void TearDown() override { tessio::display::state().platformId = savedPlatform_; }
    void setPlatform(DWORD id) { tessio::display::state().platformId = id; }

private:
    DWORD savedPlatform_ = 0;
};

TEST_F(StretchDisplay, OpenRecordsTheNtPlatform) {
    EXPECT_EQ(tessio::display::state().platformId, 2u);
}

TEST_F(StretchDisplay, ResamplingMatchesTheFormulaToTheBit) {
    std::mt19937 random(20261207);
    struct Case {
        int sourceWidth, sourceHeight, destWidth, destHeight;
    };
    // Enlarging, shrinking, one to one, odd source widths, and single rows and columns whose
    // every neighbour is an edge pixel.
    for (const Case k : {Case{64, 48, 128, 96}, Case{64, 48, 32, 24}, Case{33, 17, 70, 41},
                         Case{101, 77, 44, 13}, Case{16, 16, 16, 16}, Case{1, 1, 8, 3},
                         Case{1, 9, 4, 20}, Case{7, 1, 12, 5}, Case{5, 5, 23, 7}}) {
        SCOPED_TRACE(testing::Message() << k.sourceWidth << "x" << k.sourceHeight << " to "
                                        << k.destWidth << "x" << k.destHeight);
        const Plane source = randomPlane(k.sourceWidth, k.sourceHeight, random);
        const int w = k.destWidth / 4 * 4;
        const auto expected = reference(source, w, k.destHeight);
        Canvas canvas(k.destWidth + 4, k.destHeight + 2);
        EXPECT_NE(DDSstretch_disp(canvas.dc(), 1, 2, k.destWidth, k.destHeight, 9, 9, k.sourceWidth,
                                  k.sourceHeight, source.pixels.data()),
                  0);
        for (int j = 0; j < k.destHeight; ++j)
            for (int i = 0; i < w; ++i)
                ASSERT_EQ(canvas.at(1 + i, 2 + j), shown(expected[j][i])) << j << "," << i;
        EXPECT_TRUE(canvas.untouchedOutside(1, 2, w, k.destHeight));
    }
}

TEST_F(StretchDisplay, DestinationWidthIsRoundedDownToWholeWords) {
    const std::vector<uint8_t> source(160 * 120, 90);
    Canvas canvas(330, 240);
    DDSstretch_disp(canvas.dc(), 0, 0, 321, 240, 0, 0, 160, 120, source.data());
    EXPECT_EQ(canvas.at(319, 239), gray(90));
    EXPECT_TRUE(canvas.untouchedOutside(0, 0, 320, 240));
}

TEST_F(StretchDisplay, SizesWithoutASampleGridDrawNothing) {
    const std::vector<uint8_t> source(16, 90);
    Canvas canvas(8, 8);
    EXPECT_EQ(DDSstretch_disp(canvas.dc(), 0, 0, 3, 8, 0, 0, 4, 4, source.data()), 0);
    EXPECT_EQ(DDSstretch_disp(canvas.dc(), 0, 0, 8, 0, 0, 0, 4, 4, source.data()), 0);
    EXPECT_EQ(DDSstretch_disp(canvas.dc(), 0, 0, 8, 8, 0, 0, 0, 4, source.data()), 0);
    EXPECT_EQ(DDSstretch_disp(canvas.dc(), 0, 0, 8, 8, 0, 0, 4, -1, source.data()), 0);
    EXPECT_TRUE(canvas.untouched());
}

TEST_F(StretchDisplay, UnknownPlatformDrawsNothing) {
    const std::vector<uint8_t> source(16, 90);
    Canvas canvas(8, 8);
    for (const DWORD platform : {0u, 3u}) {
        setPlatform(platform);
        EXPECT_EQ(DDSstretch_disp(canvas.dc(), 0, 0, 8, 8, 0, 0, 4, 4, source.data()), 0);
    }
    EXPECT_TRUE(canvas.untouched());
    // The caller's context survives: it still takes a drawing.
    setPlatform(2);
    EXPECT_NE(DDSstretch_disp(canvas.dc(), 0, 0, 8, 8, 0, 0, 4, 4, source.data()), 0);
    EXPECT_EQ(canvas.at(7, 7), gray(90));
}

TEST_F(StretchDisplay, NinetyFiveFamilyStretchesInGdi) {
    setPlatform(1);
    // Source width 6 is read as rows of 4 bytes: the rows run on into each other.
    std::vector<uint8_t> source(6 * 2);
    for (int k = 0; k < 12; ++k) source[k] = static_cast<uint8_t>(20 + 10 * k);
    Canvas canvas(10, 6);
    EXPECT_NE(DDSstretch_disp(canvas.dc(), 1, 1, 8, 4, 0, 0, 6, 2, source.data()), 0);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 8; ++c)
            ASSERT_EQ(canvas.at(1 + c, 1 + r), gray(source[(r / 2) * 4 + c / 2])) << r << "," << c;
    EXPECT_TRUE(canvas.untouchedOutside(1, 1, 8, 4));
}

TEST_F(StretchDisplay, SixteenBitSamplesShowTheEightBitsFromTheTopBitDown) {
    // One to one (the steps are exactly 1.0), so each output pixel is its own sample.
    const std::vector<uint16_t> source = {0x0FF0, 0x1FF0, 0x0640, 0x1640,
                                          0x0008, 0xF7F0, 0x0100, 0x0000};
    Canvas canvas(4, 2);
    EXPECT_EQ(DDSstretch_disp16(canvas.dc(), 0, 0, 4, 2, 0, 0, 4, 2, 11, source.data()), 0);
    EXPECT_EQ(canvas.row(0, 0, 4),
              (std::vector<uint32_t>{shown(0xFF), shown(0xFF), gray(0x64), gray(0x64)}));
    EXPECT_EQ(canvas.row(1, 0, 4),
              (std::vector<uint32_t>{shown(0), shown(0x7F), gray(0x10), shown(0)}));

    Canvas full(4, 1);
    const std::vector<uint16_t> wide = {0x8000, 0xFF80, 0x6400, 0x00FF};
    EXPECT_EQ(DDSstretch_disp16(full.dc(), 0, 0, 4, 1, 0, 0, 4, 1, 15, wide.data()), 0);
    EXPECT_EQ(full.row(0, 0, 4),
              (std::vector<uint32_t>{gray(128), shown(255), gray(100), shown(0)}));
}

TEST_F(StretchDisplay, SixteenBitTopBitOutsideSevenToFifteenIsRefused) {
    const std::vector<uint16_t> source(8, 0x0640);
    Canvas canvas(4, 2);
    EXPECT_EQ(DDSstretch_disp16(canvas.dc(), 0, 0, 4, 2, 0, 0, 4, 2, 6, source.data()), -1);
    EXPECT_EQ(DDSstretch_disp16(canvas.dc(), 0, 0, 4, 2, 0, 0, 4, 2, 16, source.data()), -1);
    EXPECT_TRUE(canvas.untouched());
    EXPECT_EQ(DDSstretch_disp16(canvas.dc(), 0, 0, 4, 2, 0, 0, 4, 2, 7, source.data()), 0);
    EXPECT_EQ(canvas.at(0, 0), gray(0x40));
}

TEST_F(StretchDisplay, ColourPlanesAreResampledIntoTheirChannels) {
    std::mt19937 random(7);
    for (const DWORD platform : {1u, 2u}) {
        setPlatform(platform);
        const Plane red = randomPlane(13, 9, random), green = randomPlane(13, 9, random),
                    blue = randomPlane(13, 9, random);
        const int destWidth = 30, destHeight = 20, w = 28;
        const auto r = reference(red, w, destHeight), g = reference(green, w, destHeight),
                   b = reference(blue, w, destHeight);
        Canvas canvas(32, 22);
        EXPECT_NE(DDSstretch_color_disp(canvas.dc(), 2, 1, destWidth, destHeight, 5, 5, 13, 9,
                                        red.pixels.data(), green.pixels.data(), blue.pixels.data()),
                  0);
        for (int j = 0; j < destHeight; ++j)
            for (int i = 0; i < w; ++i)
                ASSERT_EQ(canvas.at(2 + i, 1 + j), rgb(r[j][i], g[j][i], b[j][i])) << j << "," << i;
        EXPECT_TRUE(canvas.untouchedOutside(2, 1, w, destHeight));
    }
}

}  // namespace
