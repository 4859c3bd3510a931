#include "core/text/formatclock.h"

#include <cmath>

#include "core/text/formatnumber.h"

namespace {

// Accumulated step times overshoot a whole minute by rounding noise (6.000000000000001); such
// a time still shows as that minute.
constexpr double kMinuteNoise = 0.000001;

}  // namespace

std::string FormatClock(double minutes) {
  // The hours are taken from the rounded minutes, so that 59.5 shows as "01:00", not "00:00".
  double wholeMinutes = std::ceil(minutes - kMinuteNoise);
  double hours = std::trunc(wholeMinutes / 60.0);
  return FormatNumber("00", hours) + ":" + FormatNumber("00", std::fmod(wholeMinutes, 60.0));
}
