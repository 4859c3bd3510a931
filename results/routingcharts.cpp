#include "results/routingcharts.h"

#include <algorithm>

#include "core/text/formatgeneral.h"
#include "results/peakmarker.h"

namespace {

void AddPoints(ChartSeries& series, const std::vector<RoutingPoint>& points,
               RoutingPointLabels labels) {
  series.points.reserve(series.points.size() + points.size());
  for (const RoutingPoint& point : points) {
    std::string label;
    if (labels == RoutingPointLabels::Time) label = point.x == 0 ? " " : FormatGeneral(point.x);
    series.Add(point.x, point.y, std::move(label));
  }
}

}  // namespace

void AddRoutingPoints(ResultSheet& sheet, const std::vector<RoutingPoint>& inflow,
                      const std::vector<RoutingPoint>& outflow,
                      const std::vector<RoutingPoint>& level, RoutingPointLabels labels) {
  AddPoints(sheet.DischargeChart.series[series::kInflow], inflow, labels);
  AddPoints(sheet.DischargeChart.series[series::kOutflow], outflow, labels);
  AddPoints(sheet.LevelChart.series[series::kLevel], level, labels);
}

void SetRoutingChartRanges(ResultSheet& sheet, double startLevel, double calcDuration,
                           const RoutingMaxima& maxima) {
  SetChartRanges(sheet.DischargeChart, 0, 1.1 * std::max(maxima.MaxOutflow, maxima.MaxInflow), 0,
                 calcDuration);
  SetChartRanges(sheet.LevelChart, startLevel, startLevel + 1.1 * (maxima.MaxLevel - startLevel),
                 0, calcDuration);
}

void AddRoutingPeakMarkers(ResultSheet& sheet, const RoutingMaxima& maxima,
                           std::string_view inflowPattern, std::string_view outflowPattern,
                           std::string_view levelPattern) {
  AddPeakMarker(sheet.DischargeChart.series[series::kInflowPeak], maxima.MaxInflowTime,
                maxima.MaxInflow, inflowPattern);
  AddPeakMarker(sheet.DischargeChart.series[series::kOutflowPeak], maxima.MaxOutflowTime,
                maxima.MaxOutflow, outflowPattern);
  AddPeakMarker(sheet.LevelChart.series[series::kLevelPeak], maxima.MaxLevelTime,
                maxima.MaxLevel, levelPattern);
}
