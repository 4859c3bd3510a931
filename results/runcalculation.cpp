#include "results/runcalculation.h"

#include "core/calc/hyetograph.h"
#include "core/calc/readconditions.h"
#include "core/calc/routingresult.h"
#include "core/calc/validateconditions.h"
#include "core/text/conversionerror.h"
#include "results/calculationbooktext.h"
#include "results/drainagestep.h"
#include "results/hyetographresults.h"
#include "results/ratingcurves.h"
#include "results/stagetable.h"

namespace {

// The hyetograph of the active intensity page, with its tables, charts and text.
void BuildHyetograph(TRenzoku& calc, const DesignForm& form, ResultSheet& sheet) {
  HyetographPeaks peaks = calc.Rain.FormulaKind == 3
                              ? BuildObservedHyetograph(calc, form.ObservedGrid)
                              : BuildDesignHyetograph(calc);
  FillHyetographResults(calc, peaks, form, sheet);
}

// Runs the steps of a run; a malformed strict number ends it with the conversion message.
template <typename Steps>
bool RunSteps(UserInteraction& ui, Steps steps) {
  try {
    return steps();
  } catch (const ConversionError& error) {
    ui.ShowMessage(error.what());
    return false;
  }
}

// A partial run: reading and validation, then one step, then the sheet is shown.
template <typename Step>
bool RunPartial(DesignForm& form, ResultSheet& sheet, UserInteraction& ui, Step step) {
  bool completed = RunSteps(ui, [&] {
    TRenzoku calc;
    if (!ReadAndValidate(calc, form, sheet, ui)) return false;
    step(calc);
    return true;
  });
  if (completed) sheet.Show();
  return completed;
}

}  // namespace

bool ReadAndValidate(TRenzoku& calc, DesignForm& form, ResultSheet& sheet, UserInteraction& ui) {
  ReadResult read = ReadConditions(calc, form, ui);
  FillStageTable(calc, read.pondReader, sheet);
  if (read.errorFlag == 1) return false;
  return ValidateConditions(calc, ui) != 1;
}

bool RunCalculation(DesignForm& form, ResultSheet& sheet, UserInteraction& ui,
                    ProgressBar& progress) {
  sheet.Hide();
  form.ActiveCalcKind = static_cast<int>(CalcKindOf(form));
  bool completed = RunSteps(ui, [&] {
    TRenzoku calc;
    if (!ReadAndValidate(calc, form, sheet, ui)) return false;
    WriteCalculationBookText(calc, form, sheet);
    DrawRatingCurves(calc, form, sheet, ui);
    BuildHyetograph(calc, form, sheet);
    return RunDrainageStep(calc, form, sheet, ui, progress) == kRoutingCompleted;
  });
  if (completed) sheet.Show();
  return completed;
}

bool RunRunoffOnly(DesignForm& form, ResultSheet& sheet, UserInteraction& ui) {
  return RunPartial(form, sheet, ui,
                    [&](TRenzoku& calc) { BuildHyetograph(calc, form, sheet); });
}

bool RunRatingCurvesOnly(DesignForm& form, ResultSheet& sheet, UserInteraction& ui) {
  return RunPartial(form, sheet, ui,
                    [&](TRenzoku& calc) { DrawRatingCurves(calc, form, sheet, ui); });
}
