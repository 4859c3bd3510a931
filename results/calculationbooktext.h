#pragma once
/// The first two texts of the calculation book: the table of contents ("総目次") and the
/// design conditions ("基本条件") on the result window's first page.

#include "core/calc/trenzoku.h"
#include "core/design/designform.h"
#include "results/resultsheet.h"

/// Replaces the contents list and the conditions list with the texts of a design that has been
/// read and validated. Besides the record it takes from the form what the record does not hold:
/// the design's name, the "降雨強度" choice, the observed waveform choice, and the texts of "Qc"
/// and the pump-size fields as typed.
void WriteCalculationBookText(const TRenzoku& calc, const DesignForm& form, ResultSheet& sheet);
