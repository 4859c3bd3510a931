#include "core/text/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <unordered_map>

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

// The CP932 bytes of each character met so far on this thread, found by the descriptor once
// per character (an empty entry: no CP932 form). A report repeats a few hundred characters
// thousands of times. The key is the character's UTF-8 bytes packed into one number.
class CharacterCache {
 public:
  // The CP932 form of one well-formed UTF-8 sequence, or nullptr when CP932 has none.
  const std::string* Find(std::string_view sequence) {
    std::uint32_t key = 0;
    for (char c : sequence) key = (key << 8) | static_cast<unsigned char>(c);
    auto [entry, inserted] = m_bytes.try_emplace(key);
    if (inserted && !Utf8ToCp932Converter().Append(sequence, entry->second)) entry->second.clear();
    return entry->second.empty() ? nullptr : &entry->second;
  }

 private:
  std::unordered_map<std::uint32_t, std::string> m_bytes;
};

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  thread_local CharacterCache cache;
  std::string output;
  output.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    std::size_t run = i;
    while (run < utf8.size() && IsAscii(static_cast<unsigned char>(utf8[run]))) ++run;
    output.append(utf8, i, run - i);  // ASCII is the same in both
    i = run;
    if (i == utf8.size()) break;
    std::size_t length = Utf8SequenceLength(utf8.substr(i));
    if (length == 0) return std::nullopt;
    const std::string* bytes = cache.Find(utf8.substr(i, length));
    if (bytes == nullptr) return std::nullopt;
    output += *bytes;
    i += length;
  }
  return output;
}

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  bool ascii = true;
  for (char c : cp932) ascii = ascii && IsAscii(static_cast<unsigned char>(c));
  if (ascii) return std::string(cp932);
  return ConvertWhole(Cp932ToUtf8Converter(), cp932);
}
