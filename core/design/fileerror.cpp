#include "core/design/fileerror.h"

#include <cstring>

std::string FileErrorMessage(const std::string& what, const std::filesystem::path& path,
                             int error) {
  return what + " \"" + path.string() + "\". " + std::strerror(error);
}
