#include "results/chart.h"

#include <algorithm>

namespace {

void Insert(ChartSeries& series, ChartPoint point) {
  auto& points = series.points;
  // Points mostly come in ascending x: those go to the end without a search. A point whose x
  // equals others goes after them, as in a sorted insertion.
  if (!series.sorted || points.empty() || !(point.x < points.back().x)) {
    points.push_back(std::move(point));
    return;
  }
  auto after = std::upper_bound(points.begin(), points.end(), point.x,
                                [](double value, const ChartPoint& p) { return value < p.x; });
  points.insert(after, std::move(point));
}

}  // namespace

void ChartSeries::Add(double x, double y, std::string label) {
  Insert(*this, ChartPoint{x, y, std::move(label), std::nullopt});
}

void ChartSeries::Add(double x, double y, std::string label, ChartColour pointColour) {
  Insert(*this, ChartPoint{x, y, std::move(label), pointColour});
}

void ClearChartSeries(Chart& chart) {
  for (ChartSeries& series : chart.series) series.points.clear();
}

void BlackenChartSeries(Chart& chart) {
  for (ChartSeries& series : chart.series) series.colour = ChartColour::Black();
}

void SetChartRanges(Chart& chart, double yMin, double yMax, double xMin, double xMax) {
  SetAxisRange(chart.left, yMin, yMax);
  SetAxisRange(chart.bottom, xMin, xMax);
}

void SetAxisRange(ChartAxis& axis, double minimum, double maximum) {
  axis.automatic = false;
  axis.minimum = minimum;
  axis.maximum = maximum;
}

void UnsortSeries(ChartSeries& series) { series.sorted = false; }
