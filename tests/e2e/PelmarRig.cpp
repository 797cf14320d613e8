#include "PelmarRig.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QThread>

#include "app/text/TextFile.h"

namespace {

const QString kBinDir = QStringLiteral(PELMAR_BIN_DIR);

void stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    process.kill();
    process.waitForFinished(10000);
}

}  // namespace

PelmarRig::PelmarRig() : started_(QDate::currentDate()) {
    // Only the programs and libraries: a demo folder beside them is no part of the program.
    const QDir bin(kBinDir);
    for (const QFileInfo& file : bin.entryInfoList(QDir::Files)) {
        EXPECT_TRUE(QFile::copy(file.filePath(), dir_.filePath(file.fileName())))
            << file.filePath().toStdString();
    }
}

PelmarRig::~PelmarRig() {
    stop(pelmar_);
    stop(dmsim_);
}

bool PelmarRig::start(const QStringList& dmsimArguments, int saveMethod) {
    dmsim_.setProcessChannelMode(QProcess::MergedChannels);
    dmsim_.start(dir_.filePath("dmsim"), QStringList{"--port", "0"} + dmsimArguments);
    if (!dmsim_.waitForStarted() || !dmsim_.waitForReadyRead(10000)) {
        ADD_FAILURE() << "dmsim did not start";
        return false;
    }
    const QByteArray first = dmsim_.readLine();
    startOutput_ = QString::fromUtf8(first);
    if (!first.startsWith("dmsim listening on 127.0.0.1:")) {
        ADD_FAILURE() << "dmsim said: " << first.data();
        return false;
    }
    const QString port = QString::fromLatin1(first.mid(first.lastIndexOf(':') + 1).trimmed());

    // Pelmar must never start without a configuration that points at 127.0.0.1.
    const auto written = pelmar::text::writeLines(
        dir_.filePath("PELMAR.INI"),
        {"1," + saveFolder() + ",(保存フォルダ)", "10,127.0.0.1,(DMのIPアドレス)",
         "11," + port + ",(DMのポート番号)", QString("12, %1,(保存方式)").arg(saveMethod),
         "13, 80,(Jpeg圧縮率)"});
    if (!written) {
        ADD_FAILURE() << "no PELMAR.INI: " << written.problem().text().toStdString();
        return false;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (display_.isEmpty()) {
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    } else {
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", display_);
    }
    pelmar_.setProcessEnvironment(environment);
    pelmar_.setProcessChannelMode(QProcess::MergedChannels);
    pelmar_.start(dir_.filePath("pelmar"), {});
    if (!pelmar_.waitForStarted()) {
        ADD_FAILURE() << "pelmar did not start";
        return false;
    }
    return true;
}

PelmarRig::Outcome PelmarRig::run(const QByteArray& script, int saveMethod, int limitMs) {
    if (!startScript(script, saveMethod)) return {false, -1, startOutput_};
    return finish(limitMs);
}

bool PelmarRig::startScript(const QByteArray& script, int saveMethod) {
    const QString scriptPath = dir_.filePath("script.dms");
    QFile scriptFile(scriptPath);
    if (!scriptFile.open(QIODevice::WriteOnly) || scriptFile.write(script) != script.size()) {
        ADD_FAILURE() << "cannot write " << scriptPath.toStdString();
        return false;
    }
    scriptFile.close();
    return start({"--script", scriptPath}, saveMethod);
}

PelmarRig::Outcome PelmarRig::finish(int limitMs) {
    Outcome outcome;
    outcome.transcript = startOutput_;
    outcome.finished = dmsim_.waitForFinished(limitMs);
    stop(pelmar_);
    stop(dmsim_);
    outcome.exitCode = outcome.finished ? dmsim_.exitCode() : -1;
    outcome.transcript += QString::fromUtf8(transcript_ + dmsim_.readAll());
    const QByteArray pelmarOutput = pelmar_.readAll();
    if (!pelmarOutput.isEmpty()) outcome.transcript += "pelmar said:\n" + pelmarOutput;
    return outcome;
}

bool PelmarRig::waitForDayFile(const QString& name, int limitMs) const {
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(dayFolder(QDate::currentDate()) + "/" + name)) {
        if (timer.hasExpired(limitMs)) return false;
        QThread::msleep(100);
    }
    return true;
}

bool PelmarRig::waitForTranscript(const QByteArray& text, int limitMs) {
    QElapsedTimer timer;
    timer.start();
    while (!transcript_.contains(text)) {
        if (timer.hasExpired(limitMs) || dmsim_.state() == QProcess::NotRunning) return false;
        dmsim_.waitForReadyRead(100);
        transcript_ += dmsim_.readAll();
    }
    return true;
}

QString PelmarRig::dayFolder(const QDate& date) const {
    return saveFolder() + "/" + date.toString("yyyyMMdd");
}

QByteArray PelmarRig::dayFile(const QString& name) const {
    for (const QDate& date : {QDate::currentDate(), started_}) {
        QFile file(dayFolder(date) + "/" + name);
        if (file.open(QIODevice::ReadOnly)) return file.readAll();
    }
    ADD_FAILURE() << name.toStdString() << " is in no day folder under "
                  << saveFolder().toStdString();
    return {};
}
