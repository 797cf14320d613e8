#pragma once

#include "app/records/ResultHistory.h"
#include "app/report/ReportSheet.h"

namespace pelmar::report {

// The inspection report's later pages (2 to 5), 25 listed results each, one page at a time in
// the same window. Each fill counts the pages again: results arrive while the report is open,
// and a page must never claim to lie beyond the last. It stands in for page 1: going back from
// page 2 by BtnPre closes it, as the window frame does from any page. Escape presses BtnPre,
// Enter BtnNext.
class frmSeiseki2 : public ReportSheet {
    Q_OBJECT
public:
    // Shows page 2.
    explicit frmSeiseki2(const ResultHistory& history);

    QPushButton* BtnPre;
    QPushButton* BtnNext;

    int reportPageIndex = 1;
    int reportPageCount = 2;

private:
    // The page of reportPageIndex from the history as it is now.
    void fill();
    void BtnPre_Click();
    void BtnNext_Click();

    const ResultHistory& history_;
};

}  // namespace pelmar::report
