#pragma once
/// Numbers as plain texts in the general format: the shortest of fixed and scientific notation
/// with at most 15 significant digits.

#include <string>

/// 20 gives "20", 20/3 gives "6.66666666666667", 0.5 gives "0.5", 1e20 gives "1E20", 1e-5 gives
/// "1E-5"; trailing zeros are dropped.
std::string FormatGeneral(double value);
