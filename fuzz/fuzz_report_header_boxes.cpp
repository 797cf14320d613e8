// The report header's boxes take whatever the inspector types: the creation date is either
// refused or within its ranges, a temperature or humidity is always a finite value, and the
// value shown with one decimal reads back within half a tenth of it (of the decimal it was
// written as, which lies within a few units of the double's last place).
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "app/report/ReportHeader.h"
#include "app/text/Numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList boxes = typed.split(u'\n');

    const auto entry =
        pelmar::report::readCreationDate(boxes.value(0), boxes.value(1), boxes.value(2));
    if (entry.error.isEmpty() && (entry.year < 2012 || entry.year > 2099 || entry.month < 1 ||
                                  entry.month > 12 || entry.day < 1 || entry.day > 31)) {
        std::abort();
    }

    const double value = pelmar::report::readClimateValue(typed);
    if (!std::isfinite(value)) std::abort();
    const QString shown = pelmar::text::oneDecimal(value);
    const double lastPlaces = 4 * std::numeric_limits<double>::epsilon() * std::fabs(value);
    if (std::fabs(value) < 1e12 &&
        std::fabs(pelmar::text::leadingDecimal(shown) - value) > 0.05 + lastPlaces) {
        std::abort();
    }
    return 0;
}
