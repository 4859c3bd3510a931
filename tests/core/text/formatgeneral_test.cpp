#include "core/text/formatgeneral.h"

#include <gtest/gtest.h>

TEST(FormatGeneralTest, FifteenSignificantDigitsInTheShorterNotation) {
  EXPECT_EQ(FormatGeneral(20), "20");
  EXPECT_EQ(FormatGeneral(20.0 / 3), "6.66666666666667");
  EXPECT_EQ(FormatGeneral(3 * (20.0 / 3)), "20");
  EXPECT_EQ(FormatGeneral(0.5), "0.5");
  EXPECT_EQ(FormatGeneral(1446.6666666666667), "1446.66666666667");
  EXPECT_EQ(FormatGeneral(0), "0");
  EXPECT_EQ(FormatGeneral(-2.25), "-2.25");
  EXPECT_EQ(FormatGeneral(1e20), "1E20");
  EXPECT_EQ(FormatGeneral(1e-5), "1E-5");
}
