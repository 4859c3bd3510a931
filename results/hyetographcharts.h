#pragma once
/// The hyetograph and runoff charts of the result window.

#include "core/calc/hyetograph.h"
#include "core/calc/trenzoku.h"
#include "core/design/designform.h"
#include "results/resultsheet.h"

/// Fills the hyetograph chart (intensity curve, block outline, peak marker) and the runoff chart
/// (hydrograph, peak marker) from the run's rain series and peaks, in the colours that
/// "出力図色" chooses. Called after the rain and runoff tables are written.
void FillHyetographCharts(const TRenzoku& calc, const HyetographPeaks& peaks,
                          const DesignForm& form, ResultSheet& sheet);
