#pragma once
/// The one way files are read: whole, into memory, with every failure as a message.

#include <cstddef>
#include <filesystem>
#include <string>

/// The largest file that is read (bytes). Designs and rain files are a few kilobytes; the bound
/// keeps a wrong choice such as a device or a huge file from filling the memory.
inline constexpr std::size_t kMaxReadFileBytes = 16 * 1024 * 1024;

/// The bytes of a file, or the message that says why it could not be read.
struct FileBytes {
  bool ok = false;
  std::string bytes;
  std::string message;
};

/// Reads the whole file at `path`. A file that does not exist or cannot be opened, a directory,
/// a read error and a file longer than kMaxReadFileBytes give ok = false and a message naming
/// the file and the system's reason; nothing throws.
FileBytes ReadWholeFile(const std::filesystem::path& path);
