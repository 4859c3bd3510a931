#pragma once
/// Everything a run shows of its hyetograph and runoff, in the order the result window is
/// filled.

#include "core/calc/hyetograph.h"
#include "core/calc/trenzoku.h"
#include "core/design/designform.h"
#include "results/resultsheet.h"

/// Writes the intensity and hyetograph tables, the runoff table, the hyetograph and runoff
/// charts and last the explanation text, from a hyetograph built into `calc`.
void FillHyetographResults(const TRenzoku& calc, const HyetographPeaks& peaks,
                           const DesignForm& form, ResultSheet& sheet);
