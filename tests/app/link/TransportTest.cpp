#include <gtest/gtest.h>

#include "app/link/Transport.h"
#include "tests/support/FakePump.h"
#include "tests/support/FakeSocket.h"

namespace pelmar {
namespace {

using fakes::FakePump;
using fakes::FakeSocket;

class TransportTest : public ::testing::Test {
protected:
    TransportTest() : socket(pump), transport(socket, pump) {
        socket.connect();
        pump.advance(10);
    }

    std::optional<QString> receive(int minLen = 4, int timeoutMs = 1000) {
        return transport.ReceiveLine(minLen, timeoutMs);
    }

    FakePump pump;
    FakeSocket socket;
    Transport transport;
};

TEST_F(TransportTest, LineEndsAtItsCarriageReturn) {
    socket.arrive("NONE\rNEXT");
    EXPECT_EQ(receive(), QStringLiteral("NONE"));
    EXPECT_EQ(socket.bytesWaiting(), 4) << "bytes after the CR stay for the next line";
}

TEST_F(TransportTest, FourBytesWithoutTerminatorCompleteTheLineOnceNothingMoreIsWaiting) {
    socket.arrive("NONE");
    const auto start = pump.nowMs();
    EXPECT_EQ(receive(), QStringLiteral("NONE"));
    EXPECT_LE(pump.nowMs() - start, 2);
}

TEST_F(TransportTest, TwoBytesTimeOutAfterMoreThanTheLimit) {
    socket.arrive("NO");
    const auto start = pump.nowMs();
    EXPECT_EQ(receive(), std::nullopt);
    EXPECT_GT(pump.nowMs() - start, 1000);
    EXPECT_LE(pump.nowMs() - start, 1002);
}

TEST_F(TransportTest, SlowBytesAreCollectedUntilTheTerminator) {
    socket.arriveAt(pump.nowMs() + 300, "NO");
    socket.arriveAt(pump.nowMs() + 600, "NE\r");
    EXPECT_EQ(receive(), QStringLiteral("NONE"));
}

TEST_F(TransportTest, AReceiveWakesWhenBytesArriveAndRunsTheWindowsWhileItWaits) {
    bool clicked = false;
    pump.at(pump.nowMs() + 300, [&] { clicked = true; });
    socket.arriveAt(pump.nowMs() + 600, "NONE\r");
    const auto start = pump.nowMs();
    const long rounds = pump.eventRounds;
    EXPECT_EQ(receive(), QStringLiteral("NONE"));
    EXPECT_TRUE(clicked) << "a click during the wait is served inside it";
    EXPECT_EQ(pump.nowMs() - start, 600) << "the line is taken the moment it arrives";
    EXPECT_LT(pump.eventRounds - rounds, 10) << "no looking again every millisecond";
}

TEST_F(TransportTest, CarriageReturnAloneGivesAnEmptyLineAndSilenceNone) {
    socket.arrive("\r");
    EXPECT_EQ(receive(), QString());
    EXPECT_EQ(receive(), std::nullopt);
}

TEST_F(TransportTest, OnlyPrintableAsciiIsKept) {
    socket.arrive(QByteArray("DA\tTW,\x82\xa0\x7f\x01x\n\r"));
    EXPECT_EQ(receive(), QStringLiteral("DATW,x"));
}

TEST_F(TransportTest, MinimumLengthZeroCompletesAtTheFirstPause) {
    EXPECT_EQ(receive(0, 1000), QString());
    socket.arrive("A");
    EXPECT_EQ(receive(0, 1000), QStringLiteral("A"));
}

TEST_F(TransportTest, NoTimeLimitWaitsForTheLine) {
    socket.arriveAt(pump.nowMs() + 60'000, "NONE\r");
    EXPECT_EQ(receive(4, 0), QStringLiteral("NONE"));
}

TEST_F(TransportTest, OverlongLineKeepsItsFirstBytesAndTheNextLineStaysIntact) {
    socket.arrive(QByteArray(9000, 'A') + "\rNONE\r");
    EXPECT_EQ(receive(), QString(Transport::kLineCapacity, u'A'));
    EXPECT_EQ(receive(), QStringLiteral("NONE"));
}

TEST_F(TransportTest, BlockFillsItsCapacityAndLeavesTheRestWaiting) {
    socket.arrive(QByteArray(10, 'x'));
    std::vector<std::uint8_t> block(6);
    EXPECT_EQ(transport.ReceiveBlock(6, block, 5000), 6);
    EXPECT_EQ(block, std::vector<std::uint8_t>(6, 'x'));
    EXPECT_EQ(socket.bytesWaiting(), 4);
}

TEST_F(TransportTest, BlockTimesOutFromTheStartOfTheReceive) {
    socket.arrive(QByteArray(3, 'x'));
    socket.arriveAt(pump.nowMs() + 4000, QByteArray(2, 'y'));
    std::vector<std::uint8_t> block(10);
    const auto start = pump.nowMs();
    EXPECT_EQ(transport.ReceiveBlock(10, block, 5000), std::nullopt);
    EXPECT_GT(pump.nowMs() - start, 5000);
    EXPECT_EQ(block[4], 'y');
}

TEST_F(TransportTest, BlockWithSmallerMinimumEndsAtThePause) {
    socket.arrive(QByteArray(3, 'x'));
    std::vector<std::uint8_t> block(10);
    EXPECT_EQ(transport.ReceiveBlock(2, block, 5000), 3);
}

TEST_F(TransportTest, SendTextDiscardsWaitingInputUnlessAskedToKeepIt) {
    socket.arrive("stale");
    transport.SendText(QStringLiteral("0,\r"), 1);
    EXPECT_EQ(socket.bytesWaiting(), 5);
    transport.SendText(QStringLiteral("0,\r"), 0);
    EXPECT_EQ(socket.bytesWaiting(), 0);
    EXPECT_EQ(socket.sent, QByteArray("0,\r0,\r"));
}

TEST_F(TransportTest, SendTextLeavesAsCodePage932) {
    transport.SendText(QStringLiteral("検査"), 0);
    EXPECT_EQ(socket.sent, QByteArray("\x8C\x9F\x8D\xB8"));
}

TEST_F(TransportTest, LargeArraysGoInPacedPieces) {
    transport.SendBytes(QByteArray(76800, 'a'), 0);
    EXPECT_EQ(socket.sends.size(), 1);

    socket.sends.clear();
    socket.sent.clear();
    const auto slept = pump.slept;
    transport.SendBytes(QByteArray(76801, 'b'), 0);
    ASSERT_EQ(socket.sends.size(), 53);
    EXPECT_EQ(socket.sends.front().size(), 1460);
    EXPECT_EQ(socket.sends.back().size(), 881);
    EXPECT_EQ(socket.sent, QByteArray(76801, 'b'));
    EXPECT_EQ(pump.slept - slept, 53 * 10);
}

TEST_F(TransportTest, SendingOnALostConnectionIsAnError) {
    socket.dropAt(pump.nowMs());
    EXPECT_THROW(transport.SendText(QStringLiteral("0,\r"), 0), std::runtime_error);
}

TEST_F(TransportTest, ConnectTakesAddressAndTheLeadingNumberOfThePort) {
    transport.LANconnect(QStringLiteral(" 127.0.0.1"), QStringLiteral("1001abc"));
    EXPECT_EQ(socket.remoteHost, QStringLiteral(" 127.0.0.1"));
    EXPECT_EQ(socket.remotePort, 1001);
    EXPECT_EQ(socket.localPort, 0);
    EXPECT_EQ(socket.closeCount, 1);
    EXPECT_EQ(socket.connectCount, 2);
}

}  // namespace
}  // namespace pelmar
