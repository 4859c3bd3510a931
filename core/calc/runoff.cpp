#include "core/calc/runoff.h"

double BlockRunoff(const TKisoData& calc, double intensity) {
  const auto& runoff = calc.Runoff;
  return (1.0 / 360.0) * runoff.Coef * intensity * runoff.Area * runoff.Margin + runoff.ExtraInflow;
}
