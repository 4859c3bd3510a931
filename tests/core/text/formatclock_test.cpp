#include "core/text/formatclock.h"

#include <gtest/gtest.h>

TEST(FormatClockTest, WritesTruncatedHoursAndCeiledMinutes) {
  EXPECT_EQ(FormatClock(0), "00:00");
  EXPECT_EQ(FormatClock(20), "00:20");
  EXPECT_EQ(FormatClock(90), "01:30");
  EXPECT_EQ(FormatClock(1440), "24:00");
  EXPECT_EQ(FormatClock(1500), "25:00");
  EXPECT_EQ(FormatClock(3000), "50:00");
  EXPECT_EQ(FormatClock(20.0 / 3.0), "00:07");
  EXPECT_EQ(FormatClock(6000), "100:00");
}
