#include "app/IniFile.h"

#include "app/text/Fields.h"
#include "app/text/FileMessages.h"
#include "app/text/Numbers.h"
#include "app/text/TextFile.h"

namespace pelmar {

FileOutcome<IniRead> LoadIniFile(const QString& path, AppSettings& settings) {
    const auto lines = text::readLines(path);
    if (!lines) return lines.problem();
    IniRead read = IniRead::Complete;
    for (const QString& line : *lines) {
        std::int32_t item = 0;
        QString value;
        int next = 0;
        text::ReadField(line, 0, item, next);
        text::ReadField(line, next, value, next);
        switch (item) {
            case kSaveFolderItem:
                if (value.isEmpty()) {
                    read = IniRead::SaveFolderEmpty;
                } else {
                    settings.saveFolder = value;
                }
                break;
            case kDmAddressItem:
                if (!value.isEmpty()) settings.dmAddress = value;
                break;
            case kDmPortItem:
                if (!value.isEmpty()) settings.dmPort = value;
                break;
            case kSaveMethodItem:
            case kJpegQualityItem:
                if (!value.isEmpty()) {
                    const auto number = text::strictInt32(value);
                    if (!number) {
                        return FileProblem{path,
                                           QStringLiteral("項目%1が数値ではありません").arg(item)};
                    }
                    (item == kSaveMethodItem ? settings.saveMethod : settings.jpegQuality) =
                        *number;
                }
                break;
            default:
                break;
        }
    }
    return read;
}

FileOutcome<> SaveIniFile(const QString& path, const AppSettings& settings) {
    const auto item = [](int number, const QString& value, const char16_t* comment) {
        return QStringLiteral("%1,%2,(%3)").arg(number).arg(value, QString::fromUtf16(comment));
    };
    return text::writeLines(
        path, {
                  item(kSaveFolderItem, settings.saveFolder, u"保存フォルダ"),
                  item(kDmAddressItem, settings.dmAddress, u"DMのIPアドレス"),
                  item(kDmPortItem, settings.dmPort, u"DMのポート番号"),
                  item(kSaveMethodItem, text::signedBlank(settings.saveMethod), u"保存方式"),
                  item(kJpegQualityItem, text::signedBlank(settings.jpegQuality), u"Jpeg圧縮率"),
              });
}

bool SaveIniFileTelling(const QString& path, const AppSettings& settings, Prompts& prompts) {
    const auto written = SaveIniFile(path, settings);
    text::tellIfNotWritten(prompts, QStringLiteral("設定ファイル"), written);
    return static_cast<bool>(written);
}

}  // namespace pelmar
