// The dmsim program as the end-to-end tests and the demo start it.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "PelmarStandIn.h"

namespace {

const QString kDmsim = QStringLiteral(PELMAR_BIN_DIR "/dmsim");

TEST(Program, AnnouncesItsPortRunsTheScriptFromStdinAndExitsZero) {
    QTemporaryDir dir;
    const QString portFile = dir.filePath("port");
    QProcess dmsim;
    dmsim.start(kDmsim, {"--port", "0", "--port-file", portFile, "--script", "-"});
    ASSERT_TRUE(dmsim.waitForStarted());
    dmsim.write("accept 10000\nnone\n");
    dmsim.closeWriteChannel();
    ASSERT_TRUE(dmsim.waitForReadyRead(10000));
    const QByteArray first = dmsim.readLine();
    ASSERT_TRUE(first.startsWith("dmsim listening on 127.0.0.1:")) << first.data();
    const QByteArray port = first.mid(first.lastIndexOf(':') + 1).trimmed();
    QFile written(portFile);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().trimmed(), port);

    PelmarStandIn pelmar;
    ASSERT_TRUE(pelmar.connectTo(static_cast<std::uint16_t>(port.toUInt())));
    EXPECT_EQ(pelmar.readLine(), "NONE\r");
    pelmar.send("0,\r");
    ASSERT_TRUE(dmsim.waitForFinished(10000));
    EXPECT_EQ(dmsim.exitCode(), 0) << dmsim.readAll().data();
}

TEST(Program, BadScriptsAndArgumentsExitTwoWithAMessage) {
    QTemporaryDir dir;
    QFile script(dir.filePath("bad.dms"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("accept 1000\nsend\n");
    script.close();

    const auto run = [](const QStringList& arguments) {
        QProcess dmsim;
        dmsim.start(kDmsim, arguments);
        dmsim.waitForFinished(10000);
        return std::pair{dmsim.exitCode(), QString::fromUtf8(dmsim.readAllStandardError())};
    };
    auto [code, message] = run({"--script", script.fileName()});
    EXPECT_EQ(code, 2);
    EXPECT_TRUE(message.contains("line 2: the text is missing")) << message.toStdString();
    std::tie(code, message) = run({"--script", dir.filePath("missing.dms")});
    EXPECT_EQ(code, 2);
    EXPECT_TRUE(message.contains("cannot read the script")) << message.toStdString();
    std::tie(code, message) = run({"demo", "--script", script.fileName()});
    EXPECT_EQ(code, 2);
    std::tie(code, message) = run({"--port", "70000", "demo"});
    EXPECT_EQ(code, 2);
    std::tie(code, message) = run({"--with-settings", "--script", script.fileName()});
    EXPECT_EQ(code, 2);
    EXPECT_TRUE(message.contains("--with-settings belongs to the demo")) << message.toStdString();
}

TEST(Program, ListensOnLoopbackOnly) {
    QProcess dmsim;
    dmsim.start(kDmsim, {"--script", "-"});
    ASSERT_TRUE(dmsim.waitForStarted());
    dmsim.write("accept 3000\n");
    dmsim.closeWriteChannel();
    ASSERT_TRUE(dmsim.waitForReadyRead(10000));
    const QByteArray first = dmsim.readLine();
    const QByteArray port = first.mid(first.lastIndexOf(':') + 1).trimmed();
    QFile tcp("/proc/net/tcp");
    ASSERT_TRUE(tcp.open(QIODevice::ReadOnly));
    // State 0A is LISTEN; the local address 0100007F:PORT is 127.0.0.1 in the kernel's notation.
    const QByteArray listening =
        "0100007F:" + QByteArray::number(port.toUInt(), 16).toUpper().rightJustified(4, '0') +
        " 00000000:0000 0A";
    EXPECT_TRUE(tcp.readAll().contains(listening)) << listening.data();
    dmsim.waitForFinished(10000);
    EXPECT_EQ(dmsim.exitCode(), 1) << "nobody connected within the time";
}

}  // namespace
