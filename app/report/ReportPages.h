#pragma once

#include <QString>
#include <array>
#include <vector>

#include "app/records/ResultHistory.h"
#include "app/report/PageLayout.h"
#include "app/report/ReportHeader.h"

namespace pelmar::report {

// What each cell of the inspection report says, for the screen pages and the printed ones
// alike. The report lists the checked history entries (the listed entries) in slot order: 20
// rows on page 1, 25 on each later page, five pages at most.
constexpr int kFirstPageRows = 20;
constexpr int kLaterPageRows = 25;
constexpr int kMaxPages = 5;

// The header cells (lblNameData 0 to 6): inspection date, temperature and humidity, measuring
// instrument, image-processing system, creation date, name lines 1 and 2.
constexpr int kHeaderCells = 7;
using HeaderCells = std::array<QString, kHeaderCells>;

// One table row: lens name, number, date and time, serial, result, judgement.
struct ReportRow {
    QString lens;
    QString number;
    QString dateTime;
    QString serial;
    QString result;
    QString judgement;

    // The texts in the order of the table's columns.
    std::array<const QString*, kColumns> cells() const {
        return {&lens, &number, &dateTime, &serial, &result, &judgement};
    }
};

// The date-time column: reformatted "2013.04.05 14:03:22", or the record's field 0 as it stands
// (the later printed pages).
enum class DateTimeColumn { Reformatted, AsRecorded };

// One page: index 0 is page 1.
struct PageContent {
    int pageIndex = 0;
    int pageCount = 1;
    HeaderCells header;  // page 1 only
    std::vector<ReportRow> rows;
};

// How many history slots from 0 to historyCount - 1 are checked.
int listedCount(const ResultHistory& history);
// 1 page for up to 20 listed entries, then one more per 25, five at most.
int reportPageCount(int listed);
// "Page ( 1 / 3 )".
QString pageIndicator(int pageIndex, int pageCount);
// The 1-based listed position of a page's first row: 1, 21, 46, 71, 96.
int firstListedPosition(int pageIndex);
// Whether listed entries lie beyond the page.
bool hasNextPage(int listed, int pageIndex);

// The header cells. The inspection date, instrument and image-processing system come from slot 0
// whatever its check mark; the temperature and humidity cell is empty while the humidity is
// negative.
HeaderCells headerCells(const ResultHistory& history, const ReportHeader& header);
// "2013年04月05日" from a record's field 0; characters the field lacks give nothing.
QString inspectionDateText(const QString& dateTime);

// The rows of a page as the history holds them now.
std::vector<ReportRow> pageRows(const ResultHistory& history, int pageIndex, DateTimeColumn column);

// Every page of the report as it is printed now: the page count and the listed entries taken
// from the history at this moment, later pages with the date-time field as recorded.
std::vector<PageContent> printedPages(const ResultHistory& history, const ReportHeader& header);

}  // namespace pelmar::report
