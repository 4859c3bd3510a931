#pragma once
/// The labels of a chart series' points, for comparing them in one expectation.

#include <string>
#include <vector>

#include "results/chart.h"

namespace testing_support {

inline std::vector<std::string> PointLabels(const ChartSeries& series) {
  std::vector<std::string> labels;
  for (const ChartPoint& p : series.points) labels.push_back(p.label);
  return labels;
}

}  // namespace testing_support
