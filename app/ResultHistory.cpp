#include "app/ResultHistory.h"

namespace pelmar {

void ResultHistory::clear() {
    entries.fill(ResultEntry{});
    historyCount = 0;
    historyTop = 0;
}

QString entryNumberText(int index) {
    return QStringLiteral("%1").arg(index + 1, 3, 10, QChar(u'0'));
}

// The DM's date-time field is laid out "MM/DD/YYYY Ddd. HH:MM:SS"; the table shows it as
// "YYYY.MM.DD HH:MM:SS". Characters the field lacks give nothing.
QString rowDateText(const QString& dateTime) {
    const auto part = [&](int from1, int count) { return dateTime.mid(from1 - 1, count); };
    return part(7, 4) + u'.' + part(1, 2) + u'.' + part(4, 2) + u' ' + part(17, 8);
}

QString modeText(const QString& modeCode) {
    if (modeCode.startsWith(u'V')) return QStringLiteral("VERTICAL");
    if (modeCode.startsWith(u'A')) return QStringLiteral("AUTO-MODE");
    if (modeCode.size() >= 8 && modeCode[7] == u'E') return QStringLiteral("CROSS-MODE");
    if (modeCode.size() >= 8 && modeCode[7] == u'I') return QStringLiteral("CROSS-DISP");
    return QString();
}

}  // namespace pelmar
