#include "app/text/Numbers.h"

#include <cmath>
#include <limits>

namespace pelmar::text {
namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Reads a number at the start of text (after blanks); consumed gets the characters used.
std::optional<double> parseNumber(QStringView text, qsizetype& consumed) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    double value = 0.0;
    double scale = 1.0;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            digits = true;
            if (point) {
                scale /= 10.0;
                value += (c.unicode() - u'0') * scale;
            } else {
                value = value * 10.0 + (c.unicode() - u'0');
            }
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    consumed = i;
    if (!digits) return std::nullopt;
    return negative ? -value : value;
}

template <typename Int>
std::optional<Int> fitRounded(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= std::numeric_limits<Int>::min() && r <= std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(r);
}

template <typename Int>
std::optional<Int> strictInt(QStringView text) {
    qsizetype used = 0;
    const auto value = parseNumber(text, used);
    if (!value) return std::nullopt;
    for (qsizetype i = used; i < text.size(); ++i) {
        if (!isBlank(text[i])) return std::nullopt;
    }
    return fitRounded<Int>(*value);
}

}  // namespace

double leadingNumber(QStringView text) {
    qsizetype used = 0;
    return parseNumber(text, used).value_or(0.0);
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::int32_t leadingInt32(QStringView text) {
    const double r = roundHalfEven(leadingNumber(text));
    if (r <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    if (r >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(r);
}

std::optional<std::int32_t> strictInt32(QStringView text) {
    return strictInt<std::int32_t>(text);
}

QString signedBlank(std::int64_t value) {
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value);
}

}  // namespace pelmar::text
