#pragma once
/// Code page 932 (Shift-JIS) services of the PDF writer: lead-byte classification, done by the
/// writer itself, and the conversion to UTF-16 used for the document-information strings.

#include <string>
#include <string_view>

/// True for a byte that starts a two-byte character: 0x81–0x9F and 0xE0–0xFC. The byte after a
/// lead byte is its trail byte, whatever its value, so byte kinds are found by scanning a text
/// from its start.
constexpr bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

/// The UTF-16 code units of CP932 bytes. A byte that does not start a valid character (or a
/// lead byte at the very end) becomes U+FFFD and the conversion goes on with the next byte.
/// Throws PdfError when the C library offers no CP932 converter.
std::u16string Cp932ToUtf16(std::string_view text);
