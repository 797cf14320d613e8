// Every exchange that stores files, against a real small disk that fills up or turns read-only:
// what the DM hears, what is left on disk, what the inspector sees, and that storing resumes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <functional>

#include "tests/support/OnlineStation.h"
#include "tests/support/SmallDisk.h"

namespace pelmar {
namespace {

const QByteArray kOk = "0,\r";
const QByteArray kLine = "12/07/2026 Mon. 10:15:30,V,0.012,OK,0.050,0.001,L,S,P,W,I";
const QByteArray kPixels(64 * 48, '\x5a');

class StoreTest : public fakes::OnlineStation {
protected:
    StoreTest() {
        state.settings.saveFolder = dir.filePath(QStringLiteral("disk"));
        state.settings.saveMethod = SaveBoth;
    }
    QStringList dayEntries() const {
        return QDir(rig.day()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // The file as stored whole: the image's pixels after the BMP headers, a JPEG of the image,
    // the lines as the DM sent them.
    bool whole(const QString& file) const {
        QFile f(rig.dayFile(file));
        const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        if (file.endsWith(".bmp"))
            return bytes.size() == 1078 + kPixels.size() && bytes.endsWith(kPixels);
        if (file.endsWith(".jpg")) return QImage::fromData(bytes).size() == QSize(64, 48);
        if (file.endsWith("_XY.csv")) return bytes == "1.5,2.5\r\n3,4\r\n";
        return bytes == kLine + "\r\n";
    }
};

TEST_F(StoreTest, NothingIsReportedStoredThatIsNotAndStoringResumesWhenFilesFitAgain) {
    fakes::SmallDisk disk(state.settings.saveFolder, 256);
    const struct {
        const char* command;
        std::function<QByteArray(const QString& name)> serve;
        QByteArray stored, refused;  // all the DM hears
        QStringList suffixes;
    } exchanges[] = {
        {"BMPW",
         [&](const QString& name) {
             return rig.serve("BMPW,1,64,48," + name.toLatin1(), {kPixels});
         },
         kOk + kOk,
         kOk + "-1,\r",
         {".bmp", ".jpg"}},
        {"DATW",
         [&](const QString& name) { return rig.serve("DATW," + name.toLatin1(), {kLine + "\r"}); },
         kOk + kOk,
         kOk,
         {".csv"}},
        {"XYDT",
         [&](const QString& name) {
             state.measurement.name = name;  // as the measurement before it left it
             state.measurement.folder = rig.day();
             return rig.serve("XYDT,2", {"1.5,2.5\r", "3,4\r"});
         },
         kOk + kOk + kOk,
         kOk + kOk,
         {"_XY.csv"}},
    };
    const struct {
        const char* what;
        bool onDisk;  // needs the small disk
        const char* reason;
        std::function<void()> begin, end;
    } troubles[] = {
        {"a file where the day folder should be", false, "同じ名前のファイル",
         [&] {
             QDir(rig.day()).removeRecursively();
             QFile file(rig.day());
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         },
         [&] { QFile::remove(rig.day()); }},
        {"a full disk", true, "No space left on device",
         [&] {
             QDir().mkpath(rig.day());
             disk.fill();
         },
         [&] { disk.makeRoom(); }},
        {"a disk turned read-only", true, "Read-only file system",
         [&] {
             QDir().mkpath(rig.day());
             disk.setReadOnly(true);
         },
         [&] { disk.setReadOnly(false); }},
        {"a read-only disk before the day's first file", true, "に書き込む権限がありません",
         [&] {
             QDir(rig.day()).removeRecursively();
             disk.setReadOnly(true);
         },
         [&] { disk.setReadOnly(false); }},
    };

    int n = 0;
    for (const auto& trouble : troubles) {
        if (trouble.onDisk && !disk.failure().isEmpty()) continue;
        for (const auto& exchange : exchanges) {
            SCOPED_TRACE(std::string(trouble.what) + ", " + exchange.command);
            const QString name = QStringLiteral("S%1").arg(++n);
            const int results = state.history.historyCount;
            trouble.begin();
            const QStringList before = dayEntries();
            EXPECT_EQ(exchange.serve(name), exchange.refused);
            EXPECT_EQ(dayEntries(), before) << "no file, whole, partial or temporary, is left";
            EXPECT_TRUE(screen.standing.contains(Screen::Problem::Store));
            EXPECT_TRUE(screen.status.last().startsWith(QStringLiteral("保存エラー（")) &&
                        screen.status.last().contains(rig.day()) &&
                        screen.status.last().contains(QString::fromUtf8(trouble.reason)))
                << screen.status.last().toStdString();
            EXPECT_EQ(state.history.historyCount - results, exchange.command == std::string("DATW"))
                << "a result is listed all the same";
            EXPECT_EQ(rig.serve("NONE"), kOk) << "the loop serves on";
            EXPECT_TRUE(screen.standing.contains(Screen::Problem::Store))
                << "until files are stored again";

            trouble.end();
            EXPECT_EQ(exchange.serve(name), exchange.stored);
            for (const QString& suffix : exchange.suffixes)
                EXPECT_TRUE(whole(name + suffix)) << suffix.toStdString();
            EXPECT_FALSE(screen.standing.contains(Screen::Problem::Store));
        }
    }
    if (!disk.failure().isEmpty()) {
        GTEST_SKIP() << "only the folder case ran, without a small disk: "
                     << disk.failure().toStdString();
    }
}

}  // namespace
}  // namespace pelmar
