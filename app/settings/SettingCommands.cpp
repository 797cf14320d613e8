#include "app/settings/SettingCommands.h"

#include "app/settings/SettingFile.h"
#include "app/settings/SettingLines.h"

namespace pelmar::settings {

void SettingCommands::registerWith(CommandLoop& loop) {
    loop.addHandler(QStringLiteral("SETW"), [this](CommandLine& command) { SETW(command); });
    loop.addHandler(QStringLiteral("SETR"), [this](CommandLine& command) { SETR(command); });
}

// The inspector's permission, asked with the DM's configured address in front of the request.
bool SettingCommands::allowed(const QString& request) {
    return prompts_.message(QStringLiteral("確認"), settings_.dmAddress + request,
                            Prompts::Icon::Information, Prompts::Yes | Prompts::No) == Prompts::Yes;
}

void SettingCommands::SETW(CommandLine& command) {
    std::int32_t unused = 0;
    command.next(unused);
    appendStatus(screen_, QStringLiteral("SETW受信"));
    if (!allowed(QStringLiteral("から設定データの書き込み要求が来ています。許可しますか？"))) {
        exchange_.reply(kReplyRefused);
        return;
    }
    exchange_.reply(kReplyOk);
    if (receive(ParseRecordLine) && receive(ParseWorkerLine)) windows_.openEditor();
}

// A line that is no record ends the exchange without a further "0,": the DM learns of it by its
// time-out, the inspector by the status line, and the loop serves on.
bool SettingCommands::receive(Parse parse) {
    const auto line = exchange_.receiveLine();
    if (!line) return false;
    if (const auto parsed = parse(*line, data_); !parsed) {
        appendStatus(screen_,
                     QStringLiteral("設定データ受信エラー（%1）").arg(parsed.problem().reason));
        return false;
    }
    exchange_.reply(kReplyOk);
    return true;
}

void SettingCommands::SETR(CommandLine& command) {
    appendStatus(screen_, QStringLiteral("SETR受信"));
    std::int32_t unused = 0;
    command.next(unused);
    if (!allowed(QStringLiteral("から設定データの受信要求が来ています。許可しますか？"))) {
        exchange_.reply(kReplyRefused);
        return;
    }
    const auto path = prompts_.openFile(workFolder_, QStringLiteral("すべてのファイル(*.*)|*.*"));
    if (!path) throw DialogCancelled();
    settingFilePath_ = *path;
    exchange_.reply(kReplyOk);
    if (!exchange_.receiveLine()) return;

    // The send dialog that is still open answers this request too, with the record it shows:
    // the newly chosen file is not read.
    if (sender_.awaited()) {
        windows_.raiseSender();
        return;
    }
    sender_.await();

    // A file that is no setting-data file is named to the inspector, and the DM hears that
    // nothing will come, as if the send dialog had been cancelled.
    SettingData loaded;
    if (const auto read = ReadSettingFile(settingFilePath_, loaded); !read) {
        prompts_.message(QString(), read.problem().text(), Prompts::Icon::Warning, Prompts::Ok);
        sender_.cancel();
        return;
    }
    windows_.openSender(loaded, sender_);
}

}  // namespace pelmar::settings
