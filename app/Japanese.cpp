#include "app/Japanese.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>

namespace pelmar {

bool installJapanese(QTranslator& translator) {
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
