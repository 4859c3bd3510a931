// Reads arbitrary bytes in every way a number is read, and formats with them as a pattern.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/text/conversionerror.h"
#include "core/text/formatnumber.h"
#include "core/text/numberreading.h"
#include "core/text/parsefraction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::optional<double> named = ReadNamed(text);
  if (named && !std::isfinite(*named)) __builtin_trap();
  if (!std::isfinite(ReadLenient(text))) __builtin_trap();
  try {
    if (!std::isfinite(ReadStrict(text))) __builtin_trap();
  } catch (const ConversionError&) {
  }
  try {
    (void)ReadStrictInteger(text);
  } catch (const ConversionError&) {
  }
  try {
    if (!std::isfinite(ParseFraction(text))) __builtin_trap();
  } catch (const ConversionError&) {
  }
  double value = 0;
  if (size >= sizeof value) std::memcpy(&value, data, sizeof value);
  (void)FormatNumber(text, value);
  (void)FormatNumber("#,##0.000", value);
  return 0;
}
