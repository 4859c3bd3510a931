#include "core/text/conversionerror.h"

ConversionError ConversionError::NotAFloat(std::string_view text) {
  return ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

ConversionError ConversionError::NotAnInteger(std::string_view text) {
  return ConversionError("'" + std::string(text) + "' is not a valid integer value");
}
