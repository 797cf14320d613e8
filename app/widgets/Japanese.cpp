#include "app/widgets/Japanese.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>

namespace pelmar {

bool installJapanese(QTranslator& translator) {
    // Qt's dialogs show dates and numbers the Japanese way.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    // The windows are laid out for this font; IPAPGothic has its metrics.
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QApplication::setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 10));
    if (!translator.load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    return QCoreApplication::installTranslator(&translator);
}

}  // namespace pelmar
