// Pelmar's link as the DM sees it: keep-alive replies, ignored words, CLOSE and the
// reconnection, and the reconnection after a silent DM.
#include <gtest/gtest.h>

#include <QFile>

#include "PelmarRig.h"

namespace {

TEST(Link, NoneIsAnsweredOpenAndUnknownWordsAreNotCloseDropsAndReconnects) {
    PelmarRig rig;
    const auto outcome = rig.run(
        "accept 30000\n"
        "send OPEN\n"
        "silence 1500\n"
        "send NONE\n"
        "expect \"0,\" 2000\n"
        "send none\n"  // commands are case-sensitive: no reply
        "send \"FOO,1,2\"\n"
        "silence 1500\n"
        "sendraw hex 4E4F4E450D\n"  // NONE + CR as raw bytes: the reply is exactly 30 2C 0D
        "expect \"0,\" 2000\n"
        "send CLOSE\n"
        "closed 10000\n"
        // ~1001 loop turns of at least 1 ms each, then a new connection
        "accept 60000\n"
        "none\n"
        "silence 500\n");
    ASSERT_TRUE(outcome.finished) << outcome.transcript.toStdString();
    EXPECT_EQ(outcome.exitCode, 0) << outcome.transcript.toStdString();
}

TEST(Link, ASilentDmMakesPelmarReconnect) {
    PelmarRig rig;
    // 20 one-second receives without a line, then a new connection attempt.
    const auto outcome = rig.run(
        "accept 30000\n"
        "none\n"
        "closed 60000\n"
        "accept 60000\n"
        "none\n");
    ASSERT_TRUE(outcome.finished) << outcome.transcript.toStdString();
    EXPECT_EQ(outcome.exitCode, 0) << outcome.transcript.toStdString();
}

TEST(Link, ADmThatGoesAwayInTheMiddleOfAnImageIsServedWhenItComesBack) {
    PelmarRig rig;
    // A DM restarted mid-image: after the first "0," it closes. Pelmar's "-1," five seconds
    // later finds no connection; it must connect again and store the next image.
    const auto outcome = rig.run(
        "accept 30000\n"
        "send \"BMPW,1,64,48,D001\"\n"
        "expect \"0,\" 2000\n"
        "drop\n"
        "accept 30000\n"
        "bmpw 1 64 48 D002\n"
        "none\n");  // answered once the image is stored
    ASSERT_TRUE(outcome.finished) << outcome.transcript.toStdString();
    EXPECT_EQ(outcome.exitCode, 0) << outcome.transcript.toStdString();
    EXPECT_FALSE(rig.dayFile(QStringLiteral("D002.bmp")).isEmpty());
    EXPECT_FALSE(QFile::exists(rig.dayFolder(QDate::currentDate()) + QStringLiteral("/D001.bmp")))
        << "the broken one is not stored";
}

}  // namespace
