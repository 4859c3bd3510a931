// Feeds arbitrary bytes to the design-file loader: decoding, parsing and applying to a form.
// A refused file must leave the form exactly as it was.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/design/designfile.h"
#include "core/design/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  TextFileLines file = DecodeShiftJisLines(bytes, "fuzz.dat");
  if (!file.ok) return 0;
  DesignForm form;
  SetStartupValues(form);
  DesignForm before = form;
  LoadResult result = ApplyDesignFileLines(form, file.lines);
  if (!result.ok && !(form == before)) std::abort();
  if (result.ok) (void)DesignFileLines(form);
  return 0;
}
