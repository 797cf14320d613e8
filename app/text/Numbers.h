#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace pelmar::text {

// The leading number of a text, as the DM's fields, the text boxes, the configuration and the
// setting-data file have always been read. Blanks, tabs and line feeds are skipped wherever they
// stand ("1 2" reads 12); then an optional sign, digits with at most one decimal point and an
// optional exponent ("1.5e3") are taken up to the first other character. A text that does not
// begin with a number (empty, letters, full-width digits, "inf") reads as 0. The value is the
// double nearest to the decimal text ("0.3" is 0.3); one beyond the doubles' range is an infinity
// of its sign, which the integer forms clamp and the report's values refuse as not finite.
double leadingNumber(QStringView text);
// The same, but nothing when the text does not begin with a number.
std::optional<double> leadingNumberIfAny(QStringView text);

// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

// The lenient form: the leading number rounded halves to even into a 32-bit integer. Values
// outside the 32-bit range are clamped, so a wild text never overflows.
std::int32_t leadingInt32(QStringView text);

// The strict form: the whole text must be one number (sign, digits, one decimal point, exponent)
// with blanks or tabs allowed before and after it, else nothing. The number is rounded halves to
// even and clamped to the 32-bit range like the lenient form.
std::optional<std::int32_t> strictInt32(QStringView text);

// The signed-blank form of files and the wire: " 0", " 80", "-1".
QString signedBlank(std::int64_t value);

}  // namespace pelmar::text
