// Splits arbitrary bytes as comma text, sets a grid row from them, and checks that writing the
// items back and splitting again gives the same items.
#include <cstdint>
#include <string>

#include "core/design/stringgrid.h"
#include "core/text/commatext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> items = SplitCommaText(text);
  StringGrid grid(3, 3);
  grid.SetRowFromCommaText(1, text);
  (void)grid.RowCommaText(1);
  // Writing quotes every item that holds a separator, so a row of items with at least one
  // non-empty item survives a round trip.
  bool anyText = false;
  for (const std::string& item : items) anyText = anyText || !item.empty();
  if (anyText && SplitCommaText(CommaTextOfRow(items)) != items) __builtin_trap();
  return 0;
}
