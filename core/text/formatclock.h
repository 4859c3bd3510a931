#pragma once
/// Times of the result tables as hours and minutes.

#include <string>

/// "hh:mm" for a time in minutes, both parts with at least two digits. The time is first rounded
/// up to a whole minute N (a time above a minute by less than a millionth counts as that
/// minute); the hours are N div 60 and the minutes N mod 60. 20 gives "00:20", 59.5 "01:00",
/// 1440 "24:00", 1500 "25:00".
std::string FormatClock(double minutes);
