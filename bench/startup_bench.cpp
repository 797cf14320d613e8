// Start-up of the real pelmar: from its process start to its first connection attempt (the main
// window is shown before it), against an empty Qt window that starts a connection once shown
// (helpers/startup_baseline), both started the same way and taken in turns in the same run,
// offscreen.
//   startup_bench [BIN_DIR [RUNS]]
// BIN_DIR is the program folder with pelmar (default: ../bin beside this program, where it sits
// in a build's bench/ folder); Pelmar runs in a temporary copy of it, configured for 127.0.0.1.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#include "tools/dmsim/Stats.h"

namespace {

// Microseconds from starting the program to its connection reaching the server; -1 when it
// never came.
double timeToConnect(const QString& program, const QStringList& arguments, QTcpServer& server) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    const bool connected = server.waitForNewConnection(30000);
    const double micros = static_cast<double>(clock.nsecsElapsed()) / 1000.0;
    process.kill();
    process.waitForFinished();
    while (server.hasPendingConnections()) delete server.nextPendingConnection();
    return connected ? micros : -1;
}

bool copyProgramFolder(const QDir& from, const QDir& to) {
    for (const QString& name : from.entryList(QDir::Files)) {
        if (!QFile::copy(from.filePath(name), to.filePath(name))) return false;
        QFile::setPermissions(to.filePath(name), QFile(from.filePath(name)).permissions());
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString here = QCoreApplication::applicationDirPath();
    const QDir bin(args.size() > 1 ? args[1] : here + QStringLiteral("/../bin"));
    const int runs = args.size() > 2 ? args[2].toInt() : 20;

    QTcpServer server;
    QTemporaryDir folder;
    if (!server.listen(QHostAddress(QHostAddress::LocalHost), 0) || !folder.isValid() ||
        !copyProgramFolder(bin, QDir(folder.path()))) {
        std::fprintf(stderr, "cannot prepare the run from %s\n", qPrintable(bin.path()));
        return 1;
    }
    // Pelmar never starts without a configuration that points at 127.0.0.1.
    QFile ini(QDir(folder.path()).filePath(QStringLiteral("PELMAR.INI")));
    if (!ini.open(QIODevice::WriteOnly)) return 1;
    ini.write(QStringLiteral("1,%1\r\n10,127.0.0.1\r\n11,%2\r\n12, 0\r\n13, 80\r\n")
                  .arg(QDir(folder.path()).filePath(QStringLiteral("data")))
                  .arg(server.serverPort())
                  .toLatin1());
    ini.close();

    const QString pelmar = QDir(folder.path()).filePath(QStringLiteral("pelmar"));
    const QString baseline = here + QStringLiteral("/helpers/startup_baseline");
    const QStringList port{QString::number(server.serverPort())};
    // One untimed start of each first, so that neither pays for a cold file cache.
    const QStringList labelled{port[0], QStringLiteral("label")};
    timeToConnect(pelmar, {}, server);
    timeToConnect(baseline, port, server);
    timeToConnect(baseline, labelled, server);
    std::vector<double> pelmarMicros;
    std::vector<double> baselineMicros;
    std::vector<double> labelledMicros;
    for (int run = 0; run < runs; ++run) {
        const double p = timeToConnect(pelmar, {}, server);
        const double b = timeToConnect(baseline, port, server);
        const double l = timeToConnect(baseline, labelled, server);
        if (p < 0 || b < 0 || l < 0) {
            std::fprintf(stderr, "a program never connected\n");
            return 1;
        }
        pelmarMicros.push_back(p);
        baselineMicros.push_back(b);
        labelledMicros.push_back(l);
    }
    const dmsim::Stats p = dmsim::summarize(pelmarMicros);
    const dmsim::Stats b = dmsim::summarize(baselineMicros);
    const dmsim::Stats l = dmsim::summarize(labelledMicros);
    std::printf("  baseline empty Qt window, start to its connection: %s\n",
                qPrintable(dmsim::describe(b)));
    std::printf("  a window with one line of Japanese text, start to its connection: %s\n",
                qPrintable(dmsim::describe(l)));
    std::printf("    = %.2f x the baseline median (the floor of any window with text)\n",
                l.median / b.median);
    std::printf("  pelmar start to its first connection attempt: %s\n",
                qPrintable(dmsim::describe(p)));
    std::printf("    = %.2f x the baseline median, %.2f x the text window's\n", p.median / b.median,
                p.median / l.median);
    return 0;
}
