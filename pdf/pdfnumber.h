#pragma once
/// Number texts of PDF operands: reals with at most two decimals and plain integers, written
/// without any locale (the decimal separator is always a point, there is never an exponent).

#include <cstddef>
#include <cstdint>
#include <string>

/// Room that WritePdfReal and WritePdfInteger need at most.
inline constexpr std::size_t kPdfNumberMaxLength = 24;

/// Writes `value` as a PDF real at `out` and returns the end of the text: n = trunc(value × 100
/// + 0.5) is written as n / 100 with at most two decimals, trailing zeros and a trailing point
/// dropped, "-" before a negative n and "0" for n = 0. So 0.125 gives "0.13", -1.234 gives
/// "-1.22", -0.004 gives "0", 12 gives "12". NaN is written as "0" and magnitudes beyond 10^13
/// are clamped, so the operand stays a number. `out` has room for kPdfNumberMaxLength bytes.
char* WritePdfReal(char* out, double value);

/// Writes `value` in plain decimal at `out`, "-" before a negative value, no grouping, and
/// returns the end; `out` has room for kPdfNumberMaxLength bytes.
char* WritePdfInteger(char* out, std::int64_t value);

/// Appends the text WritePdfReal writes for `value`.
void AppendPdfReal(std::string& out, double value);

/// The text AppendPdfReal appends for `value`.
std::string PdfReal(double value);

/// Appends the text WritePdfInteger writes for `value`.
void AppendPdfInteger(std::string& out, std::int64_t value);
