#pragma once
/// The rating charts of a run: level against discharge, area and storage.

#include "core/calc/trenzoku.h"
#include "core/design/designform.h"
#include "core/interaction/userinteraction.h"
#include "results/resultsheet.h"

/// Fills the H-Q, H-F and H-V charts with their curves and level markers from the outlet works
/// and the pond table of the record, in the colours that "出力図色" chooses. The lookups may
/// show their messages through `ui`.
void DrawRatingCurves(const TRenzoku& calc, const DesignForm& form, ResultSheet& sheet,
                      UserInteraction& ui);
