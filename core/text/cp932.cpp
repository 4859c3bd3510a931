#include "core/text/cp932.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

// One conversion descriptor per direction and thread, opened on first use and kept until the
// thread ends: opening one costs far more than converting a line. Conversions between CP932
// and Unicode keep no shift state, so a descriptor carries nothing from one text to the next.
class Converter {
 public:
  Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
  ~Converter() {
    if (Open()) iconv_close(m_cd);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Appends the conversion of `input` to `output`; false when the input does not convert (what
  // was appended before the fault stays).
  bool Append(std::string_view input, std::string& output) {
    if (!Open()) return false;
    char buffer[512];
    char* in = const_cast<char*>(input.data());  // iconv's interface is not const-correct
    std::size_t inLeft = input.size();
    bool ok = true;
    while (inLeft > 0) {
      char* out = buffer;
      std::size_t outLeft = sizeof buffer;
      std::size_t result = iconv(m_cd, &in, &inLeft, &out, &outLeft);
      output.append(buffer, sizeof buffer - outLeft);
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
        ok = false;
        break;
      }
    }
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state after a fault
    return ok;
  }

 private:
  bool Open() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
  iconv_t m_cd;
};

// Converts `input` whole with the thread's descriptor for the direction.
std::optional<std::string> ConvertWhole(Converter& converter, std::string_view input) {
  std::string output;
  output.reserve(input.size() + input.size() / 2);
  if (!converter.Append(input, output)) return std::nullopt;
  return output;
}

Converter& Utf8ToCp932Converter() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter;
}

Converter& Cp932ToUtf8Converter() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}

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

// The CP932 bytes of each character of the basic plane met so far on this thread, found by the
// descriptor once per character: a report repeats a few hundred characters thousands of times.
// Characters beyond the basic plane, which CP932 does not hold, go to the descriptor each time.
class CharacterTable {
 public:
  // Appends the CP932 form of one well-formed UTF-8 sequence of two to four bytes; false when
  // CP932 has none.
  bool Append(std::string_view sequence, std::string& output) {
    if (sequence.size() == 4) return Utf8ToCp932Converter().Append(sequence, output);
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(sequence[i]) & 0x3Fu; };
    unsigned point = sequence.size() == 2 ? (static_cast<unsigned char>(sequence[0]) & 0x1Fu) << 6 | byte(1)
                                          : (static_cast<unsigned char>(sequence[0]) & 0x0Fu) << 12 |
                                                byte(1) << 6 | byte(2);
    auto& block = m_blocks[point >> 8];
    if (!block) block = std::make_unique<Block>();  // all kUnknown
    std::uint16_t& code = (*block)[point & 0xFF];
    if (code == kUnknown) code = Lookup(sequence);
    if (code == kNone) return false;
    if (code < 0x200) {
      output += static_cast<char>(code & 0xFF);
    } else {
      output += static_cast<char>(code >> 8);
      output += static_cast<char>(code & 0xFF);
    }
    return true;
  }

 private:
  // Entries: a one-byte code b as 0x100 + b, a two-byte code (lead byte 0x81 or above) as
  // itself; neither can be 0 or 0xFFFF.
  static constexpr std::uint16_t kUnknown = 0;
  static constexpr std::uint16_t kNone = 0xFFFF;

  static std::uint16_t Lookup(std::string_view sequence) {
    std::string bytes;
    if (!Utf8ToCp932Converter().Append(sequence, bytes)) return kNone;
    if (bytes.size() == 1) return static_cast<std::uint16_t>(0x100 | static_cast<unsigned char>(bytes[0]));
    if (bytes.size() == 2) {
      return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[0]) << 8 |
                                        static_cast<unsigned char>(bytes[1]));
    }
    return kNone;  // no character of CP932 takes another length
  }

  // By code point in blocks of 256, each made on first use: a report uses a few blocks.
  using Block = std::array<std::uint16_t, 256>;
  std::array<std::unique_ptr<Block>, 256> m_blocks;
};

}  // namespace

bool AppendCp932(std::string& output, std::string_view utf8) {
  thread_local CharacterTable table;
  const std::size_t start = output.size();
  std::size_t i = 0;
  while (i < utf8.size()) {
    const std::size_t run = AsciiRunEnd(utf8, i);
    output.append(utf8, i, run - i);  // ASCII is the same in both
    i = run;
    if (i == utf8.size()) break;
    std::size_t length = Utf8SequenceLength(utf8.substr(i));
    if (length == 0 || !table.Append(utf8.substr(i, length), output)) {
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
  bool ascii = true;
  for (char c : cp932) ascii = ascii && IsAscii(static_cast<unsigned char>(c));
  if (ascii) return std::string(cp932);
  return ConvertWhole(Cp932ToUtf8Converter(), cp932);
}
