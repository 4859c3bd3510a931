#include "results/chart.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Labels(const ChartSeries& series) {
  std::vector<std::string> labels;
  for (const ChartPoint& p : series.points) labels.push_back(p.label);
  return labels;
}

}  // namespace

TEST(ChartTest, SortedSeriesInsertsByXAndKeepsEqualXInArrivalOrder) {
  ChartSeries sorted;
  sorted.Add(5, 0, "a");
  sorted.Add(1, 0, "b");
  sorted.Add(5, 1, "c");
  sorted.Add(3, 0, "d");
  sorted.Add(1, 1, "e");
  EXPECT_EQ(Labels(sorted), (std::vector<std::string>{"b", "e", "d", "a", "c"}));

  ChartSeries outline;
  UnsortSeries(outline);
  outline.Add(0, 0, "a");
  outline.Add(20, 4, "b");
  outline.Add(0, 4, "c");  // an outline goes back in x
  EXPECT_EQ(Labels(outline), (std::vector<std::string>{"a", "b", "c"}));

  ChartSeries blue;
  blue.Add(1, 2, "1", ChartColour::Blue());
  EXPECT_EQ(blue.points.front().colour, ChartColour::Blue());
  EXPECT_FALSE(sorted.points.front().colour.has_value());
}

TEST(ChartTest, HelpersClearBlackenAndFixRanges) {
  Chart chart;
  chart.series.resize(2);
  chart.series[0].colour = ChartColour::Red();
  chart.series[0].Add(1, 1);
  chart.series[1].Add(2, 2);
  ClearChartSeries(chart);
  BlackenChartSeries(chart);
  for (const ChartSeries& s : chart.series) {
    EXPECT_TRUE(s.points.empty());
    EXPECT_EQ(s.colour, ChartColour::Black());
  }
  SetChartRanges(chart, 1, 2, 3, 4);
  EXPECT_FALSE(chart.left.automatic);
  EXPECT_FALSE(chart.bottom.automatic);
  EXPECT_EQ(chart.left.minimum, 1.0);
  EXPECT_EQ(chart.left.maximum, 2.0);
  EXPECT_EQ(chart.bottom.minimum, 3.0);
  EXPECT_EQ(chart.bottom.maximum, 4.0);
}
