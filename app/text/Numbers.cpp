#include "app/text/Numbers.h"

#include <QByteArray>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace pelmar::text {
namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// The lenient form also steps over line feeds, which a setting-data line can hold (only CR ends
// its lines).
bool isGap(QChar c) {
    return isBlank(c) || c == u'\n';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

enum class Form { Lenient, Strict, Decimal };

// The number at the start of text as plain ASCII ("- 1 .5" gives "-1.5"), and in consumed the
// count of characters up to its last one. Only the lenient form skips gaps inside the number,
// only the header dialogs' form takes an exponent. Nothing when the number has no digit.
std::optional<std::string> scanNumber(QStringView text, Form form, qsizetype& consumed) {
    const bool lenient = form == Form::Lenient;
    std::string number;
    qsizetype i = 0;
    const auto skipGaps = [&] {
        while (lenient && i < text.size() && isGap(text[i])) ++i;
    };
    while (i < text.size() && (isBlank(text[i]) || (lenient && isGap(text[i])))) ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-') number += '-';
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (skipGaps(); i < text.size(); skipGaps()) {
        if (isDigit(text[i])) {
            digits = true;
        } else if (text[i] == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        number += static_cast<char>(text[i].unicode());
        consumed = ++i;
    }
    if (!digits) return std::nullopt;

    // The exponent counts only when a digit follows its letter and sign.
    if (form == Form::Decimal && i + 1 < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        std::string exponent = "e";
        qsizetype k = i + 1;
        if (text[k] == u'+' || text[k] == u'-') exponent += static_cast<char>(text[k++].unicode());
        if (k < text.size() && isDigit(text[k])) {
            while (k < text.size() && isDigit(text[k])) {
                exponent += static_cast<char>(text[k++].unicode());
            }
            number += exponent;
            consumed = k;
        }
    }
    return number;
}

// Beyond the doubles' range: an infinity of its sign when the number is 1 or more in size (its
// first significant digit at or above the units), else 0.
double outOfRange(const std::string& number) {
    const std::size_t e = number.find_first_of("eE");
    const std::string mantissa = number.substr(0, e);
    const long exponent = e == std::string::npos ? 0 : std::strtol(number.c_str() + e + 1, nullptr, 10);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos) return 0.0;
    const long power = first < point ? static_cast<long>(point - first) - 1
                                     : -static_cast<long>(first - point);
    if (power + exponent < 0) return 0.0;
    const double infinity = std::numeric_limits<double>::infinity();
    return number.front() == '-' ? -infinity : infinity;
}

// The decimal text's nearest double, whatever locale the program runs in (Qt sets the user's).
double toDouble(const std::string& number) {
    double value = 0.0;
    const char* end = number.data() + number.size();
    if (std::from_chars(number.data(), end, value).ec == std::errc::result_out_of_range) {
        value = outOfRange(number);
    }
    return value == 0.0 ? 0.0 : value;  // "-0" reads as plain 0
}

std::int32_t clampedInt32(double value) {
    const double r = roundHalfEven(value);
    if (r <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    if (r >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(r);
}

}  // namespace

std::optional<double> leadingNumberIfAny(QStringView text) {
    qsizetype used = 0;
    const auto number = scanNumber(text, Form::Lenient, used);
    if (!number) return std::nullopt;
    return toDouble(*number);
}

double leadingNumber(QStringView text) {
    return leadingNumberIfAny(text).value_or(0.0);
}

std::int32_t leadingInt32(QStringView text) {
    return clampedInt32(leadingNumber(text));
}

double leadingDecimal(QStringView text) {
    qsizetype used = 0;
    const auto number = scanNumber(text, Form::Decimal, used);
    return number ? toDouble(*number) : 0.0;
}

std::optional<std::int32_t> strictInt32(QStringView text) {
    qsizetype used = 0;
    const auto number = scanNumber(text, Form::Strict, used);
    if (!number) return std::nullopt;
    for (qsizetype i = used; i < text.size(); ++i) {
        if (!isBlank(text[i])) return std::nullopt;
    }
    return clampedInt32(toDouble(*number));
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

QString oneDecimal(double value) {
    if (!std::isfinite(value)) return QString::number(value, 'f', 1);
    // The shortest fixed-point text that reads back as the same double: what was typed.
    char written[400];
    const char* end = std::to_chars(written, written + sizeof written, value == 0.0 ? 0.0 : value,
                                    std::chars_format::fixed)
                          .ptr;
    const bool negative = written[0] == '-';
    const QByteArrayView text(written + (negative ? 1 : 0), end);
    const qsizetype point = text.indexOf('.');
    const QByteArrayView whole = point < 0 ? text : text.first(point);
    const QByteArrayView fraction = point < 0 ? QByteArrayView() : text.sliced(point + 1);
    // Whole and tenths as one run of digits, rounded up at the hundredths when they are 5 or more
    // (the decimal is exact, so that is half or above, away from zero).
    QByteArray tenths = whole.toByteArray() + (fraction.isEmpty() ? '0' : fraction[0]);
    if (fraction.size() > 1 && fraction[1] >= '5') {
        qsizetype k = tenths.size();
        while (k > 0 && tenths[k - 1] == '9') tenths[--k] = '0';
        if (k == 0) {
            tenths.prepend('1');
        } else {
            ++tenths[k - 1];
        }
    }
    return QLatin1String(negative ? "-" : "") + QLatin1String(tenths.chopped(1)) + u'.' +
           QLatin1Char(tenths.back());
}

QString signedBlank(std::int64_t value) {
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value);
}

}  // namespace pelmar::text
