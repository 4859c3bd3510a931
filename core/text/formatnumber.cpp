#include "core/text/formatnumber.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

namespace {

// A finite value as decimal digits with at most 15 significant digits (the decimal that "%.15g"
// shows): value = 0.d1d2d3... × 10^pointPosition.
struct Decimal {
  std::string digits;      // significant digits, no leading zeros; empty for zero
  int pointPosition = 0;   // digits before the decimal point
  bool negative = false;
};

// 10^n for n = 0 … 22, exact.
unsigned __int128 PowerOfTen(int n) {
  static constexpr auto kPowers = [] {
    std::array<unsigned __int128, 23> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
    return powers;
  }();
  return kPowers[static_cast<std::size_t>(n)];
}

// 10^n as a double for n = -8 … 15: the decimal exponents FifteenDigits handles.
constexpr std::array<double, 24> kDecimalPowers = {1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1,
                                                   1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The 15 significant digits of a finite positive value from 10^-8 to below 10^15, and its
// decimal exponent, in exact integer arithmetic: value = m / 2^s, and m·10^p / 2^s rounded half
// to even is what the general conversion gives. Nothing when the value is outside that range.
std::optional<std::pair<std::uint64_t, int>> FifteenDigits(double value) {
  constexpr std::uint64_t kLowest = 100000000000000;  // 10^14
  if (!(value >= 1e-8 && value < 1e15)) return std::nullopt;
  // Every value of the range is normal: value = mantissa / 2^shift with a 53-bit mantissa.
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int binaryExponent = static_cast<int>(bits >> 52) - 1022;  // value in [2^(e−1), 2^e)
  const int shift = 53 - binaryExponent;
  // floor(log10(value)): floor((e − 1)·log10 2) or one more. The comparison with an inexact
  // negative power may still be off by one at a boundary; the digit count below corrects it.
  int exponent = std::clamp(((binaryExponent - 1) * 78913) >> 18, -8, 14);
  if (value >= kDecimalPowers[static_cast<std::size_t>(exponent + 9)]) ++exponent;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int scale = 14 - exponent;  // 0 … 22 inside the range
    if (scale < 0 || scale > 22 || shift < 1 || shift > 120) return std::nullopt;
    const unsigned __int128 scaled = mantissa * PowerOfTen(scale);
    const unsigned __int128 one = 1;
    const unsigned __int128 remainder = scaled & ((one << shift) - 1);
    const unsigned __int128 half = one << (shift - 1);
    auto digits = static_cast<std::uint64_t>(scaled >> shift);
    if (remainder > half || (remainder == half && (digits & 1) != 0)) ++digits;
    if (digits >= 10 * kLowest) {
      ++exponent;
    } else if (digits < kLowest) {
      --exponent;
    } else {
      return std::pair{digits, exponent};
    }
  }
  return std::nullopt;
}

Decimal ToDecimal(double value) {
  Decimal result;
  result.negative = std::signbit(value);
  int exponent = 0;
  if (auto exact = FifteenDigits(std::fabs(value))) {
    char buffer[24];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, exact->first).ptr;
    result.digits.assign(buffer, end);
    exponent = exact->second;
  } else {
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 14);
    if (error != std::errc()) return result;  // cannot happen for a finite double and this buffer
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    std::size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
      if (c != '.') result.digits.push_back(c);
    }
    std::string_view exponentText = text.substr(e + 1);
    if (exponentText.front() == '+') exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  }
  while (!result.digits.empty() && result.digits.back() == '0') result.digits.pop_back();
  result.pointPosition = result.digits.empty() ? 0 : exponent + 1;
  return result;
}

// Rounds half away from zero to `decimals` fraction digits and returns the integer digits
// (without leading zeros, empty for zero) and exactly `decimals` fraction digits.
void RoundDecimal(const Decimal& d, int decimals, std::string& integerDigits,
                  std::string& fractionDigits) {
  // All digits up to the last kept decimal, padded with zeros, as one digit string.
  int kept = d.pointPosition + decimals;  // number of digits of `d.digits` that are kept
  std::string digits;
  bool roundUp = false;
  if (kept >= 0) {
    digits.assign(d.digits, 0, static_cast<std::size_t>(kept));
    digits.resize(static_cast<std::size_t>(kept), '0');
    roundUp = kept < static_cast<int>(d.digits.size()) && d.digits[static_cast<std::size_t>(kept)] >= '5';
  }
  // `digits` holds the value × 10^decimals when the point position is not positive: add the
  // leading zeros that the decimal point position implies.
  int integerCount = d.pointPosition;  // may be negative or zero
  if (roundUp) {
    int i = static_cast<int>(digits.size()) - 1;
    while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') digits[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0) {
      ++digits[static_cast<std::size_t>(i)];
    } else {
      digits.insert(digits.begin(), '1');
      ++integerCount;
    }
  }
  // Split into integer and fraction digits: `digits` starts at the decimal position
  // `integerCount` (zeros fill the places between the point and a later start) and is padded
  // with zeros to the last decimal.
  const auto size = static_cast<int>(digits.size());
  integerDigits.clear();
  fractionDigits.clear();
  if (integerCount < 0) {
    fractionDigits.assign(static_cast<std::size_t>(std::min(-integerCount, decimals)), '0');
    fractionDigits.append(digits, 0,
                          static_cast<std::size_t>(std::max(0, decimals + integerCount)));
  } else {
    int firstNonZero = 0;
    while (firstNonZero < std::min(integerCount, size) &&
           digits[static_cast<std::size_t>(firstNonZero)] == '0') {
      ++firstNonZero;
    }
    if (firstNonZero < std::min(integerCount, size)) {
      integerDigits.assign(digits, static_cast<std::size_t>(firstNonZero),
                           static_cast<std::size_t>(std::min(integerCount, size) - firstNonZero));
      integerDigits.resize(static_cast<std::size_t>(integerCount - firstNonZero), '0');
    }
    if (integerCount < size) {
      fractionDigits.assign(digits, static_cast<std::size_t>(integerCount),
                            static_cast<std::size_t>(decimals));
    }
  }
  fractionDigits.resize(static_cast<std::size_t>(decimals), '0');
}

// Writes the integer part of the group: digits are given to the placeholders from the right,
// the leftmost placeholder takes all that remain; other characters stay in their place.
void WriteIntegerPart(const NumberPattern& pattern, std::string_view digits, bool negative,
                      std::string& out) {
  const std::string_view text = pattern.Text();
  std::size_t placeholders = 0;
  for (std::size_t i = pattern.Begin(); i < pattern.Point(); ++i) {
    placeholders += NumberPattern::IsPlaceholder(text[i]) ? 1 : 0;
  }
  // How many digits the k-th placeholder (from the left) writes: one each from the right while
  // digits remain, and the leftmost all that remain after the others.
  auto digitsFor = [&](std::size_t k) -> std::size_t {
    if (k == 0) return digits.size() > placeholders - 1 ? digits.size() - (placeholders - 1) : 0;
    return digits.size() >= placeholders - k ? 1 : 0;
  };
  std::size_t next = 0;  // index into digits
  bool signWritten = !negative;
  std::size_t k = 0;
  for (std::size_t i = pattern.Begin(); i < pattern.Point(); ++i) {
    char c = text[i];
    if (c == ',') continue;
    if (!NumberPattern::IsPlaceholder(c)) {
      out.push_back(c);
      continue;
    }
    for (std::size_t n = digitsFor(k); n > 0; --n) {
      if (!signWritten) {
        out.push_back('-');
        signWritten = true;
      }
      out.push_back(digits[next]);
      std::size_t fromRight = digits.size() - 1 - next;
      ++next;
      if (pattern.Thousands() && fromRight > 0 && fromRight % 3 == 0) out.push_back(',');
    }
    ++k;
  }
  if (!signWritten) out.push_back('-');  // no integer digit shown: the sign precedes the point
}

void WriteFractionPart(const NumberPattern& pattern, std::string_view digits, std::string& out) {
  const std::string_view text = pattern.Text();
  if (pattern.Point() == pattern.End()) return;
  int shown = static_cast<int>(digits.size());
  while (shown > pattern.MandatoryFractionDigits() &&
         digits[static_cast<std::size_t>(shown - 1)] == '0')
    --shown;
  if (shown > 0) out.push_back('.');
  int k = 0;
  for (std::size_t i = pattern.Point() + 1; i < pattern.End(); ++i) {
    char c = text[i];
    if (c == ',' || c == '.') continue;
    if (!NumberPattern::IsPlaceholder(c)) {
      out.push_back(c);
      continue;
    }
    if (k < shown) out.push_back(digits[static_cast<std::size_t>(k)]);
    ++k;
  }
}

// The magnitude of a finite value rounded half away from zero to `decimals` decimals of its
// 15-significant-digit decimal, as a count of 10^−decimals, computed in integers; nothing when
// that count or its scale does not fit 64 bits (huge values, very many decimals).
std::optional<std::uint64_t> RoundedUnits(double magnitude, int decimals) {
  if (decimals > 19) return std::nullopt;
  if (magnitude == 0) return 0;
  const auto exact = FifteenDigits(magnitude);
  if (!exact) return std::nullopt;
  const auto [digits, exponent] = *exact;  // magnitude = digits · 10^(exponent − 14)
  const int scale = exponent - 14 + decimals;
  if (scale >= 0) {
    if (scale > 4) return std::nullopt;  // digits · 10^4 < 10^19 still fits
    return digits * static_cast<std::uint64_t>(PowerOfTen(scale));
  }
  // Digits below the last decimal are dropped; the first of them decides the rounding. Fifteen
  // digits all below the first dropped place round to zero.
  if (-scale > 15) return 0;
  const auto unit = static_cast<std::uint64_t>(PowerOfTen(-scale));
  return digits / unit + (digits % unit >= unit / 2 ? 1 : 0);
}

// Writes `value` into the group as the general path below does, from its rounded units.
void WriteRoundedUnits(const NumberPattern& pattern, std::uint64_t units, bool negative,
                       std::string& out) {
  const auto decimals = static_cast<std::size_t>(pattern.FractionPlaceholders());
  const auto scale = static_cast<std::uint64_t>(PowerOfTen(pattern.FractionPlaceholders()));
  const std::uint64_t integer = units / scale;
  const std::uint64_t fraction = units % scale;

  char integerDigits[24];
  char* integerEnd = integerDigits;
  if (integer != 0) integerEnd = std::to_chars(integerDigits, integerDigits + 24, integer).ptr;
  std::string_view integerText(integerDigits, static_cast<std::size_t>(integerEnd - integerDigits));
  std::string padded;  // only for mandatory integer digits beyond the value's own
  if (static_cast<int>(integerText.size()) < pattern.MandatoryIntegerDigits()) {
    padded.assign(static_cast<std::size_t>(pattern.MandatoryIntegerDigits()) - integerText.size(),
                  '0');
    padded += integerText;
    integerText = padded;
  }

  // The fraction's digits right-aligned within the decimals, behind leading zeros.
  char fractionDigits[24];
  if (decimals > 0) {
    char written[24];
    char* end = std::to_chars(written, written + sizeof written, fraction).ptr;
    const auto count = static_cast<std::size_t>(end - written);
    std::fill_n(fractionDigits, decimals - count, '0');
    std::copy(written, end, fractionDigits + (decimals - count));
  }

  const std::string_view fractionText(fractionDigits, decimals);
  if (!pattern.Plain() ||
      integerText.size() > 40) {  // 40 digits with separators fit the buffer below
    WriteIntegerPart(pattern, integerText, negative && units != 0, out);
    WriteFractionPart(pattern, fractionText, out);
    return;
  }
  // A plain group shows the sign, the grouped integer digits and the significant decimals; this
  // is what the two writers above give for it, put together in one buffer.
  char text[80];
  char* at = text;
  if (negative && units != 0) *at++ = '-';
  for (std::size_t i = 0; i < integerText.size(); ++i) {
    *at++ = integerText[i];
    std::size_t fromRight = integerText.size() - 1 - i;
    if (pattern.Thousands() && fromRight > 0 && fromRight % 3 == 0) *at++ = ',';
  }
  if (pattern.Point() != pattern.End()) {
    std::size_t shown = decimals;
    while (shown > static_cast<std::size_t>(pattern.MandatoryFractionDigits()) &&
           fractionText[shown - 1] == '0')
      --shown;
    if (shown > 0) {
      *at++ = '.';
      at = std::copy_n(fractionDigits, shown, at);
    }
  }
  out.append(text, at);
}

}  // namespace

std::string FormatNumber(std::string_view pattern, double value) {
  return FormatNumber(NumberPattern(pattern), value);
}

std::string FormatNumber(const NumberPattern& pattern, double value) {
  const std::string_view text = pattern.Text();
  if (!pattern.HasGroup()) return std::string(text);
  std::string out;
  // Room for a few digits, signs and separators more than the pattern has; a short result stays
  // in the string's own buffer.
  out.reserve(text.size() + 8);
  out.append(text.substr(0, pattern.Begin()));
  if (!std::isfinite(value)) {
    out += std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
  } else if (auto units = RoundedUnits(std::fabs(value), pattern.FractionPlaceholders())) {
    WriteRoundedUnits(pattern, *units, std::signbit(value), out);
  } else {
    Decimal decimal = ToDecimal(value);
    std::string integerDigits, fractionDigits;
    RoundDecimal(decimal, pattern.FractionPlaceholders(), integerDigits, fractionDigits);
    bool isZero = integerDigits.empty() && fractionDigits.find_first_not_of('0') == std::string::npos;
    if (static_cast<int>(integerDigits.size()) < pattern.MandatoryIntegerDigits()) {
      integerDigits.insert(
          0, static_cast<std::size_t>(pattern.MandatoryIntegerDigits()) - integerDigits.size(),
          '0');
    }
    WriteIntegerPart(pattern, integerDigits, decimal.negative && !isZero, out);
    WriteFractionPart(pattern, fractionDigits, out);
  }
  out += text.substr(pattern.End());
  return out;
}
