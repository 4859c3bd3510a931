#pragma once
/// The drainage step of a calculation run: flood routing for natural drainage, the pump
/// calculation for the two pump kinds, each written into the result sheet.

#include "core/calc/trenzoku.h"
#include "core/design/designform.h"
#include "core/interaction/progressbar.h"
#include "core/interaction/userinteraction.h"
#include "results/resultsheet.h"

/// Routes by `CalcKind` (0 flood routing, 1 and 2 pump calculation, any other kind nothing) and
/// fills the sheet. Returns the engine's outcome: 0 completed, 1 not started (an empty pond
/// table, its message shown), 2 the level left the pond table. For outcome 2 it shows the stop
/// message of the kind ("調節池データの範囲を超えました。…計算を停止します。") and, for natural
/// drainage, empties the progress bar. The run goes on only after outcome 0.
int RunDrainageStep(TRenzoku& calc, const DesignForm& form, ResultSheet& sheet,
                    UserInteraction& ui, ProgressBar& progress);
