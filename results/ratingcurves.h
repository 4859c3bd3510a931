#pragma once
/// The three rating charts of a run: level against discharge (H-Q), against water-surface area
/// (H-F) and against storage (H-V), each with the spillway-crest and orifice-sill markers.

#include "core/calc/trenzoku.h"
#include "core/design/designform.h"
#include "core/interaction/userinteraction.h"
#include "results/resultsheet.h"

/// Fills `RatingChart`, `AreaChart` and `StorageChart` from the outlet works and the pond table
/// of `calc` (read and validated). The H-Q curve follows the orifices up to the highest step at
/// or below the spillway crest; the H-F and H-V curves take ten points per table segment. Curves
/// are red and markers blue with "ｶﾗｰ", everything black with "白黒". Area-lookup messages go to
/// `ui` (none for a level inside the table).
void DrawRatingCurves(const TRenzoku& calc, const DesignForm& form, ResultSheet& sheet,
                      UserInteraction& ui);
