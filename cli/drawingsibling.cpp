#include "cli/drawingsibling.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

constexpr int kUsageOrFileError = 2;

}  // namespace

bool NeedsDrawingSibling(const std::vector<std::string>& args) {
  if (args.empty() || args[0] != "calc") return false;
  // A value that happens to read like one of these options (an output folder named "--png")
  // only sends the command to the sibling, which runs it exactly as this program would.
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--png" || args[i] == "--svg" || args[i] == "--print-pdf") return true;
  }
  return false;
}

int ExecDrawingSibling(char** argv, std::ostream& err) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    err << "--png, --svg and --print-pdf need " << kDrawingSiblingName
        << ", but the folder of vestaro-batch cannot be found (" << error.message() << ").\n";
    return kUsageOrFileError;
  }
  const std::string sibling = (self.parent_path() / kDrawingSiblingName).string();
  argv[0] = const_cast<char*>(sibling.c_str());
  execv(sibling.c_str(), argv);
  const int reason = errno;
  err << "--png, --svg and --print-pdf need " << kDrawingSiblingName << " beside vestaro-batch: \""
      << sibling << "\" cannot be started (" << std::strerror(reason) << ").\n";
  return kUsageOrFileError;
}
