#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include "app/Form1.h"
#include "app/folders/LocalFolders.h"
#include "app/logdata/frmSaveLog.h"
#include "app/report/frmSeiseki.h"
#include "app/settings/frmSaveSetting.h"
#include "tests/support/NativePath.h"
#include "tests/support/StationRig.h"

namespace pelmar::logdata {
namespace {

// The merge dialog as the inspector reaches it: the report's "データ統合" in the program started
// over the fakes, with three results of which the second is unchecked.
class SaveLogWindowTest : public ::testing::Test {
protected:
    SaveLogWindowTest() {
        rig.station->startUp();
        for (const char* serial : {"S1", "S2", "S3"}) {
            rig.state.history.storeRecord(
                QStringLiteral("12/07/2026 Mon. 10:15:30,V,0.0123,OK,0.0200,0.0010,PL-35F2,%1,"
                               "DM-7200,SATO,EC-500")
                    .arg(QLatin1String(serial)),
                QString(), QString());
            rig.state.history.commitRecord();
        }
        rig.state.history.entries[1].checked = 0;
        form->cmdSeiseki->trigger();
        page1 = form->seiseki();
    }

    // Closed windows go at the next turn of the command loop.
    frmSaveLog* dialog() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return form->findChild<frmSaveLog*>();
    }
    frmSaveLog& openMerge() {
        page1->BtnAllDataSave->click();
        EXPECT_NE(dialog(), nullptr);
        return *dialog();
    }
    QString in(const char* sub) const { return rig.dir.filePath(QString::fromLatin1(sub)); }

    fakes::StationRig rig;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(rig.state, rig.pump, rig.prompts,
                                                          rig.folders, rig.volumes, rig.display);
    Station& station = rig.build(*form);
    QString& workFolder = rig.state.workFolder;
    report::frmSeiseki* page1 = nullptr;
};

TEST_F(SaveLogWindowTest, MakeMovesTheWorkFolderWhereTheNextDialogStarts) {
    frmSaveLog& first = openMerge();
    EXPECT_EQ(first.windowTitle(), QStringLiteral("計測データの統合"));
    EXPECT_EQ(first.Text1->text(), native(rig.dir.path()));
    EXPECT_EQ(first.Text2->text(), QString());
    EXPECT_TRUE(first.isVisible());
    EXPECT_FALSE(page1->isVisible());

    first.Text1->setText(in("merge/new"));
    first.btnMakeFolder->click();
    ASSERT_EQ(rig.prompts.asked.size(), 1);
    EXPECT_EQ(rig.prompts.asked[0].text,
              native(in("merge/new")) + QStringLiteral("フォルダを作成しました。"));
    EXPECT_EQ(rig.prompts.asked[0].buttons, Prompts::Ok);
    EXPECT_TRUE(QFileInfo(in("merge/new")).isDir());
    EXPECT_EQ(workFolder, native(in("merge/new")));
    EXPECT_EQ(dialog(), &first);

    // Saving elsewhere uses the folder typed for this file only.
    first.Text1->setText(rig.dir.path());
    first.Text2->setText(QStringLiteral("all"));
    first.btnSave->click();
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_TRUE(page1->isVisible());
    QFile merged(in("all"));
    ASSERT_TRUE(merged.open(QIODevice::ReadOnly));
    EXPECT_EQ(merged.readAll().count("\r\n"), 2) << "the unchecked result is left out";
    EXPECT_EQ(workFolder, native(in("merge/new")));

    frmSaveLog& next = openMerge();
    EXPECT_EQ(next.Text1->text(), native(in("merge/new")));
    EXPECT_EQ(next.Text2->text(), QString());
}

// The dialog's checks of the file name and of "作成" are the setting-data save dialog's, tested
// there; what is the merge's own is its file.
TEST_F(SaveLogWindowTest, AFileThatCannotBeWrittenIsNamedAndTheDialogStaysOpen) {
    QDir(rig.dir.path()).mkdir(QStringLiteral("folder"));
    frmSaveLog& d = openMerge();
    // A destination folder that is not there; a name that is a folder's.
    const std::pair<const char*, const char*> destinations[] = {{"nowhere", "merged"},
                                                                {"", "folder"}};
    for (const auto& [folder, file] : destinations) {
        const QString path = QDir(in(folder)).filePath(QString::fromLatin1(file));
        SCOPED_TRACE(path.toStdString());
        rig.prompts.asked.clear();
        d.Text1->setText(QDir::cleanPath(in(folder)));
        d.Text2->setText(QString::fromLatin1(file));
        d.btnSave->click();
        ASSERT_EQ(rig.prompts.asked.size(), 1);
        EXPECT_TRUE(rig.prompts.asked[0].text.contains(native(path)))
            << rig.prompts.asked[0].text.toStdString();
        EXPECT_EQ(dialog(), &d);
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(page1->isVisible());
    }
    EXPECT_FALSE(QFileInfo::exists(in("nowhere")));
    EXPECT_TRUE(QFileInfo(in("folder")).isDir());
}

TEST_F(SaveLogWindowTest, ReferReturnsTheFolderIntoThisDialogOnly) {
    QDir(rig.dir.path()).mkdir(QStringLiteral("picked"));
    folders::LocalFolders folders;
    folders::LocalVolumes volumes;
    settings::frmSaveSetting settingSave(rig.state.settingData, workFolder, folders, volumes,
                                         rig.prompts);
    settingSave.show();
    frmSaveLog& d = openMerge();

    d.btnReferFolder->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(page1->isVisible()) << "the report stays hidden while the picker is open";
    ASSERT_NE(d.picker(), nullptr);
    EXPECT_EQ(native(d.picker()->lists().openFolder()), workFolder)
        << "it starts at the work folder";
    d.picker()->lists().enterFolder(in("picked"));
    d.picker()->cmdOpen->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.Text1->text(), native(in("picked")));
    EXPECT_EQ(settingSave.Text1->text(), native(rig.dir.path()));
    EXPECT_EQ(workFolder, native(rig.dir.path()));

    d.Text2->setText(QStringLiteral("never"));
    d.btnCancel->click();
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_TRUE(page1->isVisible());
    EXPECT_FALSE(QFileInfo::exists(in("picked/never")));
    EXPECT_TRUE(rig.prompts.asked.isEmpty());
}

}  // namespace
}  // namespace pelmar::logdata
