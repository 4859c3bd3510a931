#pragma once
/// vestaro-batch estimate A N B QC AREA F: the simplified storage estimate of the estimate
/// window, without the window.

#include <ostream>
#include <string>

/// Computes the estimate from the six texts as the button "計算" does and writes the V field's
/// text on the first line of `out`, then the derivation lines. A malformed number or a
/// floating-point error is written to `err` and gives status 1; otherwise 0.
int RunEstimate(const std::string& a, const std::string& n, const std::string& b,
                const std::string& qc, const std::string& area, const std::string& f,
                std::ostream& out, std::ostream& err);
