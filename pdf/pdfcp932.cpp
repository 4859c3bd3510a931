#include "pdf/pdfcp932.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

}  // namespace

std::u16string Cp932ToUtf16(std::string_view text) {
  std::u16string units;
  units.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    char16_t unit = Cp932ByteCharacter(byte);
    std::size_t length = 1;
    if (IsCp932LeadByte(byte) && i + 1 < text.size()) {
      unit = Cp932PairCharacter(byte, static_cast<unsigned char>(text[i + 1]));
      length = 2;
    }
    if (unit == kNoCp932Character) {
      // No such character, or a lead byte cut off at the end: one byte replaced, and on.
      units += kReplacement;
      ++i;
      continue;
    }
    units += unit;
    i += length;
  }
  return units;
}
