#include "results/drawlevelmarkers.h"

#include <gtest/gtest.h>

#include "tests/support/startupcalc.h"

namespace {

Chart MarkerChart(double bottomMin, double bottomMax) {
  Chart chart;
  chart.series.resize(4);
  SetChartRanges(chart, 0, 1, bottomMin, bottomMax);
  return chart;
}

}  // namespace

TEST(DrawLevelMarkersTest, MarkersStandAtAThirdOfTheAxisWidthMeasuredFromZero) {
  TRenzoku calc = testing_support::StartupCalc();
  // An area axis that does not start at 0: the markers may stand left of the visible range.
  Chart chart = MarkerChart(-3072.55, 66261.55);
  chart.series[3].Add(5, 5, "old");
  DrawLevelMarkers(calc, 1, 2, chart, 3, DesignForm());
  float width = static_cast<float>(66261.55 - -3072.55);
  double x0 = static_cast<double>(width) / 3;
  double x1 = static_cast<double>(width) / 3 + static_cast<double>(width) / 10;
  EXPECT_EQ(chart.series[1].points,
            (std::vector<ChartPoint>{{x0, 32.0, "余水吐敷高=32.000m", std::nullopt},
                                     {x1, 32.0, " ", std::nullopt}}));
  EXPECT_EQ(chart.series[2].points,
            (std::vector<ChartPoint>{{x0, 24.0, "ｵﾘﾌｨｽ敷高=24.000m", std::nullopt},
                                     {x1, 24.0, " ", std::nullopt}}));
  EXPECT_EQ(chart.series[1].colour, ChartColour::Blue());
  // One stage: the upper-sill series is not touched.
  ASSERT_EQ(chart.series[3].points.size(), 1u);
  EXPECT_EQ(chart.series[3].points[0].label, "old");
}

TEST(DrawLevelMarkersTest, TwoStagesDrawTheUpperSillAndMonochromeIsBlack) {
  TRenzoku calc = testing_support::StartupCalc();
  calc.OrificeStages = 2;
  calc.UpperOrifice.SillLevel = 27.5;
  DesignForm form;
  form.OutputColour = 1;
  Chart chart = MarkerChart(0, 3000);
  DrawLevelMarkers(calc, 1, 2, chart, 3, form);
  ASSERT_EQ(chart.series[3].points.size(), 2u);
  EXPECT_EQ(chart.series[3].points[0].label, "ｵﾘﾌｨｽ敷高=27.500m");
  EXPECT_EQ(chart.series[3].points[0].x, 1000.0);
  EXPECT_EQ(chart.series[3].points[1].x, 1300.0);
  for (int s = 1; s <= 3; ++s) EXPECT_EQ(chart.series[static_cast<std::size_t>(s)].colour, ChartColour::Black());
}
