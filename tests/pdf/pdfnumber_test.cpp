#include "pdf/pdfnumber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

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

// The digits agree with the C library's formatting of the same hundredths, around every
// half-hundredth of a page's coordinates, over random values and over the whole integer range.
TEST(PdfNumberTest, DigitsAgreeWithLibraryFormatting) {
  auto expected = [](double value) {
    const double scaled = value * 100.0 + 0.5;
    const auto n = static_cast<long long>(std::clamp(scaled, -1e15, 1e15));
    char text[48];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", n < 0 ? "-" : "", std::llabs(n) / 100, std::llabs(n) % 100);
    std::string result = text;
    while (result.back() == '0') result.pop_back();
    if (result.back() == '.') result.pop_back();
    return result == "-0" ? std::string("0") : result;
  };
  std::mt19937_64 random(932);
  std::vector<double> values;
  for (int hundredths = -200000; hundredths <= 200000; ++hundredths) {
    const double half = (hundredths + 0.5) / 100.0;
    values.insert(values.end(), {half, std::nextafter(half, -1e9), std::nextafter(half, 1e9)});
  }
  for (int k = 0; k < 200000; ++k) {
    values.push_back(std::ldexp(static_cast<double>(random() >> 11), -static_cast<int>(random() % 64)) *
                     (random() % 2 != 0 ? 1 : -1));
  }
  for (double value : values) ASSERT_EQ(PdfReal(value), expected(value)) << value;

  for (int k = 0; k < 200000; ++k) {
    const auto value = static_cast<std::int64_t>(random() >> (random() % 64));
    std::string text;
    AppendPdfInteger(text, k % 2 != 0 ? value : -value);
    ASSERT_EQ(text, std::to_string(k % 2 != 0 ? value : -value));
  }
  std::string extremes;
  AppendPdfInteger(extremes, std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(extremes, std::to_string(std::numeric_limits<std::int64_t>::min()));
}
