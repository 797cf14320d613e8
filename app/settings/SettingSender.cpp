#include "app/settings/SettingSender.h"

#include "app/link/Socket.h"
#include "app/settings/SettingLines.h"

namespace pelmar::settings {

void LinkSettingSender::sendLines(std::initializer_list<QString> lines) {
    try {
        for (const QString& line : lines) {
            exchange_.reply(line);
            exchange_.receiveLine();
        }
    } catch (const ConnectionLost&) {
        appendStatus(screen_, QStringLiteral("設定データ送信中断（切断）"));
    }
}

void LinkSettingSender::send(const SettingData& data) {
    sendLines({QString::fromLatin1(kReplyOk), FormatRecordLine(data), FormatWorkerLine(data)});
}

void LinkSettingSender::cancel() {
    sendLines({QString::fromLatin1(kReplyRefused)});
}

}  // namespace pelmar::settings
