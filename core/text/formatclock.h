#pragma once
/// Times of the result tables as hours and minutes.

#include <string>

/// "hh:mm" for a time in minutes: the hours are Trunc(minutes / 60), the minutes Ceil(minutes)
/// mod 60, both with at least two digits. 20 gives "00:20", 1440 "24:00", 1500 "25:00".
std::string FormatClock(double minutes);
