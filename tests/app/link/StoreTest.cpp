// Every exchange that stores files (BMPW, DATW, XYDT) against a real small file system that fills
// up or turns read-only: what the DM hears, what is left on disk, what the inspector sees, and
// that storing resumes once the files can be written again.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <functional>

#include "tests/support/OnlineStation.h"
#include "tests/support/PrintQString.h"
#include "tests/support/SmallDisk.h"

namespace pelmar {
namespace {

const QByteArray kOk = "0,\r";
const QByteArray kDataLine =
    "12/07/2026 Mon. 10:15:30,V,0.012,OK,0.050,0.001,LENS-A,SN0001,DM-7100,YAMADA,EC-200";

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class StoreTest : public fakes::OnlineStation {
protected:
    StoreTest() {
        state.settings.saveFolder = dir.filePath(QStringLiteral("disk"));
        state.settings.saveMethod = SaveBoth;
    }

    QString dayFile(const QString& name) const { return rig.dayFile(name); }
    QStringList dayEntries() const {
        return QDir(rig.day()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    // One exchange of the DM's whose files are named after `name`.
    struct Exchange {
        const char* command;
        std::function<QByteArray(const QString& name)> serve;
        QByteArray storedReplies;   // all the DM hears when the files are stored
        QByteArray refusedReplies;  // all it hears when they cannot be
        QStringList files;          // the suffixes of the files it stores
        std::function<bool(const QByteArray& file, const QString& suffix)> whole;
    };
    // Something that keeps files from being stored, and its end.
    struct Trouble {
        const char* what;
        bool needsDisk;  // a small disk of the test's own
        const char* reason;
        std::function<void()> begin;
        std::function<void()> end;
    };
};

TEST_F(StoreTest, NothingIsReportedStoredThatIsNotAndStoringResumesWhenFilesFitAgain) {
    fakes::SmallDisk disk(state.settings.saveFolder, 256);

    const QByteArray pixels(64 * 48, '\x5a');
    const Exchange exchanges[] = {
        {"BMPW",
         [&](const QString& name) {
             return rig.serve("BMPW,1,64,48," + name.toLatin1(), {pixels});
         },
         kOk + kOk,
         kOk + "-1,\r",
         {QStringLiteral(".bmp"), QStringLiteral(".jpg")},
         [&](const QByteArray& file, const QString& suffix) {
             if (suffix == QStringLiteral(".bmp")) {
                 return file.size() == 1078 + pixels.size() && file.endsWith(pixels);
             }
             return QImage::fromData(file, "JPG").size() == QSize(64, 48);
         }},
        {"DATW",
         [&](const QString& name) {
             return rig.serve("DATW," + name.toLatin1(), {kDataLine + "\r"});
         },
         kOk + kOk,
         kOk,
         {QStringLiteral(".csv")},
         [](const QByteArray& file, const QString&) { return file == kDataLine + "\r\n"; }},
        {"XYDT",
         [&](const QString& name) {
             // The points take the name of the measurement before them.
             state.loop.measurementName = name;
             state.loop.measurementFolder = rig.day();
             return rig.serve("XYDT,2", {"1.5,2.5\r", "3,4\r"});
         },
         kOk + kOk + kOk,
         kOk + kOk,
         {QStringLiteral("_XY.csv")},
         [](const QByteArray& file, const QString&) { return file == "1.5,2.5\r\n3,4\r\n"; }},
    };
    const Trouble troubles[] = {
        {"a file where the day folder should be", false, "フォルダを作成できません",
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
        {"a read-only disk before the day's first file", true, "フォルダを作成できません",
         [&] {
             QDir(rig.day()).removeRecursively();
             disk.setReadOnly(true);
         },
         [&] { disk.setReadOnly(false); }},
    };

    int n = 0;
    for (const Trouble& trouble : troubles) {
        if (trouble.needsDisk && !disk.failure().isEmpty()) continue;
        for (const Exchange& exchange : exchanges) {
            SCOPED_TRACE(std::string(trouble.what) + ", " + exchange.command);
            const QString name = QStringLiteral("S%1").arg(++n);
            const int results = state.history.historyCount;
            trouble.begin();
            const QStringList before = dayEntries();

            EXPECT_EQ(exchange.serve(name), exchange.refusedReplies);
            EXPECT_EQ(dayEntries(), before) << "no file, whole or partial or temporary, is left";
            EXPECT_TRUE(screen.storeFault);
            const QString told = screen.status.last();
            EXPECT_TRUE(told.startsWith(QStringLiteral("保存エラー（")) &&
                        told.contains(rig.day()) &&
                        told.contains(QString::fromUtf8(trouble.reason)))
                << told.toStdString();
            if (exchange.command == std::string("DATW")) {
                EXPECT_EQ(state.history.historyCount, results + 1) << "the result is listed";
            }
            EXPECT_EQ(rig.serve("NONE"), kOk) << "the loop serves on";
            EXPECT_TRUE(screen.storeFault) << "until files are stored again";

            trouble.end();
            EXPECT_EQ(exchange.serve(name), exchange.storedReplies);
            for (const QString& suffix : exchange.files) {
                EXPECT_TRUE(exchange.whole(fileBytes(dayFile(name + suffix)), suffix))
                    << (name + suffix).toStdString();
            }
            EXPECT_FALSE(screen.storeFault);
            EXPECT_EQ(loop.state(), LinkState::Online);
        }
    }
    if (!disk.failure().isEmpty()) {
        GTEST_SKIP() << "only the folder case ran: no small disk of the test's own ("
                     << disk.failure().toStdString() << ")";
    }
}

}  // namespace
}  // namespace pelmar
