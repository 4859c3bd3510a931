#include "charts/axisscale.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/text/formatnumber.h"

namespace {

// Tick values are computed as whole multiples of the step; this much of a step either way
// still counts as on the range's end, so 0.1 × 3 is not lost to rounding noise.
constexpr double kEdgeTolerance = 1e-9;
// A default-formatted axis shows up to this many decimals before it needs more.
constexpr int kDefaultDecimals = 3;
// An upper bound on ticks, whatever the caller asks for.
constexpr int kMostTicks = 1000;

AxisRange DataRange(const Chart& chart, bool horizontal) {
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (const ChartSeries& series : chart.series) {
    for (const ChartPoint& point : series.points) {
      const double value = horizontal ? point.x : point.y;
      if (!std::isfinite(value)) continue;
      low = std::min(low, value);
      high = std::max(high, value);
    }
  }
  return {low, high};
}

double MinimumStep(const ChartAxis& axis) {
  return axis.format.empty() ? 0 : FormatResolution(axis.format);
}

}  // namespace

std::string AxisFormat(const ChartAxis& axis) {
  return axis.format.empty() ? std::string("#,##0.###") : axis.format;
}

bool AxisRange::Usable() const {
  return std::isfinite(minimum) && std::isfinite(maximum) && minimum < maximum &&
         std::isfinite(maximum - minimum);
}

AxisRange ShownRange(const Chart& chart, const ChartAxis& axis, bool horizontal, int maxTicks) {
  if (!axis.automatic) return {axis.minimum, axis.maximum};
  AxisRange range = DataRange(chart, horizontal);
  if (!std::isfinite(range.minimum)) return {0, 0};
  if (range.minimum == range.maximum) {
    const double value = range.minimum;
    const double spread = value == 0 ? 1 : std::pow(10.0, std::floor(std::log10(std::fabs(value))));
    range = {value - spread, value + spread};
  }
  const double step = RoundStep(range, maxTicks, MinimumStep(axis));
  if (step <= 0) return range;
  return {std::floor(range.minimum / step + kEdgeTolerance) * step,
          std::ceil(range.maximum / step - kEdgeTolerance) * step};
}

double FormatResolution(const std::string& format) {
  const std::size_t point = format.find('.');
  if (point == std::string::npos) return 1;
  int decimals = 0;
  for (std::size_t i = point + 1; i < format.size() && (format[i] == '0' || format[i] == '#'); ++i) {
    ++decimals;
  }
  return std::pow(10.0, -decimals);
}

double RoundStep(const AxisRange& range, int maxTicks, double minimumStep) {
  if (!range.Usable()) return 0;
  const double raw = std::max((range.maximum - range.minimum) / std::clamp(maxTicks, 1, kMostTicks),
                              minimumStep);
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  for (double multiple : {1.0, 2.0, 5.0}) {
    if (multiple * magnitude >= raw * (1 - kEdgeTolerance)) return multiple * magnitude;
  }
  return 10 * magnitude;
}

std::vector<double> TicksInside(const AxisRange& range, double step) {
  std::vector<double> ticks;
  if (!range.Usable() || !(step > 0)) return ticks;
  const double first = std::ceil(range.minimum / step - kEdgeTolerance);
  const double last = std::floor(range.maximum / step + kEdgeTolerance);
  for (double k = first; k <= last && ticks.size() < kMostTicks; ++k) ticks.push_back(k * step);
  return ticks;
}

std::vector<double> MinorTicks(const AxisRange& range, double step, int count) {
  std::vector<double> ticks;
  if (!range.Usable() || !(step > 0) || count <= 0) return ticks;
  const double minor = step / (count + 1);
  const double first = std::floor(range.minimum / step);
  const double last = std::ceil(range.maximum / step);
  for (double k = first; k < last && ticks.size() < kMostTicks; ++k) {
    for (int i = 1; i <= count; ++i) {
      const double value = k * step + i * minor;
      if (value >= range.minimum && value <= range.maximum) ticks.push_back(value);
    }
  }
  return ticks;
}

std::vector<std::string> TickLabels(const ChartAxis& axis, const std::vector<double>& ticks,
                                    double step) {
  std::string format = AxisFormat(axis);
  if (axis.format.empty() && step > 0 && step < std::pow(10.0, -kDefaultDecimals)) {
    const int decimals = static_cast<int>(std::ceil(-std::log10(step) - kEdgeTolerance));
    format = "#,##0." + std::string(static_cast<std::size_t>(decimals), '#');
  }
  std::vector<std::string> labels;
  labels.reserve(ticks.size());
  for (double tick : ticks) labels.push_back(FormatNumber(format, tick));
  return labels;
}
