#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "app/link/CommandLoop.h"
#include "tests/support/FakePump.h"
#include "tests/support/FakeScreen.h"
#include "tests/support/FakeSocket.h"

namespace pelmar {
namespace {

using fakes::FakePump;
using fakes::FakeScreen;
using fakes::FakeSocket;

class CommandLoopTest : public ::testing::Test {
protected:
    CommandLoopTest()
        : socket(pump),
          transport(socket, pump),
          exchange(transport),
          loop(exchange, screen) {
        loop.start();
    }

    // Runs turns until the condition holds; returns the number of turns taken.
    int turnsUntil(const std::function<bool()>& condition, int limit = 100'000) {
        for (int turns = 1; turns <= limit; ++turns) {
            loop.turn();
            if (condition()) return turns;
        }
        ADD_FAILURE() << "condition not reached in " << limit << " turns";
        return -1;
    }

    void goOnline() {
        turnsUntil([&] { return loop.state() == LinkState::Online; });
    }

    // One online turn that receives the given line.
    void serve(const QByteArray& line) {
        socket.arrive(line);
        loop.turn();
    }

    FakePump pump;
    FakeSocket socket;
    Transport transport;
    FakeScreen screen;
    Exchange exchange;
    CommandLoop loop;
};

TEST_F(CommandLoopTest, StartsWithANewStatusPageAndConnectsToTheAddressInTheTextBoxes) {
    EXPECT_EQ(screen.statusPage, QStringList({"起動"}));
    screen.address = QStringLiteral("127.0.0.1");
    screen.port = QStringLiteral("4321");
    loop.turn();
    EXPECT_EQ(screen.status.last(), QStringLiteral("接続開始"));
    EXPECT_EQ(loop.state(), LinkState::WaitConnected);
    EXPECT_EQ(socket.remoteHost, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(socket.remotePort, 4321);
    goOnline();
    EXPECT_EQ(loop.turnCounter(), 0);
}

TEST_F(CommandLoopTest, NoneIsAnsweredWithExactlyThreeBytes) {
    goOnline();
    serve("NONE\rjunk");
    EXPECT_EQ(socket.sent.toHex(), QByteArray("302c0d"));
    EXPECT_EQ(socket.discarded, 4) << "input still waiting is dropped before the reply";
    EXPECT_EQ(screen.status.last(), QStringLiteral("NONE受信"));
}

TEST_F(CommandLoopTest, OpenAndUnknownCommandsAreNotAnswered) {
    goOnline();
    serve("OPEN\r");
    EXPECT_EQ(screen.status.last(), QStringLiteral("OPEN受信"));
    serve("open\r");
    serve("HELLO,1,2\r");
    EXPECT_TRUE(socket.sent.isEmpty());
    EXPECT_EQ(screen.status.last(), QStringLiteral("OPEN受信"));
    EXPECT_EQ(loop.state(), LinkState::Online);
}

TEST_F(CommandLoopTest, ALineWithoutACommandIsIgnoredNotRepeated) {
    goOnline();
    serve("NONE\r");
    serve(",NONE\r");
    serve("\r");
    EXPECT_EQ(socket.sent, QByteArray("0,\r"));
}

TEST_F(CommandLoopTest, CloseDisconnectsPausesAboutAThousandTurnsAndReconnects) {
    goOnline();
    serve("CLOSE\r");
    EXPECT_EQ(screen.status.last(), QStringLiteral("CLOSE受信"));
    loop.turn();
    EXPECT_EQ(screen.status.last(), QStringLiteral("切断"));
    EXPECT_EQ(loop.state(), LinkState::Pause);
    const int connects = socket.connectCount;
    const int turns =
        turnsUntil([&] { return screen.status.last() == QStringLiteral("接続開始"); });
    EXPECT_EQ(turns, 1002);
    EXPECT_EQ(socket.connectCount, connects + 1);
    goOnline();
}

TEST_F(CommandLoopTest, TwentySilentReceivesThenDataTimeoutAndANewAttempt) {
    goOnline();
    const auto start = pump.nowMs();
    const int turns =
        turnsUntil([&] { return screen.status.last() == QStringLiteral("データタイムアウト"); });
    EXPECT_EQ(turns, 21);
    EXPECT_GE(pump.nowMs() - start, 20 * 1000);
    EXPECT_LT(pump.nowMs() - start, 21 * 1000);
    loop.turn();
    EXPECT_EQ(screen.status.last(), QStringLiteral("接続開始"));
}

TEST_F(CommandLoopTest, AnyLineResetsTheDataTimeout) {
    goOnline();
    for (int i = 0; i < 15; ++i) loop.turn();
    serve("whatever\r");
    EXPECT_EQ(loop.turnCounter(), 0);
}

TEST_F(CommandLoopTest, WithoutADmConnectionStartAndTimeoutAlternate) {
    socket.acceptConnections = false;
    loop.turn();
    int turns =
        turnsUntil([&] { return screen.status.last() == QStringLiteral("接続タイムアウト"); });
    EXPECT_EQ(turns, 1001) << "a pending attempt counts one per turn";
    loop.turn();
    EXPECT_EQ(screen.status.last(), QStringLiteral("接続開始"));
    turnsUntil([&] { return screen.status.last() == QStringLiteral("接続タイムアウト"); });
    loop.turn();
    EXPECT_EQ(screen.status.last(), QStringLiteral("接続開始"));
}

TEST_F(CommandLoopTest, AFailedAttemptCountsTwicePerTurn) {
    socket.acceptConnections = false;
    loop.turn();
    socket.close();  // the attempt has failed: neither connecting nor connected
    const int turns =
        turnsUntil([&] { return screen.status.last() == QStringLiteral("接続タイムアウト"); });
    EXPECT_EQ(turns, 501);
}

TEST_F(CommandLoopTest, AnAddressTypedIntoTheTextBoxIsUsedAtTheNextAttempt) {
    goOnline();
    screen.address = QStringLiteral("127.0.0.2");
    EXPECT_EQ(socket.remoteHost, QStringLiteral("127.0.0.1"));
    serve("CLOSE\r");
    turnsUntil([&] { return loop.state() == LinkState::WaitConnected; });
    EXPECT_EQ(socket.remoteHost, QStringLiteral("127.0.0.2"));
}

TEST_F(CommandLoopTest, ALostConnectionIsNoticedAndClosed) {
    goOnline();
    socket.dropAt(pump.nowMs());
    loop.turn();
    EXPECT_EQ(loop.state(), LinkState::Disconnect);
    loop.turn();
    EXPECT_EQ(screen.status.last(), QStringLiteral("切断"));
}

TEST_F(CommandLoopTest, ACancelledFileDialogIsAnsweredWithOneAndTheLoopGoesOn) {
    loop.addHandler(QStringLiteral("BMPR"), [](CommandLine&) { throw DialogCancelled(); });
    goOnline();
    serve("BMPR,1,640,480\r");
    EXPECT_EQ(socket.sent, QByteArray("1,\r"));
    EXPECT_EQ(loop.state(), LinkState::Online);
    serve("NONE\r");
    EXPECT_EQ(socket.sent, QByteArray("1,\r0,\r"));
}

TEST_F(CommandLoopTest, HandlersReadTheirParametersAfterTheCommand) {
    QString seen;
    int readPos = 0;
    loop.addHandler(QStringLiteral("ECHO"), [&](CommandLine& command) {
        command.next(seen);
        readPos = command.readPos;
    });
    goOnline();
    serve("ECHO,A001,x\r");
    EXPECT_EQ(seen, QStringLiteral("A001"));
    EXPECT_EQ(readPos, 10);
}

TEST_F(CommandLoopTest, StopEndsTheRunAfterTheTurnInProgress) {
    loop.addHandler(QStringLiteral("STOP"), [&](CommandLine&) { loop.stop(); });
    goOnline();
    socket.arrive("STOP\r");
    loop.run();
    EXPECT_EQ(loop.state(), LinkState::Online);
    EXPECT_NE(screen.status.last().left(4), QStringLiteral("通信停止")) << "no error ended it";
}

TEST_F(CommandLoopTest, AnUnexpectedErrorEndsTheLoopWithAStatusLineNamingIt) {
    loop.addHandler(QStringLiteral("DATW"),
                    [](CommandLine&) { throw std::runtime_error("disk full"); });
    goOnline();
    socket.arrive("DATW,A001\r");
    loop.run();
    EXPECT_EQ(screen.status.last(), QStringLiteral("通信停止（エラー: disk full）"));
    EXPECT_TRUE(socket.sent.isEmpty());
    EXPECT_EQ(socket.closeCount, 1) << "the socket is left as it is";
}

}  // namespace
}  // namespace pelmar
