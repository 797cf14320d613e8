#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "app/widgets/Japanese.h"
#include "app/widgets/QtPrompts.h"

namespace pelmar {
namespace {

TEST(Japanese, MessageBoxesAndDatesSpeakJapanese) {
    QTranslator translator;
    ASSERT_TRUE(installJapanese(translator)) << "Qt's Japanese translation is missing";
    std::unique_ptr<QMessageBox> box(
        makeMessageBox(QString(), QStringLiteral("?"), Prompts::Icon::Information,
                       Prompts::Yes | Prompts::No | Prompts::Cancel, nullptr));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Pelmar")) << "the program's name by default";
    EXPECT_TRUE(box->button(QMessageBox::Yes)->text().startsWith(QStringLiteral("はい")));
    EXPECT_TRUE(box->button(QMessageBox::No)->text().startsWith(QStringLiteral("いいえ")));
    EXPECT_TRUE(box->button(QMessageBox::Cancel)->text().startsWith(QStringLiteral("キャンセル")));
    for (QAbstractButton* button : box->buttons()) EXPECT_TRUE(button->icon().isNull());
    EXPECT_EQ(QLocale().toString(QDate(2026, 12, 7), QLocale::ShortFormat),
              QStringLiteral("2026/12/07"));
    QCoreApplication::removeTranslator(&translator);
    QLocale::setDefault(QLocale::c());
}

// The names a file dialog lists in its folder, once Qt has read them (within five seconds).
QStringList listed(QFileDialog& dialog, const QStringList& expected) {
    auto* model = dialog.findChild<QFileSystemModel*>();
    EXPECT_NE(model, nullptr);
    QStringList names;
    for (int waited = 0; model && waited < 5000; waited += 10) {
        const QModelIndex folder = model->index(dialog.directory().absolutePath());
        names.clear();
        for (int row = 0; row < model->rowCount(folder); ++row) {
            names.append(model->index(row, 0, folder).data().toString());
        }
        names.sort();
        if (names == expected) break;
        QTest::qWait(10);
    }
    return names;
}

// "*.*" lists every file, also the setting-data files saved without an extension; the filter
// shows as the program writes it.
TEST(Japanese, FileDialogsShowTheFilterAsWrittenAndStarDotStarIsEveryFile) {
    QTemporaryDir dir;
    for (const char* name : {"lens1", "A001.bmp", "old.pdf"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const struct {
        QFileDialog::AcceptMode mode;
        QString start;
        const char* filter;
        QStringList shown;
    } cases[] = {
        {QFileDialog::AcceptOpen,
         dir.path(),
         "すべてのファイル(*.*)|*.*",
         {"A001.bmp", "lens1", "old.pdf"}},
        {QFileDialog::AcceptOpen, dir.path(), "BMPファイル(*.bmp)|*.bmp", {"A001.bmp"}},
        {QFileDialog::AcceptSave,
         dir.filePath(QStringLiteral("report.pdf")),
         "PDFファイル(*.pdf)|*.pdf",
         {"old.pdf"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        const QString filter = QString::fromUtf8(c.filter);
        std::unique_ptr<QFileDialog> dialog(makeFileDialog(c.mode, c.start, filter, nullptr));
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->show();
        EXPECT_EQ(dialog->directory().absolutePath(), dir.path());
        auto* filters = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(filters, nullptr);
        EXPECT_EQ(filters->currentText(), filter.section(u'|', 0, 0));
        EXPECT_EQ(listed(*dialog, c.shown), c.shown);
    }
}

// A window closed behind a waiting box or file dialog (a screen reader can do it) takes the box
// with it: the question counts as closed without an answer, and nothing is freed twice.
TEST(Japanese, ABoxWhoseWindowIsClosedBehindItCountsAsClosed) {
    QtPrompts prompts;
    const std::function<void()> asks[] = {
        [&] {
            EXPECT_EQ(prompts.message(QString(), QStringLiteral("?"), Prompts::Icon::Information,
                                      Prompts::Yes | Prompts::No),
                      Prompts::No);
        },
        [&] {
            EXPECT_EQ(prompts.openFile(QDir::tempPath(), QStringLiteral("*.*|*.*")), std::nullopt);
        },
    };
    for (const auto& ask : asks) {
        auto* window = new QWidget;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTimer::singleShot(50, window, &QWidget::close);
        ask();
    }
}

}  // namespace
}  // namespace pelmar
