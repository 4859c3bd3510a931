#include "results/ratingcurves.h"

#include <gtest/gtest.h>

#include "core/calc/outletdischarge.h"
#include "core/interaction/recordinginteraction.h"
#include "tests/support/startupcalc.h"

namespace {

using testing_support::StartupCalc;

// Reference numbers from an independent Python transcription; the discharge and storage
// formulas are evaluated in the same order, so only the last bits may differ.
constexpr double kTolerance = 1e-9;

std::vector<double> Levels(const ChartSeries& series) {
  std::vector<double> levels;
  for (const ChartPoint& p : series.points) levels.push_back(p.y);
  return levels;
}

ResultSheet Draw(const TRenzoku& calc, const DesignForm& form = DesignForm()) {
  ResultSheet sheet;
  RecordingInteraction ui;
  DrawRatingCurves(calc, form, sheet, ui);
  EXPECT_TRUE(ui.Entries().empty());
  return sheet;
}

}  // namespace

TEST(DrawRatingCurvesTest, DischargeCurveFollowsTheOrificeUpToTheCrest) {
  TRenzoku calc = StartupCalc();
  ResultSheet sheet = Draw(calc);
  const Chart& chart = sheet.RatingChart;
  const ChartSeries& curve = chart.series[series::kCurve];
  ASSERT_EQ(curve.points.size(), 32u);  // 13 weir, 6 transition, 13 half-metre levels
  std::vector<double> levels = Levels(curve);
  EXPECT_EQ(levels[0], 24.0);
  EXPECT_NEAR(levels[12], 25.08, kTolerance);
  EXPECT_NEAR(levels[18], 25.62, kTolerance);
  EXPECT_EQ(levels[19], 26.0);
  EXPECT_EQ(levels.back(), 32.0);
  EXPECT_EQ(curve.points[0].x, 0.0);
  EXPECT_EQ(curve.points[0].label, "");
  EXPECT_EQ(curve.points[12].x, OutletFlowAt(calc, levels[12]).total);
  EXPECT_EQ(curve.colour, ChartColour::Red());

  EXPECT_EQ(chart.left.minimum, 23.5);
  EXPECT_EQ(chart.left.maximum, 32.5);
  EXPECT_EQ(chart.bottom.minimum, 0.0);
  EXPECT_NEAR(chart.bottom.maximum, 5.912045676413538, kTolerance);
  float width = static_cast<float>(chart.bottom.maximum);
  EXPECT_EQ(chart.series[series::kCrestMarker].points[0].x, static_cast<double>(width) / 3);
  EXPECT_EQ(chart.series[series::kCrestMarker].colour, ChartColour::Blue());
}

TEST(DrawRatingCurvesTest, TwoStagesAddTheUpperOrificeBands) {
  TRenzoku calc = StartupCalc();
  calc.OrificeStages = 2;
  calc.UpperOrifice = {28.0, 0.5, 0.5, 0.25, 1.8, 0.6};
  ResultSheet sheet = Draw(calc);
  std::vector<double> levels = Levels(sheet.RatingChart.series[series::kCurve]);
  ASSERT_EQ(levels.size(), 50u);
  EXPECT_EQ(std::vector<double>(levels.begin() + 19, levels.begin() + 25),
            (std::vector<double>{26.0, 26.5, 27.0, 27.5, 28.0, 28.0}));  // up to HH, then its bands
  EXPECT_NEAR(levels[25], 28.05, kTolerance);
  EXPECT_EQ(levels.back(), 32.0);
  EXPECT_EQ(sheet.RatingChart.series[series::kUpperSillMarker].points[0].label,
            "ｵﾘﾌｨｽ敷高=28.000m");
}

TEST(DrawRatingCurvesTest, AreaAndStorageCurvesTakeTenPointsASegment) {
  ResultSheet sheet = Draw(StartupCalc());
  const ChartSeries& area = sheet.AreaChart.series[series::kCurve];
  const ChartSeries& storage = sheet.StorageChart.series[series::kCurve];
  ASSERT_EQ(area.points.size(), 111u);
  ASSERT_EQ(storage.points.size(), 111u);
  EXPECT_EQ(area.points[1], (ChartPoint{79.0, 24.2, "79.0", std::nullopt}));
  EXPECT_NEAR(storage.points[1].x, 15.8, kTolerance);
  EXPECT_EQ(storage.points[1].label, "15.8");
  EXPECT_NEAR(area.points[19].x, 16837.9, 1e-6);  // 26.009 m, nine tenths into the thin segment
  EXPECT_EQ(area.points[19].label, "16837.9");
  EXPECT_EQ(area.points.back(), (ChartPoint{63110.0, 34.0, "63110.0", std::nullopt}));
  EXPECT_EQ(storage.points.back().label, "391770.2");

  EXPECT_EQ(sheet.AreaChart.left.minimum, 23.5);
  EXPECT_EQ(sheet.AreaChart.left.maximum, 34.5);  // the pond's top lies above the crest
  EXPECT_NEAR(sheet.AreaChart.bottom.minimum, -3072.55, kTolerance);
  EXPECT_NEAR(sheet.AreaChart.bottom.maximum, 66261.55, kTolerance);
  EXPECT_NEAR(sheet.StorageChart.bottom.minimum, -19588.51, 1e-6);
  EXPECT_NEAR(sheet.StorageChart.bottom.maximum, 411358.71, 1e-6);
  EXPECT_EQ(sheet.StorageChart.series[series::kLowerSillMarker].points[0].label,
            "ｵﾘﾌｨｽ敷高=24.000m");
}

TEST(DrawRatingCurvesTest, NarrowPondsGetTheMinimumAreaMarginAndSingleRowsOnePoint) {
  TRenzoku calc = StartupCalc();
  testing_support::SetPond(calc, {{24.0, 100.0, 0.0}, {26.0, 150.0, 0.0}});
  ResultSheet sheet = Draw(calc);
  EXPECT_EQ(sheet.AreaChart.bottom.minimum, 90.0);
  EXPECT_EQ(sheet.AreaChart.bottom.maximum, 160.0);
  EXPECT_EQ(sheet.StorageChart.bottom.minimum, 0.0);  // no span, no margin
  EXPECT_EQ(sheet.StorageChart.bottom.maximum, 0.0);
  EXPECT_EQ(sheet.AreaChart.left.maximum, 32.5);

  testing_support::SetPond(calc, {{24.0, 79.0, 0.0}});
  sheet = Draw(calc);
  EXPECT_EQ(sheet.AreaChart.series[series::kCurve].points,
            (std::vector<ChartPoint>{{79.0, 24.0, "79.0", std::nullopt}}));
}

TEST(DrawRatingCurvesTest, MonochromeBlackensEverySeriesAndEmptiesOldPoints) {
  DesignForm form;
  form.OutputColour = 1;
  ResultSheet sheet;
  sheet.AreaChart.series[series::kUpperSillMarker].Add(1, 1, "old");
  RecordingInteraction ui;
  DrawRatingCurves(StartupCalc(), form, sheet, ui);
  for (const Chart* chart : {&sheet.RatingChart, &sheet.AreaChart, &sheet.StorageChart}) {
    for (const ChartSeries& s : chart->series) EXPECT_EQ(s.colour, ChartColour::Black());
  }
  EXPECT_TRUE(sheet.AreaChart.series[series::kUpperSillMarker].points.empty());
}
