#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/imaging/BmpFile.h"
#include "tests/app/imaging/FileBytes.h"

namespace pelmar::imaging {
namespace {

class BmpReaderHostileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        images.plane1 = {1, 2, 3};
        images.plane2 = {4};
        images.filePixels = {5, 6};
        before = images;
        header.biWidth = 77;
        headerBefore = header;
    }

    // Reads `content` as a file and checks that a failure left the caller's state untouched.
    bool read(const QByteArray& content) {
        const QString path = dir.filePath(QStringLiteral("in.bmp"));
        writeFile(path, content);
        type = -5;
        width = -6;
        height = -7;
        const bool ok = static_cast<bool>(readBmp(path, type, width, height, images, header));
        if (!ok) {
            EXPECT_EQ(type, -5);
            EXPECT_EQ(width, -6);
            EXPECT_EQ(height, -7);
            EXPECT_EQ(images.plane1, before.plane1);
            EXPECT_EQ(images.plane2, before.plane2);
            EXPECT_EQ(images.filePixels, before.filePixels);
            EXPECT_EQ(header, headerBefore);
        }
        return ok;
    }

    QTemporaryDir dir;
    ImageBuffers images;
    ImageBuffers before;
    BmpHeader header;
    BmpHeader headerBefore;
    int type = 0, width = 0, height = 0;
};

TEST_F(BmpReaderHostileTest, ShortOrMissingFilesFail) {
    EXPECT_FALSE(read(QByteArray()));
    EXPECT_FALSE(read(bmpHeaders(2, 2, 8).left(53)));
    EXPECT_FALSE(read(bmpHeaders(2, 2, 8)));  // no palette, no pixels
    EXPECT_FALSE(
        readBmp(dir.filePath(QStringLiteral("nothing.bmp")), type, width, height, images, header));
    EXPECT_FALSE(readBmp(dir.path(), type, width, height, images, header));  // a folder
}

TEST_F(BmpReaderHostileTest, OnlyEightAndTwentyFourBitsAreRead) {
    for (std::uint16_t bits : {0, 1, 4, 16, 32, 0x0108, 0xFFFF}) {
        EXPECT_FALSE(read(bmpHeaders(2, 2, bits) + QByteArray(1024 + 64, '\x7F'))) << bits;
    }
}

TEST_F(BmpReaderHostileTest, SizesThatAreNotPositiveFail) {
    const QByteArray plenty(1024 + 4096, '\x7F');
    EXPECT_FALSE(read(bmpHeaders(0, 4, 8) + plenty));
    EXPECT_FALSE(read(bmpHeaders(4, 0, 24) + plenty));
    EXPECT_FALSE(read(bmpHeaders(-4, 4, 8) + plenty));
    EXPECT_FALSE(read(bmpHeaders(4, -4, 8) + plenty));  // top-down files are not Pelmar's layout
    EXPECT_FALSE(read(bmpHeaders(-4, -4, 24) + plenty));
    EXPECT_FALSE(read(bmpHeaders(INT32_MIN, INT32_MIN, 8) + plenty));
}

TEST_F(BmpReaderHostileTest, HugeSizesFailWithoutAllocating) {
    const QByteArray some(1024 + 64, '\x7F');
    EXPECT_FALSE(read(bmpHeaders(INT32_MAX, INT32_MAX, 24) + some));
    EXPECT_FALSE(read(bmpHeaders(65536, 65536, 8) + some));         // 2^32 pixels
    EXPECT_FALSE(read(bmpHeaders(0x40000000, 2, 24) + some));       // 3 × 2^31 bytes
    EXPECT_FALSE(read(bmpHeaders(30000, 30000, 8) + some));         // fits 32 bits, not the file
    EXPECT_FALSE(read(bmpHeaders(1, INT32_MAX - 1077, 8) + some));  // pixels + headers overflow
}

TEST_F(BmpReaderHostileTest, TruncatedDataFails) {
    EXPECT_FALSE(read(bmpHeaders(4, 4, 8) + QByteArray(1000, '\x01')));       // palette cut
    EXPECT_FALSE(read(bmpHeaders(4, 4, 8) + QByteArray(1024 + 15, '\x01')));  // pixels cut
    EXPECT_FALSE(read(bmpHeaders(4, 4, 24) + QByteArray(47, '\x01')));
    EXPECT_TRUE(read(bmpHeaders(4, 4, 24) + QByteArray(48, '\x01')));
    EXPECT_EQ(type, 3);
    EXPECT_EQ(images.plane3, std::vector<std::uint8_t>(16, 1));
}

TEST_F(BmpReaderHostileTest, LayoutIsReadAsItStandsWhateverTheOtherFields) {
    // Wrong signature, compression and offset are not consulted; extra bytes at the end (such as
    // row padding of a foreign file) are left unread.
    QByteArray file = bmpHeaders(2, 2, 24);
    file[0] = 'X';
    file[10] = 99;
    file[30] = 1;
    file += QByteArray::fromHex("010203 040506 070809 0a0b0c") + QByteArray(8, '\xEE');
    ASSERT_TRUE(read(file));
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(images.plane1, (std::vector<std::uint8_t>{7, 10, 1, 4}));
    EXPECT_EQ(images.plane3, (std::vector<std::uint8_t>{9, 12, 3, 6}));
    EXPECT_EQ(header.bfOffBits, 99u);
    EXPECT_EQ(header.biCompression, 1u);
}

}  // namespace
}  // namespace pelmar::imaging
