#pragma once
/// Writes a flood routing run into the result sheet: the routing table with its peak row, the
/// discharge and water-level charts, the summary and the routing explanation.

#include "core/calc/routeflood.h"
#include "core/calc/trenzoku.h"
#include "core/design/designform.h"
#include "results/resultsheet.h"

/// Fills the sheet from `routing` as far as the run got: a run that left the pond table leaves
/// the summary at "計算中止", the explanation empty, and the table and charts as far as they were
/// routed. Colours follow "出力図色". Raises ConversionError only if a time cell of the table is
/// not a whole number, which the table's own formatting rules out.
void FillFloodRouting(const TRenzoku& calc, const FloodRouting& routing, const DesignForm& form,
                      ResultSheet& sheet);
