// The demo of ./dev run: dmsim's demo scenario drives the real pelmar through whole measurements.
#include <gtest/gtest.h>

#include <QFile>
#include <QThread>

#include "PelmarRig.h"

namespace {

TEST(DemoRun, FirstMeasurementArrivesWhole) {
    PelmarRig rig;
    ASSERT_TRUE(rig.start({"demo"}, 2));
    // The XYDT point list is the last piece of a measurement; the first comes 1.5 s after
    // the connection.
    ASSERT_TRUE(rig.waitForDayFile("A001_XY.csv", 60000));
    EXPECT_EQ(rig.dayFile("A001.bmp").size(), 308278);
    EXPECT_FALSE(rig.dayFile("A001.jpg").isEmpty());
    const QByteArray data = rig.dayFile("A001.csv");
    EXPECT_TRUE(data.endsWith("\r\n"));
    EXPECT_GE(data.count(',') + 1, 11) << data.data();
    // The file may be caught while it is being written: give it a moment to hold all six.
    QByteArray points = rig.dayFile("A001_XY.csv");
    for (int wait = 0; wait < 50 && points.count("\r\n") < 6; ++wait) {
        QThread::msleep(100);
        points = rig.dayFile("A001_XY.csv");
    }
    EXPECT_EQ(points.count("\r\n"), 6) << points.data();
}

}  // namespace
