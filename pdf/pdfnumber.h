#pragma once
/// Number texts of PDF operands: reals with at most two decimals and plain integers, written
/// without any locale (the decimal separator is always a point, there is never an exponent).

#include <cstdint>
#include <string>

/// Appends `value` as a PDF real: n = trunc(value × 100 + 0.5) is written as n / 100 with at
/// most two decimals, trailing zeros and a trailing point dropped, "-" before a negative n and
/// "0" for n = 0. So 0.125 gives "0.13", -1.234 gives "-1.22", -0.004 gives "0", 12 gives "12".
/// NaN is written as "0" and magnitudes beyond 10^13 are clamped, so the operand stays a number.
void AppendPdfReal(std::string& out, double value);

/// The text AppendPdfReal appends for `value`.
std::string PdfReal(double value);

/// Appends `value` in plain decimal, "-" before a negative value, no grouping.
void AppendPdfInteger(std::string& out, std::int64_t value);
