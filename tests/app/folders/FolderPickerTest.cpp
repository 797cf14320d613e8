#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "app/widgets/WindowSlot.h"
#include "app/folders/frmFile.h"
#include "app/folders/frmFile1.h"
#include "tests/app/folders/FakeVolumes.h"
#include "tests/support/FakePrompts.h"
#include "tests/support/NativePath.h"

namespace pelmar::folders {
namespace {

// Two folders standing in for two volumes, each with a few folders; the pickers start on the
// first.
class FolderPickerTest : public ::testing::Test {
protected:
    FolderPickerTest() {
        for (const char* sub : {"a", "a/inner", "b", "c"}) QDir(first.path()).mkpath(sub);
        QDir(second.path()).mkpath(QStringLiteral("x"));
        volumes.volumes = {{first.path(), QStringLiteral("DATA")}, {second.path(), QString()}};
    }

    QString in(const QTemporaryDir& volume, const char* sub) const {
        return QDir(volume.path()).filePath(QString::fromLatin1(sub));
    }
    // The tree loads its folders in the background: wait until this one's are there.
    static void waitLoaded(FolderPicker& picker, const QString& folder, int count) {
        QFileSystemModel& model = picker.lists().model();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return model.rowCount(model.index(folder)) == count; }, 5000))
            << folder.toStdString();
    }
    static QModelIndex row(FolderPicker& picker, const QString& folder) {
        auto* tree = static_cast<QAbstractProxyModel*>(picker.Dir1->model());
        return tree->mapFromSource(picker.lists().model().index(folder));
    }

    QTemporaryDir first;
    QTemporaryDir second;
    fakes::FakeVolumes volumes;
    fakes::FakePrompts prompts;
};

TEST_F(FolderPickerTest, OpenTakesTheFolderEnteredLastNotTheOneHighlighted) {
    QString saveFolder = first.path();
    frmFile picker(saveFolder, volumes, prompts);
    picker.show();
    EXPECT_EQ(picker.Drive1->currentText(), first.path() + QStringLiteral(" [DATA]"));
    EXPECT_EQ(picker.lists().openFolder(), first.path());
    waitLoaded(picker, first.path(), 3);

    picker.Dir1->setFocus();
    picker.Dir1->setCurrentIndex(row(picker, in(first, "a")));
    QTest::keyClick(picker.Dir1, Qt::Key_Return);
    EXPECT_EQ(picker.lblOpenFolder->text(), native(in(first, "a")));
    waitLoaded(picker, in(first, "a"), 1);

    const QRect cell = picker.Dir1->visualRect(row(picker, in(first, "b")));
    // A double-click as the window system delivers it: a click, then the second press.
    QTest::mouseClick(picker.Dir1->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(picker.Dir1->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(picker.lists().openFolder(), in(first, "b"));

    QTest::keyClick(picker.Dir1, Qt::Key_Down);  // c is highlighted, b stays open
    EXPECT_EQ(picker.Dir1->currentIndex(), row(picker, in(first, "c")));
    picker.cmdOpen->click();
    EXPECT_EQ(saveFolder, native(in(first, "b")));
    EXPECT_FALSE(picker.isVisible());
}

// As the dialogs open it: in place of the dialog whose Text1 it fills.
TEST_F(FolderPickerTest, ThePickerOfADialogReturnsToThatDialogOnly) {
    struct Opener {
        QWidget window;
        QLineEdit* Text1 = new QLineEdit(QStringLiteral("before"), &window);
        WindowSlot<frmFile1> picker;
    } merge, save;
    const auto refer = [&](Opener& opener) -> frmFile1& {
        opener.window.show();
        return opener.picker.openInPlaceOf(opener.window, [&] {
            return new frmFile1(*opener.Text1, first.path(), volumes, prompts);
        });
    };
    frmFile1& fromSave = refer(save);
    fromSave.lists().enterFolder(in(first, "a/inner"));
    fromSave.cmdOpen->click();
    EXPECT_EQ(save.Text1->text(), native(in(first, "a/inner")));
    EXPECT_TRUE(save.window.isVisible());
    EXPECT_EQ(merge.Text1->text(), QStringLiteral("before"));
    EXPECT_FALSE(merge.window.isVisible());

    frmFile1& fromMerge = refer(merge);
    EXPECT_FALSE(merge.window.isVisible());
    fromMerge.lists().enterFolder(in(first, "c"));
    fromMerge.close();  // the window frame cancels like "キャンセル"
    EXPECT_EQ(merge.Text1->text(), QStringLiteral("before"));
    EXPECT_TRUE(merge.window.isVisible());
}

TEST_F(FolderPickerTest, AVolumeThatCannotBeReadAsksRetryOrCancel) {
    QString saveFolder = first.path();
    frmFile picker(saveFolder, volumes, prompts);
    picker.show();
    picker.lists().enterFolder(in(first, "a"));

    // Two failed checks: Retry asks again, Cancel leaves the tree where it was while the drive
    // list shows the chosen volume.
    volumes.failuresLeft[second.path()] = 2;
    prompts.answers = {Prompts::Retry, Prompts::Cancel};
    picker.Drive1->setFocus();
    QTest::keyClick(picker.Drive1, Qt::Key_Down);
    ASSERT_EQ(prompts.asked.size(), 2);
    for (const auto& asked : prompts.asked) {
        EXPECT_EQ(asked.title, QStringLiteral("Change Drive"));
        EXPECT_EQ(asked.text, QStringLiteral("It cannot access the drive. "));
        EXPECT_EQ(asked.buttons, Prompts::Retry | Prompts::Cancel);
    }
    EXPECT_EQ(picker.Drive1->currentIndex(), 1);
    EXPECT_EQ(picker.lblOpenFolder->text(), native(in(first, "a")));
    EXPECT_EQ(picker.Dir1->currentIndex(), row(picker, in(first, "a")));

    // Readable after one Retry: the tree opens at the volume's root, the start folder lying on
    // the other volume.
    volumes.failuresLeft[second.path()] = 1;
    prompts.answers = {Prompts::Retry};
    picker.lists().changeDrive(1);
    EXPECT_EQ(prompts.asked.size(), 3);
    EXPECT_EQ(picker.lists().openFolder(), second.path());
    waitLoaded(picker, second.path(), 1);
    EXPECT_TRUE(row(picker, in(second, "x")).isValid());
    EXPECT_FALSE(row(picker, in(first, "a")).isValid()) << "nothing of the other volume shows";

    picker.cmdOpen->click();
    EXPECT_EQ(saveFolder, native(second.path()));
}

}  // namespace
}  // namespace pelmar::folders
