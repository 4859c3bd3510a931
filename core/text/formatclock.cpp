#include "core/text/formatclock.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "core/text/formatnumber.h"

namespace {

// Accumulated step times overshoot a whole minute by rounding noise (6.000000000000001); such
// a time still shows as that minute.
constexpr double kMinuteNoise = 0.000001;

// Appends `value`, a whole number, as FormatNumber("00", value) writes it. Whole numbers from 0
// to below 10^15 are exact in its 15 significant digits and are written here directly, without
// its general rounding.
void AppendTwoDigits(std::string& out, double value) {
  if (!(value >= 0 && value < 1e15)) {
    out += FormatNumber("00", value);
    return;
  }
  const auto whole = static_cast<std::uint64_t>(value);
  if (whole < 10) out.push_back('0');
  char digits[16];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, whole).ptr);
}

}  // namespace

std::string FormatClock(double minutes) {
  // The hours are taken from the rounded minutes, so that 59.5 shows as "01:00", not "00:00".
  double wholeMinutes = std::ceil(minutes - kMinuteNoise);
  double hours = std::trunc(wholeMinutes / 60.0);
  std::string clock;
  AppendTwoDigits(clock, hours);
  clock.push_back(':');
  AppendTwoDigits(clock, std::fmod(wholeMinutes, 60.0));
  return clock;
}
