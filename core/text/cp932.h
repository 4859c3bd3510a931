#pragma once
/// Conversion between the program's UTF-8 and the Shift-JIS (code page 932) bytes of files.

#include <optional>
#include <string>
#include <string_view>

/// The CP932 bytes of a UTF-8 text, or nothing when the text holds a character that CP932
/// cannot represent (or is not valid UTF-8).
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

/// Appends the CP932 bytes of a UTF-8 text to `output`; false, with `output` as it was, when the
/// text holds a character that CP932 cannot represent (or is not valid UTF-8).
bool AppendCp932(std::string& output, std::string_view utf8);

/// The UTF-8 text of CP932 bytes, or nothing when the bytes are not valid CP932.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
