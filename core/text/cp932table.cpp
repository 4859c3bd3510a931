#include "core/text/cp932table.h"

#include <array>
#include <cstddef>

namespace {

constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kLastTrail = 0xFC;
constexpr std::size_t kTrailCount = kLastTrail - kFirstTrail + 1;
constexpr std::size_t kLeadCount = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);

// The character of every pair, by lead byte row and trail byte column; 0 where there is none.
constexpr std::array<char16_t, kLeadCount * kTrailCount> kPairs = {
#include "core/text/cp932pairs.inc"
};

constexpr std::size_t LeadRow(unsigned lead) { return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 0x1F; }

constexpr char16_t kFirstHalfWidthKatakana = 0xFF61;  // at byte 0xA1

// Characters without a code of their own that the C library writes with a look-alike's code.
struct LookAlike {
  char16_t character;
  std::uint16_t code;
};
constexpr LookAlike kLookAlikes[] = {
    {0x00A2, 0x8191},  // ¢ as ￠
    {0x00A3, 0x8192},  // £ as ￡
    {0x00A5, 0x100 | 0x5C},  // ¥ as the single byte 0x5C
    {0x00AC, 0x81CA},  // ¬ as ￢
    {0x2014, 0x815C},  // — as ―
    {0x2016, 0x8161},  // ‖ as ∥
    {0x203E, 0x100 | 0x7E},  // ‾ as the single byte 0x7E
    {0x2212, 0x817C},  // − as －
    {0x301C, 0x8160},  // 〜 as ～
};

// Where one character has two codes, the code with the lower bytes, except that the NEC
// selection of IBM extensions (0xED40–0xEEFC) gives way to the IBM extensions themselves
// (0xFA40–0xFC4B), as the C library chooses.
constexpr bool Replaces(std::uint16_t code, std::uint16_t kept) {
  return kept >= 0xED40 && kept <= 0xEEFC && code >= 0xFA40 && code <= 0xFC4B;
}

constexpr std::array<std::uint16_t, 0x10000> BuildCodes() {
  std::array<std::uint16_t, 0x10000> codes{};
  for (unsigned byte = 0; byte < 0x80; ++byte) codes[byte] = static_cast<std::uint16_t>(0x100 | byte);
  for (unsigned byte = 0xA1; byte <= 0xDF; ++byte) {
    codes[kFirstHalfWidthKatakana + (byte - 0xA1)] = static_cast<std::uint16_t>(0x100 | byte);
  }
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsCp932LeadByte(static_cast<unsigned char>(lead))) continue;
    for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
      const char16_t character = kPairs[LeadRow(lead) * kTrailCount + (trail - kFirstTrail)];
      if (character == 0) continue;
      const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
      std::uint16_t& kept = codes[character];
      if (kept == 0 || Replaces(code, kept)) kept = code;
    }
  }
  for (const LookAlike& lookAlike : kLookAlikes) codes[lookAlike.character] = lookAlike.code;
  return codes;
}

// The code of every character of the basic plane, worked out while the program is compiled.
constexpr std::array<std::uint16_t, 0x10000> kCodes = BuildCodes();

}  // namespace

char16_t Cp932ByteCharacter(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xA1 && byte <= 0xDF) return static_cast<char16_t>(kFirstHalfWidthKatakana + (byte - 0xA1));
  return kNoCp932Character;
}

char16_t Cp932PairCharacter(unsigned char lead, unsigned char trail) {
  if (!IsCp932LeadByte(lead) || trail < kFirstTrail || trail > kLastTrail) return kNoCp932Character;
  const char16_t character = kPairs[LeadRow(lead) * kTrailCount + (trail - kFirstTrail)];
  return character == 0 ? kNoCp932Character : character;
}

std::uint16_t Cp932CodeOf(char16_t character) { return kCodes[character]; }
