#pragma once

#include <QPrinter>
#include <memory>
#include <optional>
#include <vector>

#include "app/report/ReportPages.h"

namespace pelmar::report {

// The system's default printer at its own resolution; nothing when there is none.
std::unique_ptr<QPrinter> defaultPrinter();

// Prints the pages as one job, without a dialog: A4 portrait from the paper's top-left corner
// (a printer without A4 prints on its own paper at the same scale). Nothing when every page went
// out; otherwise why not.
std::optional<QString> printPages(QPrinter& printer, const std::vector<PageContent>& pages);

}  // namespace pelmar::report
