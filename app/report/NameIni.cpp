#include "app/report/NameIni.h"

#include "app/text/TextFile.h"

namespace pelmar::report {

bool LoadNameIni(const QString& path, ReportHeader& header) {
    const auto lines = text::readLines(path);
    if (!lines) return false;
    header.nameLine1 = lines->value(0);
    header.nameLine2 = lines->value(1);
    return true;
}

void SaveNameIni(const QString& path, const ReportHeader& header) {
    text::writeLines(path, {header.nameLine1, header.nameLine2});
}

void SaveNameIniTelling(const QString& path, const ReportHeader& header, Prompts& prompts) {
    try {
        SaveNameIni(path, header);
    } catch (const text::FileError& error) {
        prompts.message(kProgramTitle,
                        QStringLiteral("会社名などのファイルを書き込めません。\n%1")
                            .arg(QString::fromUtf8(error.what())),
                        Prompts::Icon::Warning, Prompts::Ok);
    }
}

}  // namespace pelmar::report
