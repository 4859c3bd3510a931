#include "core/calc/timecellvalue.h"

#include <string>

#include "core/text/numberreading.h"

int TimeCellValue(std::string_view text) {
  // Every separator goes, not only the first: a time of a million minutes or more carries two.
  std::string digits;
  digits.reserve(text.size());
  for (char c : text) {
    if (c != ',') digits.push_back(c);
  }
  return ReadStrictInteger(digits);
}
