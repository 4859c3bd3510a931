#include "core/text/commatext.h"

#include <gtest/gtest.h>

using Cells = std::vector<std::string>;

TEST(CommaTextTest, QuotesCellsThatWouldSplit) {
  EXPECT_EQ(CommaTextOfRow({"", "", ""}), ",,");
  EXPECT_EQ(CommaTextOfRow({"", ""}), ",");
  EXPECT_EQ(CommaTextOfRow({"24.00", "79.0", "0.0"}), "24.00,79.0,0.0");
  EXPECT_EQ(CommaTextOfRow({" ", " ", " "}), "\" \",\" \",\" \"");
  EXPECT_EQ(CommaTextOfRow({"a b", "x\"y", "1,5"}), "\"a b\",\"x\"\"y\",\"1,5\"");
  EXPECT_EQ(CommaTextOfRow({"-", "(m)", "(mm/hr)"}), "-,(m),(mm/hr)");
}

TEST(CommaTextTest, SplitsAtCommasAndUnquotedBlanks) {
  EXPECT_EQ(SplitCommaText("24.00,,0.0"), (Cells{"24.00", "", "0.0"}));
  EXPECT_EQ(SplitCommaText(",,"), (Cells{"", "", ""}));
  EXPECT_EQ(SplitCommaText(","), (Cells{"", ""}));
  EXPECT_EQ(SplitCommaText(""), Cells{});
  EXPECT_EQ(SplitCommaText("1,10 5.2"), (Cells{"1", "10", "5.2"}));
  EXPECT_EQ(SplitCommaText("  a ,  b  "), (Cells{"a", "b"}));
  EXPECT_EQ(SplitCommaText("a\tb\r"), (Cells{"a", "b"}));
  EXPECT_EQ(SplitCommaText("1,"), (Cells{"1", ""}));
}

TEST(CommaTextTest, UnquotesAndRoundTrips) {
  EXPECT_EQ(SplitCommaText("\"a b\",\"x\"\"y\""), (Cells{"a b", "x\"y"}));
  EXPECT_EQ(SplitCommaText("\"unterminated, rest"), (Cells{"unterminated, rest"}));
  EXPECT_EQ(SplitCommaText("\"ab\"cd"), (Cells{"ab", "cd"}));
  for (const Cells& row : {Cells{" ", " ", " "}, Cells{"池 A", "\"", ","}, Cells{"1", "", "2"}}) {
    EXPECT_EQ(SplitCommaText(CommaTextOfRow(row)), row);
  }
}
