#include "core/text/numberreading.h"

#include <gtest/gtest.h>

#include "core/text/conversionerror.h"
#include "core/text/parsefraction.h"

TEST(NumberReadingTest, NamedReadingAcceptsLeadingBlanksOnly) {
  EXPECT_EQ(ReadNamed("24.000"), 24.0);
  EXPECT_EQ(ReadNamed("  -1.5e2"), -150.0);
  EXPECT_EQ(ReadNamed("+.5"), 0.5);
  EXPECT_EQ(ReadNamed("5."), 5.0);
  EXPECT_FALSE(ReadNamed("24.0 ").has_value());
  EXPECT_FALSE(ReadNamed("").has_value());
  EXPECT_FALSE(ReadNamed(" ").has_value());
  EXPECT_FALSE(ReadNamed("abc").has_value());
  EXPECT_FALSE(ReadNamed("1,000").has_value());
  EXPECT_FALSE(ReadNamed("1e").has_value());
  EXPECT_FALSE(ReadNamed("--1").has_value());
  EXPECT_FALSE(ReadNamed("0x10").has_value());
}

TEST(NumberReadingTest, NonFiniteValuesAreMalformedForEveryWay) {
  for (const char* text : {"1e999", "-1e999", "nan", "inf", "-inf", "INF", "NaN"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ReadNamed(text).has_value());
    EXPECT_EQ(ReadLenient(text), 0.0);
    EXPECT_THROW(ReadStrict(text), ConversionError);
  }
  EXPECT_EQ(ReadNamed("1e-999"), 0.0);  // an underflow is a tiny number, not a malformed one
}

TEST(NumberReadingTest, StrictReadingTrimsBothEndsAndNamesTheTextItWasGiven) {
  EXPECT_EQ(ReadStrict(" 6.0 "), 6.0);
  try {
    ReadStrict(" 1,5");
    FAIL() << "no conversion error";
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "' 1,5' is not a valid floating point value");
  }
  try {
    ReadStrict("");
    FAIL() << "no conversion error";
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "'' is not a valid floating point value");
  }
}

TEST(NumberReadingTest, LenientReadingGivesZeroForMalformedTexts) {
  EXPECT_EQ(ReadLenient("-"), 0.0);
  EXPECT_EQ(ReadLenient("0.5"), 0.5);
  EXPECT_EQ(ReadLenient(" 5.0"), 5.0);
  EXPECT_EQ(ReadLenient("5.0 "), 0.0);
}

TEST(NumberReadingTest, StrictIntegersAcceptLeadingBlanksAndASign) {
  EXPECT_EQ(ReadStrictInteger("0"), 0);
  EXPECT_EQ(ReadStrictInteger("  -1"), -1);
  EXPECT_EQ(ReadStrictInteger("+146"), 146);
  for (const char* text : {"", " ", "1 ", "1.0", "abc", "2147483648", "-", "1e2"}) {
    SCOPED_TRACE(text);
    try {
      ReadStrictInteger(text);
      FAIL() << "no conversion error";
    } catch (const ConversionError& error) {
      EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

TEST(ParseFractionTest, ReadsFractionsAndDecimals) {
  EXPECT_EQ(ParseFraction("3/4"), 0.75);
  EXPECT_EQ(ParseFraction("3/"), 0.0);
  EXPECT_EQ(ParseFraction("0.89"), 0.89);
  EXPECT_EQ(ParseFraction(" 3 / 4 "), 0.75);
  EXPECT_THROW(ParseFraction("a/4"), ConversionError);
  EXPECT_THROW(ParseFraction("3/4/5"), ConversionError);
  try {
    ParseFraction("3/0");
    FAIL() << "no conversion error";
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "'3/0' is not a valid floating point value");
  }
}
