#include "app/report/ReportHeader.h"

#include <cmath>
#include <optional>

#include "app/text/Numbers.h"

namespace pelmar::report {
namespace {

// The box's value when it lies within [low, high]; nothing otherwise (NaN included).
std::optional<std::int32_t> inRange(QStringView text, std::int32_t low, std::int32_t high) {
    const double value = text::roundHalfEven(text::leadingDecimal(text));
    if (!(value >= low && value <= high)) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

void setStartValues(ReportHeader& header, const QDate& today) {
    header.createYear = today.year();
    header.createMonth = today.month();
    header.createDay = today.day();
    header.temperature = 0.0;
    header.humidity = -1.0;
}

QString creationDateText(const ReportHeader& header) {
    return QStringLiteral("%1年%2月%3日")
        .arg(header.createYear)
        .arg(header.createMonth)
        .arg(header.createDay);
}

QString climateText(double temperature, double humidity) {
    return text::oneDecimal(temperature) + QStringLiteral("℃：") + text::oneDecimal(humidity) +
           u'％';
}

QString climateCellText(const ReportHeader& header) {
    if (!(header.humidity >= 0.0)) return QString();
    return climateText(header.temperature, header.humidity);
}

CreationDateEntry readCreationDate(QStringView year, QStringView month, QStringView day) {
    CreationDateEntry entry;
    const auto y = inRange(year, 2012, 2099);
    if (!y) {
        entry.error = QStringLiteral("2012年から2099年を半角で入力して下さい。");
        return entry;
    }
    const auto m = inRange(month, 1, 12);
    if (!m) {
        entry.error = QStringLiteral("1月から12月を半角で入力して下さい。");
        return entry;
    }
    const auto d = inRange(day, 1, 31);
    if (!d) {
        entry.error = QStringLiteral("1日から31日を半角で入力して下さい。");
        return entry;
    }
    entry.year = *y;
    entry.month = *m;
    entry.day = *d;
    return entry;
}

double readClimateValue(QStringView text) {
    const double value = text::leadingDecimal(text);
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace pelmar::report
