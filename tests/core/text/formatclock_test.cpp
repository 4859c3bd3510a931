#include "core/text/formatclock.h"

#include <gtest/gtest.h>

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
