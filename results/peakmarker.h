#pragma once
/// The peak markers of the charts: a short line one minute long whose second point carries the
/// value as its label.

#include <string_view>

#include "results/chart.h"

/// Adds (time, value) labelled " " and (time + 1, value) labelled FormatNumber(pattern, value).
void AddPeakMarker(ChartSeries& series, double time, double value, std::string_view pattern);
