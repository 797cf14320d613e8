// The real program with its save folder on a small disk that is full: the DM is refused what
// cannot be stored, the link stays, and once there is room the same measurement is stored whole.
#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QImage>

#include "PelmarRig.h"
#include "tests/support/SmallDisk.h"

namespace {

const QByteArray kLine =
    "12/07/2026 Mon. 10:15:30,V,0.0123,OK,0.0200,0.0010,PL-35F2,S2612070001,DM-7200,SATO,EC-500";

TEST(Store, AFullSaveFolderRefusesTheMeasurementAndStoresItOnceThereIsRoom) {
    PelmarRig rig;
    pelmar::fakes::SmallDisk disk(rig.saveFolder(), 256);
    if (!disk.failure().isEmpty()) {
        GTEST_SKIP() << "no small disk of the test's own: " << disk.failure().toStdString();
    }
    QDir().mkpath(rig.dayFolder(QDate::currentDate()));
    disk.fill();

    ASSERT_TRUE(
        rig.startScript("accept 30000\n"
                        "send BMPW,1,64,48,E001\n"
                        "expect \"0,\" 5000\n"
                        "sendraw image 1 64 48 1\n"
                        "expect \"-1,\" 10000\n"  // shown, but not stored
                        "send DATW,E001\n"
                        "expect \"0,\" 5000\n"
                        "send \"" +
                        kLine +
                        "\"\n"
                        "silence 2000\n"  // listed, but not stored: no final reply
                        "none\n"
                        "send ROOM\n"  // no command of Pelmar's: the test makes room meanwhile
                        "sleep 3000\n"
                        "bmpw 1 64 48 E001 1\n"
                        "datw E001 \"" +
                        kLine +
                        "\"\n"
                        "xydt 1.5,2.5 3,4\n"));
    ASSERT_TRUE(rig.waitForTranscript("> ROOM", 60000));
    disk.makeRoom();
    const auto outcome = rig.finish(60000);
    ASSERT_TRUE(outcome.finished) << outcome.transcript.toStdString();
    ASSERT_EQ(outcome.exitCode, 0) << outcome.transcript.toStdString();

    EXPECT_EQ(rig.dayFile("E001.bmp").size(), 1078 + 64 * 48);
    EXPECT_EQ(QImage::fromData(rig.dayFile("E001.bmp"), "BMP").size(), QSize(64, 48));
    EXPECT_EQ(rig.dayFile("E001.csv"), kLine + "\r\n");
    EXPECT_EQ(rig.dayFile("E001_XY.csv"), "1.5,2.5\r\n3,4\r\n");
    EXPECT_EQ(QDir(rig.dayFolder(QDate::currentDate()))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"E001.bmp", "E001.csv", "E001_XY.csv"}))
        << "no temporary file is left behind";
}

}  // namespace
