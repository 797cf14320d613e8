#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/link/Transport.h"
#include "app/settings/SettingFile.h"
#include "app/settings/SettingLines.h"
#include "tests/app/settings/PrintSettingData.h"
#include "tests/support/FakePump.h"
#include "tests/support/FakeSocket.h"

namespace pelmar::settings {
namespace {

// The record of the DM's documentation, without workers.
SettingData lensA() {
    return {"LENS-A", 4, 3, 10, 1, 0, 1, 1, 0, 128, {}};
}

TEST(SettingLines, RecordAndWorkerLinesInSignedBlankFormEachEndedByCr) {
    const SettingData negative{"", 4, -3, 10, 1, 0, 1, 1, 0, -1, {}};
    SettingData twoWorkers;
    twoWorkers.workerNames = {"A", "B"};

    EXPECT_EQ(FormatRecordLine(lensA()), QStringLiteral("LENS-A, 4, 3, 10, 1, 0, 1, 1, 0, 128,\r"));
    EXPECT_EQ(FormatRecordLine(negative), QStringLiteral(", 4,-3, 10, 1, 0, 1, 1, 0,-1,\r"));
    EXPECT_EQ(FormatWorkerLine(SettingData{}), QStringLiteral(",,,,,,,,,,\r"));
    EXPECT_EQ(FormatWorkerLine(twoWorkers), QStringLiteral("A,B,,,,,,,,,\r"));
}

TEST(SettingLines, RecordLineFromTheDm) {
    const SettingData full{"LENS-B", 1, 5, 20, 0, 1, 0, 1, 0, -1, {}};
    // Blanks around 2.5: halves to even.
    const SettingData clamped{"LENS-B", 1, 2147483647, -2147483647 - 1, 2, 1, 0, 1, 0, -1, {}};

    const struct {
        const char* line;
        SettingData expected;
    } accepted[] = {
        {"LENS-B,1,5,20,0,1,0,1,0,-1", full},
        {"LENS-B, 1 , 5,\t20, 0, 1, 0, 1, 0,-1,", full},
        {"LENS-B,1,5,20,0,1,0,1,0,-1,,junk,", full},
        {"LENS-B,1,3000000000,-3000000000, 2.5 ,1,0,1,0,-1,", clamped},
    };
    for (const auto& c : accepted) {
        SettingData data;
        EXPECT_TRUE(ParseRecordLine(QString::fromLatin1(c.line), data)) << c.line;
        EXPECT_EQ(data, c.expected) << c.line;
    }

    // A failing piece leaves the fields before it replaced and the later ones as they were.
    const SettingData fourPieces{"LENS-B", 1, 5, 20, 1, 0, 1, 1, 0, 128, {}};
    const SettingData emptySwing{"LENS-B", 1, 5, 20, 0, 1, 1, 1, 0, 128, {}};
    const struct {
        const char* line;
        SettingData expected;
        const char* message;
    } refused[] = {
        {"LENS-B,1,5,20", fourPieces, "10個に足りません（4個）"},
        {"LENS-B,1,5,20,0,1,,1,0,-1,", emptySwing, "7番目の項目（振れ幅表示）"},
        {"LENS-B,1,5,20,0,1,1 2,1,0,-1,", emptySwing, "7番目の項目（振れ幅表示）"},
        {"LENS-B,1,5,20,0,1,1.2.3,1,0,-1,", emptySwing, "7番目の項目（振れ幅表示）"},
        {"LENS-B,1,5,20,0,1,1..2,1,0,-1,", emptySwing, "7番目の項目（振れ幅表示）"},
        {"LENS-B,1,5,20,0,1,.,1,0,-1,", emptySwing, "7番目の項目（振れ幅表示）"},
        {"LENS-B,1,5,20,0,1,1e0,1,0,-1,", emptySwing, "7番目の項目（振れ幅表示）"},
    };
    for (const auto& c : refused) {
        SettingData data = lensA();
        const auto parsed = ParseRecordLine(QString::fromLatin1(c.line), data);
        ASSERT_FALSE(parsed) << c.line;
        EXPECT_NE(parsed.problem().reason.indexOf(QString::fromUtf8(c.message)), -1)
            << parsed.problem().reason.toStdString();
        EXPECT_EQ(data, c.expected) << c.line;
    }
}

TEST(SettingLines, WorkerLineFromTheDmNeedsTenPieces) {
    SettingData data;
    ASSERT_TRUE(ParseWorkerLine(QStringLiteral("A, B ,,,,,,,,J,extra,"), data));
    EXPECT_EQ(data.workerNames,
              (std::array<QString, 10>{"A", " B ", "", "", "", "", "", "", "", "J"}));

    const auto parsed = ParseWorkerLine(QStringLiteral("X,Y,Z"), data);
    ASSERT_FALSE(parsed);
    EXPECT_NE(parsed.problem().reason.indexOf(QStringLiteral("10個に足りません（3個）")), -1);
    EXPECT_EQ(data.workerNames,
              (std::array<QString, 10>{"X", "Y", "Z", "", "", "", "", "", "", "J"}));
}

// The panel's round trip: every value shown on its button and collected back.
SettingData collected(SettingData data) {
    data.measureMode = measureModeFromButton(measureModeButton(data.measureMode));
    for (std::int32_t SettingData::*yesNo :
         {&SettingData::saveResult, &SettingData::traceDisplay, &SettingData::swingDisplay,
          &SettingData::okNgDisplay, &SettingData::scaleReflect}) {
        data.*yesNo = yesNoFromButton(yesNoButton(data.*yesNo));
    }
    data.inspectImage = inspectImageFromButton(inspectImageButton(data.inspectImage));
    return data;
}

TEST(SettingLines, OptionButtonsShowEveryValueAndCollectOnlyTheCodes) {
    using Case = std::array<std::int32_t, 3>;  // value, button, code
    for (const auto& [value, button, code] : {Case{1, 0, 1}, {2, 1, 2}, {3, 2, 3}, {0, 3, 4}}) {
        EXPECT_EQ(measureModeButton(value), button) << value;
        EXPECT_EQ(measureModeFromButton(button), code) << value;
    }
    for (const auto& [value, button, code] : {Case{0, 0, 0}, {1, 1, 1}, {-1, 1, 1}}) {
        EXPECT_EQ(yesNoButton(value), button) << value;
        EXPECT_EQ(yesNoFromButton(button), code) << value;
    }
    for (const auto& [value, button, code] : {Case{0, 0, 0}, {128, 1, 128}, {-1, 2, -1}}) {
        EXPECT_EQ(inspectImageButton(value), button) << value;
        EXPECT_EQ(inspectImageFromButton(button), code) << value;
    }
}

// A file chosen for SETR goes to the DM through the panel; the DM's copy comes back as the
// receive routine keeps it (bytes 32 to 126), so a Japanese name does not survive the way.
TEST(SettingLines, AFileThroughThePanelToTheDmAndBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lens.txt"));
    const SettingData stored{"レンズ-A", 0, 3, 10, 2, 0, 1, 1, 0, 5, {"佐藤", "SATO"}};
    ASSERT_TRUE(WriteSettingFile(path, stored));

    SettingData loaded;
    ASSERT_TRUE(ReadSettingFile(path, loaded));
    EXPECT_EQ(loaded, stored);
    const SettingData sent = collected(loaded);

    fakes::FakePump pump;
    fakes::FakeSocket socket(pump);
    Transport transport(socket, pump);
    socket.connect();
    pump.advance(10);
    transport.SendText(FormatRecordLine(sent), 0);
    transport.SendText(FormatWorkerLine(sent), 0);
    EXPECT_TRUE(socket.sent.contains(", 4, 3, 10, 1, 0, 1, 1, 0,-1,\r"));

    socket.arrive(socket.sent);
    SettingData received;
    const auto record = transport.ReceiveLine(4, 1000);
    ASSERT_TRUE(record);
    ASSERT_TRUE(ParseRecordLine(*record, received));
    const auto worker = transport.ReceiveLine(4, 1000);
    ASSERT_TRUE(worker);
    ASSERT_TRUE(ParseWorkerLine(*worker, received));

    // Of レンズ only the second byte of ズ (0x83 0x59) is printable: the DM's copy reads "Y-A".
    SettingData expected = sent;
    expected.lensName = QStringLiteral("Y-A");
    expected.workerNames[0].clear();
    EXPECT_EQ(received, expected);
}

}  // namespace
}  // namespace pelmar::settings
