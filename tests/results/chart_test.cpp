#include "results/chart.h"

#include <gtest/gtest.h>

#include "tests/support/chartlabels.h"

using testing_support::PointLabels;

TEST(ChartTest, SortedSeriesInsertsByXAndKeepsEqualXInArrivalOrder) {
  ChartSeries sorted;
  sorted.Add(5, 0, "a");
  sorted.Add(1, 0, "b");
  sorted.Add(5, 1, "c");
  sorted.Add(3, 0, "d");
  sorted.Add(1, 1, "e");
  EXPECT_EQ(PointLabels(sorted), (std::vector<std::string>{"b", "e", "d", "a", "c"}));

  ChartSeries outline;
  UnsortSeries(outline);
  outline.Add(0, 0, "a");
  outline.Add(20, 4, "b");
  outline.Add(0, 4, "c");  // an outline goes back in x
  EXPECT_EQ(PointLabels(outline), (std::vector<std::string>{"a", "b", "c"}));

  ChartSeries blue;
  blue.Add(1, 2, "1", ChartColour::Blue());
  EXPECT_EQ(blue.points.front().colour, ChartColour::Blue());
  EXPECT_FALSE(sorted.points.front().colour.has_value());
}
