#include "core/text/formatclock.h"

#include <cmath>

#include "core/text/formatnumber.h"

std::string FormatClock(double minutes) {
  double hours = std::trunc(minutes / 60.0);
  double wholeMinutes = std::fmod(std::ceil(minutes), 60.0);
  return FormatNumber("00", hours) + ":" + FormatNumber("00", wholeMinutes);
}
