#pragma once
/// The picture files of the result charts: their fixed base names and which of them a
/// calculation kind writes. The metafile export and the batch tool's PNG and SVG files share
/// these names.

#include <string>
#include <vector>

#include "charts/chartsizes.h"
#include "results/resultsheet.h"

struct ChartFile {
  std::string baseName;  // without extension: "HQ曲線"
  Chart ResultSheet::*chart;
  ChartSize screenSize;  // the chart's size in the result window
};

/// The chart files of `calcKind` in their order: the rating, area, storage, hyetograph and
/// runoff charts always, then the discharge and water-level charts for kinds 0 and 1 or the
/// ponding chart for kind 2.
std::vector<ChartFile> ChartFilesForKind(int calcKind);
