#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace pelmar::text {

// Three ways the program reads a number from text. Each yields the double nearest to the decimal
// text ("0.3" is 0.3); one beyond the doubles' range is an infinity of its sign, which the
// integer forms clamp and the report's values refuse as not finite.

// The lenient form: the DM's fields, the configuration's item numbers, the main window's and
// the setting-data editor's text boxes and the setting-data file. Blanks, tabs and line feeds
// are skipped wherever they stand ("1 2" reads 12); then an optional sign and digits with at
// most one decimal point are taken up to the first other character ("1e2" reads 1). A text
// that does not begin with a number (empty, letters, full-width digits, "inf") reads as 0.
double leadingNumber(QStringView text);
// The same, but nothing when the text does not begin with a number.
std::optional<double> leadingNumberIfAny(QStringView text);
// The lenient form rounded halves to even into a 32-bit integer. Values outside the 32-bit
// range are clamped, so a wild text never overflows.
std::int32_t leadingInt32(QStringView text);

// The report header's dialogs: only blanks and tabs before the number are skipped; an optional
// sign, digits with at most one decimal point and an optional exponent ("1.5e3") are taken up to
// the first other character ("20 13" reads 20). No number reads as 0.
double leadingDecimal(QStringView text);

// The strict form of the DM's record line and the configuration's number items: the whole text
// must be one number (sign, digits, one decimal point, no exponent) with blanks or tabs allowed
// before and after it, else nothing. The number is rounded halves to even and clamped to the
// 32-bit range like the lenient form.
std::optional<std::int32_t> strictInt32(QStringView text);

// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

// The value with one decimal as the pattern "0.0" shows it: the decimal the double was written
// as (its shortest exact form, 23.45 for the double read from "23.45") rounded half away from
// zero, at least one digit before the point ("23.5", "-0.3", "0.0").
QString oneDecimal(double value);

// The signed-blank form of files and the wire: " 0", " 80", "-1".
QString signedBlank(std::int64_t value);

}  // namespace pelmar::text
