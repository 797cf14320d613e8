#include "app/settings/SettingSender.h"

#include "app/seams/Socket.h"
#include "app/settings/SettingLines.h"

namespace pelmar::settings {

void LinkSettingSender::await() {
    exchange_.awaitInspector([this] {
        if (requestGone) requestGone();
    });
}

bool LinkSettingSender::sendLines(std::initializer_list<QString> lines) {
    // A DM on a later connection never asked for these lines.
    if (!exchange_.inspectorAwaited()) return false;
    exchange_.inspectorAnswered();
    try {
        for (const QString& line : lines) {
            exchange_.reply(line);
            exchange_.receiveLine();
        }
    } catch (const ConnectionLost&) {
        appendStatus(screen_, QStringLiteral("設定データ送信中断（切断）"));
        return false;
    }
    return true;
}

bool LinkSettingSender::send(const SettingData& data) {
    return sendLines(
        {QString::fromLatin1(kReplyOk), FormatRecordLine(data), FormatWorkerLine(data)});
}

bool LinkSettingSender::cancel() {
    return sendLines({QString::fromLatin1(kReplyRefused)});
}

}  // namespace pelmar::settings
