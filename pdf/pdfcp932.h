#pragma once
/// Code page 932 (Shift-JIS) services of the PDF writer: lead-byte classification, by which the
/// writer tells a text's bytes apart, and the conversion to UTF-16 used for the
/// document-information strings.

#include <string>
#include <string_view>

#include "core/text/cp932table.h"

/// The UTF-16 code units of CP932 bytes. A byte that does not start a valid character (or a
/// lead byte at the very end) becomes U+FFFD and the conversion goes on with the next byte.
std::u16string Cp932ToUtf16(std::string_view text);
