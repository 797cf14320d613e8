// SETW and SETR on the wire, with the inspector and the windows played by the fakes.
#include <gtest/gtest.h>

#include <QFile>

#include "app/platform/CodePage932.h"
#include "app/settings/SettingSender.h"
#include "tests/app/settings/PrintSettingData.h"
#include "tests/support/NativePath.h"
#include "tests/support/OnlineStation.h"

namespace pelmar::settings {
namespace {

const QByteArray kOk = "0,\r";
const QByteArray kRefused = "1,\r";
const QByteArray kRecord = "LENS-B,7,5,20,2,1,0,1,0,5,";
const QByteArray kWorkers = "SATO,SUZUKI,,,,,,,,TEN,";

SettingData received(std::array<QString, 10> workers = {"SATO", "SUZUKI", "", "", "", "", "", "",
                                                        "", "TEN"}) {
    return {"LENS-B", 7, 5, 20, 2, 1, 0, 1, 0, 5, workers};
}

class SettingCommandsTest : public fakes::OnlineStation {
protected:
    SettingCommandsTest() {
        state.settings.dmAddress = QStringLiteral("127.0.0.1");
        state.workFolder = rig.dir.path();
        state.settingData = before;
    }

    // A setting-data file in the work folder.
    QString file(const char* name, const QByteArray& content) {
        const QString path = rig.dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }

    const SettingData before{"OLD", 1, 1, 1, 1, 1, 1, 1, 1, 1, {}};
};

TEST_F(SettingCommandsTest, SetwRepliesInTheOrderOfTheExchangeAndOpensTheEditorLast) {
    const struct {
        const char* name;
        QByteArray line;
        Prompts::Button answer;
        std::deque<QByteArray> lines;  // what the DM sends after each "0,"
        QByteArray sent;
        bool editor;
        SettingData data;
        const char* status;  // the status line after "SETW受信", if any
    } cases[] = {
        {"refused",
         "SETW",
         Prompts::No,
         {kRecord + "\r", kWorkers + "\r"},
         kRefused,
         false,
         before,
         nullptr},
        {"no record line", "SETW", Prompts::Yes, {}, kOk, false, before, nullptr},
        {"both lines",
         "SETW",
         Prompts::Yes,
         {kRecord + "\r", kWorkers + "\r"},
         kOk + kOk + kOk,
         true,
         received(),
         nullptr},
        {"a field after the word",
         "SETW,5",
         Prompts::Yes,
         {kRecord + "\r", kWorkers + "\r"},
         kOk + kOk + kOk,
         true,
         received(),
         nullptr},
        {"no worker line",
         "SETW",
         Prompts::Yes,
         {kRecord + "\r"},
         kOk + kOk,
         false,
         received({}),
         nullptr},
        {"a record line of four pieces",
         "SETW",
         Prompts::Yes,
         {"LENS-B,1,5,20\r"},
         kOk,
         false,
         SettingData{"LENS-B", 1, 5, 20, 1, 1, 1, 1, 1, 1, {}},
         "設定データ受信エラー（設定データの行の項目が10個に足りません（4個））"},
        {"a short worker line",
         "SETW",
         Prompts::Yes,
         {kRecord + "\r", "A,B\r"},
         kOk + kOk,
         false,
         received({"A", "B"}),
         "設定データ受信エラー（作業者名の行の項目が10個に足りません（2個））"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        state.settingData = before;
        settingScreen.editorOpens = 0;
        prompts.asked.clear();
        prompts.answer = c.answer;
        screen.status.clear();

        EXPECT_EQ(rig.serve(c.line, c.lines), c.sent);
        EXPECT_EQ(settingScreen.editorOpens, c.editor ? 1 : 0);
        EXPECT_EQ(state.settingData, c.data);
        ASSERT_EQ(prompts.asked.size(), 1);
        EXPECT_EQ(prompts.asked[0].title, QStringLiteral("確認"));
        EXPECT_EQ(
            prompts.asked[0].text,
            QStringLiteral("127.0.0.1から設定データの書き込み要求が来ています。許可しますか？"));
        EXPECT_EQ(prompts.asked[0].icon, Prompts::Icon::Information);
        EXPECT_EQ(prompts.asked[0].buttons, Prompts::Yes | Prompts::No);
        QStringList status{QStringLiteral("SETW受信")};
        if (c.status) status.append(QString::fromUtf8(c.status));
        EXPECT_EQ(screen.status, status);
        // Whatever happened, the loop serves on.
        rig.socket.afterOk.clear();
        EXPECT_EQ(rig.serve("NONE"), kOk);
    }
}

TEST_F(SettingCommandsTest, SetrAsksForAFileAndOpensTheSendDialogOnlyOnceTheDmAnswers) {
    const QString good =
        file("lens1",
             platform::toCp932(QStringLiteral("LENS-C\r\n 0, 3, 10, 1, 0, 1, 1, 0, 5,\r\n"
                                              "髙橋\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nLAST\r\n")));
    SettingData fromFile{"LENS-C", 0, 3, 10, 1, 0, 1, 1, 0, 5, {}};
    fromFile.workerNames = {"髙橋", "", "", "", "", "", "", "", "", "LAST"};
    const QString shortFile = file("short.txt", "LENS-C\r\n 1,\r\n");
    const QString missing = rig.dir.filePath(QStringLiteral("missing"));

    const struct {
        const char* name;
        Prompts::Button answer;
        std::optional<QString> chosen;
        std::deque<QByteArray> lines;
        QByteArray sent;
        bool opened;
        const char* told;     // what the message box about the file says, if one shows
        bool raised = false;  // the send dialog still open is brought to view instead
    } cases[] = {
        {"refused", Prompts::No, good, {"OK,\r"}, kRefused, false, nullptr},
        {"file dialog cancelled", Prompts::Yes, std::nullopt, {"OK,\r"}, kRefused, false, nullptr},
        {"the DM does not answer the 0,", Prompts::Yes, good, {}, kOk, false, nullptr},
        {"the DM answers", Prompts::Yes, good, {"OK,\r"}, kOk, true, nullptr},
        // The open dialog answers the second request too; the new file is not even read.
        {"a second request, for an unreadable file, while the dialog is open",
         Prompts::Yes,
         missing,
         {"OK,\r"},
         kOk,
         false,
         nullptr,
         true},
        {"a file too short",
         Prompts::Yes,
         shortFile,
         {"OK,\r"},
         kOk + kRefused,
         false,
         "行が12行に足りません（2行）"},
        {"a file that cannot be read",
         Prompts::Yes,
         missing,
         {"OK,\r"},
         kOk + kRefused,
         false,
         "読み込めません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        state.settingData = before;
        settingScreen.senderLoaded.clear();
        settingScreen.senderRaises = 0;
        prompts.asked.clear();
        prompts.fileQuestions.clear();
        prompts.answers = {c.answer};
        prompts.answer = Prompts::Ok;
        prompts.filesToOpen = {c.chosen};

        EXPECT_EQ(rig.serve("SETR,1", c.lines), c.sent);
        EXPECT_EQ(prompts.asked[0].text,
                  QStringLiteral("127.0.0.1から設定データの受信要求が来ています。許可しますか？"));
        EXPECT_EQ(prompts.fileQuestions,
                  c.answer == Prompts::Yes
                      ? QStringList{"open|" + rig.dir.path() + "|すべてのファイル(*.*)|*.*"}
                      : QStringList{});
        ASSERT_EQ(settingScreen.senderLoaded.size(), c.opened ? 1U : 0U);
        if (c.opened) {
            EXPECT_EQ(settingScreen.senderLoaded[0], fromFile);
        }
        EXPECT_EQ(settingScreen.senderRaises, c.raised ? 1 : 0);
        if (c.raised) {
            // The inspector cancels in the dialog: the DM hears it once, then nothing waits.
            const qsizetype before = rig.socket.sent.size();
            EXPECT_TRUE(settingScreen.sender->cancel());
            EXPECT_EQ(rig.socket.sent.mid(before), kRefused);
            EXPECT_FALSE(settingScreen.sender->cancel());
        }
        EXPECT_EQ(state.settingData, before) << "the send dialog loads the record, not SETR";
        if (c.told) {
            ASSERT_EQ(prompts.asked.size(), 2);
            EXPECT_TRUE(prompts.asked[1].text.contains(native(*c.chosen)));
            EXPECT_TRUE(prompts.asked[1].text.contains(QString::fromUtf8(c.told)))
                << prompts.asked[1].text.toStdString();
        } else {
            EXPECT_EQ(prompts.asked.size(), 1);
        }
        rig.socket.afterOk.clear();
        EXPECT_EQ(rig.serve("NONE"), kOk);
    }
}

TEST_F(SettingCommandsTest, ALostLinkEndsTheSendersSequenceWithAStatusLine) {
    Transport transport(rig.socket, rig.pump);
    Exchange exchange(transport);
    LinkSettingSender sender(exchange, screen);

    // The send dialog runs it from a button: a DM gone in the middle must not throw through the
    // window system; a status line says it, and the loop reconnects.
    sender.await();
    rig.socket.dropAt(rig.pump.nowMs());
    EXPECT_FALSE(sender.send(received()));
    EXPECT_EQ(screen.status.last(), QStringLiteral("設定データ送信中断（切断）"));
}

}  // namespace
}  // namespace pelmar::settings
