#pragma once
/// Comma text: how one row of a table is written to and read from a single line.
///
/// Writing joins the cells with ","; a cell that contains a byte of code 32 or less, a double
/// quote or a comma is enclosed in double quotes with each inner quote doubled. Reading splits
/// at commas and, outside quotes, at every byte of code 32 or less (those are skipped); a quoted
/// item is unquoted, and an unterminated quote takes the rest of the line; a comma at the very
/// end adds one more empty item.

#include <string>
#include <string_view>
#include <vector>

/// The comma text of a row of cells.
std::string CommaTextOfRow(const std::vector<std::string>& cells);

/// The items of a comma text, in order (empty items included).
std::vector<std::string> SplitCommaText(std::string_view text);
