#pragma once
/// The characters of code page 932 (Shift-JIS) as the C library's converter knows them, as
/// tables compiled into the program: converting needs no converter to be loaded or opened, and
/// any thread may use them.

#include <cstdint>

/// What a byte or a byte pair that holds no character gives.
inline constexpr char16_t kNoCp932Character = 0xFFFF;

/// True for a byte that starts a two-byte code: 0x81–0x9F and 0xE0–0xFC.
constexpr bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

/// The character of a single byte: ASCII and the half-width katakana 0xA1–0xDF; a lead byte or
/// an unused byte gives kNoCp932Character.
char16_t Cp932ByteCharacter(unsigned char byte);

/// The character of the two-byte code lead·trail, or kNoCp932Character.
char16_t Cp932PairCharacter(unsigned char lead, unsigned char trail);

/// The code of a character of the basic plane: 0 when code page 932 has none, 0x100 + b for the
/// single byte b, the lead byte times 256 plus the trail byte for a pair (0x8140 and above).
std::uint16_t Cp932CodeOf(char16_t character);
