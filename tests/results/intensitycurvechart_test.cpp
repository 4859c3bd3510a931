#include "results/intensitycurvechart.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/text/conversionerror.h"
#include "tests/support/chartlabels.h"

namespace {

std::vector<std::string> FirstLabels(const ChartSeries& series, std::size_t count) {
  std::vector<std::string> labels = testing_support::PointLabels(series);
  labels.resize(std::min(count, labels.size()));
  return labels;
}

std::string ConversionMessage(const DesignForm& form) {
  try {
    IntensityCurveChart(form);
  } catch (const ConversionError& error) {
    return error.what();
  }
  return "no error";
}

}  // namespace

TEST(IntensityCurveChartTest, OnePointEveryConcentrationTimeUpToADay) {
  DesignForm form;
  Chart chart = IntensityCurveChart(form);
  EXPECT_EQ(chart.title, "降雨強度曲線図");
  EXPECT_EQ(chart.bottom.title, "時間");
  EXPECT_EQ(chart.left.title, "降雨強度（ｍｍ/hr）");
  EXPECT_TRUE(chart.bottom.showsPointLabels);
  EXPECT_FALSE(chart.legendVisible);
  ASSERT_EQ(chart.series.size(), 1u);
  const ChartSeries& curve = chart.series[0];
  ASSERT_EQ(curve.points.size(), 72u);
  EXPECT_EQ(curve.points[0].x, 20.0);
  EXPECT_EQ(curve.points[0].y, static_cast<double>(115.84522959049696f));  // 2590/(20^0.75 + 12.9)
  EXPECT_EQ(curve.points[0].label, "20");
  EXPECT_EQ(curve.points[0].colour, ChartColour::Blue());
  EXPECT_EQ(curve.points.back().x, 1440.0);

  form.Concentration = "25";
  EXPECT_EQ(IntensityCurveChart(form).series[0].points.back().x, 1425.0);  // 57 points
  EXPECT_EQ(IntensityCurveChart(form).series[0].points.size(), 57u);
}

TEST(IntensityCurveChartTest, HoursAreLabelledRoundedHalfToEven) {
  DesignForm form;
  form.TimeUnit = 0;
  Chart chart = IntensityCurveChart(form);
  EXPECT_EQ(FirstLabels(chart.series[0], 6), (std::vector<std::string>{"0", "1", "1", "1", "2", "2"}));
  EXPECT_EQ(chart.series[0].points[0].x, static_cast<double>(static_cast<float>(20.0 / 60)));
  form.Concentration = "30";  // 0.5 h rounds to 0, 1.5 h to 2, 2.5 h to 2
  EXPECT_EQ(FirstLabels(IntensityCurveChart(form).series[0], 5),
            (std::vector<std::string>{"0", "1", "2", "2", "2"}));
}

TEST(IntensityCurveChartTest, BadTimesRaiseTheErrorBeforeAnythingIsBuilt) {
  DesignForm form;
  form.Concentration = "20.5";
  EXPECT_EQ(ConversionMessage(form), "'20.5' is not a valid integer value");
  form.Concentration = "0";
  EXPECT_EQ(ConversionMessage(form), "Division by zero");
  form.Concentration = "20";
  form.Type1B = "b";
  EXPECT_EQ(ConversionMessage(form), "'b' is not a valid floating point value");
}
