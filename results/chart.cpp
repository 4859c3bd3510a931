#include "results/chart.h"

#include <algorithm>

void ChartSeries::Add(double x, double y, std::string label) {
  ChartPoint point{x, y, std::move(label)};
  if (!sorted) {
    points.push_back(std::move(point));
    return;
  }
  auto after = std::upper_bound(points.begin(), points.end(), x,
                                [](double value, const ChartPoint& p) { return value < p.x; });
  points.insert(after, std::move(point));
}

void ClearChartSeries(Chart& chart) {
  for (ChartSeries& series : chart.series) series.points.clear();
}

void BlackenChartSeries(Chart& chart) {
  for (ChartSeries& series : chart.series) series.colour = ChartColour::Black();
}

void SetChartRanges(Chart& chart, double yMin, double yMax, double xMin, double xMax) {
  chart.left.automatic = false;
  chart.left.minimum = yMin;
  chart.left.maximum = yMax;
  chart.bottom.automatic = false;
  chart.bottom.minimum = xMin;
  chart.bottom.maximum = xMax;
}

void UnsortSeries(ChartSeries& series) { series.sorted = false; }
