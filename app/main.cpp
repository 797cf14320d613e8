#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/Form1.h"
#include "app/link/QtEventPump.h"
#include "app/link/TcpSocket.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    // Qt's own Japanese texts for the standard buttons (はい, いいえ, キャンセル).
    QTranslator qtJapanese;
    if (qtJapanese.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtJapanese);
    }
    // The windows are laid out for this font; IPAPGothic has its metrics.
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QApplication::setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 10));

    pelmar::ProgramState state;
    state.programFolder = QCoreApplication::applicationDirPath();
    pelmar::TcpSocket socket;
    pelmar::QtEventPump pump;
    pelmar::Form1 form(state, socket, pump);
    form.Form_Load();
    // The loop has ended on an error: the window stays usable until the program is closed.
    return app.exec();
}
