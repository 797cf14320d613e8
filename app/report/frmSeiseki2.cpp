#include "app/report/frmSeiseki2.h"

#include "app/widgets/WindowSlot.h"

namespace pelmar::report {

frmSeiseki2::frmSeiseki2(const ResultHistory& history)
    : ReportSheet(screenLaterPage()), history_(history) {
    setObjectName(QStringLiteral("frmSeiseki2"));
    BtnPre = placeButton("BtnPre", QStringLiteral("前ページ"));
    BtnNext = placeButton("BtnNext", QStringLiteral("次ページ"));
    connect(BtnPre, &QPushButton::clicked, this, &frmSeiseki2::BtnPre_Click);
    connect(BtnNext, &QPushButton::clicked, this, &frmSeiseki2::BtnNext_Click);
    setWindowKeys(*this, *BtnNext, *BtnPre);
    fill();
}

void frmSeiseki2::fill() {
    const int listed = listedCount(history_);
    reportPageCount = report::reportPageCount(listed);
    showPageIndicator(pageIndicator(reportPageIndex, reportPageCount));
    BtnNext->setEnabled(hasNextPage(listed, reportPageIndex));
    fillRows(pageRows(history_, reportPageIndex, DateTimeColumn::Reformatted));
}

void frmSeiseki2::BtnPre_Click() {
    if (reportPageIndex == 1) {
        close();
        return;
    }
    --reportPageIndex;
    fill();
}

void frmSeiseki2::BtnNext_Click() {
    ++reportPageIndex;
    fill();
}

}  // namespace pelmar::report
