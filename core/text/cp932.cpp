#include "core/text/cp932.h"

#include <iconv.h>

#include <cerrno>

namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string output;
  std::string buffer(4 * input.size() + 16, '\0');
  char* in = const_cast<char*>(input.data());  // iconv's interface is not const-correct
  std::size_t inLeft = input.size();
  bool ok = true;
  while (inLeft > 0) {
    char* out = buffer.data();
    std::size_t outLeft = buffer.size();
    std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    output.append(buffer.data(), buffer.size() - outLeft);
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      ok = false;
      break;
    }
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return output;
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) { return Convert("CP932", "UTF-8", utf8); }

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) { return Convert("UTF-8", "CP932", cp932); }
