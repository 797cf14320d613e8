#include "app/records/ResultHistory.h"

#include <algorithm>

#include "app/text/Fields.h"

namespace pelmar {

void ResultHistory::clear() {
    entries.fill(ResultEntry{});
    historyCount = 0;
    historyTop = 0;
}

int ResultHistory::storeRecord(const QString& record, const QString& jpegPath,
                               const QString& bitmapPath) {
    const int i = historyCount;
    const QStringList fields = text::splitFields(record);
    const auto field = [&](int k) { return k < fields.size() ? fields[k] : QString(); };
    ResultEntry& entry = entries[static_cast<std::size_t>(i)];
    entry.checked = 1;
    entry.dateTime = field(0);
    entry.modeCode = field(1);
    entry.result = field(2);
    entry.judgement = field(3);
    entry.tolerance = field(4);
    entry.scaleDivision = field(5);
    entry.lensName = field(6);
    entry.serialNo = field(7);
    entry.processorModel = field(8);
    entry.workerName = field(9);
    entry.instrumentModel = field(10);
    entry.jpegPath = jpegPath;
    entry.bitmapPath = bitmapPath;
    if (i > kRows - 1) historyTop = i - (kRows - 1);
    return i;
}

void ResultHistory::commitRecord() {
    historyCount = std::min(historyCount + 1, kLastIndex);
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
