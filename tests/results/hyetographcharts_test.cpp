#include "results/hyetographcharts.h"

#include <gtest/gtest.h>

namespace {

// Three 20-minute blocks of 30, 50 and 10 mm/hr and their runoff.
TRenzoku ThreeBlocks(std::uint32_t formulaKind, std::uint32_t waveform, double length) {
  TRenzoku calc;
  calc.Rain.FormulaKind = formulaKind;
  calc.Rain.Waveform = waveform;
  calc.Time.Concentration = 20;
  calc.Time.HyetographLength = length;
  calc.Rain.PointCount = 4;
  calc.Rain.Curve = {{0, 20, 40, 60}, {0, 50, 40, 30}, {0, 50, 80, 90}, {0, 50, 30, 10}};
  calc.Rain.Hyetograph = {{0, 20, 40, 60}, {0, 30, 50, 10}, {0, 3, 5, 1}};
  return calc;
}

std::vector<std::pair<double, double>> Points(const ChartSeries& series) {
  std::vector<std::pair<double, double>> points;
  for (const ChartPoint& p : series.points) points.emplace_back(p.x, p.y);
  return points;
}

}  // namespace

TEST(FillHyetographChartsTest, SeriesTraceTheCurveTheBlocksAndTheHydrograph) {
  TRenzoku calc = ThreeBlocks(1, 0, 60);
  ResultSheet sheet;
  FillHyetographCharts(calc, {50, 5, 40}, DesignForm(), sheet);
  const Chart& hyetograph = sheet.HyetographChart;
  using P = std::vector<std::pair<double, double>>;
  EXPECT_EQ(Points(hyetograph.series[series::kIntensityCurve]), (P{{20, 50}, {40, 40}, {60, 30}}));
  EXPECT_EQ(Points(hyetograph.series[series::kBlockOutline]),
            (P{{0, 0}, {0, 0}, {0, 30}, {20, 30}, {20, 0}, {20, 50}, {40, 50}, {40, 0},
               {40, 10}, {60, 10}, {60, 0}, {60, 0}}));
  EXPECT_EQ(Points(sheet.RunoffChart.series[series::kHydrograph]),
            (P{{0, 0}, {0, 0}, {20, 3}, {40, 5}, {60, 1}, {60, 0}}));

  const ChartSeries& peak = hyetograph.series[series::kHyetographPeak];
  ASSERT_EQ(peak.points.size(), 2u);
  EXPECT_EQ(peak.points[0], (ChartPoint{40, 50, " ", std::nullopt}));
  EXPECT_EQ(peak.points[1], (ChartPoint{41, 50, "I1=50.000mm/hr", std::nullopt}));
  EXPECT_EQ(sheet.RunoffChart.series[series::kRunoffPeak].points[1].label, "Q1=5.000m3/s");

  EXPECT_EQ(hyetograph.left.minimum, 0.0);
  EXPECT_DOUBLE_EQ(hyetograph.left.maximum, 55.0);
  EXPECT_DOUBLE_EQ(sheet.RunoffChart.left.maximum, 5.5);
  EXPECT_EQ(hyetograph.bottom.maximum, 60.0);
}

TEST(FillHyetographChartsTest, RearLoadedDesignRainStretchesTheTimeAxis) {
  ResultSheet sheet;
  FillHyetographCharts(ThreeBlocks(1, 2, 1440), {115.8, 67.0, 1440}, DesignForm(), sheet);
  EXPECT_EQ(sheet.HyetographChart.bottom.maximum, 1512.0);
  EXPECT_EQ(sheet.RunoffChart.bottom.maximum, 1512.0);
  EXPECT_EQ(sheet.HyetographChart.series[series::kHyetographPeak].points[1].x, 1441.0);
  // Observed rain keeps its length whatever waveform the record holds.
  FillHyetographCharts(ThreeBlocks(3, 2, 100), {50, 5, 40}, DesignForm(), sheet);
  EXPECT_EQ(sheet.HyetographChart.bottom.maximum, 100.0);
}

TEST(FillHyetographChartsTest, ColourAfterMonochromeRestoresTheCurvesButNotTheMarkers) {
  ResultSheet sheet;
  DesignForm form;
  form.OutputColour = 1;
  TRenzoku calc = ThreeBlocks(1, 0, 60);
  FillHyetographCharts(calc, {50, 5, 40}, form, sheet);
  for (const ChartSeries& s : sheet.HyetographChart.series) EXPECT_EQ(s.colour, ChartColour::Black());
  form.OutputColour = 0;
  FillHyetographCharts(calc, {50, 5, 40}, form, sheet);
  EXPECT_EQ(sheet.HyetographChart.series[series::kIntensityCurve].colour, ChartColour::Red());
  EXPECT_EQ(sheet.HyetographChart.series[series::kBlockOutline].colour, ChartColour::Green());
  EXPECT_EQ(sheet.RunoffChart.series[series::kHydrograph].colour, ChartColour::Green());
  EXPECT_EQ(sheet.HyetographChart.series[series::kHyetographPeak].colour, ChartColour::Black());
  EXPECT_EQ(sheet.RunoffChart.series[series::kRunoffPeak].colour, ChartColour::Black());
  EXPECT_EQ(sheet.HyetographChart.series[series::kHyetographPeak].points.size(), 2u);
}

TEST(FillHyetographChartsTest, ShortRowsAreNotReadPastTheirEnd) {
  TRenzoku calc = ThreeBlocks(1, 0, 60);
  calc.Rain.PointCount = 9;
  calc.Rain.Hyetograph.Q.resize(2);
  ResultSheet sheet;
  FillHyetographCharts(calc, {50, 5, 40}, DesignForm(), sheet);
  EXPECT_EQ(sheet.RunoffChart.series[series::kHydrograph].points.size(), 4u);
  EXPECT_EQ(sheet.HyetographChart.series[series::kIntensityCurve].points.size(), 3u);
}
