#include "core/text/formatclock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/text/formatnumber.h"

TEST(FormatClockTest, RoundsUpToWholeMinutesAndTakesTheHoursFromThem) {
  EXPECT_EQ(FormatClock(0), "00:00");
  EXPECT_EQ(FormatClock(20), "00:20");
  EXPECT_EQ(FormatClock(90), "01:30");
  EXPECT_EQ(FormatClock(1440), "24:00");
  EXPECT_EQ(FormatClock(1500), "25:00");
  EXPECT_EQ(FormatClock(3000), "50:00");
  EXPECT_EQ(FormatClock(20.0 / 3.0), "00:07");
  EXPECT_EQ(FormatClock(6000), "100:00");
  // Rounding noise above a whole minute does not make it the next one.
  EXPECT_EQ(FormatClock(6.000000000000001), "00:06");
  EXPECT_EQ(FormatClock(871.0000000001), "14:31");
  EXPECT_EQ(FormatClock(0.1 + 0.2 + 59.7), "01:00");
  // The hours follow the rounded minutes across an hour.
  EXPECT_EQ(FormatClock(59.5), "01:00");
  EXPECT_EQ(FormatClock(419.86), "07:00");
  EXPECT_EQ(FormatClock(60.5), "01:01");
}

TEST(FormatClockTest, WritesEachPartAsTheNumberFormatterDoesAlsoOutsideEverydayTimes) {
  // Parts written directly must agree with the general formatter wherever the two meet: at the
  // first two-digit part, below zero, towards and beyond 15 digits, and for non-finite times.
  for (double minutes : {-0.0, -30.0, -61.0, 599.0, 600.0, 6e15 - 60, 6e16, 1e300, -1e300,
                         std::numeric_limits<double>::infinity(), std::nan("")}) {
    SCOPED_TRACE(minutes);
    const double whole = std::ceil(minutes - 0.000001);
    EXPECT_EQ(FormatClock(minutes), FormatNumber("00", std::trunc(whole / 60.0)) + ":" +
                                        FormatNumber("00", std::fmod(whole, 60.0)));
  }
}
