#include "app/report/ReportPrinter.h"

#include <QPrinterInfo>

#include "app/report/PageLayout.h"
#include "app/report/ReportDrawing.h"

namespace pelmar::report {

std::unique_ptr<QPrinter> defaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

std::optional<QString> printPages(QPrinter& printer, const std::vector<PageContent>& pages) {
    printer.setDocName(reportTitle());
    printer.setFullPage(true);
    std::optional<QString> failure = renderPages(printer, pages);
    if (!failure && printer.printerState() == QPrinter::Error) {
        failure = QStringLiteral("印刷中にエラーが起きました。");
    }
    if (!failure) return std::nullopt;
    const QString name =
        printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName();
    return QStringLiteral("%1: %2").arg(name, *failure);
}

}  // namespace pelmar::report
