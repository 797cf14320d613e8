// The station as a whole: a DM that drops the link in the middle of an exchange, and images
// when the display library is not there.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <functional>

#include "app/Form1.h"
#include "tests/support/FakeScreen.h"
#include "tests/support/StationRig.h"

namespace pelmar {
namespace {

using fakes::FakeScreen;
using fakes::StationRig;

QByteArray plane(int width, int height, int seed) {
    QByteArray p(qsizetype(width) * height, '\0');
    for (qsizetype i = 0; i < p.size(); ++i) p[i] = char((i * 5 + seed * 41) & 0xFF);
    return p;
}

TEST(Station, ADmThatDropsTheLinkMidExchangeIsServedAgainAfterThePause) {
    struct Case {
        const char* where;
        std::function<void(StationRig&)> begin;  // the DM starts an exchange and goes away
    };
    const auto dropSoon = [](StationRig& rig) { rig.socket.dropAt(rig.pump.nowMs() + 50); };
    const Case cases[] = {
        {"inside the command line",
         [&](StationRig& rig) {
             rig.socket.arrive("BMP");
             dropSoon(rig);
         }},
        {"after the image's first 0,",
         [&](StationRig& rig) {
             rig.socket.arrive("BMPW,1,64,48,D001\r");
             dropSoon(rig);
         }},
        {"inside a plane",
         [&](StationRig& rig) {
             rig.socket.afterOk = {plane(64, 48, 1).left(1000)};
             rig.socket.arrive("BMPW,1,64,48,D001\r");
             dropSoon(rig);
         }},
        {"inside a data line",
         [&](StationRig& rig) {
             rig.socket.afterOk = {"12"};
             rig.socket.arrive("DATW,D001\r");
             dropSoon(rig);
         }},
        {"between two points",
         [&](StationRig& rig) {
             rig.socket.afterOk = {"1,2\r"};
             rig.socket.arrive("XYDT,2\r");
             dropSoon(rig);
         }},
        {"while a stored image is sent",
         [&](StationRig& rig) {
             // Large enough to go in paced pieces: the DM goes away between two of them.
             rig.serve("BMPW,1,640,480,R001", {plane(640, 480, 2)});
             rig.prompts.filesToOpen = {rig.dayFile(QStringLiteral("R001.bmp"))};
             rig.socket.arrive("BMPR,1,640,480\r");
             rig.socket.dropAt(rig.pump.nowMs() + 30);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        FakeScreen screen;
        StationRig rig;
        Station& station = rig.build(screen);
        rig.goOnline();
        c.begin(rig);
        int turns = 0;
        bool paused = false;
        while (!(paused && station.loop().state() == LinkState::Online) && turns < 5000) {
            station.loop().turn();
            paused = paused || station.loop().state() == LinkState::Pause;
            ++turns;
        }
        ASSERT_EQ(station.loop().state(), LinkState::Online) << "connected again";
        EXPECT_TRUE(screen.status.contains(QStringLiteral("切断")));
        EXPECT_LT(turns, 1100) << "within the usual pause";

        rig.serve("BMPW,1,4,2,NEXT", {plane(4, 2, 3)});
        EXPECT_TRUE(QFile::exists(rig.dayFile(QStringLiteral("NEXT.bmp"))))
            << "the next exchange is served and stored";
    }
}

// Without the display library the picture box draws the plane itself, with the display
// palette's levels (16 to 240), so the picture and the JPEG files show the image.
TEST(Station, WithoutTheDisplayLibraryImagesAreStillDrawnAndStoredAsJpeg) {
    StationRig rig;
    Form1 form(rig.state, rig.pump, rig.prompts, rig.folders, rig.volumes, rig.display);
    Station& station = rig.build(form);
    station.startUp();
    rig.goOnline();
    const QByteArray gray = plane(64, 48, 1);
    const QByteArray colour[] = {plane(64, 48, 2), plane(64, 48, 3), plane(64, 48, 4)};
    int stored = 0;
    for (const int method : {SaveJpeg, SaveBoth}) {
        rig.state.settings.saveMethod = method;
        for (const bool isColour : {false, true}) {
            const QString name = QStringLiteral("N%1").arg(++stored);
            const QByteArray& shown = isColour ? colour[0] : gray;
            if (isColour) {
                rig.serve(QStringLiteral("BMPW,3,64,48,%1").arg(name).toLatin1(),
                          {colour[0], colour[1], colour[2]});
            } else {
                rig.serve(QStringLiteral("BMPW,1,64,48,%1").arg(name).toLatin1(), {gray});
            }
            const QImage jpeg(rig.dayFile(name + QStringLiteral(".jpg")));
            ASSERT_EQ(jpeg.size(), QSize(64, 48)) << name.toStdString();
            double error = 0;
            for (int y = 0; y < 48; ++y) {
                for (int x = 0; x < 64; ++x) {
                    const int level = std::clamp<int>(std::uint8_t(shown[y * 64 + x]), 16, 240);
                    error += std::abs(qGray(jpeg.pixel(x, y)) - level);
                }
            }
            EXPECT_LT(error / (64 * 48), 6.0) << name.toStdString() << ": within JPEG error";
        }
    }
}

}  // namespace
}  // namespace pelmar
