#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include "app/Form1.h"
#include "tests/support/NativePath.h"
#include "tests/support/StationRig.h"

namespace pelmar::folders {
namespace {

// The save location as the inspector reaches it: the main window's "保存場所" in the program
// started over the fakes.
class SaveLocationTest : public ::testing::Test {
protected:
    SaveLocationTest() {
        QFile ini(rig.dir.filePath(QStringLiteral("PELMAR.INI")));
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("10,127.0.0.1,x\r\n");
        ini.close();
        rig.station->startUp();
        iniBefore = iniBytes();
        openMenu();
    }
    QByteArray iniBytes() const {
        QFile ini(rig.dir.filePath(QStringLiteral("PELMAR.INI")));
        EXPECT_TRUE(ini.open(QIODevice::ReadOnly));
        return ini.readAll();
    }
    // Closed windows go at the next turn of the command loop, before the inspector can choose
    // anything again.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void openMenu() {
        settle();
        form->mnu_SaveDir->trigger();
    }
    frmSaveFolder* dialog() const {
        settle();
        return form->saveFolderDialog();
    }
    frmFile* picker() const {
        settle();
        return form->saveFolderPicker();
    }
    QString in(const char* sub) const { return rig.dir.filePath(QString::fromLatin1(sub)); }

    fakes::StationRig rig;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(rig.state, rig.pump, rig.prompts,
                                                          rig.folders, rig.volumes, rig.display);
    Station& station = rig.build(*form);
    QString& saveFolder = rig.state.settings.saveFolder;
    QByteArray iniBefore;
};

TEST_F(SaveLocationTest, TheMenuOpensTheDialogAtTheSaveFolderInThePlaceOfTheMainWindow) {
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(dialog()->windowTitle(), QStringLiteral("保存場所の設定"));
    EXPECT_EQ(dialog()->Text1->text(), saveFolder);
    // Keyboard order and what the desktop's accessibility interface reads out.
    EXPECT_EQ(dialog()->Text1->accessibleName(), QStringLiteral("保存先"));
    QStringList order;
    for (QWidget* w : {static_cast<QWidget*>(dialog()->Text1), dialog()->Text1->nextInFocusChain(),
                       dialog()->btnMakeFolder->nextInFocusChain(),
                       dialog()->btnReferFolder->nextInFocusChain()}) {
        order.append(
            w->objectName() + u'=' +
            (qobject_cast<QPushButton*>(w) ? qobject_cast<QPushButton*>(w)->text() : QString()));
    }
    EXPECT_EQ(order, QStringList({"Text1=", "btnMakeFolder=作成", "btnReferFolder=参照",
                                  "btnCancel=キャンセル"}));
}

TEST_F(SaveLocationTest, MakeSetsTheSaveFolderCreatesItAndShowsTheMainWindow) {
    QDir(rig.dir.path()).mkdir(QStringLiteral("there"));
    for (const char* folder : {"there", "new/day"}) {
        openMenu();
        dialog()->Text1->setText(in(folder));
        dialog()->btnMakeFolder->click();
        EXPECT_TRUE(QFileInfo(in(folder)).isDir()) << folder;
        EXPECT_EQ(saveFolder, in(folder));
        EXPECT_EQ(form->lblSave->text(), in(folder));
        EXPECT_EQ(dialog(), nullptr);
        EXPECT_TRUE(form->isVisible());
    }
    EXPECT_TRUE(rig.prompts.asked.isEmpty());
    EXPECT_EQ(iniBytes(), iniBefore) << "only 設定保存 writes the configuration";
}

TEST_F(SaveLocationTest, AFolderThatCannotBeMadeOrNoFolderIsToldAndChangesNothing) {
    QFile blocker(in("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString before = saveFolder;
    const struct {
        QString typed;
        QString told;
    } cases[] = {
        {in("file/day"),
         QStringLiteral("フォルダ %1 を作成できません（同じ名前のファイル %2 があります）。")
             .arg(native(in("file/day")), native(in("file")))},
        {QString(), QStringLiteral("フォルダ名を入力してください。")},
        {QStringLiteral("  "), QStringLiteral("フォルダ名を入力してください。")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        rig.prompts.asked.clear();
        dialog()->Text1->setText(c.typed);
        dialog()->btnMakeFolder->click();
        ASSERT_EQ(rig.prompts.asked.size(), 1);
        EXPECT_EQ(rig.prompts.asked[0].text, c.told);
        EXPECT_EQ(saveFolder, before);
        EXPECT_EQ(form->lblSave->text(), before);
        ASSERT_NE(dialog(), nullptr);
        EXPECT_TRUE(dialog()->isVisible());
        EXPECT_FALSE(form->isVisible());
    }
    EXPECT_EQ(QDir(rig.dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(SaveLocationTest, EveryOtherWayOutLeavesTheSaveFolderAndShowsTheMainWindow) {
    const QString before = saveFolder;
    dialog()->Text1->setText(in("typed"));
    dialog()->btnCancel->click();
    EXPECT_TRUE(form->isVisible());

    openMenu();
    dialog()->close();  // the window frame
    EXPECT_TRUE(form->isVisible());

    // "参照": the main window stays hidden until the picker closes.
    openMenu();
    dialog()->btnReferFolder->click();
    ASSERT_NE(picker(), nullptr);
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(native(picker()->lists().openFolder()), before)
        << "the picker starts at the save folder";
    picker()->cmdCan->click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(saveFolder, before);
    EXPECT_FALSE(QFileInfo::exists(in("typed")));

    // and "開く" in the picker takes the folder entered there.
    QDir(rig.dir.path()).mkdir(QStringLiteral("picked"));
    openMenu();
    dialog()->btnReferFolder->click();
    picker()->lists().enterFolder(in("picked"));
    picker()->cmdOpen->click();
    EXPECT_EQ(saveFolder, native(in("picked")));
    EXPECT_EQ(form->lblSave->text(), native(in("picked")));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(iniBytes(), iniBefore);
}

}  // namespace
}  // namespace pelmar::folders
