#include "app/report/ReportPages.h"

#include <algorithm>

namespace pelmar::report {
namespace {

const ResultEntry& slot(const ResultHistory& history, int index) {
    return history.entries[static_cast<std::size_t>(index)];
}

int rowsOn(int pageIndex) {
    return pageIndex == 0 ? kFirstPageRows : kLaterPageRows;
}

}  // namespace

int listedCount(const ResultHistory& history) {
    int listed = 0;
    for (int i = 0; i < history.historyCount; ++i) {
        if (slot(history, i).checked == 1) ++listed;
    }
    return listed;
}

int reportPageCount(int listed) {
    if (listed <= kFirstPageRows) return 1;
    const int later = (listed - kFirstPageRows + kLaterPageRows - 1) / kLaterPageRows;
    return std::min(1 + later, kMaxPages);
}

QString pageIndicator(int pageIndex, int pageCount) {
    return QStringLiteral("Page ( %1 / %2 )").arg(pageIndex + 1).arg(pageCount);
}

int firstListedPosition(int pageIndex) {
    return pageIndex == 0 ? 1 : kFirstPageRows + 1 + kLaterPageRows * (pageIndex - 1);
}

bool hasNextPage(int listed, int pageIndex) {
    return listed >= firstListedPosition(pageIndex + 1);
}

QString inspectionDateText(const QString& dateTime) {
    return dateTime.mid(6, 4) + u'年' + dateTime.mid(0, 2) + u'月' + dateTime.mid(3, 2) + u'日';
}

HeaderCells headerCells(const ResultHistory& history, const ReportHeader& header) {
    const ResultEntry& first = slot(history, 0);
    return {inspectionDateText(first.dateTime),
            climateCellText(header),
            first.instrumentModel,
            first.processorModel,
            creationDateText(header),
            header.nameLine1,
            header.nameLine2};
}

std::vector<ReportRow> pageRows(const ResultHistory& history, int pageIndex,
                                DateTimeColumn column) {
    const int first = firstListedPosition(pageIndex);
    const int last = first + rowsOn(pageIndex) - 1;
    std::vector<ReportRow> rows;
    int position = 0;
    for (int i = 0; i < history.historyCount && position < last; ++i) {
        const ResultEntry& entry = slot(history, i);
        if (entry.checked != 1 || ++position < first) continue;
        rows.push_back(
            {entry.lensName, entryNumberText(position - 1),
             column == DateTimeColumn::Reformatted ? rowDateText(entry.dateTime) : entry.dateTime,
             entry.serialNo, entry.result, entry.judgement});
    }
    return rows;
}

std::vector<PageContent> printedPages(const ResultHistory& history, const ReportHeader& header) {
    const int count = reportPageCount(listedCount(history));
    std::vector<PageContent> pages;
    for (int p = 0; p < count; ++p) {
        PageContent page;
        page.pageIndex = p;
        page.pageCount = count;
        if (p == 0) page.header = headerCells(history, header);
        page.rows =
            pageRows(history, p, p == 0 ? DateTimeColumn::Reformatted : DateTimeColumn::AsRecorded);
        pages.push_back(std::move(page));
    }
    return pages;
}

}  // namespace pelmar::report
