#include "pdf/pdfnumber.h"

#include <charconv>
#include <cmath>

namespace {

// 10^13 points is far beyond any page; clamping keeps the cast below defined for any input.
constexpr double kLimit = 1e15;  // in hundredths

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
  const std::int64_t magnitude = n < 0 ? -n : n;
  out = WritePdfInteger(out, magnitude / 100);
  const int hundredths = static_cast<int>(magnitude % 100);
  if (hundredths != 0) {
    *out++ = '.';
    *out++ = static_cast<char>('0' + hundredths / 10);
    if (hundredths % 10 != 0) *out++ = static_cast<char>('0' + hundredths % 10);
  }
  return out;
}

char* WritePdfInteger(char* out, std::int64_t value) {
  return std::to_chars(out, out + kPdfNumberMaxLength, value).ptr;
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
