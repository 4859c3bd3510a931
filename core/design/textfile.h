#pragma once
/// Shift-JIS text files with CR LF line ends, as designs, CSV files and reports are kept.

#include <filesystem>
#include <string>
#include <vector>

/// The lines of a text file as UTF-8, or the message that says why it could not be read.
struct TextFileLines {
  bool ok = false;
  std::vector<std::string> lines;
  std::string message;
};

/// Splits Shift-JIS bytes into lines at CR LF, LF or CR and decodes them; `name` is the file
/// name that a message about an undecodable line gives.
TextFileLines DecodeShiftJisLines(const std::string& bytes, const std::string& name);

/// Reads a whole Shift-JIS file (ReadWholeFile) and splits it into lines at CR LF, LF or CR. A
/// file that cannot be opened or read, or holds bytes that are not Shift-JIS, gives ok = false
/// and a message.
TextFileLines ReadShiftJisLines(const std::filesystem::path& path);

/// The Shift-JIS bytes of UTF-8 lines, each ended by CR LF; ok = false and a message naming
/// the text when a line holds a character that Shift-JIS cannot represent.
struct ShiftJisText {
  bool ok = false;
  std::string bytes;
  std::string message;
};
ShiftJisText EncodeShiftJisLines(const std::vector<std::string>& lines);

/// Writes bytes to a file atomically, as a set of one file (AtomicFileSet): the file is either
/// replaced whole or left unchanged, and the message says why when it is left. The result is
/// empty on success.
std::string WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes);
