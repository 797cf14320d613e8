#include "app/settings/SettingLines.h"

#include "app/text/Fields.h"
#include "app/text/Numbers.h"

namespace pelmar::settings {
namespace {

FileProblem missingPieces(const QString& line, qsizetype expected, qsizetype found) {
    return {
        QString(),
        QStringLiteral("%1の項目が%2個に足りません（%3個）").arg(line).arg(expected).arg(found)};
}

}  // namespace

QString FormatRecordLine(const SettingData& data) {
    QString line = data.lensName;
    for (const SettingNumber& number : kSettingNumbers) {
        line += u',' + text::signedBlank(data.*number.field);
    }
    return line + QStringLiteral(",\r");
}

QString FormatWorkerLine(const SettingData& data) {
    QString line;
    for (const QString& name : data.workerNames) line += name + u',';
    return line + u'\r';
}

FileOutcome<> ParseRecordLine(const QString& line, SettingData& data) {
    const QStringList pieces = text::splitFields(line);
    const qsizetype expected = qsizetype(kSettingNumbers.size()) + 1;
    data.lensName = pieces[0];
    for (qsizetype k = 1; k < expected; ++k) {
        if (k >= pieces.size()) {
            return missingPieces(QStringLiteral("設定データの行"), expected, pieces.size());
        }
        const SettingNumber& number = kSettingNumbers[std::size_t(k - 1)];
        const auto value = text::strictInt32(pieces[k]);
        if (!value) {
            return FileProblem{
                QString(), QStringLiteral("設定データの行の%1番目の項目（%2）が数値ではありません")
                               .arg(k + 1)
                               .arg(QString::fromUtf16(number.caption))};
        }
        data.*number.field = *value;
    }
    return {};
}

FileOutcome<> ParseWorkerLine(const QString& line, SettingData& data) {
    const QStringList pieces = text::splitFields(line);
    const qsizetype expected = qsizetype(data.workerNames.size());
    for (qsizetype n = 0; n < expected; ++n) {
        if (n >= pieces.size()) {
            return missingPieces(QStringLiteral("作業者名の行"), expected, pieces.size());
        }
        data.workerNames[std::size_t(n)] = pieces[n];
    }
    return {};
}

}  // namespace pelmar::settings
