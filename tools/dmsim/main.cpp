// dmsim: the DM's side of Pelmar's line protocol on 127.0.0.1, for the demo, the end-to-end
// tests and the timing runs.
//
//   dmsim [--port N] [--port-file FILE] [--with-settings] demo
//   dmsim [--port N] [--port-file FILE] --script FILE|-
//
// The first line of standard output is "dmsim listening on 127.0.0.1:PORT". Exit status: 0 the
// script ran to its end, 1 an expectation was not met, 2 bad arguments, a bad script or no port.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

#include "tools/dmsim/Demo.h"
#include "tools/dmsim/Peer.h"
#include "tools/dmsim/Script.h"
#include "tools/dmsim/Session.h"
#include "tools/dmsim/Transcript.h"

namespace {

[[noreturn]] void quit(const QString& message) {
    std::fprintf(stderr, "dmsim: %s\n", message.toLocal8Bit().constData());
    std::exit(2);
}

QByteArray readScript(const QString& path) {
    QFile file(path);
    const bool opened =
        path == "-" ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened) quit("cannot read the script " + path + ": " + file.errorString());
    return file.readAll();
}

void writePortFile(const QString& path, quint16 port) {
    // Written whole or not at all: a waiting caller must never read half a number.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray::number(port) + "\n") < 0 ||
        !file.commit())
        quit("cannot write the port file " + path + ": " + file.errorString());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "The DM's side of Pelmar's line protocol, on 127.0.0.1.\n\nScript steps, one per line:\n" +
        dmsim::scriptUsage());
    parser.addHelpOption();
    parser.addPositionalArgument("demo", "Play the DM of a measuring station until stopped.");
    const QCommandLineOption portOption("port", "Port to listen on; 0 picks a free one.", "N", "0");
    const QCommandLineOption portFileOption("port-file", "Also write the port into FILE.", "FILE");
    const QCommandLineOption scriptOption("script", "Run the script FILE (- for stdin).", "FILE");
    const QCommandLineOption settingsOption(
        "with-settings", "The demo adds one SETW and one SETR, after its first two measurements.");
    parser.addOptions({portOption, portFileOption, scriptOption, settingsOption});
    parser.process(app);

    const bool demo = parser.positionalArguments() == QStringList{"demo"};
    if (demo == parser.isSet(scriptOption) || (!demo && !parser.positionalArguments().isEmpty()))
        quit("give either the scenario demo or --script FILE (see --help)");
    if (!demo && parser.isSet(settingsOption)) quit("--with-settings belongs to the demo");
    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port > 65535) quit("--port takes 0 to 65535");

    dmsim::Script script;
    if (!demo) {
        try {
            script = dmsim::parseScript(readScript(parser.value(scriptOption)));
        } catch (const dmsim::ScriptError& error) {
            quit(QString("script: ") + error.what());
        }
    }

    dmsim::Peer peer;
    quint16 listening = 0;
    try {
        listening = peer.listen(static_cast<quint16>(port));
    } catch (const std::exception& error) {
        quit(error.what());
    }
    // The file first: whoever reads the announcement may look for the file at once.
    if (parser.isSet(portFileOption)) writePortFile(parser.value(portFileOption), listening);
    std::printf("dmsim listening on 127.0.0.1:%u\n", unsigned(listening));
    std::fflush(stdout);

    dmsim::Transcript transcript;
    if (demo) dmsim::runDemo(peer, transcript, parser.isSet(settingsOption));
    dmsim::Session session(peer, transcript);
    return dmsim::runScript(script, session);
}
