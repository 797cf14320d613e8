// The script language: what a line puts on the wire, and the messages for lines it rejects.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "PelmarStandIn.h"
#include "tools/dmsim/ImageMaker.h"
#include "tools/dmsim/Script.h"

namespace {

using testing::HasSubstr;
using testing::Not;
using testing::StartsWith;

std::string rejection(const QByteArray& script) {
    try {
        dmsim::parseScript(script);
    } catch (const dmsim::ScriptError& error) {
        return error.what();
    }
    return "accepted";
}

TEST(Script, TextsAndRawBytesReachTheWireExactly) {
    const ScriptRun run = playScript(
        "# a comment line\n"
        "accept 5000   # waits for Pelmar\n"
        "send NONE\n"
        "send \"A\\x01\\\"B\\\\ #\\tC\"\n"
        "sendraw hex 4e4F0d\n"
        "sendraw bytes 0x41 3\n"
        "sendraw image 1 3 2 9\n"
        "\n"
        "send \"\"\n",
        [](PelmarStandIn& p) {
            EXPECT_EQ(p.readLine(), "NONE\r");
            EXPECT_EQ(p.readLine(), "A\x01\"B\\ #\tC\r");
            EXPECT_EQ(p.readLine(), "NO\r");
            EXPECT_EQ(p.readBytes(3), "AAA");
            EXPECT_EQ(p.readBytes(6), dmsim::makeImage(1, 3, 2, 9).first());
            EXPECT_EQ(p.readLine(), "\r");
        });
    EXPECT_EQ(run.result, 0) << run.transcript.toStdString();
    EXPECT_TRUE(run.transcript.contains("> A<x01>\"B\\ #<x09>C<CR>"))
        << run.transcript.toStdString();
    EXPECT_TRUE(run.transcript.trimmed().endsWith("script done"));
}

TEST(Script, RunStopsAtTheFirstUnmetStep) {
    const ScriptRun run = playScript("accept 5000\nexpect \"0,\" 200\nsend NONE\n",
                                     [](PelmarStandIn& p) { EXPECT_EQ(p.readFor(5000), ""); });
    EXPECT_EQ(run.result, 1);
    EXPECT_TRUE(run.transcript.contains("FAILED at line 2 (expect \"0,\" 200)"));
    EXPECT_FALSE(run.transcript.contains("NONE"));
}

TEST(Script, NoConnectionInTimeIsUnmet) {
    dmsim::Peer peer;
    peer.listen(0);
    std::FILE* log = std::tmpfile();
    dmsim::Transcript transcript(log);
    dmsim::Session session(peer, transcript);
    EXPECT_EQ(dmsim::runScript(dmsim::parseScript("accept 100\n"), session), 1);
    std::fclose(log);
}

TEST(Script, BadLinesAreRejectedWithTheirLineNumber) {
    EXPECT_THAT(rejection("accept 10\n\nfrobnicate 3\n"),
                StartsWith("line 3: unknown command \"frobnicate\" "));
    EXPECT_EQ(rejection("expect \"0,\"\n"), "line 1: the time limit is missing");
    EXPECT_EQ(rejection("send \"open\n"), "line 1: a text is not closed by \"");
    EXPECT_EQ(rejection("send \"\\q\"\n"), "line 1: unknown escape \\q");
    EXPECT_EQ(rejection("send \"\\x4\"\n"), "line 1: \\x needs two hex digits");
    EXPECT_EQ(rejection("sleep -5\n"),
              "line 1: the time must be a number from 0 to 2147483647, not \"-5\"");
    EXPECT_EQ(rejection("sleep 10 20\n"), "line 1: unexpected \"20\"");
    EXPECT_EQ(rejection("sendraw hex 4G\n"), "line 1: sendraw hex needs pairs of hex digits");
    EXPECT_EQ(rejection("sendraw hex 414\n"), "line 1: sendraw hex needs pairs of hex digits");
    EXPECT_EQ(rejection("sendraw bytes 256 1\n"),
              "line 1: the byte value must be a number from 0 to 255, not \"256\"");
    EXPECT_EQ(rejection("bmpr 1 2 3 md5 00\n"), "line 1: bmpr takes sha1 HEX after the size");
    EXPECT_EQ(rejection("stats 3\n"), "line 1: stats needs a step to repeat");
    EXPECT_EQ(rejection("stats 3 none ; ; none\n"), "line 1: stats needs a step to repeat");
    EXPECT_EQ(rejection("stats 3 none | none | none\n"), "line 1: stats takes one | at most");
    EXPECT_EQ(rejection("stats 3 none |\n"), "line 1: stats needs a step to repeat");
    EXPECT_EQ(rejection("stats 0 none\n"),
              "line 1: the number of rounds must be a number from 1 to 2147483647, not \"0\"");
    EXPECT_EQ(rejection("bmpw 1 100000 100000 A001\n"),
              "line 1: the width must be a number from 0 to 8192, not \"100000\"");
    EXPECT_EQ(rejection("sendraw bytes 1 0x7fffffff\n"),
              "line 1: the count must be a number from 0 to 67108864, not \"0x7fffffff\"");
}

TEST(Script, AnUnknownCommandIsAnsweredWithTheKnownOnesEachWithItsUsage) {
    const std::string message = rejection("frobnicate\n");
    const std::string prefix = "line 1: unknown command \"frobnicate\" (known: ";
    ASSERT_THAT(message, StartsWith(prefix));
    ASSERT_EQ(message.back(), ')');
    const QStringList known =
        QString::fromStdString(message).sliced(prefix.size()).chopped(1).split(", ");
    for (const char* verb :
         {"accept", "send", "sendraw", "expect", "silence", "closed", "drop", "sleep", "limit",
          "none", "bmpw", "bmpr", "datw", "xydt", "stats", "pingstats", "baseline"})
        EXPECT_TRUE(known.contains(verb)) << verb;
    const QStringList usage = dmsim::scriptUsage().split('\n');
    ASSERT_EQ(usage.size(), known.size());
    for (qsizetype i = 0; i < known.size(); ++i) {
        // Each listed verb is one the parser takes, whatever its arguments lack.
        EXPECT_THAT(rejection(known[i].toLatin1() + "\n"), Not(HasSubstr("unknown")))
            << known[i].toStdString();
        EXPECT_TRUE(usage[i].startsWith(known[i] + ' ') || usage[i].startsWith(known[i] + ':'))
            << usage[i].toStdString();
    }
}

TEST(Script, StatsTimesAllItsStepsEachRound) {
    const ScriptRun run =
        playScript("accept 5000\nstats 3 none ; datw A001 \"x,y\"\n", [](PelmarStandIn& p) {
            for (int round = 0; round < 3; ++round) {
                EXPECT_EQ(p.readLine(), "NONE\r");
                p.send("0,\r");
                EXPECT_EQ(p.readLine(), "DATW,A001\r");
                p.send("0,\r");
                EXPECT_EQ(p.readLine(), "x,y\r");
                p.send("0,\r");
            }
        });
    EXPECT_EQ(run.result, 0) << run.transcript.toStdString();
    EXPECT_TRUE(run.transcript.contains("stats none; datw: 3 runs: median "));
}

TEST(Script, StatsLeavesTheStepsAfterTheBarOutOfTheTime) {
    const ScriptRun run =
        playScript("accept 5000\nstats 2 none | sleep 300 ; none\n", [](PelmarStandIn& p) {
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(p.readLine(), "NONE\r");
                p.send("0,\r");
            }
        });
    EXPECT_EQ(run.result, 0) << run.transcript.toStdString();
    const QString line =
        run.transcript.section("stats none: 2 runs: median ", 1).section(' ', 0, 0);
    EXPECT_LT(line.toDouble(), 250000) << run.transcript.toStdString();
}

TEST(Script, BaselineTimesAPlainLoopbackConnection) {
    const ScriptRun run = playScript("baseline 20 307200\n", [](PelmarStandIn&) {});
    EXPECT_EQ(run.result, 0) << run.transcript.toStdString();
    EXPECT_TRUE(run.transcript.contains("baseline 307200 bytes over plain loopback: 20 runs"));
}

}  // namespace
