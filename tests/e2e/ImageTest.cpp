// Images from the DM as they land on disk: BMP files byte for byte, JPEG files by save method.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QtEndian>

#include "PelmarRig.h"
#include "tools/dmsim/ImageMaker.h"

namespace {

void put16(QByteArray& bytes, quint16 value) {
    bytes.append(2, '\0');
    qToLittleEndian(value, bytes.data() + bytes.size() - 2);
}

void put32(QByteArray& bytes, quint32 value) {
    bytes.append(4, '\0');
    qToLittleEndian(value, bytes.data() + bytes.size() - 4);
}

// The file Pelmar writes for an image: 14-byte file header, 40-byte info header, for gray the
// 1024-byte gray-ramp palette, then the rows from the bottom up, unpadded; a colour pixel is
// plane 3, plane 2, plane 1.
QByteArray expectedBmp(int type, int width, int height, std::uint32_t seed) {
    const auto planes = dmsim::makeImage(type, width, height, seed);
    const bool gray = type == 1;
    const quint32 pixelBytes = quint32(planes.size() * width * height);
    const quint32 offset = gray ? 1078 : 54;
    QByteArray file("BM");
    put32(file, pixelBytes + offset);
    put32(file, 0);
    put32(file, offset);
    put32(file, 40);
    put32(file, quint32(width));
    put32(file, quint32(height));
    put16(file, 1);
    put16(file, gray ? 8 : 24);
    put32(file, 0);
    put32(file, pixelBytes);
    for (int i = 0; i < 4; ++i) put32(file, 0);
    if (gray)
        for (int i = 0; i < 256; ++i) file += QByteArray(3, char(i)) + '\0';
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const qsizetype at = qsizetype(y) * width + x;
            if (gray)
                file += planes[0][at];
            else
                for (int p = 2; p >= 0; --p) file += planes[p][at];
        }
    }
    return file;
}

TEST(Images, BmpwStoresGrayAndColourBitmapsByteForByte) {
    PelmarRig rig;
    const auto outcome = rig.run(
        "accept 30000\n"
        "bmpw 1 640 480 A001 3\n"
        "bmpw 3 30 7 A002 4\n"  // 90-byte rows: no padding either
        "none\n",               // answered once both are stored
        0);
    ASSERT_TRUE(outcome.finished) << outcome.transcript.toStdString();
    ASSERT_EQ(outcome.exitCode, 0) << outcome.transcript.toStdString();
    const QByteArray gray = rig.dayFile("A001.bmp");
    EXPECT_EQ(gray.size(), 308278);
    EXPECT_TRUE(gray == expectedBmp(1, 640, 480, 3)) << "A001.bmp differs";
    EXPECT_TRUE(rig.dayFile("A002.bmp") == expectedBmp(3, 30, 7, 4)) << "A002.bmp differs";
    EXPECT_FALSE(QFile::exists(rig.dayFolder(QDate::currentDate()) + "/A001.jpg"))
        << "save method 0 writes bitmaps only";
}

TEST(Images, SaveMethodBothAddsAJpegOfTheShownImage) {
    PelmarRig rig;
    const auto outcome = rig.run("accept 30000\nbmpw 1 640 480 A001 5\nnone\n", 2);
    ASSERT_TRUE(outcome.finished) << outcome.transcript.toStdString();
    ASSERT_EQ(outcome.exitCode, 0) << outcome.transcript.toStdString();
    EXPECT_TRUE(rig.dayFile("A001.bmp") == expectedBmp(1, 640, 480, 5)) << "A001.bmp differs";
    QImage jpeg;
    ASSERT_TRUE(jpeg.loadFromData(rig.dayFile("A001.jpg"), "JPG"));
    EXPECT_GE(jpeg.width(), 640);
    EXPECT_GE(jpeg.height(), 480);
}

TEST(Images, APlaneThatStopsHalfWayIsAnsweredMinusOneAndNotStored) {
    PelmarRig rig;
    const auto outcome = rig.run(
        "accept 30000\n"
        "send BMPW,1,640,480,A003\n"
        "expect \"0,\" 5000\n"
        "sendraw bytes 7 153600\n"
        "expect \"-1,\" 15000\n"  // 5 s after the receive began
        "none\n",
        2);
    ASSERT_TRUE(outcome.finished) << outcome.transcript.toStdString();
    EXPECT_EQ(outcome.exitCode, 0) << outcome.transcript.toStdString();
    const QString day = rig.dayFolder(QDate::currentDate());
    EXPECT_FALSE(QFile::exists(day + "/A003.bmp"));
    EXPECT_FALSE(QFile::exists(day + "/A003.jpg"));
}

}  // namespace
