#include "app/IniFile.h"

#include "app/text/Fields.h"
#include "app/text/Numbers.h"
#include "app/text/TextFile.h"

namespace pelmar {

int LoadIniFile(const QString& path, AppSettings& settings) {
    const auto lines = text::readLines(path);
    if (!lines) return -1;
    int result = 0;
    for (const QString& line : *lines) {
        std::int32_t item = 0;
        QString value;
        int next = 0;
        text::ReadField(line, 0, item, next);
        text::ReadField(line, next, value, next);
        switch (item) {
            case 1:
                if (value.isEmpty()) {
                    result = 1;
                } else {
                    settings.saveFolder = value;
                }
                break;
            case 10:
                if (!value.isEmpty()) settings.dmAddress = value;
                break;
            case 11:
                if (!value.isEmpty()) settings.dmPort = value;
                break;
            case 12:
            case 13:
                if (!value.isEmpty()) {
                    const auto number = text::strictInt32(value);
                    if (!number) return -1;
                    (item == 12 ? settings.saveMethod : settings.jpegQuality) = *number;
                }
                break;
            default:
                break;
        }
    }
    return result;
}

void SaveIniFile(const QString& path, const AppSettings& settings) {
    text::writeLines(
        path, {
                  QStringLiteral("1,%1,(保存フォルダ)").arg(settings.saveFolder),
                  QStringLiteral("10,%1,(DMのIPアドレス)").arg(settings.dmAddress),
                  QStringLiteral("11,%1,(DMのポート番号)").arg(settings.dmPort),
                  QStringLiteral("12,%1,(保存方式)").arg(text::signedBlank(settings.saveMethod)),
                  QStringLiteral("13,%1,(Jpeg圧縮率)").arg(text::signedBlank(settings.jpegQuality)),
              });
}

void SaveIniFileTelling(const QString& path, const AppSettings& settings, Prompts& prompts) {
    text::writeTelling(prompts, QStringLiteral("設定ファイル"),
                       [&] { SaveIniFile(path, settings); });
}

}  // namespace pelmar
