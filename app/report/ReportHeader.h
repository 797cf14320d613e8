#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <cstdint>

namespace pelmar::report {

// The report's own header data: two free name lines (kept in NAME.INI), the creation date, and
// the room's temperature and humidity. A negative humidity means neither was entered.
struct ReportHeader {
    QString nameLine1;
    QString nameLine2;
    std::int32_t createYear = 0;
    std::int32_t createMonth = 0;
    std::int32_t createDay = 0;
    double temperature = 0.0;
    double humidity = -1.0;
};

// The values of a program start: the creation date is the day the program started, the
// temperature and humidity not entered yet. The name lines are NAME.INI's business.
void setStartValues(ReportHeader& header, const QDate& today);

// "2013年4月5日": each number in plain decimal, no padding.
QString creationDateText(const ReportHeader& header);
// "23.5℃：45.0％", one decimal each as written (23.45 shows 23.5), whatever the humidity.
QString climateText(double temperature, double humidity);
// The temperature and humidity cell as a report shows it when it is built: empty while the
// humidity is negative.
QString climateCellText(const ReportHeader& header);

// What the creation-date dialog makes of its three boxes: the date, or the message that rejects
// it (error not empty). Each box is read as its leading decimal rounded halves to even; a value
// that is out of range, does not fit 32 bits or is not finite gets its range's message.
struct CreationDateEntry {
    QString error;
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
};
CreationDateEntry readCreationDate(QStringView year, QStringView month, QStringView day);

// A temperature or humidity box: its leading decimal; one that is not finite counts as 0.0.
double readClimateValue(QStringView text);

}  // namespace pelmar::report
