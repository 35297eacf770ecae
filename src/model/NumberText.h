#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace swted {

// The numeric value of a text by its longest leading numeric part: optional
// sign, digits, optional decimal point with digits, optional exponent (E or
// D); "&H" and "&O" introduce hexadecimal and octal digits. Blanks and tabs
// inside the numeric part are skipped. A text that does not start with a
// number reads as 0.
double NumericValue(QStringView text);

// Rounded to the nearest integer, halves to the even one. Empty when the
// result does not fit (the caller reports it; nothing wraps).
std::optional<int16_t> RoundToInt16(double value);
std::optional<int32_t> RoundToInt32(double value);

// A number as messages write it: one blank, then the decimal number.
QString NumberText(long long n);

} // namespace swted
