#include "core/text/formatgeneral.h"

#include <charconv>

std::string FormatGeneral(double value) {
  char buffer[64];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::general, 15);
  if (error != std::errc()) return {};  // cannot happen for this buffer
  std::string text(buffer, end);
  // Scientific notation as "1E20" and "1E-5": capital E, no plus sign, no leading zeros.
  std::size_t e = text.find('e');
  if (e == std::string::npos) return text;
  std::string exponent = text.substr(e + 1);
  bool negative = !exponent.empty() && exponent.front() == '-';
  std::size_t digits = exponent.find_first_not_of("+-0");
  std::string result = text.substr(0, e) + "E" + (negative ? "-" : "");
  return result + (digits == std::string::npos ? "0" : exponent.substr(digits));
}
