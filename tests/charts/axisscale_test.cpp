#include "charts/axisscale.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

struct Scale {
  std::vector<double> ticks;
  std::vector<std::string> labels;
};

Scale Ticks(double minimum, double maximum, int maxTicks, const std::string& format = "") {
  ChartAxis axis;
  axis.format = format;
  const AxisRange range{minimum, maximum};
  const double step = RoundStep(range, maxTicks, format.empty() ? 0 : FormatResolution(format));
  Scale scale{TicksInside(range, step), {}};
  scale.labels = TickLabels(axis, scale.ticks, step);
  return scale;
}

using Labels = std::vector<std::string>;

TEST(AxisScaleTest, TicksAreRoundValuesInsideAwkwardRanges) {
  EXPECT_EQ(Ticks(0, 66.9, 8, "#,##0.0").labels,
            (Labels{"0.0", "10.0", "20.0", "30.0", "40.0", "50.0", "60.0"}));
  EXPECT_EQ(Ticks(24.0, 34.0, 5, "#,##0.00").labels,
            (Labels{"24.00", "26.00", "28.00", "30.00", "32.00", "34.00"}));
  EXPECT_EQ(Ticks(0, 1e7, 6).labels,
            (Labels{"0", "2,000,000", "4,000,000", "6,000,000", "8,000,000", "10,000,000"}));
  // Across zero the ticks are whole multiples of the step, so zero itself is one of them.
  EXPECT_EQ(Ticks(-3.7, 12.2, 4, "#,##0.0").labels, (Labels{"0.0", "5.0", "10.0"}));
  EXPECT_EQ(Ticks(-3.7, 12.2, 8, "#,##0").labels, (Labels{"-2", "0", "2", "4", "6", "8", "10", "12"}));
  // 0.1 × 3 is not exactly 0.3: the end of the range still gets its tick.
  EXPECT_EQ(Ticks(0, 0.3, 3, "0.0").labels, (Labels{"0.0", "0.1", "0.2", "0.3"}));
}

TEST(AxisScaleTest, TinyRangesKeepTheirLabelsApart) {
  // Without a format of its own the axis shows the decimals its step needs ...
  EXPECT_EQ(Ticks(0, 0.0004, 4).labels, (Labels{"0", "0.0001", "0.0002", "0.0003", "0.0004"}));
  // ... while a fixed format is never stepped finer than it can show.
  EXPECT_EQ(Ticks(0, 0.0004, 4, "#,##0.000").labels, (Labels{"0.000"}));
  EXPECT_EQ(Ticks(0, 0.01, 10, "#,##0").labels, (Labels{"0"}));
}

TEST(AxisScaleTest, UnusableRangesHaveNoTicks) {
  const double nan = std::nan("");
  for (AxisRange range : {AxisRange{5, 5}, AxisRange{6, 5}, AxisRange{0, nan},
                          AxisRange{-INFINITY, 1}, AxisRange{-1e308, 1e308}}) {
    EXPECT_FALSE(range.Usable());
    EXPECT_EQ(RoundStep(range, 5), 0);
    EXPECT_TRUE(TicksInside(range, 1).empty());
  }
}

TEST(AxisScaleTest, AutomaticAxesEncloseTheirDataInRoundValues) {
  Chart chart;
  chart.series.resize(2);
  chart.series[0].Add(0.4, 3.2);
  chart.series[0].Add(1.0, std::nan(""));
  chart.series[1].Add(23.7, 47.9);
  const AxisRange x = ShownRange(chart, chart.bottom, true, 5);
  EXPECT_EQ(x.minimum, 0);
  EXPECT_EQ(x.maximum, 25);
  const AxisRange y = ShownRange(chart, chart.left, false, 5);
  EXPECT_EQ(y.minimum, 0);
  EXPECT_EQ(y.maximum, 50);

  // A fixed axis keeps the filler's range as it is.
  SetAxisRange(chart.left, 24.0, 34.1);
  EXPECT_EQ(ShownRange(chart, chart.left, false, 5).maximum, 34.1);

  // One value gets a range around it; no data at all gives nothing to show.
  Chart single;
  single.series.resize(1);
  single.series[0].Add(2, 25.3);
  const AxisRange around = ShownRange(single, single.left, false, 4);
  EXPECT_TRUE(around.Usable());
  EXPECT_LT(around.minimum, 25.3);
  EXPECT_GT(around.maximum, 25.3);
  single.series[0].points.clear();
  EXPECT_FALSE(ShownRange(single, single.left, false, 4).Usable());
}

TEST(AxisScaleTest, MinorTicksFillEveryIntervalInsideTheRange) {
  const std::vector<double> minor = MinorTicks({0, 0.25}, 0.1, 4);
  const std::vector<double> expected{0.02, 0.04, 0.06, 0.08, 0.12, 0.14, 0.16, 0.18, 0.22, 0.24};
  ASSERT_EQ(minor.size(), expected.size());
  for (std::size_t i = 0; i < minor.size(); ++i) EXPECT_NEAR(minor[i], expected[i], 1e-12);
}

}  // namespace
