#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

#include "app/Japanese.h"
#include "app/QtPrompts.h"

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

TEST(Japanese, FileDialogFiltersShowThePatternOnce) {
    EXPECT_EQ(qtFileFilter(QStringLiteral("BMPファイル(*.bmp)|*.bmp")),
              QStringLiteral("BMPファイル(*.bmp)"));
    EXPECT_EQ(qtFileFilter(QStringLiteral("PDF|*.pdf")), QStringLiteral("PDF (*.pdf)"));
}

}  // namespace
}  // namespace pelmar
