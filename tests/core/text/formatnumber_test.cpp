#include "core/text/formatnumber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

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

// The value as plain decimal from its 15-significant-digit scientific form, trailing zeros
// dropped: what a pattern of enough optional decimals shows.
std::string PlainDecimalOf(double value) {
  char buffer[64];
  char* end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
  std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  std::size_t e = text.find('e');
  std::string digits = std::string(text.substr(0, 1)) + std::string(text.substr(2, e - 2));
  int exponent = std::stoi(std::string(text.substr(e + 1)));
  int point = exponent + 1;  // digits before the decimal point
  std::string integer = point > 0 ? digits.substr(0, static_cast<std::size_t>(std::min(point, 15))) : "";
  if (point > 15) integer.append(static_cast<std::size_t>(point - 15), '0');
  std::string fraction = point >= 15 ? "" : point >= 0 ? digits.substr(static_cast<std::size_t>(point))
                                                        : std::string(static_cast<std::size_t>(-point), '0') + digits;
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  return (integer.empty() ? "0" : integer) + (fraction.empty() ? "" : "." + fraction);
}

// Around every power of ten the formatter covers with its own exact arithmetic, at exact
// ties of the 15th digit and over random bit patterns, the digits agree with the library's
// correctly rounded conversion.
TEST(FormatNumberTest, SignificantDigitsAgreeWithTheLibraryConversion) {
  std::mt19937_64 random(15);
  std::vector<double> values;
  for (int power = -10; power <= 16; ++power) {
    double p = std::pow(10.0, power);
    values.insert(values.end(), {p, std::nextafter(p, 0.0), std::nextafter(p, 1e300), 5 * p, 0.5 * p});
  }
  for (int k = 0; k < 20000; ++k) {
    values.push_back(std::ldexp(static_cast<double>(random() >> 11), -static_cast<int>(random() % 100)));
    values.push_back(static_cast<double>(random() % 1000000000000000) / std::pow(10.0, random() % 20) + 0.5e-14);
  }
  for (double value : values) {
    ASSERT_EQ(FormatNumber("0.################################", value), PlainDecimalOf(value))
        << std::bit_cast<std::uint64_t>(value);
  }
}

// The value rounded half away from zero to `decimals` places on its plain 15-digit decimal,
// written as "0.000"-style patterns show it, with thousands separators when asked.
std::string RoundedOnDigits(double value, int decimals, bool thousands) {
  std::string plain = PlainDecimalOf(std::fabs(value));
  std::size_t point = plain.find('.');
  std::string integer = plain.substr(0, point);
  std::string fraction = point == std::string::npos ? "" : plain.substr(point + 1);
  fraction.resize(std::max(fraction.size(), static_cast<std::size_t>(decimals) + 1), '0');
  bool up = fraction[static_cast<std::size_t>(decimals)] >= '5';
  std::string digits = integer + fraction.substr(0, static_cast<std::size_t>(decimals));
  for (std::size_t i = digits.size(); up && i-- > 0;) {
    up = digits[i] == '9';
    digits[i] = up ? '0' : static_cast<char>(digits[i] + 1);
  }
  if (up) digits.insert(digits.begin(), '1');
  std::string whole = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
  for (int at = static_cast<int>(whole.size()) - 3; thousands && at > 0; at -= 3) {
    whole.insert(static_cast<std::size_t>(at), ",");
  }
  bool zero = digits.find_first_not_of('0') == std::string::npos;
  std::string text = (value < 0 && !zero ? "-" : "") + whole;
  if (decimals > 0) text += "." + digits.substr(digits.size() - static_cast<std::size_t>(decimals));
  return text;
}

// Fixed-decimal patterns, the ones the reports use, agree with rounding on the digit string
// over values at and beside every half of the last shown place, carries and random bits.
TEST(FormatNumberTest, FixedDecimalsAgreeWithRoundingOnTheDigitString) {
  std::mt19937_64 random(2026);
  const std::string patterns[] = {"0", "0.0", "0.00", "0.000", "0.000000", "0.0000000000000000000"};
  for (int k = 0; k < 200000; ++k) {
    const int decimals = std::array{0, 1, 2, 3, 6, 19}[static_cast<std::size_t>(k % 6)];
    double value = 0;
    switch (k % 4) {
      case 0: value = std::bit_cast<double>(random()); break;
      case 1: value = (static_cast<double>(random() % 2000000) + 0.5) / std::pow(10.0, decimals); break;
      case 2: value = std::ldexp(static_cast<double>(random() >> 11), -static_cast<int>(random() % 90)); break;
      default: value = std::pow(10.0, static_cast<double>(random() % 16)) - 0.5 * std::pow(10.0, -decimals); break;
    }
    if (!std::isfinite(value)) continue;
    if (random() % 2 != 0) value = -value;
    const std::string& pattern = patterns[static_cast<std::size_t>(k % 6)];
    ASSERT_EQ(FormatNumber(pattern, value), RoundedOnDigits(value, decimals, false))
        << pattern << " " << std::bit_cast<std::uint64_t>(value);
    if (decimals == 3) {
      ASSERT_EQ(FormatNumber("#,0.000", value), RoundedOnDigits(value, 3, true))
          << std::bit_cast<std::uint64_t>(value);
    }
  }
}
