// Measurement data from the DM as it lands on disk: the result line and the point list.
#include <gtest/gtest.h>

#include <QFile>

#include "PelmarRig.h"

namespace {

const QByteArray kLine =
    "12/07/2026 Mon. 10:15:30,V,0.0123,OK,0.0200,0.0010,PL-35F2,S2612070001,DM-7200,SATO,EC-500,"
    "+0.0061,-0.0104";

TEST(MeasurementData, DatwAndXydtWriteTheirFilesIntoTheDayFolder) {
    PelmarRig rig;
    const auto outcome = rig.run(
        "accept 30000\n"
        "datw A001 \"12/06/2026 Sun. 23:59:59,A,0.0300,NG,0.0200,0.0010,L,S,P,W,I\"\n"
        "datw A001 \"" +
        kLine +
        "\"\n"
        // Pelmar keeps bytes 32 to 126 of a line only.
        "datw A002 \"" +
        kLine +
        "\\t\\x82\\xA0,EXTRA\"\n"
        "xydt 312.5,240.1 -1.25,+7 0,0,9\n"
        // Answered only once the files above are written.
        "none\n");
    ASSERT_TRUE(outcome.finished) << outcome.transcript.toStdString();
    ASSERT_EQ(outcome.exitCode, 0) << outcome.transcript.toStdString();
    EXPECT_EQ(rig.dayFile("A001.csv"), kLine + "\r\n");
    EXPECT_EQ(rig.dayFile("A002.csv"), kLine + ",EXTRA\r\n");
    // The point list takes the name of the last DATW; a point keeps its first two fields.
    EXPECT_EQ(rig.dayFile("A002_XY.csv"), "312.5,240.1\r\n-1.25,+7\r\n0,0\r\n");
}

TEST(MeasurementData, AnUnfinishedDatwStoresNothingAndTheLinkGoesOn) {
    PelmarRig rig;
    const auto outcome = rig.run(
        "accept 30000\n"
        "send DATW,A009\n"
        "expect \"0,\" 5000\n"
        "silence 2500\n"  // the data line never comes
        "none\n");
    ASSERT_TRUE(outcome.finished) << outcome.transcript.toStdString();
    EXPECT_EQ(outcome.exitCode, 0) << outcome.transcript.toStdString();
    EXPECT_FALSE(QFile::exists(rig.dayFolder(QDate::currentDate()) + "/A009.csv"));
}

}  // namespace
