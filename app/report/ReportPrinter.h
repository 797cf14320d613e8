#pragma once

#include <QPrinter>
#include <memory>
#include <vector>

#include "app/report/ReportPages.h"
#include "app/seams/FileOutcome.h"

namespace pelmar::report {

// The system's default printer at its own resolution; nothing when there is none.
std::unique_ptr<QPrinter> defaultPrinter();

// Prints the pages as one job, without a dialog: A4 portrait from the paper's top-left corner
// (a printer without A4 prints on its own paper at the same scale). The problem names the
// printer (or its output file) and why not every page went out.
[[nodiscard]] FileOutcome<> printPages(QPrinter& printer, const std::vector<PageContent>& pages);

}  // namespace pelmar::report
