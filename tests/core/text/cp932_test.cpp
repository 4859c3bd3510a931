#include "core/text/cp932.h"

#include <gtest/gtest.h>

TEST(Cp932Test, ConvertsBothWaysAndRefusesWhatItCannotRepresent) {
  std::optional<std::string> bytes = Utf8ToCp932("調節池ｶﾗｰ～①");
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(*bytes, "\x92\xB2\x90\xDF\x92\x72\xB6\xD7\xB0\x81\x60\x87\x40");
  EXPECT_EQ(Cp932ToUtf8(*bytes), "調節池ｶﾗｰ～①");
  EXPECT_EQ(Utf8ToCp932("plain, ascii\r\n"), "plain, ascii\r\n");
  EXPECT_FALSE(Utf8ToCp932("😀").has_value());
  EXPECT_FALSE(Utf8ToCp932("\xFF").has_value());
  EXPECT_FALSE(Cp932ToUtf8("\x81").has_value());  // a lead byte without its trail byte
  EXPECT_EQ(Cp932ToUtf8(""), "");
}
