// The DM's side of each exchange as Pelmar sees it on the wire: what is sent, in which order,
// and that nothing is sent before the reply it must wait for (Pelmar throws away whatever is
// waiting before it replies).
#include <gtest/gtest.h>

#include <QCryptographicHash>

#include "PelmarStandIn.h"
#include "tools/dmsim/ImageMaker.h"

namespace {

constexpr int kQuietMs = 150;  // long enough for an early byte to show up on loopback

// Reads the next line and checks that the DM then waits for the reply.
void expectLineThenWait(PelmarStandIn& pelmar, const QByteArray& line) {
    EXPECT_EQ(pelmar.readLine(), line);
    EXPECT_EQ(pelmar.readFor(kQuietMs), QByteArray()) << "sent before the reply to " << line.data();
}

TEST(Exchange, BmpwSendsEachPlaneOnlyAfterItsReplyAndChecksTheLastOne) {
    const auto planes = dmsim::makeImage(3, 4, 2, 7);
    const ScriptRun run = playScript("accept 5000\nbmpw 3 4 2 A001 7\n", [&](PelmarStandIn& p) {
        expectLineThenWait(p, "BMPW,3,4,2,A001\r");
        for (const QByteArray& plane : planes) {
            p.send("0,\r");
            EXPECT_EQ(p.readBytes(8), plane);
            EXPECT_EQ(p.readFor(kQuietMs), QByteArray());
        }
        p.send("0,\r");
    });
    EXPECT_EQ(run.result, 0) << run.transcript.toStdString();
}

TEST(Exchange, BmpwFailsOnMinusOneAfterAPlaneAndSaysSo) {
    const ScriptRun run = playScript("accept 5000\nbmpw 1 4 2 A001\n", [](PelmarStandIn& p) {
        p.readLine();
        p.send("0,\r");
        p.readBytes(8);
        p.send("-1,\r");
    });
    EXPECT_EQ(run.result, 1);
    EXPECT_TRUE(run.transcript.contains("FAILED at line 2 (bmpw 1 4 2 A001)"));
    EXPECT_TRUE(run.transcript.contains("expected \"0,<CR>\" within 10000 ms, got \"-1,<CR>\""))
        << run.transcript.toStdString();
}

TEST(Exchange, DatwAndXydtSendEachLineAfterTheReply) {
    const ScriptRun run = playScript(
        "accept 5000\ndatw A001 \"12/07/2026 Mon. 10:15:30,V,1,OK\"\nxydt 1.5,2.5 3,4\nxydt\n",
        [](PelmarStandIn& p) {
            expectLineThenWait(p, "DATW,A001\r");
            p.send("0,\r");
            expectLineThenWait(p, "12/07/2026 Mon. 10:15:30,V,1,OK\r");
            p.send("0,\r");
            expectLineThenWait(p, "XYDT,2\r");
            p.send("0,\r");
            expectLineThenWait(p, "1.5,2.5\r");
            p.send("0,\r");
            expectLineThenWait(p, "3,4\r");
            p.send("0,\r");
            expectLineThenWait(p, "XYDT,0\r");
            p.send("0,\r");
        });
    EXPECT_EQ(run.result, 0) << run.transcript.toStdString();
}

TEST(Exchange, SetwSendsTheRecordAndTheWorkersEachAfterTheReply) {
    const ScriptRun run =
        playScript("accept 5000\nsetw \"LENS-A,4,3,10,1,0,1,1,0,128,\" \"A,B,,,,,,,,,\"\n",
                   [](PelmarStandIn& p) {
                       expectLineThenWait(p, "SETW\r");
                       p.send("0,\r");
                       expectLineThenWait(p, "LENS-A,4,3,10,1,0,1,1,0,128,\r");
                       p.send("0,\r");
                       expectLineThenWait(p, "A,B,,,,,,,,,\r");
                       p.send("0,\r");
                   });
    EXPECT_EQ(run.result, 0) << run.transcript.toStdString();
}

TEST(Exchange, SetrAnswersEachLineOfPelmarsAndTellsHowItEnded) {
    const QByteArray record = "LENS-A, 4, 3, 10, 1, 0, 1, 1, 0, 128,";
    const QByteArray workers = "A,B,,,,,,,,,";
    // Pelmar's side: each line after the DM's answer to the one before.
    const auto pelmar = [&](const QList<QByteArray>& lines) {
        return [&, lines](PelmarStandIn& p) {
            EXPECT_EQ(p.readLine(), "SETR\r");
            for (const QByteArray& line : lines) {
                p.send(line + "\r");
                if (line == "1," && &line == &lines.front()) return;
                EXPECT_EQ(p.readLine(), "0,\r") << "the DM answers " << line.data();
            }
        };
    };
    const struct {
        QByteArray step;
        QList<QByteArray> lines;
        int result;
        const char* said;
    } cases[] = {
        {"setr sent \"" + record + "\" \"" + workers + "\"",
         {"0,", "0,", record, workers},
         0,
         "record: LENS-A, 4, 3, 10, 1, 0, 1, 1, 0, 128,"},
        {"setr sent \"" + record + "\" \"X,,,,,,,,,,\"",
         {"0,", "0,", record, workers},
         1,
         "expected the record"},
        {"setr cancelled", {"0,", "1,"}, 0, "script done"},
        {"setr refused", {"1,"}, 0, "script done"},
        {"setr sent", {"1,"}, 1, "expected SETR sent, it was refused"},
    };
    for (const auto& c : cases) {
        const ScriptRun run = playScript("accept 5000\n" + c.step + "\n", pelmar(c.lines));
        EXPECT_EQ(run.result, c.result) << c.step.data() << run.transcript.toStdString();
        EXPECT_TRUE(run.transcript.contains(QString::fromLatin1(c.said)))
            << run.transcript.toStdString();
    }
}

TEST(Exchange, BmprTakesThePlanesBetweenTheRepliesAndChecksTheirHash) {
    QByteArray planes;
    for (const QByteArray& plane : dmsim::makeImage(3, 5, 3, 2)) planes += plane;
    const QByteArray sha1 = QCryptographicHash::hash(planes, QCryptographicHash::Sha1).toHex();
    // Pelmar sends BMPR's pieces back to back without waiting; planes may hold CR bytes too.
    const auto pelmar = [&](PelmarStandIn& p) {
        EXPECT_EQ(p.readLine(), "BMPR,3,5,3\r");
        p.send("0,\r" + planes.mid(0, 15) + "0,\r" + planes.mid(15, 15) + "0,\r" +
               planes.mid(30, 15) + "0,\r");
    };
    const ScriptRun good = playScript("accept 5000\nbmpr 3 5 3 sha1 " + sha1 + "\n", pelmar);
    EXPECT_EQ(good.result, 0) << good.transcript.toStdString();
    EXPECT_TRUE(good.transcript.contains("sha1 " + sha1));

    const ScriptRun wrong = playScript("accept 5000\nbmpr 3 5 3 sha1 00ff\n", pelmar);
    EXPECT_EQ(wrong.result, 1);
    EXPECT_TRUE(wrong.transcript.contains("expected planes with sha1 00ff"));
}

TEST(Exchange, BmprReportsAShortPlane) {
    const ScriptRun run =
        playScript("limit 300\naccept 5000\nbmpr 1 640 480\n", [](PelmarStandIn& p) {
            p.readLine();
            p.send("0," + QByteArray("\r") + QByteArray(1000, 'x'));
            p.readFor(5000);
        });
    EXPECT_EQ(run.result, 1);
    EXPECT_TRUE(run.transcript.contains("expected plane 1 of 307200 bytes within 300 ms, got 1000"))
        << run.transcript.toStdString();
}

TEST(Exchange, SilenceAndCloseAreCheckedBothWays) {
    const ScriptRun quiet =
        playScript("accept 5000\nsend OPEN\nsilence 200\nclosed 3000\n", [](PelmarStandIn& p) {
            EXPECT_EQ(p.readLine(), "OPEN\r");
            p.readFor(1500);
            p.close();
        });
    EXPECT_EQ(quiet.result, 0) << quiet.transcript.toStdString();

    const ScriptRun answered =
        playScript("accept 5000\nsend OPEN\nsilence 1000\n", [](PelmarStandIn& p) {
            p.readLine();
            p.send("0,\r");
            p.readFor(5000);
        });
    EXPECT_EQ(answered.result, 1);
    EXPECT_TRUE(answered.transcript.contains("expected silence for 1000 ms, got \"0,<CR>\""));

    const ScriptRun stayedOpen =
        playScript("accept 5000\nclosed 200\n", [](PelmarStandIn& p) { p.readFor(5000); });
    EXPECT_EQ(stayedOpen.result, 1);
    EXPECT_TRUE(stayedOpen.transcript.contains("it stayed open"));
}

TEST(Exchange, ExpectWaitsForTheWholeReplyAndNamesWhatCame) {
    const ScriptRun split = playScript("accept 5000\nnone\n", [](PelmarStandIn& p) {
        p.readLine();
        p.send("0");
        p.readFor(100);
        p.send(",\r");
    });
    EXPECT_EQ(split.result, 0) << split.transcript.toStdString();

    const ScriptRun noCr = playScript("accept 5000\nexpect \"0,\" 300\n", [](PelmarStandIn& p) {
        p.send("0,");
        p.readFor(5000);
    });
    EXPECT_EQ(noCr.result, 1);
    EXPECT_TRUE(noCr.transcript.contains("no reply after \"0,\"")) << noCr.transcript.toStdString();

    const ScriptRun gone =
        playScript("accept 5000\nexpect \"0,\" 3000\n", [](PelmarStandIn& p) { p.close(); });
    EXPECT_EQ(gone.result, 1);
    EXPECT_TRUE(gone.transcript.contains("the connection closed"));
}

TEST(Exchange, DropClosesTheLinkAndAcceptTakesTheReconnection) {
    const ScriptRun run =
        playScript("accept 5000\ndrop\naccept 5000\nnone\n", [](PelmarStandIn& p) {
            EXPECT_EQ(p.readFor(5000), QByteArray());
            EXPECT_TRUE(p.atEnd());
            ASSERT_TRUE(p.reconnect());
            EXPECT_EQ(p.readLine(), "NONE\r");
            p.send("0,\r");
        });
    EXPECT_EQ(run.result, 0) << run.transcript.toStdString();
    EXPECT_EQ(run.transcript.count("connected from 127.0.0.1:"), 2);
}

TEST(Exchange, PingstatsRepeatsNoneAndReportsTheTimes) {
    const ScriptRun run = playScript("accept 5000\npingstats 5\n", [](PelmarStandIn& p) {
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(p.readLine(), "NONE\r");
            p.send("0,\r");
        }
        EXPECT_EQ(p.readFor(kQuietMs), QByteArray());
    });
    EXPECT_EQ(run.result, 0) << run.transcript.toStdString();
    EXPECT_TRUE(run.transcript.contains("stats none: 5 runs: median "))
        << run.transcript.toStdString();
    EXPECT_FALSE(run.transcript.contains("> NONE")) << "repeated exchanges are not written out";
}

}  // namespace
