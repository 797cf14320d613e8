#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/imaging/BmpFile.h"
#include "tests/app/imaging/FileBytes.h"

namespace pelmar::imaging {
namespace {

// Entry i of the colour table after the headers is blue = green = red = i, reserved 0.
void expectGrayRamp(const QByteArray& file) {
    for (std::uint32_t i = 0; i < 256; ++i) {
        EXPECT_EQ(le32(file, 54 + 4 * static_cast<int>(i)), 0x010101u * i) << "entry " << i;
    }
}

// A plane whose every pixel is distinct enough to show a swapped row or column.
std::vector<std::uint8_t> patternPlane(int width, int height, int seed) {
    std::vector<std::uint8_t> plane(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < plane.size(); ++i) {
        plane[i] = static_cast<std::uint8_t>(i * 7 + seed);
    }
    return plane;
}

class BmpFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        setGrayRamp(palette);
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    Palette palette;
    ImageBuffers images;
};

TEST_F(BmpFileTest, GrayImageHasHeadersRampAndBottomRowFirst) {
    images.plane1 = patternPlane(640, 480, 3);
    ASSERT_TRUE(writeBmp(path("A001.bmp"), 1, 640, 480, images, palette));

    const QByteArray b = fileBytes(path("A001.bmp"));
    ASSERT_EQ(b.size(), 308278);
    EXPECT_EQ(b.left(2), QByteArray("BM"));
    EXPECT_EQ(le32(b, 2), 308278u);  // bfSize
    EXPECT_EQ(le32(b, 6), 0u);       // both reserved words
    EXPECT_EQ(le32(b, 10), 1078u);   // bfOffBits
    EXPECT_EQ(le32(b, 14), 40u);     // biSize
    EXPECT_EQ(le32(b, 18), 640u);
    EXPECT_EQ(le32(b, 22), 480u);
    EXPECT_EQ(le16(b, 26), 1);  // biPlanes
    EXPECT_EQ(le16(b, 28), 8);  // biBitCount
    EXPECT_EQ(le32(b, 30), 0u);
    EXPECT_EQ(le32(b, 34), 307200u);  // biSizeImage
    for (int field = 38; field < 54; field += 4) EXPECT_EQ(le32(b, field), 0u) << field;
    expectGrayRamp(b);
    const std::size_t bottomLeft = 479 * 640;
    EXPECT_EQ(byteAt(b, 1078), images.plane1[bottomLeft]);
    EXPECT_EQ(byteAt(b, 1079), images.plane1[bottomLeft + 1]);
    EXPECT_EQ(byteAt(b, 1078 + 640), images.plane1[478 * 640]);
    EXPECT_EQ(byteAt(b, b.size() - 1), images.plane1[639]);  // right end of the top row
}

TEST_F(BmpFileTest, ColourImageStoresPlanesThreeTwoOne) {
    images.plane1 = patternPlane(4, 2, 1);
    images.plane2 = patternPlane(4, 2, 101);
    images.plane3 = patternPlane(4, 2, 201);
    ASSERT_TRUE(writeBmp(path("c.bmp"), 3, 4, 2, images, palette));

    const QByteArray b = fileBytes(path("c.bmp"));
    ASSERT_EQ(b.size(), 78);
    EXPECT_EQ(le32(b, 2), 78u);
    EXPECT_EQ(le32(b, 10), 54u);
    EXPECT_EQ(le16(b, 28), 24);
    EXPECT_EQ(le32(b, 34), 24u);
    const std::size_t bottomLeft = 4;
    EXPECT_EQ(byteAt(b, 54), images.plane3[bottomLeft]);
    EXPECT_EQ(byteAt(b, 55), images.plane2[bottomLeft]);
    EXPECT_EQ(byteAt(b, 56), images.plane1[bottomLeft]);
    EXPECT_EQ(byteAt(b, 77), images.plane1[3]);  // last byte: plane 1 of the top-right pixel
}

TEST_F(BmpFileTest, OddWidthIsWrittenUnpaddedAndReadBackUnchanged) {
    images.plane1 = patternPlane(10, 3, 5);
    const auto written = images.plane1;
    ASSERT_TRUE(writeBmp(path("w10.bmp"), 1, 10, 3, images, palette));
    EXPECT_EQ(fileBytes(path("w10.bmp")).size(), 1078 + 30);

    ImageBuffers readBack;
    BmpHeader header;
    int type = 0, width = 0, height = 0;
    ASSERT_TRUE(readBmp(path("w10.bmp"), type, width, height, readBack, header));
    EXPECT_EQ(type, 1);
    EXPECT_EQ(width, 10);
    EXPECT_EQ(height, 3);
    EXPECT_EQ(readBack.plane1, written);
    EXPECT_EQ(header.bfSize, 1108u);
    EXPECT_EQ(header.biBitCount, 8);
}

TEST_F(BmpFileTest, ColourReadBackExchangesPlanesOneAndThree) {
    images.plane1 = patternPlane(5, 3, 1);
    images.plane2 = patternPlane(5, 3, 60);
    images.plane3 = patternPlane(5, 3, 120);
    const ImageBuffers written = images;
    ASSERT_TRUE(writeBmp(path("c.bmp"), 3, 5, 3, images, palette));

    ImageBuffers readBack;
    BmpHeader header;
    int type = 0, width = 0, height = 0;
    ASSERT_TRUE(readBmp(path("c.bmp"), type, width, height, readBack, header));
    EXPECT_EQ(type, 3);
    EXPECT_EQ(width, 5);
    EXPECT_EQ(height, 3);
    EXPECT_EQ(readBack.plane1, written.plane3);
    EXPECT_EQ(readBack.plane2, written.plane2);
    EXPECT_EQ(readBack.plane3, written.plane1);
    EXPECT_EQ(readBack.filePixels.size(), 45u);
}

TEST_F(BmpFileTest, OtherTypesAreColourWhenThePlanesHoldEnough) {
    images.plane1 = patternPlane(4, 2, 1);
    images.plane2 = patternPlane(4, 2, 2);
    images.plane3 = patternPlane(4, 2, 3);
    for (int type : {0, 2, 4, -1}) {
        ASSERT_TRUE(writeBmp(path("t.bmp"), type, 4, 2, images, palette)) << type;
        const QByteArray b = fileBytes(path("t.bmp"));
        EXPECT_EQ(b.size(), 78) << type;
        EXPECT_EQ(le16(b, 28), 24) << type;
    }

    images.plane3.resize(7);  // one byte short of 4 × 2
    EXPECT_FALSE(writeBmp(path("short.bmp"), 2, 4, 2, images, palette));
    EXPECT_FALSE(QFile::exists(path("short.bmp")));
    images.plane3.clear();
    EXPECT_FALSE(writeBmp(path("none.bmp"), 3, 4, 2, images, palette));
}

TEST_F(BmpFileTest, WriterRefusesSizesItCannotHonour) {
    images.plane1 = patternPlane(4, 2, 1);
    EXPECT_FALSE(writeBmp(path("a.bmp"), 1, 4, 3, images, palette));  // plane too small
    EXPECT_FALSE(writeBmp(path("b.bmp"), 1, 0, 2, images, palette));
    EXPECT_FALSE(writeBmp(path("c.bmp"), 1, -4, -2, images, palette));
    EXPECT_FALSE(writeBmp(path("d.bmp"), 1, 65536, 65536, images, palette));  // 2^32 pixels
    EXPECT_FALSE(writeBmp(path("e.bmp"), 3, 40000, 20000, images, palette));  // 2.4e9 bytes
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
    EXPECT_FALSE(writeBmp(dir.filePath("missing/x.bmp"), 1, 4, 2, images, palette));
    EXPECT_FALSE(writeBmp(QString(), 1, 4, 2, images, palette));
}

TEST_F(BmpFileTest, WritingOverALargerFileLeavesNoOldTail) {
    images.plane1 = std::vector<std::uint8_t>(640 * 480, 0xAA);
    ASSERT_TRUE(writeBmp(path("A001.bmp"), 1, 640, 480, images, palette));
    images.plane1 = std::vector<std::uint8_t>(8 * 2, 0x11);
    ASSERT_TRUE(writeBmp(path("A001.bmp"), 1, 8, 2, images, palette));

    const QByteArray b = fileBytes(path("A001.bmp"));
    EXPECT_EQ(b.size(), 1078 + 16);
    EXPECT_EQ(le32(b, 2), static_cast<std::uint32_t>(b.size()));
    EXPECT_EQ(b.mid(1078), QByteArray(16, '\x11'));
}

TEST_F(BmpFileTest, ReadingAForeignFileDoesNotChangeLaterFiles) {
    // An 8-bit file from elsewhere: inverted colour table, resolution and colour counts set.
    QByteArray foreign = bmpHeaders(2, 2, 8) + QByteArray(1024 + 4, '\x40');
    setLe32(foreign, 6, 0x12345678);  // reserved words
    for (int field = 38; field < 54; field += 4) setLe32(foreign, field, 3780);
    for (int i = 0; i < 256; ++i) setLe32(foreign, 54 + 4 * i, 0x09FF00FFu - 0x00010001u * i);
    writeFile(path("foreign.bmp"), foreign);

    BmpHeader bmpHeader;
    int type = 0, width = 0, height = 0;
    ASSERT_TRUE(readBmp(path("foreign.bmp"), type, width, height, images, bmpHeader));
    EXPECT_EQ(bmpHeader.bfReserved1, 0x5678);
    EXPECT_EQ(bmpHeader.biXPelsPerMeter, 3780);
    EXPECT_EQ(bmpHeader.biClrImportant, 3780u);

    ASSERT_TRUE(writeBmp(path("later.bmp"), 1, 2, 2, images, palette));
    const QByteArray b = fileBytes(path("later.bmp"));
    ASSERT_EQ(b.size(), 1082);
    EXPECT_EQ(le32(b, 6), 0u);
    for (int field = 38; field < 54; field += 4) EXPECT_EQ(le32(b, field), 0u) << field;
    expectGrayRamp(b);
}

}  // namespace
}  // namespace pelmar::imaging
