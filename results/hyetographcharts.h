#pragma once
/// The hyetograph and runoff charts of a run, filled at the end of the hyetograph filler.

#include "core/calc/hyetograph.h"
#include "core/calc/trenzoku.h"
#include "core/design/designform.h"
#include "results/resultsheet.h"

/// Fills `HyetographChart` (intensity curve, block outline, peak marker) and `RunoffChart`
/// (hydrograph, peak marker) from `Rain.Curve`, `Rain.Hyetograph` and `Time.HyetographLength`.
/// The y axes run from 0 to 1.1 times the peak; the x axes to the hyetograph length, or 1.05
/// times it for rear-loaded design rain.
void FillHyetographCharts(const TRenzoku& calc, const HyetographPeaks& peaks,
                          const DesignForm& form, ResultSheet& sheet);
