#include "core/calc/inflowat.h"

#include <cmath>
#include <cstddef>

namespace {

// Runoff of column k, or 0 past the last column.
double ColumnRunoff(const RainHyetograph& hyetograph, double k) {
  if (!(k >= 0) || k >= static_cast<double>(hyetograph.Q.size())) return 0.0;
  return hyetograph.Q[static_cast<std::size_t>(k)];
}

}  // namespace

double InflowAt(const TRain& calc, double t) {
  const RainHyetograph& hyetograph = calc.Rain.Hyetograph;
  double tc = calc.Time.Concentration;
  if (t > calc.Time.HyetographLength) return 0.0;
  if (t < tc) return ColumnRunoff(hyetograph, 1) * t / tc;
  double k = std::trunc(t / tc);
  double qk = ColumnRunoff(hyetograph, k);
  if (t >= calc.Time.HyetographLength) return qk;
  if (k >= static_cast<double>(hyetograph.t.size())) return 0.0;
  double tk = hyetograph.t[static_cast<std::size_t>(k)];
  return qk + (ColumnRunoff(hyetograph, k + 1) - qk) * (t - tk) / tc;
}
