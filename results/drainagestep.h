#pragma once
/// The drainage step of a run: flood routing for natural drainage, the pump calculation for
/// the two pump kinds.

#include "core/calc/trenzoku.h"
#include "core/design/designform.h"
#include "core/interaction/progressbar.h"
#include "core/interaction/userinteraction.h"
#include "results/resultsheet.h"

/// Runs the drainage calculation that `calc.CalcKind` selects and fills the routing table, the
/// summary and explanation lists and the routing charts. Returns 0 when it completed and 2 when
/// the water level left the pond table, after showing the overflow message of its kind (and,
/// for natural drainage, emptying the progress bar). The progress bar advances once per block.
int RunDrainageStep(TRenzoku& calc, const DesignForm& form, ResultSheet& sheet, UserInteraction& ui,
                    ProgressBar& progress);
