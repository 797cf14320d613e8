#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/support/OnlineStation.h"

namespace pelmar {
namespace {

using fakes::FakePump;
using fakes::FakeSocket;

class DataCommandsTest : public fakes::OnlineStation {
protected:
    // The DM's side: a command line, then each further line after Pelmar's previous "0,".
    void exchange(const QByteArray& command, const std::deque<QByteArray>& lines = {}) {
        rig.serve(command.chopped(1), lines);
    }

    QString day() const { return rig.day(); }
    QByteArray file(const QString& name) const {
        QFile f(rig.dayFile(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

const QByteArray kDataLine =
    "12/07/2026 Mon. 10:15:30,V,0.012,OK,0.050,0.001,LENS-A,SN0001,DM-7100,YAMADA,EC-200";

TEST_F(DataCommandsTest, DatwAnswersTwiceStoresTheResultAndWritesTheLine) {
    exchange("DATW,A001\r", {kDataLine + "\r"});
    EXPECT_EQ(socket.sent, QByteArray("0,\r0,\r"));
    EXPECT_EQ(file(QStringLiteral("A001.csv")), kDataLine + "\r\n");
    const ResultEntry& entry = state.history.entries[0];
    EXPECT_EQ(entry.dateTime, QStringLiteral("12/07/2026 Mon. 10:15:30"));
    EXPECT_EQ(entry.modeCode, QStringLiteral("V"));
    EXPECT_EQ(entry.instrumentModel, QStringLiteral("EC-200"));
    EXPECT_EQ(entry.checked, 1);
    EXPECT_EQ(entry.jpegPath, rig.dayFile(QStringLiteral("A001.jpg")));
    EXPECT_EQ(entry.bitmapPath, rig.dayFile(QStringLiteral("A001.bmp")));
    EXPECT_EQ(state.history.historyCount, 1);
    EXPECT_EQ(screen.entryNumbers, std::vector<int>({1}));
    EXPECT_EQ(screen.redraws, 1);
    EXPECT_TRUE(screen.tableButtonsEnabled);
    EXPECT_EQ(state.measurement.folder, day());
    EXPECT_TRUE(screen.status.contains(QStringLiteral("DATW受信")));
}

TEST_F(DataCommandsTest, ADataLineThatTimesOutStoresNothingAndLeavesTheButtonsDisabled) {
    exchange("DATW,A002\r");
    EXPECT_EQ(socket.sent, QByteArray("0,\r"));
    EXPECT_FALSE(screen.tableButtonsEnabled);
    EXPECT_EQ(state.history.historyCount, 0);
    EXPECT_EQ(file(QStringLiteral("A002.csv")), QByteArray("<missing>"));
    EXPECT_EQ(loop.state(), LinkState::Online);
}

TEST_F(DataCommandsTest, AShortDataLineIsKeptWithEmptyFieldsAndTheLoopGoesOn) {
    exchange("DATW,A003\r", {"a,b,c\r"});
    EXPECT_EQ(file(QStringLiteral("A003.csv")), QByteArray("a,b,c\r\n"));
    EXPECT_EQ(state.history.entries[0].judgement, QString());
    EXPECT_EQ(state.history.entries[0].instrumentModel, QString());
    exchange("NONE\r");
    EXPECT_TRUE(socket.sent.endsWith("0,\r0,\r0,\r"));
}

TEST_F(DataCommandsTest, DatwWithoutANameKeepsTheCurrentMeasurementName) {
    exchange("DATW,A004\r", {kDataLine + "\r"});
    exchange("DATW\r", {"second\r"});
    EXPECT_EQ(file(QStringLiteral("A004.csv")), QByteArray("second\r\n"));
    EXPECT_EQ(state.history.historyCount, 2);
}

TEST_F(DataCommandsTest, LinesShorterThanFourBytesWaitForTheirEndAcrossAPause) {
    // "1," then a pause then "2": nothing is complete until four bytes or the CR are in.
    socket.arrive("DATW,A010\r");
    socket.arriveAt(pump.nowMs() + 5, "1,");
    socket.arriveAt(pump.nowMs() + 60, "2\r");
    socket.arriveAt(pump.nowMs() + 80, "XYDT,1\r");
    socket.arriveAt(pump.nowMs() + 85, "5");
    socket.arriveAt(pump.nowMs() + 140, ",6\r");
    loop.turn();
    loop.turn();
    EXPECT_EQ(file(QStringLiteral("A010.csv")), QByteArray("1,2\r\n"));
    EXPECT_EQ(file(QStringLiteral("A010_XY.csv")), QByteArray("5,6\r\n"));
}

TEST_F(DataCommandsTest, NoFileIsEverEmptyOrHiddenAndLongNamesAreCutToFit) {
    exchange("DATW\r", {"nameless\r"});
    EXPECT_EQ(file(QStringLiteral("_.csv")), QByteArray("nameless\r\n"));

    // The longest file of a measurement, <name>_XY.csv, is written through a temporary file
    // whose name adds ".XXXXXX"; that must fit 255 bytes.
    const QByteArray fits(241, 'n');
    exchange("DATW," + fits + "\r", {"fits\r"});
    exchange("XYDT,1\r", {"1,2\r"});
    EXPECT_EQ(file(QString::fromLatin1(fits + "_XY.csv")), QByteArray("1,2\r\n"));
    exchange("DATW," + fits + "xyz\r", {"cut\r"});
    exchange("XYDT,1\r", {"3,4\r"});
    EXPECT_EQ(file(QString::fromLatin1(fits + ".csv")), QByteArray("cut\r\n"));
    EXPECT_EQ(file(QString::fromLatin1(fits + "_XY.csv")), QByteArray("3,4\r\n"));
    EXPECT_EQ(loop.state(), LinkState::Online);
    EXPECT_EQ(socket.sent.count("0,\r"), 10);
}

TEST_F(DataCommandsTest, NamesFromTheDmNeverLeaveTheDayFolder) {
    exchange("DATW,../../x\r", {"up\r"});
    exchange("DATW,a\\b\r", {"back\r"});
    EXPECT_EQ(file(QStringLiteral("_.._.._x.csv")), QByteArray("up\r\n"));
    EXPECT_EQ(file(QStringLiteral("a_b.csv")), QByteArray("back\r\n"));
    QDir root(dir.path());
    EXPECT_EQ(root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))}));
}

TEST_F(DataCommandsTest, XydtStoresOneLinePerPointAfterEachReply) {
    exchange("DATW,A005\r", {kDataLine + "\r"});
    socket.sent.clear();
    exchange("XYDT,3\r", {"1.5,2.5\r", "3,4,extra\r", "5\r"});
    EXPECT_EQ(socket.sent, QByteArray("0,\r0,\r0,\r0,\r"));
    EXPECT_EQ(file(QStringLiteral("A005_XY.csv")), QByteArray("1.5,2.5\r\n3,4\r\n5,\r\n"));
    EXPECT_TRUE(screen.tableButtonsEnabled);
}

TEST_F(DataCommandsTest, XydtOfNoPointsWritesAnEmptyFile) {
    exchange("DATW,A006\r", {kDataLine + "\r"});
    exchange("XYDT,0\r");
    EXPECT_EQ(file(QStringLiteral("A006_XY.csv")), QByteArray());
}

TEST_F(DataCommandsTest, AMissingPointEndsTheExchangeWithoutAFile) {
    exchange("DATW,A007\r", {kDataLine + "\r"});
    socket.sent.clear();
    exchange("XYDT,3\r", {"1,2\r"});
    EXPECT_EQ(socket.sent, QByteArray("0,\r0,\r"));
    EXPECT_EQ(file(QStringLiteral("A007_XY.csv")), QByteArray("<missing>"));
    EXPECT_FALSE(screen.tableButtonsEnabled);
}

TEST_F(DataCommandsTest, TheCountIsASixteenBitNumberOrTheCommandIsRefused) {
    exchange("DATW,A009\r", {kDataLine + "\r"});
    const QByteArray before = "7,8\r\n";
    exchange("XYDT,1\r", {"7,8\r"});
    ASSERT_EQ(file(QStringLiteral("A009_XY.csv")), before);
    const struct {
        const char* line;
        bool served;
    } cases[] = {
        {"XYDT,40000", false}, {"XYDT,32768", false}, {"XYDT,-32769", false}, {"XYDT", false},
        {"XYDT,abc", false},   {"XYDT,-32768", true}, {"XYDT,-5", true},      {"XYDT,0", true},
    };
    for (const auto& c : cases) {
        socket.sent.clear();
        exchange(QByteArray(c.line) + "\r");
        EXPECT_EQ(socket.sent, c.served ? QByteArray("0,\r") : QByteArray()) << c.line;
        EXPECT_EQ(screen.status.last().startsWith(QStringLiteral("XYDT点数不正")), !c.served)
            << c.line;
        EXPECT_EQ(file(QStringLiteral("A009_XY.csv")), c.served ? QByteArray() : before)
            << c.line << ": a refused count leaves the stored points alone";
        EXPECT_TRUE(screen.tableButtonsEnabled) << c.line;
        EXPECT_EQ(loop.state(), LinkState::Online) << c.line;
        if (c.served) exchange("XYDT,1\r", {"7,8\r"});  // the points again for the next case
    }
}

TEST_F(DataCommandsTest, XydtBeforeAnyMeasurementGoesIntoTodaysFolder) {
    exchange("XYDT,1\r", {"7,8\r"});
    EXPECT_EQ(file(QStringLiteral("__XY.csv")), QByteArray("7,8\r\n"));
    EXPECT_TRUE(state.measurement.folder.isEmpty());
}

}  // namespace
}  // namespace pelmar
