#include "core/text/parsefraction.h"

#include <cmath>

#include "core/text/conversionerror.h"
#include "core/text/numberreading.h"

double ParseFraction(std::string_view text) {
  std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) return ReadStrict(text);
  std::string_view denominatorText = text.substr(slash + 1);
  if (denominatorText.empty()) return 0.0;
  double quotient = ReadStrict(text.substr(0, slash)) / ReadStrict(denominatorText);
  // A zero denominator would carry an infinite or undefined exponent into the rain formula.
  if (!std::isfinite(quotient)) throw ConversionError::NotAFloat(text);
  return quotient;
}
