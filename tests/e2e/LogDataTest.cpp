// Measurements stored by the real program, read back and merged as the log windows do it.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "PelmarRig.h"
#include "app/logdata/LogReader.h"
#include "app/logdata/MergeFile.h"

namespace {

const QByteArray kRecords[] = {
    "12/07/2026 Mon. 10:15:30,V,0.0123,OK,0.0200,0.0010,PL-35F2,S2612070001,DM-7200,SATO,EC-500",
    "12/07/2026 Mon. 10:16:02,A,0.0310,NG,0.0200,0.0010,PL-35F2,S2612070002,DM-7200,SATO,EC-500,"
    "+0.0061,-0.0104",
    "12/07/2026 Mon. 10:16:40,0000000E,,,,,PL-50,,DM-7200,,"};

TEST(LogData, StoredMeasurementsAreReadBackAndMergedLineForLine) {
    PelmarRig rig;
    QByteArray script = "accept 30000\n";
    for (int i = 0; i < 3; ++i) {
        script += "datw A00" + QByteArray::number(i + 1) + " \"" + kRecords[i] + "\"\n";
        script += "xydt 440.0,240.1\n";
    }
    script += "none\n";  // answered once the files above are written
    const auto outcome = rig.run(script);
    ASSERT_TRUE(outcome.finished) << outcome.transcript.toStdString();
    ASSERT_EQ(outcome.exitCode, 0) << outcome.transcript.toStdString();

    pelmar::ResultHistory history;
    const pelmar::logdata::LogReadResult read =
        pelmar::logdata::ReadLogData(rig.saveFolder(), history);
    EXPECT_EQ(read.filesRead, 3);
    EXPECT_EQ(read.filesSkipped, 0);
    EXPECT_TRUE(read.skippedFolders.isEmpty());

    QTemporaryDir out;
    const QString merged = out.filePath("merged");
    ASSERT_TRUE(pelmar::logdata::WriteMergeFile(merged, history));
    QByteArray expected;
    for (const QByteArray& record : kRecords) {
        for (const QByteArray& field : record.split(',').first(11)) expected += field + ',';
        expected += "\r\n";
    }
    QFile file(merged);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), expected);
}

}  // namespace
