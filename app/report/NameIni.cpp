#include "app/report/NameIni.h"

#include "app/text/FileMessages.h"
#include "app/text/TextFile.h"

namespace pelmar::report {

FileOutcome<> LoadNameIni(const QString& path, ReportHeader& header) {
    const auto lines = text::readLines(path);
    if (!lines) return lines.problem();
    header.nameLine1 = lines->value(0);
    header.nameLine2 = lines->value(1);
    return {};
}

FileOutcome<> SaveNameIni(const QString& path, const ReportHeader& header) {
    return text::writeLines(path, {header.nameLine1, header.nameLine2});
}

bool SaveNameIniTelling(const QString& path, const ReportHeader& header, Prompts& prompts) {
    const auto written = SaveNameIni(path, header);
    text::tellIfNotWritten(prompts, QStringLiteral("会社名などのファイル"), written);
    return static_cast<bool>(written);
}

}  // namespace pelmar::report
