#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QPushButton>

#include "LogTree.h"
#include "app/Form1.h"
#include "app/logdata/frmReadLog.h"
#include "tests/support/NativePath.h"
#include "tests/support/StationRig.h"

namespace pelmar::logdata {
namespace {

QByteArray record(int n) {
    return QStringLiteral(
               "12/07/2026 Mon. 10:15:%1,V,0.0123,OK,0.0200,0.0010,PL-35F2,S%2,DM-7200,"
               "SATO,EC-500")
        .arg(n, 2, 10, QChar(u'0'))
        .arg(n)
        .toLatin1();
}

// The log reader as the inspector reaches it: the main window's "ログデータ読み込み" in the
// program started over the fakes, with five results received before.
class ReadLogWindowTest : public ::testing::Test {
protected:
    ReadLogWindowTest() {
        rig.station->startUp();
        // As the DM's results fill it: each row drawn before the next slot is taken.
        for (int i = 0; i < 5; ++i) {
            rig.state.history.storeRecord(QStringLiteral("01/01/2026 Thu. 08:00:00,V,,,,,,OLD"),
                                          QString(), QString());
            form->RedrawResults();
            rig.state.history.commitRecord();
        }
        form->show();
    }
    // Closed windows go at the next turn of the command loop, before the inspector can choose
    // anything again.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    frmReadLog* reader() const {
        settle();
        return form->logReader();
    }
    frmReadLog& openReader() {
        settle();
        form->cmdLogRead->trigger();
        EXPECT_NE(reader(), nullptr);
        return *reader();
    }
    // What the table's rows show: number and serial.
    QStringList rows() const {
        QStringList shown;
        for (int r = 0; r < ResultHistory::kRows; ++r) {
            shown.append(form->table->lblNo[r]->text() + u' ' + form->table->lblSerial[r]->text());
        }
        return shown;
    }

    fakes::StationRig rig;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(rig.state, rig.pump, rig.prompts,
                                                          rig.folders, rig.volumes, rig.display);
    Station& station = rig.build(*form);
    const QStringList rowsBefore = {"001 OLD", "002 OLD", "003 OLD", "004 OLD",
                                    "005 OLD", " ",       " ",       " "};
};

TEST_F(ReadLogWindowTest, CancelAndAFolderWithoutMeasurementsLeaveHistoryAndTable) {
    ASSERT_EQ(rows(), rowsBefore);
    frmReadLog& dialog = openReader();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ログデータ読み出しフォルダ選択"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(native(dialog.lists().openFolder()), native(rig.state.settings.saveFolder))
        << "the folder tree starts at the save folder";

    LogTree tree;
    tree.write(QStringLiteral("20260712/A001.csv"), record(1));
    dialog.lists().enterFolder(tree.root());
    dialog.cmdCan->click();
    EXPECT_EQ(reader(), nullptr);
    EXPECT_TRUE(form->isVisible());

    // Point lists and other files are no measurements.
    tree.write(QStringLiteral("20260713/A002_XY.csv"), "440.0,240.1\r\n");
    tree.write(QStringLiteral("20260713/notes.txt"), record(2));
    openReader().lists().enterFolder(tree.path(QStringLiteral("20260713")));
    reader()->cmdOpen->click();
    EXPECT_EQ(reader(), nullptr);
    EXPECT_TRUE(form->isVisible());

    EXPECT_EQ(rig.state.history.historyCount, 5);
    EXPECT_EQ(rig.state.history.entries[4].serialNo, QStringLiteral("OLD"));
    EXPECT_EQ(rows(), rowsBefore);
    EXPECT_TRUE(rig.prompts.asked.isEmpty());
}

TEST_F(ReadLogWindowTest, OpenReadsTheEnteredTreeAndShowsTheNewestEight) {
    LogTree tree;
    for (int n = 1; n <= 10; ++n) {
        tree.write(QStringLiteral("%1/A%2.csv")
                       .arg(n <= 4 ? "20260712" : "20260713")
                       .arg(n, 3, 10, QChar(u'0')),
                   record(n) + "\r\n");
    }
    tree.write(QStringLiteral("20260713/A010_XY.csv"), "440.0,240.1\r\n");
    openReader().lists().enterFolder(tree.root());
    reader()->cmdOpen->click();

    EXPECT_EQ(reader(), nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(rig.prompts.asked.isEmpty());
    EXPECT_EQ(rig.state.history.historyCount, 10);
    EXPECT_EQ(rig.state.history.historyTop, 2);
    EXPECT_EQ(rows(), QStringList({"003 S3", "004 S4", "005 S5", "006 S6", "007 S7", "008 S8",
                                   "009 S9", "010 S10"}));
    for (QCheckBox* box : form->table->Check1) EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(rig.state.history.entries[9].jpegPath,
              tree.path(QStringLiteral("20260713/A010.jpg")));
}

TEST_F(ReadLogWindowTest, WhatCouldNotBeReadIsToldAfterTheRestIsShown) {
    LogTree tree;
    tree.write(QStringLiteral("20260712/A001.csv"), record(1));
    tree.write(QStringLiteral("20260712/A002.csv"), "");
    tree.write(QStringLiteral("20260713/A003.csv"), record(3));
    tree.write(QStringLiteral("20260714/A004.csv"), record(4));
    tree.lock(QStringLiteral("20260714"));
    openReader().lists().enterFolder(tree.root());

    AsOrdinaryUser user;
    if (!user.denies(tree.path(QStringLiteral("20260714/A004.csv"))))
        GTEST_SKIP()
            << "a folder without permissions stays readable here (as root without the right to act "
               "as another user, or under Wine)";
    reader()->cmdOpen->click();

    // The two read replace the five earlier results; the rows beyond them are emptied.
    EXPECT_EQ(rows(), QStringList({"001 S1", "002 S3", " ", " ", " ", " ", " ", " "}));
    ASSERT_EQ(rig.prompts.asked.size(), 2);
    const auto& files = rig.prompts.asked[0];
    EXPECT_EQ(files.title, QString());
    EXPECT_TRUE(files.text.contains(QStringLiteral("1個"))) << files.text.toStdString();
    EXPECT_EQ(files.buttons, Prompts::Ok);
    const auto& folders = rig.prompts.asked[1];
    EXPECT_EQ(folders.title, QStringLiteral("システムエラー"));
    EXPECT_EQ(folders.icon, Prompts::Icon::Critical);
    EXPECT_EQ(folders.buttons, Prompts::Ok);
    EXPECT_TRUE(folders.text.contains(tree.path(QStringLiteral("20260714"))))
        << folders.text.toStdString();
    EXPECT_EQ(reader(), nullptr);
    EXPECT_TRUE(form->isVisible());
}

}  // namespace
}  // namespace pelmar::logdata
