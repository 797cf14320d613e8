#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <deque>

#include "app/folders/FolderMaking.h"
#include "app/imaging/BmpFile.h"
#include "app/imaging/JpegFile.h"
#include "tests/app/imaging/FileBytes.h"
#include "tests/support/OnlineStation.h"

namespace pelmar {
namespace {

using fakes::FakePump;
using fakes::FakeSocket;
using imaging::byteAt;
using imaging::fileBytes;
using imaging::le32;
using imaging::writeFile;

const QByteArray kOk = "0,\r";
const QByteArray kFailed = "-1,\r";

// Pixel values that differ from row to row and from plane to plane.
QByteArray plane(int width, int height, int seed) {
    QByteArray p(qsizetype(width) * height, '\0');
    for (qsizetype i = 0; i < p.size(); ++i)
        p[i] = char((i * 7 + i / width * 3 + seed * 31) & 0xFF);
    return p;
}

// The plane as a BMP file holds it: bottom row first.
QByteArray bottomUp(const QByteArray& top, int width, int height) {
    QByteArray rows;
    for (int y = height - 1; y >= 0; --y) rows += top.mid(qsizetype(y) * width, width);
    return rows;
}

// What a folder holds, hidden entries too, as one readable line.
std::string entriesOf(const QString& folder) {
    QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    entries.sort();  // by code point, whatever the locale
    return entries.join(QLatin1Char(' ')).toStdString();
}

class ImageCommandsTest : public fakes::OnlineStation {
protected:
    ImageCommandsTest() {
        // Two missing levels: the first image of the day makes them.
        state.settings.saveFolder = dir.filePath(QStringLiteral("save/station"));
        imaging::setGrayRamp(state.palette);
    }

    QByteArray serve(const QByteArray& line, std::deque<QByteArray> blocks = {}) {
        return rig.serve(line, std::move(blocks));
    }
    QString day() const { return rig.day(); }
    QString dayFile(const QString& name) const { return rig.dayFile(name); }
    std::string dayFiles() const { return entriesOf(day()); }
};

TEST_F(ImageCommandsTest, GrayImageIsAnsweredShownAndStoredAsBitmap) {
    ASSERT_FALSE(QDir(day()).exists());
    const QByteArray pixels = plane(640, 480, 1);
    EXPECT_EQ(serve("BMPW,1,640,480,A001", {pixels}), kOk + kOk);

    EXPECT_TRUE(screen.status.contains(QStringLiteral("BMPW受信")));
    EXPECT_EQ(state.measurement.folder, day());
    EXPECT_EQ(state.measurement.name, QStringLiteral("A001"));
    EXPECT_EQ(screen.imagesShown, 1);
    EXPECT_EQ(screen.pictureMeasurement, QStringLiteral("A001"));
    ASSERT_EQ(screen.picture.size(), QSize(640, 480));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(screen.picture.constScanLine(479)), 640),
              pixels.right(640))
        << "the picture shows the rows top first";
    EXPECT_TRUE(screen.tableButtonsEnabled);

    EXPECT_EQ(dayFiles(), "A001.bmp") << "the day folder was made for it";
    const QByteArray file = fileBytes(dayFile(QStringLiteral("A001.bmp")));
    ASSERT_EQ(file.size(), 308278);
    EXPECT_EQ(le32(file, 10), 1078u);
    EXPECT_EQ(le32(file, 22), 480u);
    EXPECT_TRUE(file.mid(1078) == bottomUp(pixels, 640, 480));
    EXPECT_TRUE(state.images.plane1.empty()) << "buffers are released at the end";
}

TEST_F(ImageCommandsTest, SaveMethodsJpegOnlyAndBoth) {
    state.settings.saveMethod = 1;
    EXPECT_EQ(serve("BMPW,1,64,48,J1", {plane(64, 48, 2)}), kOk + kOk);
    state.settings.saveMethod = 2;
    EXPECT_EQ(serve("BMPW,1,64,48,J2", {plane(64, 48, 3)}), kOk + kOk);
    state.settings.saveMethod = 7;  // anything but 0 and 1 stores both
    EXPECT_EQ(serve("BMPW,1,64,48,J3", {plane(64, 48, 4)}), kOk + kOk);
    EXPECT_EQ(dayFiles(), "J1.jpg J2.bmp J2.jpg J3.bmp J3.jpg");
    EXPECT_TRUE(screen.tableButtonsEnabled);
}

TEST_F(ImageCommandsTest, JpegIsTheDrawnImageAtTheConfiguredQuality) {
    state.settings.saveMethod = 1;
    state.settings.jpegQuality = 20;
    const QByteArray pixels = plane(100, 60, 5);
    serve("BMPW,1,100,60,J1", {pixels});

    const QString jpg = dayFile(QStringLiteral("J1.jpg"));
    const QImage decoded(jpg);
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.size(), QSize(100, 60)) << "the image's extent, not the picture box's";

    const QString reference = dir.filePath(QStringLiteral("reference.jpg"));
    ASSERT_TRUE(imaging::writeJpeg(&screen.picture, reference, 20));
    EXPECT_TRUE(fileBytes(jpg) == fileBytes(reference)) << "made from the picture at quality 20";
}

TEST_F(ImageCommandsTest, ColourImageTravelsAsThreePlanesAndShowsPlaneOne) {
    const QByteArray p1 = plane(30, 7, 1), p2 = plane(30, 7, 2), p3 = plane(30, 7, 3);
    EXPECT_EQ(serve("BMPW,3,30,7,C1", {p1, p2, p3}), kOk + kOk + kOk + kOk);
    ASSERT_EQ(screen.picture.size(), QSize(30, 7));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(screen.picture.constScanLine(0)), 30),
              p1.left(30));

    const QByteArray file = fileBytes(dayFile(QStringLiteral("C1.bmp")));
    ASSERT_EQ(file.size(), 54 + 3 * 30 * 7);
    const int bottomLeft = 6 * 30;
    EXPECT_EQ(byteAt(file, 54), std::uint8_t(p3[bottomLeft]));
    EXPECT_EQ(byteAt(file, 55), std::uint8_t(p2[bottomLeft]));
    EXPECT_EQ(byteAt(file, 56), std::uint8_t(p1[bottomLeft]));

    // A type the DM does not define travels like colour.
    EXPECT_EQ(serve("BMPW,2,4,2,C2", {plane(4, 2, 1), plane(4, 2, 2), plane(4, 2, 3)}),
              kOk + kOk + kOk + kOk);
    EXPECT_EQ(fileBytes(dayFile(QStringLiteral("C2.bmp"))).size(), 54 + 24);
}

TEST_F(ImageCommandsTest, APlaneCutShortFailsAfterFiveSecondsAndKeepsTheButtonsDisabled) {
    const std::int64_t start = pump.nowMs();
    EXPECT_EQ(serve("BMPW,1,640,480,A001", {plane(640, 480, 1).left(153600)}), kOk + kFailed);
    EXPECT_GT(pump.nowMs() - start, 5000);
    EXPECT_LE(pump.nowMs() - start, 5010);
    EXPECT_FALSE(screen.tableButtonsEnabled);
    EXPECT_EQ(screen.imagesShown, 0);
    EXPECT_TRUE(dayFiles().empty()) << "nothing is stored";

    // The second colour plane never comes.
    EXPECT_EQ(serve("BMPW,3,8,8,C1", {plane(8, 8, 1)}), kOk + kOk + kFailed);
    EXPECT_TRUE(dayFiles().empty());

    EXPECT_EQ(serve("NONE"), kOk) << "the loop goes on serving";
    serve("BMPW,1,8,8,A002", {plane(8, 8, 2)});
    EXPECT_TRUE(screen.tableButtonsEnabled) << "until an image is complete again";
}

TEST_F(ImageCommandsTest, ImpossibleSizesAreRefusedAtOnceWithoutAllocating) {
    for (const char* line : {"BMPW,1,0,480,X",          // no pixels
                             "BMPW,1,-640,480,X",       // negative width
                             "BMPW,1,640",              // no height
                             "BMPW,1,65536,65536,X",    // width × height overflows 32 bits
                             "BMPW,1,16385,16385,X",    // one plane above 256 MiB
                             "BMPW,3,16384,8193,X",     // three planes above 256 MiB, each below it
                             "BMPW,3,2147483647,2,X"})  // overflows as three planes
    {
        const std::int64_t start = pump.nowMs();
        EXPECT_EQ(serve(line), kFailed) << line;
        EXPECT_LT(pump.nowMs() - start, 10) << line << ": nothing is waited for";
        EXPECT_EQ(state.images.plane1.capacity(), 0u) << line;
        EXPECT_EQ(state.images.plane2.capacity(), 0u) << line;
        EXPECT_EQ(loop.state(), LinkState::Online) << line;
    }
    EXPECT_EQ(screen.imagesShown, 0);
    EXPECT_EQ(serve("NONE"), kOk);
}

TEST_F(ImageCommandsTest, TheLargestImageIsTakenAndAnyTypeButGrayIsThreePlanes) {
    // 16384 x 16384 gray is exactly 256 MiB: accepted, so the plane is awaited.
    EXPECT_EQ(serve("BMPW,1,16384,16384,BIG"), kOk + kFailed);
    EXPECT_EQ(serve("BMPW,0,4,2,T0", {plane(4, 2, 1), plane(4, 2, 2), plane(4, 2, 3)}),
              kOk + kOk + kOk + kOk);
    EXPECT_EQ(fileBytes(dayFile(QStringLiteral("T0.bmp"))).size(), 54 + 24);
}

TEST_F(ImageCommandsTest, ImageNamesStayInsideTheDayFolder) {
    serve("BMPW,1,4,2,../../x", {plane(4, 2, 1)});
    serve("BMPW,1,4,2,a\\b", {plane(4, 2, 2)});
    serve("BMPW,1,4,2,..", {plane(4, 2, 3)});
    EXPECT_EQ(dayFiles(), "_...bmp _.._.._x.bmp a_b.bmp");
    EXPECT_EQ(entriesOf(dir.path()), "save");
    EXPECT_EQ(entriesOf(state.settings.saveFolder),
              QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toStdString());
}

TEST_F(ImageCommandsTest, ALineWithoutANameStoresNothingAndOverwritesNothing) {
    const QByteArray first = plane(4, 2, 1);
    serve("BMPW,1,4,2,A001", {first});
    EXPECT_EQ(serve("BMPW,1,4,2", {plane(4, 2, 9)}), kOk + kOk);
    EXPECT_EQ(screen.imagesShown, 2) << "it is shown";
    EXPECT_EQ(screen.pictureMeasurement, QString()) << "as no measurement's image";
    EXPECT_EQ(state.measurement.name, QStringLiteral("A001")) << "for the results to come";
    EXPECT_EQ(dayFiles(), "A001.bmp");
    EXPECT_TRUE(fileBytes(dayFile(QStringLiteral("A001.bmp"))).mid(1078) == bottomUp(first, 4, 2));
}

TEST_F(ImageCommandsTest, AnImageRefusedForItsBitmapLeavesNoJpegBehind) {
    state.settings.saveMethod = SaveBoth;
    ASSERT_TRUE(QDir().mkpath(dayFile(QStringLiteral("A001.bmp"))));  // in the bitmap's way
    EXPECT_EQ(serve("BMPW,1,64,48,A001", {plane(64, 48, 1)}), kOk + kFailed);
    EXPECT_EQ(dayFiles(), "A001.bmp");
}

TEST_F(ImageCommandsTest, ABitmapWrittenOverALargerFileLeavesNoOldTail) {
    ASSERT_NO_THROW(folders::MakeFolderPath(day(), rig.folders));
    writeFile(dayFile(QStringLiteral("A001.bmp")), QByteArray(400000, 'x'));
    serve("BMPW,1,640,480,A001", {plane(640, 480, 1)});
    EXPECT_EQ(QFile(dayFile(QStringLiteral("A001.bmp"))).size(), 308278);
}

TEST_F(ImageCommandsTest, CancelledFileDialogIsAnsweredOnlyWithOne) {
    EXPECT_EQ(serve("BMPR,1,640,480"), QByteArray("1,\r"));
    EXPECT_TRUE(screen.status.contains(QStringLiteral("BMPR受信")));
    EXPECT_EQ(
        rig.prompts.fileQuestions,
        QStringList(
            {QStringLiteral("open|%1|BMPファイル(*.bmp)|*.bmp").arg(state.settings.saveFolder)}));
}

TEST_F(ImageCommandsTest, StoredGrayFileIsSentTopRowFirstWithItsOwnSize) {
    const QByteArray pixels = plane(640, 480, 1);
    serve("BMPW,1,640,480,A001", {pixels});
    rig.prompts.filesToOpen = {dayFile(QStringLiteral("A001.bmp"))};
    EXPECT_TRUE(serve("BMPR,3,10,10") == kOk + pixels + kOk) << "the file's size wins";
    EXPECT_EQ(screen.imagesShown, 1) << "the image is not shown";
    EXPECT_TRUE(state.images.plane1.empty());
}

TEST_F(ImageCommandsTest, StoredColourFileIsSentAsThreePlanesInFileOrder) {
    const QByteArray p1 = plane(6, 3, 1), p2 = plane(6, 3, 2), p3 = plane(6, 3, 3);
    serve("BMPW,3,6,3,C1", {p1, p2, p3});
    rig.prompts.filesToOpen = {dayFile(QStringLiteral("C1.bmp"))};
    // The file stores each pixel as plane 3, 2, 1, and the first byte is sent first.
    EXPECT_TRUE(serve("BMPR,3,6,3") == kOk + p3 + kOk + p2 + kOk + p1 + kOk);
}

TEST_F(ImageCommandsTest, AFileThatIsNoBitmapGetsMinusOneEvenWithStaleBuffers) {
    // A cut-short image leaves its buffers filled.
    serve("BMPW,1,64,48,A001", {plane(64, 48, 1).left(100)});
    ASSERT_FALSE(state.images.plane1.empty());

    writeFile(dir.filePath(QStringLiteral("text.bmp")), "not a bitmap at all, just text");
    QByteArray sixteenBit = imaging::bmpHeaders(4, 2, 16) + QByteArray(16, '\0');
    writeFile(dir.filePath(QStringLiteral("16bit.bmp")), sixteenBit);
    for (const char* name : {"text.bmp", "16bit.bmp", "missing.bmp"}) {
        rig.prompts.filesToOpen = {dir.filePath(QString::fromLatin1(name))};
        EXPECT_EQ(serve("BMPR,1,64,48"), kFailed) << name;
    }
}

TEST_F(ImageCommandsTest, ReadingAFileNeverChangesWhatLaterImagesCarry) {
    const QByteArray pixels = plane(4, 2, 1);
    serve("BMPW,1,4,2,BEFORE", {pixels});

    // An 8-bit file with a coloured table and resolution fields of its own.
    QByteArray foreign = imaging::bmpHeaders(4, 2, 8);
    imaging::setLe32(foreign, 38, 2835);
    imaging::setLe32(foreign, 46, 256);
    for (int i = 0; i < 256; ++i) {
        for (const int channel : {255 - i, i, 0x40, 0}) foreign.append(char(channel));
    }
    foreign += QByteArray(8, '\x11');
    writeFile(dir.filePath(QStringLiteral("foreign.bmp")), foreign);
    rig.prompts.filesToOpen = {dir.filePath(QStringLiteral("foreign.bmp"))};
    EXPECT_EQ(serve("BMPR,1,4,2"), kOk + QByteArray(8, '\x11') + kOk);

    serve("BMPW,1,4,2,AFTER", {pixels});
    EXPECT_TRUE(fileBytes(dayFile(QStringLiteral("AFTER.bmp"))) ==
                fileBytes(dayFile(QStringLiteral("BEFORE.bmp"))));
}

}  // namespace
}  // namespace pelmar
