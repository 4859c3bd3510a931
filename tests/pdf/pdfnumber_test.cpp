#include "pdf/pdfnumber.h"

#include <gtest/gtest.h>

#include <limits>

TEST(PdfNumberTest, RoundsToTwoDecimalsByTruncatingValuePlusOneHalf) {
  EXPECT_EQ(PdfReal(802), "802");
  EXPECT_EQ(PdfReal(12), "12");
  EXPECT_EQ(PdfReal(0.75), "0.75");
  EXPECT_EQ(PdfReal(12.5), "12.5");
  EXPECT_EQ(PdfReal(1.0 / 3), "0.33");
  EXPECT_EQ(PdfReal(0.125), "0.13");
  EXPECT_EQ(PdfReal(0.375), "0.38");
  EXPECT_EQ(PdfReal(0.004), "0");
  EXPECT_EQ(PdfReal(-0.004), "0");
  EXPECT_EQ(PdfReal(-0.006), "0");  // -0.1 truncates to 0: never "-0"
  EXPECT_EQ(PdfReal(-1.234), "-1.22");
  EXPECT_EQ(PdfReal(-2), "-1.99");  // -199.5 truncates toward zero
  EXPECT_EQ(PdfReal(0.999), "1");
  EXPECT_EQ(PdfReal(1.05), "1.05");
  EXPECT_EQ(PdfReal(128.0 / 255), "0.5");
  EXPECT_EQ(PdfReal(5961234.5), "5961234.5");
}

TEST(PdfNumberTest, StaysAPlainNumberWhateverTheInput) {
  EXPECT_EQ(PdfReal(std::numeric_limits<double>::quiet_NaN()), "0");
  EXPECT_EQ(PdfReal(std::numeric_limits<double>::infinity()), "10000000000000");
  EXPECT_EQ(PdfReal(-1e300), "-10000000000000");
  EXPECT_EQ(PdfReal(1e20), "10000000000000");

  std::string text;
  AppendPdfInteger(text, -42);
  AppendPdfInteger(text, 1234567);
  EXPECT_EQ(text, "-421234567");
}
