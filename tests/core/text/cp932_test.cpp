#include "core/text/cp932.h"

#include <gtest/gtest.h>
#include <iconv.h>

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

  // Appending keeps what the buffer held, and on a refused text leaves it exactly so, also after
  // a long ASCII run that was appended before the refused character.
  std::string buffer = "kept:";
  EXPECT_TRUE(AppendCp932(buffer, "池 12345678901234567890 ｶ"));
  EXPECT_EQ(buffer, "kept:\x92\x72 12345678901234567890 \xB6");
  EXPECT_FALSE(AppendCp932(buffer, "abcdefghijklmnopqrstuvwxyz😀"));
  EXPECT_EQ(buffer, "kept:\x92\x72 12345678901234567890 \xB6");
}

namespace {

// The C library's conversion of a whole text, or nothing when it refuses the text.
std::optional<std::string> LibraryConversion(const char* to, const char* from, std::string_view input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string output(4 * input.size() + 16, '\0');
  char* in = const_cast<char*>(input.data());
  char* out = output.data();
  std::size_t inLeft = input.size();
  std::size_t outLeft = output.size();
  std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
  iconv_close(cd);
  if (result == static_cast<std::size_t>(-1)) return std::nullopt;
  output.resize(output.size() - outLeft);
  return output;
}

std::string Utf8Of(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

}  // namespace

// Every code of the code page, every character of the basic plane and a sample beyond it, and
// malformed UTF-8: both directions give exactly the C library's bytes, or fail where it fails.
TEST(Cp932Test, AgreesWithTheCLibraryOnEveryCharacter) {
  std::string allCodes;
  for (int lead = 0; lead < 0x100; ++lead) {
    bool twoBytes = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    for (int trail = twoBytes ? 0 : -1; trail < (twoBytes ? 0x100 : 0); ++trail) {
      std::string code(1, static_cast<char>(lead));
      if (twoBytes) code += static_cast<char>(trail);
      std::optional<std::string> utf8 = LibraryConversion("UTF-8", "CP932", code);
      ASSERT_EQ(Cp932ToUtf8(code), utf8) << lead << " " << trail;
      if (!utf8) continue;
      allCodes += code;
      ASSERT_EQ(Utf8ToCp932(*utf8), LibraryConversion("CP932", "UTF-8", *utf8)) << lead << " " << trail;
    }
  }
  std::optional<std::string> allText = Cp932ToUtf8(allCodes);
  ASSERT_TRUE(allText.has_value());
  EXPECT_EQ(allText, LibraryConversion("UTF-8", "CP932", allCodes));
  EXPECT_EQ(Utf8ToCp932(*allText), LibraryConversion("CP932", "UTF-8", *allText));

  int mapped = 0;
  for (char32_t c = 0; c < 0x10400; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;
    std::string text = "a" + Utf8Of(c) + "z";
    std::optional<std::string> expected = LibraryConversion("CP932", "UTF-8", text);
    ASSERT_EQ(Utf8ToCp932(text), expected) << static_cast<unsigned>(c);
    mapped += expected.has_value();
  }
  EXPECT_GT(mapped, 7000);
  // Beyond the basic plane the library drops the language tags and refuses everything else.
  for (char32_t c = 0xE0000 - 16; c < 0xE0100; ++c) {
    std::string text = "a" + Utf8Of(c) + "z";
    ASSERT_EQ(Utf8ToCp932(text), LibraryConversion("CP932", "UTF-8", text)) << static_cast<unsigned>(c);
  }

  for (std::string_view malformed :
       {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\xE3\x81",
        "\xE3\x81" "A", "\x80", "\xC2", "\xE8\xAA\xBF\xFE"}) {
    EXPECT_EQ(Utf8ToCp932(malformed), LibraryConversion("CP932", "UTF-8", malformed));
  }
}
