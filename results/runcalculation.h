#pragma once
/// The calculation run from the design-condition form to the filled result sheet, and the
/// partial runs of the rating curves and of the runoff hydrograph.
///
/// A run owns one calculation object from reading to its end and calls reading, validation,
/// the engine and the fillers in a fixed order. Every stop has shown its message before the run
/// returns; the result sheet then stays hidden with whatever the steps before the stop wrote.

#include "core/calc/trenzoku.h"
#include "core/design/designform.h"
#include "core/interaction/progressbar.h"
#include "core/interaction/userinteraction.h"
#include "results/resultsheet.h"

/// Reads the design conditions into `calc` (the stage table follows the pond reader) and
/// validates them. False when reading reported an error or a stop check failed. Throws
/// ConversionError for a malformed strict field.
bool ReadAndValidate(TRenzoku& calc, DesignForm& form, ResultSheet& sheet, UserInteraction& ui);

/// The full run ("計算開始", "2．洪水調節数値計算"): hides the sheet, sets the form's
/// ActiveCalcKind and the kind's result pages, reads and validates, writes the calculation-book
/// text, draws the rating curves, builds and shows the hyetograph and runoff, runs the drainage
/// step, and shows the sheet on its first page. Returns whether the run completed; a stop
/// (item error, stop check, conversion error, overflow, a pond table the routing could not
/// start on) returns false with the sheet hidden.
bool RunCalculation(DesignForm& form, ResultSheet& sheet, UserInteraction& ui,
                    ProgressBar& progress);

/// The partial run "4．流出ハイドロ計算": reads and validates, then builds and shows only the
/// hyetograph and runoff, and shows the sheet. Returns whether it completed.
bool RunRunoffOnly(DesignForm& form, ResultSheet& sheet, UserInteraction& ui);

/// The partial run "3．水位 ～容量曲線": reads and validates, then draws only the rating curves
/// (H-Q, H-F, H-V), and shows the sheet. Returns whether it completed.
bool RunRatingCurvesOnly(DesignForm& form, ResultSheet& sheet, UserInteraction& ui);
