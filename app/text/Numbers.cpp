#include "app/text/Numbers.h"

#include <locale.h>
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

// The number at the start of text as plain ASCII ("- 1 .5e3" gives "-1.5e3"), and in consumed
// the count of characters up to its last one. The lenient form skips gaps everywhere, the strict
// one only blanks before the number. Nothing when no digit comes before the exponent.
std::optional<std::string> scanNumber(QStringView text, bool lenient, qsizetype& consumed) {
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
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        std::string exponent = "e";
        ++i;
        skipGaps();
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
            exponent += static_cast<char>(text[i].unicode());
            ++i;
        }
        bool exponentDigits = false;
        for (skipGaps(); i < text.size() && isDigit(text[i]); skipGaps()) {
            exponentDigits = true;
            exponent += static_cast<char>(text[i].unicode());
            consumed = ++i;
        }
        if (exponentDigits) number += exponent;
    }
    return number;
}

// The decimal text's nearest double, whatever locale the program runs in (Qt sets the user's).
double toDouble(const std::string& number) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
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
    const auto number = scanNumber(text, true, used);
    if (!number) return std::nullopt;
    return toDouble(*number);
}

double leadingNumber(QStringView text) {
    return leadingNumberIfAny(text).value_or(0.0);
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::int32_t leadingInt32(QStringView text) {
    return clampedInt32(leadingNumber(text));
}

std::optional<std::int32_t> strictInt32(QStringView text) {
    qsizetype used = 0;
    const auto number = scanNumber(text, false, used);
    if (!number) return std::nullopt;
    for (qsizetype i = used; i < text.size(); ++i) {
        if (!isBlank(text[i])) return std::nullopt;
    }
    return clampedInt32(toDouble(*number));
}

QString signedBlank(std::int64_t value) {
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value);
}

}  // namespace pelmar::text
