#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include "app/imaging/JpegFile.h"
#include "tests/app/imaging/FileBytes.h"

namespace pelmar::imaging {
namespace {

// A 32-bit image like the picture box's: gray levels 16 to 240 with detail the quality shows in.
QImage pictureBoxImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int v = 16 + ((x * 13 + y * 7 + (x * y) % 31) % 225);
            image.setPixel(x, y, qRgb(v, v, v));
        }
    }
    return image;
}

class JpegFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray written(int quality) {
        const QString p = path(QStringLiteral("q%1.jpg").arg(quality));
        EXPECT_TRUE(writeJpeg(&image, p, quality)) << quality;
        return fileBytes(p);
    }

    QTemporaryDir dir;
    QImage image = pictureBoxImage(640, 480);
};

TEST_F(JpegFileTest, WritesABaselineJpegOfTheImageSize) {
    ASSERT_TRUE(writeJpeg(&image, path(QStringLiteral("A001.jpg")), 80));
    const QByteArray b = fileBytes(path(QStringLiteral("A001.jpg")));
    ASSERT_TRUE(b.startsWith("\xFF\xD8"));
    EXPECT_TRUE(b.contains("\xFF\xC0"));   // baseline frame
    EXPECT_FALSE(b.contains("\xFF\xC2"));  // no progressive frame

    QImageReader reader(path(QStringLiteral("A001.jpg")));
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage decoded = reader.read();
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.size(), QSize(640, 480));
    EXPECT_NEAR(qGray(decoded.pixel(100, 100)), qGray(image.pixel(100, 100)), 24);
}

TEST_F(JpegFileTest, QualityAboveHundredIsHundredAndOthersPassOn) {
    const QByteArray q100 = written(100);
    EXPECT_EQ(written(150), q100);
    EXPECT_EQ(written(1000), q100);
    const QByteArray q80 = written(80);
    EXPECT_NE(q80, q100);
    EXPECT_LT(q80.size(), q100.size());
    EXPECT_LT(written(0).size(), q80.size());
    // The encoder gives negative values its default quality.
    EXPECT_EQ(written(-5), written(75));
}

TEST_F(JpegFileTest, NoImageIsAProblemAndWritesNothing) {
    const auto none = writeJpeg(nullptr, path(QStringLiteral("none.jpg")), 80);
    ASSERT_FALSE(none);
    EXPECT_EQ(none.problem().reason, QStringLiteral("表示された画像がありません"));
    const QImage empty;
    EXPECT_FALSE(writeJpeg(&empty, path(QStringLiteral("empty.jpg")), 80));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("none.jpg"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("empty.jpg"))));
}

TEST_F(JpegFileTest, FailedWriteIsReportedAndReplacingIsWhole) {
    const auto missing = writeJpeg(&image, path(QStringLiteral("missing/A001.jpg")), 80);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.problem().path, path(QStringLiteral("missing/A001.jpg")));
    EXPECT_FALSE(writeJpeg(&image, QString(), 80));

    // A smaller image over a larger file leaves exactly the new file.
    const QString p = path(QStringLiteral("A002.jpg"));
    ASSERT_TRUE(writeJpeg(&image, p, 100));
    const QImage small = pictureBoxImage(16, 8);
    ASSERT_TRUE(writeJpeg(&small, p, 100));
    const QByteArray b = fileBytes(p);
    EXPECT_TRUE(b.endsWith("\xFF\xD9"));
    EXPECT_EQ(QImage(p).size(), QSize(16, 8));
}

}  // namespace
}  // namespace pelmar::imaging
