#include "app/settings/SettingFile.h"

#include "app/text/Fields.h"
#include "app/text/Numbers.h"
#include "app/text/TextFile.h"

namespace pelmar::settings {
namespace {

constexpr qsizetype kFileLines = 12;

}  // namespace

QStringList settingFileLines(const SettingData& data) {
    QString numbers;
    for (const SettingNumber& number : kSettingNumbers) {
        numbers += text::signedBlank(data.*number.field) + u',';
    }
    QStringList lines{data.lensName, numbers};
    for (const QString& name : data.workerNames) lines.append(name);
    return lines;
}

FileOutcome<> settingDataFromLines(const QStringList& lines, SettingData& data) {
    if (lines.size() < kFileLines) {
        return FileProblem{QString(),
                           QStringLiteral("設定データファイルの行が%1行に足りません（%2行）")
                               .arg(kFileLines)
                               .arg(lines.size())};
    }
    const QStringList pieces = text::splitFields(lines[1]);
    if (pieces.size() < qsizetype(kSettingNumbers.size())) {
        return FileProblem{
            QString(), QStringLiteral("設定データファイルの2行目の数値が%1個に足りません（%2個）")
                           .arg(kSettingNumbers.size())
                           .arg(pieces.size())};
    }

    SettingData read;
    read.lensName = lines[0];
    for (std::size_t k = 0; k < kSettingNumbers.size(); ++k) {
        read.*kSettingNumbers[k].field = text::leadingInt32(pieces[qsizetype(k)]);
    }
    for (std::size_t n = 0; n < read.workerNames.size(); ++n) {
        read.workerNames[n] = lines[qsizetype(n) + 2];
    }
    data = read;
    return {};
}

FileOutcome<> WriteSettingFile(const QString& path, const SettingData& data) {
    return text::writeLines(path, settingFileLines(data));
}

FileOutcome<> ReadSettingFile(const QString& path, SettingData& data) {
    const auto lines = text::readLines(path, text::LineEnds::crLfOrCr);
    if (!lines) return FileProblem{path, QStringLiteral("設定データファイルを読み込めません")};
    if (const auto parsed = settingDataFromLines(*lines, data); !parsed) {
        return FileProblem{path, parsed.problem().reason};
    }
    return {};
}

}  // namespace pelmar::settings
