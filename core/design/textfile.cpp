#include "core/design/textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/text/cp932.h"

namespace {

std::string SystemMessage(const std::string& what, const std::filesystem::path& path, int error) {
  return what + " \"" + path.string() + "\". " + std::strerror(error);
}

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
  TextFileLines result;
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.message = SystemMessage("Cannot open file", path, errno ? errno : ENOENT);
    return result;
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    result.message = SystemMessage("Cannot read file", path, errno ? errno : EIO);
    return result;
  }
  return DecodeShiftJisLines(bytes, path.string());
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
  std::filesystem::path temp = path;
  temp += ".tmp-XXXXXX";
  std::string pattern = temp.string();
  int fd = mkstemp(pattern.data());
  if (fd < 0) return SystemMessage("Cannot create file", path, errno);
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  int error = 0;
  while (left > 0 && error == 0) {
    ssize_t written = write(fd, data, left);
    if (written < 0) {
      if (errno != EINTR) error = errno;
      continue;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  if (error == 0 && fsync(fd) != 0) error = errno;
  // mkstemp creates the file for its owner only; give it the usual permissions of a new file.
  mode_t mask = umask(0);
  umask(mask);
  if (error == 0 && fchmod(fd, 0666 & ~mask) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(pattern.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    unlink(pattern.c_str());
    return SystemMessage("Cannot write file", path, error);
  }
  return {};
}
