#include "results/peakmarker.h"

#include "core/text/formatnumber.h"

void AddPeakMarker(ChartSeries& series, double time, double value, std::string_view pattern) {
  series.Add(time, value, " ");
  series.Add(time + 1, value, FormatNumber(pattern, value));
}
