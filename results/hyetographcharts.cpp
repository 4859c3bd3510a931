#include "results/hyetographcharts.h"

#include <algorithm>
#include <cstddef>

#include "results/outputcolour.h"
#include "results/peakmarker.h"

namespace {

constexpr std::uint32_t kObservedRain = 3;
constexpr std::uint32_t kRearLoaded = 2;  // "後方集中型"
// The rear-loaded hyetograph ends with its peak block, so its time axis gets room after it.
constexpr double kRearLoadedAxisStretch = 1.05;

}  // namespace

void FillHyetographCharts(const TRenzoku& calc, const HyetographPeaks& peaks,
                          const DesignForm& form, ResultSheet& sheet) {
  Chart& hyetographChart = sheet.HyetographChart;
  Chart& runoffChart = sheet.RunoffChart;
  ClearChartSeries(hyetographChart);
  ClearChartSeries(runoffChart);

  double length = calc.Time.HyetographLength;
  bool stretched = calc.Rain.FormulaKind != kObservedRain && calc.Rain.Waveform == kRearLoaded;
  double timeMax = stretched ? kRearLoadedAxisStretch * length : length;
  SetChartRanges(hyetographChart, 0, 1.1 * peaks.PeakIntensity, 0, timeMax);
  SetChartRanges(runoffChart, 0, 1.1 * peaks.PeakInflow, 0, timeMax);

  ChartSeries& intensityCurve = hyetographChart.series[series::kIntensityCurve];
  ChartSeries& outline = hyetographChart.series[series::kBlockOutline];
  ChartSeries& hydrograph = runoffChart.series[series::kHydrograph];
  if (Monochrome(form)) {
    BlackenChartSeries(hyetographChart);
    BlackenChartSeries(runoffChart);
  } else {
    intensityCurve.colour = ChartColour::Red();
    outline.colour = ChartColour::Green();
    hydrograph.colour = ChartColour::Green();
  }

  // Only the columns that every row holds are drawn, whatever `Rain.PointCount` says.
  const RainCurve& curve = calc.Rain.Curve;
  const RainHyetograph& hyetograph = calc.Rain.Hyetograph;
  std::size_t curvePoints = std::min({curve.t.size(), curve.r.size()});
  std::size_t points = std::min({hyetograph.t.size(), hyetograph.I.size(), hyetograph.Q.size()});
  if (calc.Rain.PointCount >= 0) {
    auto declared = static_cast<std::size_t>(calc.Rain.PointCount);
    curvePoints = std::min(curvePoints, declared);
    points = std::min(points, declared);
  }

  UnsortSeries(intensityCurve);
  for (std::size_t n = 1; n < curvePoints; ++n) intensityCurve.Add(curve.t[n], curve.r[n]);

  // Each block is drawn as a bar from its start to its end time.
  UnsortSeries(outline);
  if (points > 0) {
    outline.Add(0, 0);
    outline.Add(0, hyetograph.I[0]);
    for (std::size_t k = 1; k < points; ++k) {
      outline.Add(hyetograph.t[k - 1], hyetograph.I[k]);
      outline.Add(hyetograph.t[k], hyetograph.I[k]);
      outline.Add(hyetograph.t[k], 0);
    }
    outline.Add(hyetograph.t[points - 1], 0);
  }
  AddPeakMarker(hyetographChart.series[series::kHyetographPeak], peaks.PeakTime,
                peaks.PeakIntensity, "I1=0.000mm/hr");

  if (points > 0) {
    hydrograph.Add(0, 0);
    for (std::size_t k = 0; k < points; ++k) hydrograph.Add(hyetograph.t[k], hyetograph.Q[k]);
    hydrograph.Add(hyetograph.t[points - 1], 0);
  }
  AddPeakMarker(runoffChart.series[series::kRunoffPeak], peaks.PeakTime, peaks.PeakInflow,
                "Q1=0.000m3/s");
}
