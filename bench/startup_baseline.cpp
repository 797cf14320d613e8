// The baselines of the start-up timing: a Qt window that, once shown, starts a connection to the
// given port on 127.0.0.1, as Pelmar starts its first connection attempt once its main window is
// shown. Empty, or (with "label") holding one line of Japanese text in the program's font: the
// least any window of the program costs, since the first text drawn loads the font database and
// the Japanese glyphs.
//   startup_baseline PORT [label]
#include <QApplication>
#include <QHostAddress>
#include <QLabel>
#include <QTcpSocket>
#include <QTranslator>
#include <QWidget>

#include "app/widgets/Japanese.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) return 2;
    QTranslator japanese;
    QLabel labelled(QStringLiteral("接続状態"));
    QWidget empty;
    QWidget& window = argc == 3 ? static_cast<QWidget&>(labelled) : empty;
    // The same start-up work as Pelmar's, whether or not Qt's Japanese texts are there.
    if (argc == 3) {
        [[maybe_unused]] const bool texts = pelmar::installJapanese(japanese);
    }
    window.show();
    QCoreApplication::processEvents();
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(QHostAddress::LocalHost),
                         static_cast<quint16>(QByteArray(argv[1]).toUShort()));
    return QApplication::exec();
}
