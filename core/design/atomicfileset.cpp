#include "core/design/atomicfileset.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <set>

#include "core/design/fileerror.h"

namespace {

constexpr char kTemporaryMark[] = ".tmp-";
constexpr std::size_t kTemporaryRandomLength = 6;  // the XXXXXX of mkstemp
constexpr int kMaxLinkHops = 40;                   // as the kernel allows for one path

std::filesystem::path DirectoryOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// The file that a chain of symbolic links at `path` ends on (`path` itself when it is not a
// link, or when nothing exists there yet); the empty path and `error` when the chain is broken
// off by an unreadable link or loops.
std::filesystem::path FinalTarget(const std::filesystem::path& path, int& error) {
  std::filesystem::path current = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    std::error_code failure;
    std::filesystem::path next = std::filesystem::read_symlink(current, failure);
    if (failure) {
      error = failure.value();
      return {};
    }
    current = next.is_absolute() ? next : DirectoryOf(current) / next;
  }
  error = ELOOP;
  return {};
}

bool IsTemporaryName(std::string_view name, std::string_view fileName) {
  std::string prefix = std::string(fileName) + kTemporaryMark;
  if (name.size() != prefix.size() + kTemporaryRandomLength || !name.starts_with(prefix)) {
    return false;
  }
  for (char c : name.substr(prefix.size())) {
    bool alphanumeric = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!alphanumeric) return false;
  }
  return true;
}

// Removes the temporaries of `target` whose writer has gone: a living writer holds the lock of
// its temporary, a killed one has lost it with its process.
void RemoveLeftovers(const std::filesystem::path& target) {
  std::filesystem::path directory = DirectoryOf(target);
  std::string fileName = target.filename().string();
  DIR* listing = opendir(directory.c_str());
  if (listing == nullptr) return;
  while (const dirent* entry = readdir(listing)) {
    if (!IsTemporaryName(entry->d_name, fileName)) continue;
    std::filesystem::path leftover = directory / entry->d_name;
    int fd = open(leftover.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat opened {}, named {};
    bool abandoned = flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &opened) == 0 &&
                     lstat(leftover.c_str(), &named) == 0 && S_ISREG(opened.st_mode) &&
                     opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
    if (abandoned) unlink(leftover.c_str());
    close(fd);
  }
  closedir(listing);
}

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// Gives the temporary the owner and permissions of the file it replaces, or the permissions of
// a new file (mkstemp makes it readable by its owner only).
int TakeOverMetadata(int fd, const struct stat* replaced) {
  if (replaced == nullptr) {
    mode_t mask = umask(0);
    umask(mask);
    return fchmod(fd, 0666 & ~mask) == 0 ? 0 : errno;
  }
  // Only a privileged user can give a file away; others keep at least the group if they may.
  if (replaced->st_uid != geteuid() || replaced->st_gid != getegid()) {
    if (fchown(fd, replaced->st_uid, replaced->st_gid) != 0) {
      (void)fchown(fd, static_cast<uid_t>(-1), replaced->st_gid);
    }
  }
  return fchmod(fd, replaced->st_mode & 07777) == 0 ? 0 : errno;
}

void SyncDirectory(const std::filesystem::path& directory) {
  int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)fsync(fd);
  close(fd);
}

}  // namespace

AtomicFileSet::~AtomicFileSet() {
  for (Staged& file : m_files) Discard(file);
}

void AtomicFileSet::Discard(Staged& file) {
  if (!file.temporary.empty()) unlink(file.temporary.c_str());
  file.temporary.clear();
  if (file.lock >= 0) close(file.lock);
  file.lock = -1;
}

std::string AtomicFileSet::Add(const std::filesystem::path& path, std::string_view bytes) {
  int error = 0;
  std::filesystem::path target = FinalTarget(path, error);
  if (error != 0) return FileErrorMessage("Cannot write file", path, error);
  struct stat replaced {};
  bool replaces = stat(target.c_str(), &replaced) == 0;
  // A rename cannot put a file in place of a directory; finding out now keeps the set whole.
  if (replaces && S_ISDIR(replaced.st_mode)) {
    return FileErrorMessage("Cannot write file", path, EISDIR);
  }
  RemoveLeftovers(target);

  std::string pattern = target.string() + kTemporaryMark + std::string(kTemporaryRandomLength, 'X');
  int fd = mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) return FileErrorMessage("Cannot create file", path, errno);
  Staged file{path, target, pattern, fd};
  // A new file: the lock is free, and holding it tells other writers that the file is in use.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) error = errno;
  if (error == 0) error = WriteAll(fd, bytes);
  if (error == 0) error = TakeOverMetadata(fd, replaces ? &replaced : nullptr);
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (error != 0) {
    Discard(file);
    return FileErrorMessage("Cannot write file", path, error);
  }
  m_files.push_back(std::move(file));
  return {};
}

std::string AtomicFileSet::Commit() {
  sigset_t terminating, previous;
  sigemptyset(&terminating);
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&terminating, signal);
  pthread_sigmask(SIG_BLOCK, &terminating, &previous);
  std::string failure;
  std::set<std::filesystem::path> directories;
  for (Staged& file : m_files) {
    if (failure.empty() && rename(file.temporary.c_str(), file.target.c_str()) == 0) {
      file.temporary.clear();
      directories.insert(DirectoryOf(file.target));
    } else if (failure.empty()) {
      failure = FileErrorMessage("Cannot write file", file.shown, errno);
    }
    Discard(file);
  }
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  m_files.clear();
  // The renames reach the disk with their directories.
  for (const std::filesystem::path& directory : directories) SyncDirectory(directory);
  return failure;
}

bool CommitFiles(AtomicFileSet& files, UserInteraction& ui) {
  std::string failure = files.Commit();
  if (!failure.empty()) ui.ShowMessage(failure);
  return failure.empty();
}
