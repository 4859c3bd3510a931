#include "pdf/pdfcp932.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <string>

namespace {

// The C library's conversion to UTF-16, one byte replaced by U+FFFD wherever it stops.
std::u16string LibraryConversion(iconv_t cd, std::string_view text) {
  std::u16string units;
  std::string buffer(2 * text.size() + 4, '\0');
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  while (inLeft > 0) {
    char* out = buffer.data();
    std::size_t outLeft = buffer.size();
    const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    for (std::size_t i = 0; i + 1 < buffer.size() - outLeft; i += 2) {
      units += static_cast<char16_t>(static_cast<unsigned char>(buffer[i]) << 8 |
                                     static_cast<unsigned char>(buffer[i + 1]));
    }
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      units += u'\uFFFD';
      ++in;
      --inLeft;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  return units;
}

}  // namespace

// Every byte and every byte pair, alone and followed by more text: the writer's own tables give
// the C library's characters and replace what it cannot convert in the same places.
TEST(PdfCp932Test, Utf16OfEveryByteAndPairIsTheCLibrarysWithTheSameReplacements) {
  iconv_t cd = iconv_open("UTF-16BE", "CP932");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  for (int lead = 0; lead < 0x100; ++lead) {
    const std::string single(1, static_cast<char>(lead));
    ASSERT_EQ(Cp932ToUtf16(single), LibraryConversion(cd, single)) << lead;
    for (int trail = 0; trail < 0x100; ++trail) {
      std::string text = single + static_cast<char>(trail);
      ASSERT_EQ(Cp932ToUtf16(text), LibraryConversion(cd, text)) << lead << " " << trail;
      text += "\x92\xB2" "A";
      ASSERT_EQ(Cp932ToUtf16(text), LibraryConversion(cd, text)) << lead << " " << trail;
    }
  }
  iconv_close(cd);
}
