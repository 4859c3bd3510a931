#pragma once
/// The message of a failed file operation: what failed, the file, and the system's reason.

#include <filesystem>
#include <string>

/// "<what> "<path>". <the system's text for errno `error`>", e.g.
/// "Cannot open file "d.dat". Is a directory".
std::string FileErrorMessage(const std::string& what, const std::filesystem::path& path,
                             int error);
