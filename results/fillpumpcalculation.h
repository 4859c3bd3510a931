#pragma once
/// Writes a pump calculation into the result sheet: for water-level tracking the routing table,
/// the discharge and water-level charts and the summary; for the pump study the ponding chart and
/// one table row per pump size; for both the routing explanation.

#include "core/calc/runpumpcalculation.h"
#include "core/calc/trenzoku.h"
#include "core/design/designform.h"
#include "results/resultsheet.h"

/// Fills the sheet from `pump`. A tracking run that left the pond table leaves both lists at
/// "計算中止" and the table and charts as far as they got. Tracking keeps the series colours;
/// the ponding curve is red, or black with "白黒".
void FillPumpCalculation(const TRenzoku& calc, const PumpCalculation& pump,
                         const DesignForm& form, ResultSheet& sheet);
