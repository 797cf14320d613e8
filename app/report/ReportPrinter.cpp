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

FileOutcome<> printPages(QPrinter& printer, const std::vector<PageContent>& pages) {
    printer.setDocName(reportTitle());
    printer.setFullPage(true);
    const QString name =
        printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName();
    if (const auto drawn = renderPages(printer, name, pages); !drawn) return drawn;
    if (printer.printerState() == QPrinter::Error) {
        return FileProblem{name, QStringLiteral("印刷中にエラーが起きました。")};
    }
    return {};
}

}  // namespace pelmar::report
