#include "core/design/readwholefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/design/fileerror.h"

namespace {

// Closes the descriptor on every way out of the reader.
class Descriptor {
 public:
  explicit Descriptor(int fd) : m_fd(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (m_fd >= 0) close(m_fd);
  }
  int get() const { return m_fd; }

 private:
  int m_fd;
};

FileBytes Refused(const char* what, const std::filesystem::path& path, int error) {
  FileBytes result;
  result.message = FileErrorMessage(what, path, error);
  return result;
}

}  // namespace

FileBytes ReadWholeFile(const std::filesystem::path& path) {
  Descriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return Refused("Cannot open file", path, errno);
  struct stat info {};
  if (fstat(fd.get(), &info) != 0) return Refused("Cannot read file", path, errno);
  // A directory opens for reading on Linux and fails only at the first read.
  if (S_ISDIR(info.st_mode)) return Refused("Cannot open file", path, EISDIR);

  FileBytes result;
  char buffer[65536];
  for (;;) {
    ssize_t got = read(fd.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return Refused("Cannot read file", path, errno);
    }
    if (got == 0) break;
    if (result.bytes.size() + static_cast<std::size_t>(got) > kMaxReadFileBytes) {
      return Refused("Cannot read file", path, EFBIG);
    }
    result.bytes.append(buffer, static_cast<std::size_t>(got));
  }
  result.ok = true;
  return result;
}
