#pragma once
/// The rational-formula block that both the hyetograph explanation and the calculation book
/// print: the formula with only the terms in use, and the values of those terms.

#include <string>
#include <vector>

#include "core/calc/trenzoku.h"

/// Which alignment the f and A lines take when neither K nor Qfix is printed: the hyetograph
/// explanation sets them one column narrower than in its other cases, the book does not.
enum class PlainFormulaLayout { Narrow, Aligned };

/// (blank), "        1", the formula line, "       360", (blank), "  ここに", "    r(降雨強度)"
/// and the value lines. K is shown when K > 1, Qfix when Qfix > 0.
std::vector<std::string> RunoffFormulaLines(const TKisoData& calc, PlainFormulaLayout layout);
