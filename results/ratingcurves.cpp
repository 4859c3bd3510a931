#include "results/ratingcurves.h"

#include <algorithm>
#include <cstddef>

#include "core/calc/outletdischarge.h"
#include "core/calc/pondlookup.h"
#include "core/text/formatnumber.h"
#include "results/drawlevelmarkers.h"
#include "results/outputcolour.h"

namespace {

// The labels of the area and storage curves' points, ten to a table segment.
constexpr NumberPattern kCurveLabelPattern("#0.0");

// Each band of the H-Q curve tries up to 1001 levels, as many as the tallest band needs.
constexpr int kBandTrials = 1000;
// Level step (m) of the H-Q curve between the orifice bands.
constexpr double kCoarseStep = 0.5;
// The H-F area axis has at least this margin (m²) on each side.
constexpr double kMinimumAreaMargin = 10;

class DischargeCurve {
 public:
  DischargeCurve(const TKisoData& calc, ChartSeries& curve) : m_outlets(calc), m_curve(curve) {}

  // Weir flow up to sill + 1.2·d in tenths of the orifice height, then the transition to
  // sill + 1.8·d.
  void OrificeBands(double sill, double height) {
    for (int k = 0; k <= kBandTrials; ++k) {
      double h = sill + k * height / 10;
      if (h <= sill + 1.2 * height) Add(h);
    }
    for (int k = 0; k <= kBandTrials; ++k) {
      double h = sill + k * height / 10;
      if (sill + 1.2 * height < h && h <= sill + 1.8 * height) Add(h);
    }
  }

  // Half-metre steps from `origin` in (above, upTo].
  void CoarseSteps(double origin, double above, double upTo) {
    for (int k = 0; k <= kBandTrials; ++k) {
      double h = origin + kCoarseStep * k;
      if (above < h && h <= upTo) Add(h);
    }
  }

  double LastDischarge() const { return m_lastDischarge; }

 private:
  void Add(double h) {
    m_lastDischarge = m_outlets.At(h).total;
    m_curve.Add(m_lastDischarge, h, "");
  }

  OutletRating m_outlets;
  ChartSeries& m_curve;
  double m_lastDischarge = 0;
};

void DrawDischargeCurve(const TRenzoku& calc, const DesignForm& form, Chart& chart) {
  ChartSeries& curve = chart.series[series::kCurve];
  UnsortSeries(curve);
  const auto& lower = calc.LowerOrifice;
  const auto& upper = calc.UpperOrifice;
  double crest = calc.Spillway.CrestLevel;
  DischargeCurve discharge(calc, curve);
  discharge.OrificeBands(lower.SillLevel, lower.Height);
  if (calc.OrificeStages == 2) {
    discharge.CoarseSteps(lower.SillLevel, lower.SillLevel + 1.8 * lower.Height, upper.SillLevel);
    discharge.OrificeBands(upper.SillLevel, upper.Height);
    discharge.CoarseSteps(upper.SillLevel, upper.SillLevel + 1.8 * upper.Height, crest);
  } else {
    discharge.CoarseSteps(lower.SillLevel, lower.SillLevel + 1.8 * lower.Height, crest);
  }
  SetChartRanges(chart, lower.SillLevel - 0.5, crest + 0.5, 0, discharge.LastDischarge());
  DrawLevelMarkers(calc, series::kCrestMarker, series::kLowerSillMarker, chart,
                   series::kUpperSillMarker, form);
}

void DrawPondCurves(const TRenzoku& calc, const DesignForm& form, ResultSheet& sheet,
                    UserInteraction& ui) {
  int n = std::min(calc.Pond.RowCount, kPondRowCapacity);
  if (n <= 0) return;
  const auto& H = calc.Pond.H;
  const auto& F = calc.Pond.F;
  const auto& V = calc.Pond.V;
  auto at = [](int i) { return static_cast<std::size_t>(i); };
  double levelMin = H[0] - 0.5;
  double levelMax = std::max(calc.Spillway.CrestLevel, H[at(n - 1)]) + 0.5;
  double areaMargin = std::max(0.05 * (F[at(n - 1)] - F[0]), kMinimumAreaMargin);
  double storageMargin = 0.05 * (V[at(n - 1)] - V[0]);
  SetChartRanges(sheet.AreaChart, levelMin, levelMax, F[0] - areaMargin, F[at(n - 1)] + areaMargin);
  SetChartRanges(sheet.StorageChart, levelMin, levelMax, V[0] - storageMargin,
                 V[at(n - 1)] + storageMargin);

  ChartSeries& areaCurve = sheet.AreaChart.series[series::kCurve];
  ChartSeries& storageCurve = sheet.StorageChart.series[series::kCurve];
  UnsortSeries(areaCurve);
  UnsortSeries(storageCurve);
  auto add = [&](double h) {
    double area = LevelToArea(calc, h, ui);
    double storage = LevelToStorage(calc, h, ui);
    areaCurve.Add(area, h, FormatNumber(kCurveLabelPattern, area));
    storageCurve.Add(storage, h, FormatNumber(kCurveLabelPattern, storage));
  };
  for (int i = 0; i + 1 < n; ++i) {
    for (int j = 0; j < 10; ++j) add(H[at(i)] + j * (H[at(i + 1)] - H[at(i)]) / 10);
  }
  add(H[at(n - 1)]);

  for (Chart* chart : {&sheet.AreaChart, &sheet.StorageChart}) {
    DrawLevelMarkers(calc, series::kCrestMarker, series::kLowerSillMarker, *chart,
                     series::kUpperSillMarker, form);
  }
}

}  // namespace

void DrawRatingCurves(const TRenzoku& calc, const DesignForm& form, ResultSheet& sheet,
                      UserInteraction& ui) {
  Chart* charts[] = {&sheet.AreaChart, &sheet.StorageChart, &sheet.RatingChart};
  for (Chart* chart : charts) {
    ClearChartSeries(*chart);
    if (Monochrome(form)) {
      BlackenChartSeries(*chart);
      continue;
    }
    chart->series[series::kCurve].colour = ChartColour::Red();
    for (int marker : {series::kCrestMarker, series::kLowerSillMarker, series::kUpperSillMarker}) {
      chart->series[static_cast<std::size_t>(marker)].colour = ChartColour::Blue();
    }
  }
  DrawDischargeCurve(calc, form, sheet.RatingChart);
  DrawPondCurves(calc, form, sheet, ui);
}
