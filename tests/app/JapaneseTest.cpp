#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/Japanese.h"

namespace pelmar {
namespace {

TEST(Japanese, MessageBoxButtonsSpeakJapanese) {
    QTranslator translator;
    ASSERT_TRUE(installJapanese(translator)) << "Qt's Japanese translation is missing";
    QMessageBox box(QMessageBox::Information, QStringLiteral("確認"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("はい")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("いいえ")));
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().startsWith(QStringLiteral("キャンセル")));
    QCoreApplication::removeTranslator(&translator);
}

}  // namespace
}  // namespace pelmar
