#include "core/calc/timecellvalue.h"

#include <gtest/gtest.h>

#include "core/text/conversionerror.h"

TEST(TimeCellValueTest, ReadsTimesWithThousandsSeparators) {
  EXPECT_EQ(TimeCellValue("20"), 20);
  EXPECT_EQ(TimeCellValue("1,440"), 1440);
  // A million minutes carries two separators; both go.
  EXPECT_EQ(TimeCellValue("1,000,000"), 1000000);
  try {
    TimeCellValue("1,4x0");
    FAIL() << "no conversion error";
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "'14x0' is not a valid integer value");
  }
  EXPECT_THROW(TimeCellValue(""), ConversionError);
}
