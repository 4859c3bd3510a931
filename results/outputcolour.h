#pragma once
/// The chart colour choice "出力図色" of the design-condition window, as the chart fillers use it.

#include "core/design/designform.h"
#include "results/chart.h"

/// True when "出力図色" is "白黒" (1); "ｶﾗｰ" (0) and anything else draw in colour.
inline bool Monochrome(const DesignForm& form) { return form.OutputColour == 1; }

/// `colour` with "ｶﾗｰ", black with "白黒".
inline ChartColour OutputColour(const DesignForm& form, ChartColour colour) {
  return Monochrome(form) ? ChartColour::Black() : colour;
}
