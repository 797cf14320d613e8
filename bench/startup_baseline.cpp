// The baseline of the start-up timing: an empty Qt window that, once shown, starts a connection
// to the given port on 127.0.0.1, as Pelmar starts its first connection attempt once its main
// window is shown.
//   startup_baseline PORT
#include <QApplication>
#include <QHostAddress>
#include <QTcpSocket>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    QWidget window;
    window.show();
    QCoreApplication::processEvents();
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(QHostAddress::LocalHost),
                         static_cast<quint16>(QByteArray(argv[1]).toUShort()));
    return QApplication::exec();
}
