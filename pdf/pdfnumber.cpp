#include "pdf/pdfnumber.h"

#include <array>
#include <cmath>

namespace {

// 10^13 points is far beyond any page; clamping keeps the cast below defined for any input.
constexpr double kLimit = 1e15;  // in hundredths

// "00" "01" … "99": two digits at a time.
constexpr auto kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// Writes `value` in plain decimal at `out` and returns the end: the digits are counted first
// and then written backwards in place, two at a time.
char* WriteUnsigned(char* out, std::uint64_t value) {
  int length = 1;
  for (std::uint64_t rest = value; rest >= 10; rest /= 10) ++length;
  char* end = out + length;
  char* at = end;
  while (value >= 100) {
    const auto pair = static_cast<std::size_t>(value % 100) * 2;
    value /= 100;
    *--at = kDigitPairs[pair + 1];
    *--at = kDigitPairs[pair];
  }
  if (value >= 10) {
    *--at = kDigitPairs[value * 2 + 1];
    *--at = kDigitPairs[value * 2];
  } else {
    *--at = static_cast<char>('0' + value);
  }
  return end;
}

}  // namespace

char* WritePdfReal(char* out, double value) {
  const double scaled = value * 100.0 + 0.5;
  std::int64_t n = 0;
  if (std::isnan(scaled)) {
    n = 0;
  } else if (scaled >= kLimit) {
    n = static_cast<std::int64_t>(kLimit);
  } else if (scaled <= -kLimit) {
    n = -static_cast<std::int64_t>(kLimit);
  } else {
    n = static_cast<std::int64_t>(scaled);  // truncates toward zero
  }
  if (n < 0) *out++ = '-';
  const auto magnitude = static_cast<std::uint64_t>(n < 0 ? -n : n);
  out = WriteUnsigned(out, magnitude / 100);
  const auto hundredths = static_cast<int>(magnitude % 100);
  if (hundredths != 0) {
    *out++ = '.';
    *out++ = static_cast<char>('0' + hundredths / 10);
    if (hundredths % 10 != 0) *out++ = static_cast<char>('0' + hundredths % 10);
  }
  return out;
}

char* WritePdfInteger(char* out, std::int64_t value) {
  // The magnitude in unsigned arithmetic, so that the most negative value has one as well.
  auto magnitude = static_cast<std::uint64_t>(value);
  if (value < 0) {
    *out++ = '-';
    magnitude = 0 - magnitude;
  }
  return WriteUnsigned(out, magnitude);
}

void AppendPdfReal(std::string& out, double value) {
  char buffer[kPdfNumberMaxLength];
  out.append(buffer, WritePdfReal(buffer, value));
}

std::string PdfReal(double value) {
  std::string text;
  AppendPdfReal(text, value);
  return text;
}

void AppendPdfInteger(std::string& out, std::int64_t value) {
  char buffer[kPdfNumberMaxLength];
  out.append(buffer, WritePdfInteger(buffer, value));
}
