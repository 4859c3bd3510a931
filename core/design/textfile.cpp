#include "core/design/textfile.h"

#include "core/design/atomicfileset.h"
#include "core/design/readwholefile.h"
#include "core/text/cp932.h"

namespace {

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    char c = bytes[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines.push_back(bytes.substr(start, i - start));
    i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
    start = i;
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

}  // namespace

TextFileLines ReadShiftJisLines(const std::filesystem::path& path) {
  FileBytes file = ReadWholeFile(path);
  if (!file.ok) {
    TextFileLines result;
    result.message = std::move(file.message);
    return result;
  }
  return DecodeShiftJisLines(file.bytes, path.string());
}

TextFileLines DecodeShiftJisLines(const std::string& bytes, const std::string& name) {
  TextFileLines result;
  // Line ends are single bytes that never occur inside a Shift-JIS character, so the file can
  // be split before it is decoded, and a bad byte can be reported with its line.
  std::vector<std::string> raw = SplitLines(bytes);
  for (std::size_t i = 0; i < raw.size(); ++i) {
    std::optional<std::string> line = Cp932ToUtf8(raw[i]);
    if (!line) {
      result.message = "\"" + name + "\" の " + std::to_string(i + 1) +
                       " 行目は Shift-JIS の文字として読めません。";
      return result;
    }
    result.lines.push_back(std::move(*line));
  }
  result.ok = true;
  return result;
}

ShiftJisText EncodeShiftJisLines(const std::vector<std::string>& lines) {
  ShiftJisText result;
  for (const std::string& line : lines) {
    std::optional<std::string> bytes = Utf8ToCp932(line);
    if (!bytes) {
      result.bytes.clear();
      result.message = "「" + line + "」には Shift-JIS で書けない文字があるため、書き出せません。";
      return result;
    }
    result.bytes += *bytes;
    result.bytes += "\r\n";
  }
  result.ok = true;
  return result;
}

std::string WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes) {
  AtomicFileSet file;
  std::string failure = file.Add(path, bytes);
  return failure.empty() ? file.Commit() : failure;
}
