#pragma once
/// Reading back the time column of the routing table to order its rows.

#include <string_view>

/// The whole minutes of a time cell written with thousands separators ("1,440" gives 1440;
/// "1,000,000" gives 1000000). Raises ConversionError "'%s' is not a valid integer value" (with
/// the separators removed) when the rest is not a whole number.
int TimeCellValue(std::string_view text);
