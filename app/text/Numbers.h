#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace pelmar::text {

// The leading number of a text: blanks skipped, an optional sign, digits and at most one decimal
// point. A text without one reads as 0. This is how the DM's fields, the text boxes and the
// configuration values have always been read.
double leadingNumber(QStringView text);

// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

// The lenient form: the leading number rounded halves to even into a 32-bit integer. Values
// outside the 32-bit range are clamped, so a wild text never overflows.
std::int32_t leadingInt32(QStringView text);

// The strict form: the whole text must be one number, blanks allowed before and after, else
// nothing. The number is rounded halves to even and must fit the target.
std::optional<std::int32_t> strictInt32(QStringView text);

// The signed-blank form of files and the wire: " 0", " 80", "-1".
QString signedBlank(std::int64_t value);

}  // namespace pelmar::text
