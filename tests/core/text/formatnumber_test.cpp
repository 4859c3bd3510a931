#include "core/text/formatnumber.h"

#include <gtest/gtest.h>

static_assert(sizeof("調") == 4, "source files are UTF-8");

TEST(FormatNumberTest, WholeLinesServeAsPatterns) {
  EXPECT_EQ(FormatNumber("I1=0.000mm/hr", 12.3456), "I1=12.346mm/hr");
  EXPECT_EQ(FormatNumber("  2)降雨波形の計算時点数は(n=0)時点となる。", 72),
            "  2)降雨波形の計算時点数は(n=72)時点となる。");
  EXPECT_EQ(FormatNumber("      t=x^(1/n)=#,0.000分", 747.4219), "      t=x^(1/n)=747.422分");
  EXPECT_EQ(FormatNumber("no placeholders", 5), "no placeholders");
}

TEST(FormatNumberTest, GroupsThousandsAndPadsDigits) {
  EXPECT_EQ(FormatNumber("#,0", 1440), "1,440");
  EXPECT_EQ(FormatNumber("#,0.0", 296558.4012), "296,558.4");
  EXPECT_EQ(FormatNumber("#,0.000", 1234567.5), "1,234,567.500");
  EXPECT_EQ(FormatNumber("#0.000", 2.5), "2.500");
  EXPECT_EQ(FormatNumber("00", 5), "05");
  EXPECT_EQ(FormatNumber("0", 1440), "1440");
  EXPECT_EQ(FormatNumber("#,0", 999), "999");
  EXPECT_EQ(FormatNumber("#,0", 1000), "1,000");
}

TEST(FormatNumberTest, RoundsTheFifteenDigitDecimalHalfAwayFromZero) {
  EXPECT_EQ(FormatNumber("0.00", 2.675), "2.68");
  EXPECT_EQ(FormatNumber("0.00", 0.125), "0.13");
  EXPECT_EQ(FormatNumber("0.00", 1.005), "1.01");
  EXPECT_EQ(FormatNumber("0.00", -1.005), "-1.01");
  EXPECT_EQ(FormatNumber("0.00", 0.005), "0.01");
  EXPECT_EQ(FormatNumber("0.00", 0.0049), "0.00");
  EXPECT_EQ(FormatNumber("0.00", 999.996), "1000.00");
  EXPECT_EQ(FormatNumber("0", 0.5), "1");
  EXPECT_EQ(FormatNumber("0", 12.6), "13");
  EXPECT_EQ(FormatNumber("0.00", 20.0 / 3.0), "6.67");
}

TEST(FormatNumberTest, PlacesTheMinusSignBeforeTheFirstDigitAndDropsItForZero) {
  EXPECT_EQ(FormatNumber("H=0.000m", -1.5), "H=-1.500m");
  EXPECT_EQ(FormatNumber("#,0.000", -1234.5), "-1,234.500");
  EXPECT_EQ(FormatNumber("0.00", -0.001), "0.00");
  EXPECT_EQ(FormatNumber("0.000", -0.0), "0.000");
  EXPECT_EQ(FormatNumber("#.00", -0.5), "-.50");
  EXPECT_EQ(FormatNumber("     0.000･x^2", -513.6904), "     -513.690･x^2");
}

TEST(FormatNumberTest, HashDigitsShowOnlyWhenSignificant) {
  EXPECT_EQ(FormatNumber("#", 0), "");
  EXPECT_EQ(FormatNumber("#,0", 0), "0");
  EXPECT_EQ(FormatNumber("#.##", 0.5), ".5");
  EXPECT_EQ(FormatNumber("0.0#", 1.2), "1.2");
  EXPECT_EQ(FormatNumber("0.0#", 1.256), "1.26");
  EXPECT_EQ(FormatNumber("#,##0.0", 0.04), "0.0");
}

TEST(FormatNumberTest, HandlesExtremeMagnitudes) {
  EXPECT_EQ(FormatNumber("0", 1e20), "100000000000000000000");
  EXPECT_EQ(FormatNumber("0.000", 1e-300), "0.000");
  EXPECT_EQ(FormatNumber("#,0", 123456789012345678.0), "123,456,789,012,346,000");
}
