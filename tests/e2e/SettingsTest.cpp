// The DM's setting data through the real program's windows: the inspector allows the request,
// the editor shows the record and saves it through the save dialog, all by keyboard.
//
// Pelmar has no test hook: it runs on a private X server (Xvfb) and the test is the inspector,
// typing with xdotool as a person would (Enter answers the confirmation's default "はい";
// Shift+Tab twice from the editor's first box reaches "ファイルに保存"). The file it saves shows
// what the editor held.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include "PelmarRig.h"

namespace {

// A private X server for the test's lifetime; it picks a free display number itself.
class XServer {
public:
    XServer() {
        xvfb_.start("Xvfb",
                    {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        if (!xvfb_.waitForStarted() || !xvfb_.waitForReadyRead(10000)) return;
        display_ = ":" + QString::fromLatin1(xvfb_.readLine().trimmed());
    }
    ~XServer() {
        xvfb_.terminate();
        if (!xvfb_.waitForFinished(5000)) xvfb_.kill();
    }
    QString display() const { return display_; }

    // Runs xdotool on this display; false when it failed or did not end within the limit.
    bool xdotool(const QStringList& arguments, int limitMs = 20000) const {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display_);
        tool.setProcessEnvironment(environment);
        tool.start("xdotool", arguments);
        if (!tool.waitForFinished(limitMs)) {
            tool.kill();
            tool.waitForFinished();
            return false;
        }
        return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    }
    // Waits for the window with exactly this title and gives it the keyboard.
    bool focus(const QString& title) const {
        return xdotool({"search", "--sync", "--name", "^" + title + "$", "windowfocus", "--sync"});
    }

private:
    QProcess xvfb_;
    QString display_;
};

QByteArray waitForFile(const QString& path, int limitMs) {
    QElapsedTimer timer;
    timer.start();
    while (!timer.hasExpired(limitMs)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) return file.readAll();
        QThread::msleep(100);
    }
    return {};
}

TEST(Settings, SetwAllowedShowsTheRecordInTheEditorWhichSavesIt) {
    XServer x;
    ASSERT_FALSE(x.display().isEmpty()) << "Xvfb did not start";
    PelmarRig rig;
    rig.showOn(x.display());
    ASSERT_TRUE(rig.startScript(
        "accept 30000\n"
        "limit 30000\n"  // the inspector answers first
        // Mode 7, a yes/no of 2 and image 5 are shown on the buttons they are saved as.
        "setw \"LENS-E2E,7,3,10,2,0,1,1,0,5,\" \"SATO,SUZUKI,,,,,,,,TEN,\"\n"
        "none\n"));

    ASSERT_TRUE(x.focus("確認"));
    ASSERT_TRUE(x.xdotool({"key", "Return"}));
    ASSERT_TRUE(x.focus("設定データ"));
    ASSERT_TRUE(x.xdotool({"key", "shift+Tab", "shift+Tab", "space"}));
    ASSERT_TRUE(x.focus("設定データの保存"));
    // 保存先 (the save folder), 作成, 参照, then ファイル名.
    ASSERT_TRUE(x.xdotool({"key", "Tab", "Tab", "Tab"}));
    ASSERT_TRUE(x.xdotool({"type", "lens.set"}));
    ASSERT_TRUE(x.xdotool({"key", "Tab", "space"}));

    EXPECT_EQ(waitForFile(rig.saveFolder() + "/lens.set", 20000),
              "LENS-E2E\r\n 4, 3, 10, 1, 0, 1, 1, 0,-1,\r\nSATO\r\nSUZUKI\r\n" +
                  QByteArray("\r\n").repeated(7) + "TEN\r\n");
    const auto outcome = rig.finish(30000);
    ASSERT_TRUE(outcome.finished) << outcome.transcript.toStdString();
    EXPECT_EQ(outcome.exitCode, 0) << outcome.transcript.toStdString();
}

}  // namespace
