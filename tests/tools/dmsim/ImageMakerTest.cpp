// The generated pictures: right sizes, repeatable, and looking like the lens target.
#include <gtest/gtest.h>

#include "tools/dmsim/ImageMaker.h"

namespace {

int at(const QByteArray& plane, int width, int x, int y) {
    return static_cast<unsigned char>(plane[qsizetype(y) * width + x]);
}

double meanOf(const QByteArray& plane, int width, int x0, int y0, int size) {
    double sum = 0;
    for (int y = y0; y < y0 + size; ++y)
        for (int x = x0; x < x0 + size; ++x) sum += at(plane, width, x, y);
    return sum / (size * size);
}

TEST(ImageMaker, TypeGivesThePlanesAndSizeGivesTheirLength) {
    EXPECT_EQ(dmsim::makeImage(1, 640, 480, 1).size(), 1);
    const auto colour = dmsim::makeImage(3, 640, 480, 1);
    ASSERT_EQ(colour.size(), 3);
    for (const QByteArray& plane : colour) EXPECT_EQ(plane.size(), 307200);
    EXPECT_EQ(dmsim::makeImage(2, 10, 3, 1).size(), 3) << "any type but 1 travels as colour";
    EXPECT_EQ(dmsim::makeImage(1, 0, 480, 1).first().size(), 0);
    EXPECT_EQ(dmsim::makeImage(1, -4, 480, 1).first().size(), 0);
}

TEST(ImageMaker, SameSeedSameBytesOtherSeedOtherShot) {
    EXPECT_EQ(dmsim::makeImage(1, 64, 48, 5), dmsim::makeImage(1, 64, 48, 5));
    EXPECT_NE(dmsim::makeImage(1, 64, 48, 5), dmsim::makeImage(1, 64, 48, 6));
}

TEST(ImageMaker, GrayShotIsABrightTargetOnADarkNoisyField) {
    const QByteArray plane = dmsim::makeImage(1, 640, 480, 3).first();
    const double corner = meanOf(plane, 640, 0, 0, 40);
    EXPECT_LT(corner, 40);
    EXPECT_GT(corner, 15);
    int bright = 0, levels[256] = {};
    for (char byte : plane) {
        const auto value = static_cast<unsigned char>(byte);
        bright += value > 150;
        ++levels[value];
    }
    // A ring of radius 120, a few pixels wide, and the cross-hair: a few thousand pixels.
    EXPECT_GT(bright, 1500);
    EXPECT_LT(bright, 20000);
    int darkLevels = 0;
    for (int v = 0; v < 60; ++v) darkLevels += levels[v] > 0;
    EXPECT_GE(darkLevels, 10) << "the field carries noise";
}

TEST(ImageMaker, ColourShotHasAnAmberRingAndAGreenCrossHair) {
    const auto planes = dmsim::makeImage(3, 640, 480, 3);
    const auto gray = dmsim::makeImage(1, 640, 480, 3).first();
    // Find the cross-hair's centre in the gray shot of the same seed: the brightest column.
    int bestX = 0, bestSum = 0;
    for (int x = 0; x < 640; ++x) {
        int sum = 0;
        for (int y = 0; y < 480; ++y) sum += at(gray, 640, x, y);
        if (sum > bestSum) bestSum = sum, bestX = x;
    }
    int reddest = 0, greenest = 0;
    for (int y = 0; y < 480; ++y) {
        const int r = at(planes[0], 640, bestX, y), g = at(planes[1], 640, bestX, y),
                  b = at(planes[2], 640, bestX, y);
        reddest += r > 200 && g > 150 && b < 80;
        greenest += g > 200 && r < 100 && b < 100;
    }
    EXPECT_GT(reddest, 0) << "the ring crosses the centre column";
    EXPECT_GT(greenest, 100) << "the vertical cross-hair line";
}

}  // namespace
