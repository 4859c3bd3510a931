#include "core/text/cp932.h"

#include <cstdint>
#include <cstring>

#include "core/text/cp932table.h"

namespace {

bool IsAscii(unsigned char byte) { return byte < 0x80; }

// The end of the run of ASCII bytes of `text` that starts at `from`, found eight bytes at a time.
std::size_t AsciiRunEnd(std::string_view text, std::size_t from) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  std::size_t i = from;
  while (i + 8 <= text.size()) {
    std::uint64_t eight = 0;
    std::memcpy(&eight, text.data() + i, 8);
    if ((eight & kHighBits) != 0) break;
    i += 8;
  }
  while (i < text.size() && IsAscii(static_cast<unsigned char>(text[i]))) ++i;
  return i;
}

// The length of the well-formed UTF-8 sequence that starts `text` (two to four bytes: no
// overlong form, no surrogate, nothing above U+10FFFF), or 0.
std::size_t Utf8SequenceLength(std::string_view text) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  auto continuation = [&](std::size_t i) { return i < text.size() && (byte(i) & 0xC0) == 0x80; };
  unsigned char lead = byte(0);
  if (lead >= 0xC2 && lead <= 0xDF) return continuation(1) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    if (!continuation(1) || !continuation(2)) return 0;
    if (lead == 0xE0 && byte(1) < 0xA0) return 0;  // overlong
    if (lead == 0xED && byte(1) >= 0xA0) return 0;  // surrogate
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    if (!continuation(1) || !continuation(2) || !continuation(3)) return 0;
    if (lead == 0xF0 && byte(1) < 0x90) return 0;  // overlong
    if (lead == 0xF4 && byte(1) >= 0x90) return 0;  // above U+10FFFF
    return 4;
  }
  return 0;
}

// The code point of a well-formed UTF-8 sequence of two to four bytes.
char32_t CodePoint(std::string_view sequence) {
  auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(sequence[i])); };
  if (sequence.size() == 2) return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
  if (sequence.size() == 3) return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
  return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 | (byte(3) & 0x3F);
}

// Appends the CP932 form of one character beyond ASCII; false when CP932 has none. The
// language tags U+E0000–U+E007F are dropped, as the C library's converter drops them; no other
// character beyond the basic plane has a code.
bool AppendCharacter(char32_t character, std::string& output) {
  if (character > 0xFFFF) return character >= 0xE0000 && character <= 0xE007F;
  const std::uint16_t code = Cp932CodeOf(static_cast<char16_t>(character));
  if (code == 0) return false;
  if (code < 0x200) {
    output += static_cast<char>(code & 0xFF);
  } else {
    output += static_cast<char>(code >> 8);
    output += static_cast<char>(code & 0xFF);
  }
  return true;
}

void AppendUtf8(char16_t character, std::string& output) {
  if (character < 0x80) {
    output += static_cast<char>(character);
  } else if (character < 0x800) {
    output += static_cast<char>(0xC0 | (character >> 6));
    output += static_cast<char>(0x80 | (character & 0x3F));
  } else {
    output += static_cast<char>(0xE0 | (character >> 12));
    output += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
    output += static_cast<char>(0x80 | (character & 0x3F));
  }
}

}  // namespace

bool AppendCp932(std::string& output, std::string_view utf8) {
  const std::size_t start = output.size();
  std::size_t i = 0;
  while (i < utf8.size()) {
    const std::size_t run = AsciiRunEnd(utf8, i);
    output.append(utf8, i, run - i);  // ASCII is the same in both
    i = run;
    if (i == utf8.size()) break;
    std::size_t length = Utf8SequenceLength(utf8.substr(i));
    if (length == 0 || !AppendCharacter(CodePoint(utf8.substr(i, length)), output)) {
      output.resize(start);
      return false;
    }
    i += length;
  }
  return true;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  std::string output;
  output.reserve(utf8.size());
  if (!AppendCp932(output, utf8)) return std::nullopt;
  return output;
}

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  std::string output;
  output.reserve(cp932.size() + cp932.size() / 2);
  std::size_t i = 0;
  while (i < cp932.size()) {
    const std::size_t run = AsciiRunEnd(cp932, i);
    output.append(cp932, i, run - i);
    i = run;
    if (i == cp932.size()) break;
    const auto byte = static_cast<unsigned char>(cp932[i]);
    char16_t character = Cp932ByteCharacter(byte);
    std::size_t length = 1;
    if (IsCp932LeadByte(byte)) {
      if (i + 1 == cp932.size()) return std::nullopt;  // a lead byte without its trail byte
      character = Cp932PairCharacter(byte, static_cast<unsigned char>(cp932[i + 1]));
      length = 2;
    }
    if (character == kNoCp932Character) return std::nullopt;
    AppendUtf8(character, output);
    i += length;
  }
  return output;
}
