#include "results/intensitycurvechart.h"

#include <cmath>
#include <limits>

#include "core/text/conversionerror.h"
#include "core/text/formatnumber.h"
#include "core/text/numberreading.h"
#include "core/text/parsefraction.h"

namespace {

constexpr int kMinutesPerDay = 1440;
constexpr int kHours = 0;  // "ｔ の単位" = "時"

// A double in single precision; values beyond its range become infinite rather than undefined.
float ToSingle(double value) {
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  if (std::fabs(value) > std::numeric_limits<float>::max()) return value > 0 ? kInfinity : -kInfinity;
  return static_cast<float>(value);
}

}  // namespace

Chart IntensityCurveChart(const DesignForm& form) {
  int step = ReadStrictInteger(form.Concentration);
  double a = ReadStrict(form.Type1A);
  double n = ParseFraction(form.Type1X);
  double b = ReadStrict(form.Type1B);
  if (step == 0) throw ConversionError("Division by zero");

  Chart chart;
  chart.title = "降雨強度曲線図";
  chart.bottom.title = "時間";
  chart.bottom.showsPointLabels = true;
  chart.left.title = "降雨強度（ｍｍ/hr）";
  ChartSeries curve;
  curve.kind = ChartSeries::Kind::FastLine;
  curve.colour = ChartColour::Blue();
  int count = kMinutesPerDay / step;
  for (int k = 1; k <= count; ++k) {
    double minutes = static_cast<double>(k) * step;
    float t = ToSingle(form.TimeUnit == kHours ? minutes / 60 : minutes);
    float r = ToSingle(a / (std::pow(static_cast<double>(t), n) + b));
    // Round half to even, the default rounding of the floating-point environment.
    double label = std::nearbyint(static_cast<double>(t));
    curve.Add(t, r, FormatNumber("0", label), ChartColour::Blue());
  }
  chart.series.push_back(std::move(curve));
  return chart;
}
