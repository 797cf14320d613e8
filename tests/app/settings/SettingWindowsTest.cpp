// The setting-data panel, the editor, the save dialog and the send dialog, in the program
// started over the fakes, as the DM's requests open them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/Form1.h"
#include "app/platform/CodePage932.h"
#include "app/settings/SettingWindows.h"
#include "tests/app/settings/PrintSettingData.h"
#include "tests/support/NativePath.h"
#include "tests/support/StationRig.h"

namespace pelmar::settings {
namespace {

const QByteArray kOk = "0,\r";
const QByteArray kRefused = "1,\r";

class SettingWindowsTest : public ::testing::Test {
protected:
    SettingWindowsTest() {
        rig.state.settings.dmAddress = QStringLiteral("127.0.0.1");
        rig.state.workFolder = rig.dir.path();
        rig.prompts.answer = Prompts::Yes;
        rig.goOnline();
    }

    // Closed windows go at the next turn of the command loop.
    SettingWindows& windows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return settingWindows;
    }
    QString in(const char* name) const { return rig.dir.filePath(QString::fromUtf8(name)); }
    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The DM writes its setting data and the inspector allows it.
    void setw(const QByteArray& record, const QByteArray& workers = ",,,,,,,,,,") {
        ASSERT_EQ(rig.serve("SETW", {record + "\r", workers + "\r"}), kOk + kOk + kOk);
    }
    // The DM asks for setting data; the inspector allows it and picks the file.
    void setr(const QString& file) {
        rig.prompts.filesToOpen = {file};
        ASSERT_EQ(rig.serve("SETR", {"0,\r"}), kOk);
    }

    fakes::StationRig rig;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(rig.state, rig.pump, rig.prompts,
                                                          rig.folders, rig.volumes, rig.display);
    SettingWindows settingWindows{*form,       rig.state.workFolder, rig.state.settingData,
                                  rig.folders, rig.volumes,          rig.prompts};
    Station& station = rig.build(*form, settingWindows);
    SettingData& data = rig.state.settingData;
};

QString checkedIn(const QGroupBox* frame) {
    QStringList names;
    for (const QRadioButton* button : frame->findChildren<QRadioButton*>()) {
        if (button->isChecked()) names.append(button->objectName());
    }
    return names.join(u' ');
}

TEST_F(SettingWindowsTest, ThePanelShowsEveryValueOnAButtonAndCollectsItsCode) {
    setw("LENS-B,7,-3,10,2,0,1,0,5,5,", "A,B,C,D,E,F,G,H,I,J,");
    frmSettingData* editor = windows().editor();
    ASSERT_NE(editor, nullptr);
    const SettingPanel& panel = *editor->panel;
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("設定データ"));
    EXPECT_EQ(panel.txtLenz->text(), QStringLiteral("LENS-B"));
    EXPECT_EQ(panel.txtWorker[9]->text(), QStringLiteral("J"));
    EXPECT_EQ(panel.txtDly->text(), QStringLiteral("-3"));
    EXPECT_EQ(panel.txtLim->text(), QStringLiteral(" 10"));
    const std::pair<const QGroupBox*, const char*> shown[] = {
        {panel.Frame1, "Option1_3"},         {panel.Frame2, "Option2_1"},
        {panel.yesNoFrames[0], "Option3_0"}, {panel.yesNoFrames[1], "Option3_3"},
        {panel.yesNoFrames[2], "Option3_4"}, {panel.yesNoFrames[3], "Option3_7"},
        {panel.Frame8, "Option4_2"},
    };
    for (const auto& [frame, button] : shown) EXPECT_EQ(checkedIn(frame), button);

    // Each frame keeps exactly one selection when another button of it is chosen.
    for (QRadioButton* button : {panel.Option1[1], panel.Option2[0], panel.Option3[1],
                                 panel.Option3[6], panel.Option4[1]}) {
        button->click();
    }
    for (const auto& [frame, button] : shown) {
        EXPECT_EQ(checkedIn(frame).count(u' '), 0) << frame->title().toStdString();
    }

    // The times as their leading numbers, halves to even, without an exponent.
    const std::pair<const char*, std::int32_t> times[] = {
        {"2.5", 2}, {"3.5", 4}, {"abc", 0}, {"", 0}, {" -3", -3}, {"1e2", 1}, {"1 2", 12}};
    for (const auto& [typed, value] : times) {
        panel.txtDly->setText(QString::fromLatin1(typed));
        SettingData read;
        panel.ReadSettingPanel(read);
        EXPECT_EQ(read.startTime, value) << typed;
    }
    SettingData read;
    panel.ReadSettingPanel(read);
    EXPECT_EQ(read, (SettingData{"LENS-B",
                                 2,
                                 12,
                                 10,
                                 0,
                                 1,
                                 1,
                                 0,
                                 0,
                                 128,
                                 {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}}));

    // What the desktop's accessibility interface reads out for the text boxes.
    EXPECT_EQ(panel.txtLenz->accessibleName(), QStringLiteral("レンズ名"));
    EXPECT_EQ(panel.txtWorker[0]->accessibleName(), QStringLiteral("作業者名1"));
    EXPECT_EQ(panel.txtWorker[9]->accessibleName(), QStringLiteral("作業者名10"));
    EXPECT_EQ(panel.txtDly->accessibleName(), QStringLiteral("開始時間"));
    EXPECT_EQ(panel.txtLim->accessibleName(), QStringLiteral("測定時間"));
    EXPECT_EQ(panel.yesNoFrames[3]->objectName(), QStringLiteral("Frame7"));
    EXPECT_EQ(panel.Option3[6]->text(), QStringLiteral("しない"));
}

TEST_F(SettingWindowsTest, TheEditorStaysAsItIsAndSavesWhatItShows) {
    setw("LENS-B,7,3,10,1,0,1,1,0,128,");
    frmSettingData* editor = windows().editor();
    editor->panel->txtLenz->setText(QStringLiteral("EDITED"));

    // A second SETW while the editor is open: the record changes, the editor is not refilled.
    setw("LENS-X,1,1,1,1,1,1,1,1,0,");
    EXPECT_EQ(windows().editor(), editor);
    EXPECT_EQ(editor->panel->txtLenz->text(), QStringLiteral("EDITED"));
    EXPECT_EQ(data.lensName, QStringLiteral("LENS-X"));

    editor->btnSave->click();
    EXPECT_EQ(data, (SettingData{"EDITED", 4, 3, 10, 1, 0, 1, 1, 0, 128, {}}));
    EXPECT_EQ(windows().editor(), nullptr);
    frmSaveSetting* save = windows().saveDialog();
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->windowTitle(), QStringLiteral("設定データの保存"));
    EXPECT_EQ(save->Text1->text(), rig.dir.path());
    EXPECT_EQ(save->Text2->text(), QString());
    save->Text2->setText(QStringLiteral("lens1.txt"));
    save->btnSave->click();
    EXPECT_EQ(bytesOf(in("lens1.txt")),
              "EDITED\r\n 4, 3, 10, 1, 0, 1, 1, 0, 128,\r\n" + QByteArray("\r\n").repeated(10));
    EXPECT_EQ(windows().saveDialog(), nullptr);

    // "キャンセル" only closes: the record stays as SETW left it.
    setw("LENS-C,1,1,1,1,1,1,1,1,0,");
    windows().editor()->btnCan->click();
    EXPECT_EQ(windows().editor(), nullptr);
    EXPECT_EQ(windows().saveDialog(), nullptr);
    EXPECT_EQ(data.lensName, QStringLiteral("LENS-C"));
}

TEST_F(SettingWindowsTest, TheSaveDialogWritesWhereItSaysAndMovesTheWorkFolderByMakeOnly) {
    setw("LENS-S,2,0,5,0,0,0,0,0,0,");
    windows().editor()->btnSave->click();
    frmSaveSetting* save = windows().saveDialog();
    QDir(rig.dir.path()).mkdir(QStringLiteral("there"));
    write(in("file"), "x");
    const QString start = rig.dir.path();
    const QByteArray record = "LENS-S\r\n 2, 0, 5, 0, 0, 0, 0, 0, 0,\r\n";

    const struct {
        const char* name;
        const char* folder;   // typed into Text1, under the test folder
        const char* file;     // typed into Text2
        bool make;            // "作成", else "保存"
        const char* told;     // what the message box says, nothing if none
        const char* written;  // the file then there, under the test folder
        const char* workFolder;
    } cases[] = {
        {"no file name", "", "", false, "ファイル名を入力してください。", nullptr, ""},
        {"no extension added", "", "lens1", false, nullptr, "lens1", ""},
        {"a typed folder without 作成", "there", "lens2.txt", false, nullptr, "there/lens2.txt",
         ""},
        {"a folder not there", "nowhere", "lens3", false, "nowhere/lens3", nullptr, ""},
        {"作成 of a folder that is there", "there", "", true, "thereフォルダを作成しました。",
         nullptr, "there"},
        {"作成 of a new folder", "new/sub", "", true, "new/subフォルダを作成しました。", nullptr,
         "new/sub"},
        {"作成 with a file in the way", "file/sub", "", true, "同じ名前のファイル", nullptr,
         "new/sub"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rig.prompts.asked.clear();
        const QString folder = QDir(start).filePath(QString::fromUtf8(c.folder));
        save->Text1->setText(QDir::cleanPath(folder));
        save->Text2->setText(QString::fromLatin1(c.file));
        (c.make ? save->btnMakeFolder : save->btnSave)->click();
        if (c.told) {
            ASSERT_EQ(rig.prompts.asked.size(), 1);
            EXPECT_TRUE(rig.prompts.asked[0].text.contains(native(QString::fromUtf8(c.told))))
                << rig.prompts.asked[0].text.toStdString();
        } else {
            EXPECT_TRUE(rig.prompts.asked.isEmpty());
        }
        EXPECT_EQ(windows().saveDialog() == save, !c.written) << "it closes once it has saved";
        EXPECT_EQ(native(rig.state.workFolder),
                  native(QDir::cleanPath(QDir(start).filePath(QString::fromUtf8(c.workFolder)))));
        if (c.written) {
            EXPECT_EQ(bytesOf(in(c.written)), record + QByteArray("\r\n").repeated(10));
            // The next save dialog starts at the work folder.
            setw("LENS-S,2,0,5,0,0,0,0,0,0,");
            windows().editor()->btnSave->click();
            save = windows().saveDialog();
            EXPECT_EQ(save->Text1->text(), rig.state.workFolder);
        }
    }
    EXPECT_TRUE(QFileInfo(in("new/sub")).isDir());

    // "参照": the picker stands in for the dialog and returns the folder into its Text1.
    save->btnReferFolder->click();
    EXPECT_FALSE(save->isVisible());
    ASSERT_NE(save->picker(), nullptr);
    save->picker()->lists().enterFolder(in("there"));
    save->picker()->cmdOpen->click();
    EXPECT_TRUE(save->isVisible());
    EXPECT_EQ(save->Text1->text(), native(in("there")));
    EXPECT_EQ(rig.state.workFolder, native(in("new/sub")));
}

TEST_F(SettingWindowsTest, TheSendDialogSendsThePanelAndTheFileStaysAsItWas) {
    const QByteArray workers = "SATO\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nLAST\r\n";
    const struct {
        const char* name;
        QByteArray file;
        const char* lens;  // typed into the panel before sending, if any
        bool dmAnswers;    // each line Pelmar sends, at once
        QByteArray record;
    } cases[] = {
        {"without changes", "LENS-C\r\n 4, 3, 10, 1, 0, 1, 1, 0, 128,\r\n" + workers, nullptr, true,
         "LENS-C, 4, 3, 10, 1, 0, 1, 1, 0, 128,\r"},
        {"codes outside the buttons", "LENS-C\r\n 0, 3, 10, 2, 0, 1, 1, 0, 5,\r\n" + workers,
         nullptr, true, "LENS-C, 4, 3, 10, 1, 0, 1, 1, 0,-1,\r"},
        {"a changed lens name", "LENS-C\r\n 4, 3, 10, 1, 0, 1, 1, 0, 128,\r\n" + workers, "LENS-D",
         true, "LENS-D, 4, 3, 10, 1, 0, 1, 1, 0, 128,\r"},
        {"a DM that never answers", "LENS-C\r\n 4, 3, 10, 1, 0, 1, 1, 0, 128,\r\n" + workers,
         nullptr, false, "LENS-C, 4, 3, 10, 1, 0, 1, 1, 0, 128,\r"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        write(in("lens"), c.file);
        setr(in("lens"));
        frmSettingDataRead* dialog = windows().sender();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->btnSend->text(), QStringLiteral("画像処理機に送信"));
        if (c.lens) dialog->panel->txtLenz->setText(QString::fromLatin1(c.lens));
        const qsizetype before = rig.socket.sent.size();
        std::vector<std::int64_t> sentAt;
        rig.socket.onSend = [&](const QByteArray&) {
            sentAt.push_back(rig.pump.nowMs());
            if (c.dmAnswers) rig.socket.arrive("0,\r");
        };
        dialog->btnSend->click();
        rig.socket.onSend = nullptr;
        EXPECT_EQ(rig.socket.sent.mid(before), kOk + c.record + "SATO,,,,,,,,,LAST,\r");
        // Each line once the DM has answered the one before, or a second after it.
        ASSERT_EQ(sentAt.size(), 3U);
        for (std::size_t i = 1; i < sentAt.size(); ++i) {
            const std::int64_t gap = sentAt[i] - sentAt[i - 1];
            EXPECT_TRUE(c.dmAnswers ? gap < 10 : gap >= 1000 && gap <= 1010) << gap;
        }
        EXPECT_EQ(windows().sender(), nullptr);
        EXPECT_EQ(bytesOf(in("lens")), c.file);
        EXPECT_EQ(data.lensName, QString::fromLatin1(c.lens ? c.lens : "LENS-C"));
    }
}

TEST_F(SettingWindowsTest, CancelAndTheWindowFrameTellTheDmNothingComes) {
    write(in("lens"),
          "LENS-C\r\n 4, 3, 10, 1, 0, 1, 1, 0, 128,\r\n" + QByteArray("\r\n").repeated(10));
    for (const bool byFrame : {false, true}) {
        setr(in("lens"));
        const qsizetype before = rig.socket.sent.size();
        frmSettingDataRead* dialog = windows().sender();
        ASSERT_NE(dialog, nullptr);
        if (byFrame) {
            dialog->close();
        } else {
            dialog->btnCan->click();
        }
        EXPECT_EQ(rig.socket.sent.mid(before), kRefused) << (byFrame ? "frame" : "button");
        EXPECT_EQ(windows().sender(), nullptr);
    }
}

// The DM waits in silence while the inspector looks at the record: that is no lost link.
TEST_F(SettingWindowsTest, WhileTheSendDialogWaitsTheSilentDmKeepsItsLinkAndGetsTheAnswerOnIt) {
    write(in("lens"),
          "LENS-C\r\n 4, 3, 10, 1, 0, 1, 1, 0, 128,\r\n" + QByteArray("\r\n").repeated(10));
    setr(in("lens"));
    const int connections = rig.socket.connectCount;
    const auto silence = [&](std::int64_t ms) {
        const std::int64_t until = rig.pump.nowMs() + ms;
        while (rig.pump.nowMs() < until) rig.loop().turn();
    };
    silence(60000);
    EXPECT_EQ(rig.loop().state(), LinkState::Online);
    EXPECT_EQ(rig.socket.connectCount, connections);
    ASSERT_NE(windows().sender(), nullptr);

    const qsizetype before = rig.socket.sent.size();
    windows().sender()->btnSend->click();
    EXPECT_EQ(rig.socket.sent.mid(before),
              kOk + "LENS-C, 4, 3, 10, 1, 0, 1, 1, 0, 128,\r" + ",,,,,,,,,,\r");

    // Answered, the DM must keep the link alive again.
    silence(22000);
    EXPECT_EQ(rig.socket.connectCount, connections + 1);
}

TEST_F(SettingWindowsTest, ADmGoneWhileTheSendDialogWaitsIsToldAndNothingGoesOnTheNextLink) {
    write(in("lens"),
          "LENS-C\r\n 4, 3, 10, 1, 0, 1, 1, 0, 128,\r\n" + QByteArray("\r\n").repeated(10));
    for (const bool byButton : {false, true}) {
        SCOPED_TRACE(byButton ? "found by the send button" : "noticed by the loop");
        rig.prompts.asked.clear();
        setr(in("lens"));
        const qsizetype before = rig.socket.sent.size();
        const int connections = rig.socket.connectCount;
        rig.socket.dropAt(rig.pump.nowMs());
        // The button is pressed before the loop has noticed, or the loop notices first.
        if (byButton) windows().sender()->btnSend->click();
        while (rig.socket.connectCount == connections || rig.loop().state() != LinkState::Online) {
            rig.loop().turn();
        }
        ASSERT_EQ(rig.prompts.asked.size(), 2) << "the permission, then the request gone";
        EXPECT_EQ(rig.prompts.asked[1].text,
                  QStringLiteral("画像処理機との接続が切れたため、設定データの受信要求は無効に"
                                 "なりました。"));
        EXPECT_EQ(windows().sender(), nullptr);
        rig.loop().turn();
        EXPECT_EQ(rig.socket.sent.mid(before), QByteArray()) << "not on the old link, nor the new";
    }
}

}  // namespace
}  // namespace pelmar::settings
