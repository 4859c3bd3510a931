#include "pdf/pdfcp932.h"

#include <iconv.h>

#include <cerrno>

#include "pdf/pdferror.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Closes the conversion descriptor on every way out.
class IconvHandle {
 public:
  IconvHandle() : m_cd(iconv_open("UTF-16BE", "CP932")) {
    if (m_cd == reinterpret_cast<iconv_t>(-1)) {
      throw PdfError("CP932 to UTF-16 conversion is not available");
    }
  }
  ~IconvHandle() { iconv_close(m_cd); }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;
  iconv_t get() const { return m_cd; }

 private:
  iconv_t m_cd;
};

}  // namespace

std::u16string Cp932ToUtf16(std::string_view text) {
  std::u16string units;
  if (text.empty()) return units;
  IconvHandle cd;
  // One CP932 byte never yields more than one UTF-16 code unit.
  std::string buffer(2 * text.size() + 4, '\0');
  char* in = const_cast<char*>(text.data());  // iconv's interface is not const-correct
  std::size_t inLeft = text.size();
  while (inLeft > 0) {
    char* out = buffer.data();
    std::size_t outLeft = buffer.size();
    const std::size_t result = iconv(cd.get(), &in, &inLeft, &out, &outLeft);
    const std::size_t produced = buffer.size() - outLeft;
    for (std::size_t i = 0; i + 1 < produced; i += 2) {
      units += static_cast<char16_t>((static_cast<unsigned char>(buffer[i]) << 8) |
                                     static_cast<unsigned char>(buffer[i + 1]));
    }
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      // EILSEQ (no such character) or EINVAL (cut off at the end): replace one byte, go on.
      units += kReplacement;
      ++in;
      --inLeft;
      iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    }
  }
  return units;
}
