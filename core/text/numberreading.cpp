#include "core/text/numberreading.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>

#include "core/text/conversionerror.h"

namespace {

std::string_view TrimLeadingBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal exponent of the leading significant digit of an unsigned decimal literal, used to
// tell an underflow (a tiny value, read as 0) from an overflow when from_chars reports a range
// error. The literal has already been checked to be well formed.
long LeadingDigitExponent(std::string_view literal) {
  long integerDigits = 0;
  long leadingFractionZeros = 0;
  bool significant = false;
  std::size_t i = 0;
  for (; i < literal.size() && IsDigit(literal[i]); ++i) {
    if (literal[i] != '0') significant = true;
    if (significant) ++integerDigits;
  }
  if (i < literal.size() && literal[i] == '.') {
    for (++i; i < literal.size() && IsDigit(literal[i]); ++i) {
      if (significant) continue;
      if (literal[i] != '0') significant = true;
      else ++leadingFractionZeros;
    }
  }
  long exponent = 0;
  if (i < literal.size() && (literal[i] == 'e' || literal[i] == 'E')) {
    std::string_view digits = literal.substr(i + 1);
    bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
    for (char c : digits) {
      exponent = std::min(exponent * 10 + (c - '0'), 100000L);
    }
    if (negative) exponent = -exponent;
  }
  long position = integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1);
  return position + exponent;
}

// The whole text must be an optional sign and a decimal literal of finite value.
std::optional<double> ParseWhole(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // from_chars would also take "inf", "nan" and a second sign; a literal starts with a digit or
  // a decimal point.
  if (text.empty() || !(IsDigit(text.front()) || text.front() == '.')) return std::nullopt;
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::general);
  if (end != text.data() + text.size()) return std::nullopt;
  if (error == std::errc::result_out_of_range) {
    if (LeadingDigitExponent(text) >= 0) return std::nullopt;  // overflow: not finite
    value = 0;                                                   // underflow: a tiny value is 0
  } else if (error != std::errc()) {
    return std::nullopt;
  }
  if (!std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace

std::optional<double> ReadNamed(std::string_view text) { return ParseWhole(TrimLeadingBlanks(text)); }

double ReadStrict(std::string_view text) {
  std::optional<double> value = ParseWhole(TrimTrailingBlanks(TrimLeadingBlanks(text)));
  if (!value) throw ConversionError::NotAFloat(text);
  return *value;
}

double ReadLenient(std::string_view text) { return ReadNamed(text).value_or(0.0); }

int ReadStrictInteger(std::string_view text) {
  std::string_view digits = TrimLeadingBlanks(text);
  bool negative = false;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty() || !IsDigit(digits.front())) throw ConversionError::NotAnInteger(text);
  long long magnitude = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
  long long value = negative ? -magnitude : magnitude;
  if (error != std::errc() || end != digits.data() + digits.size() || value < INT_MIN ||
      value > INT_MAX) {
    throw ConversionError::NotAnInteger(text);
  }
  return static_cast<int>(value);
}
