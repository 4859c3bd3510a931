#pragma once
/// The start-up design run to the end in each calculation kind: 0 natural drainage, 1 pump
/// water-level tracking (a 5 m³/s pump, which keeps the level inside the pond table), 2 pump
/// study.

#include <gtest/gtest.h>

#include "core/design/designform.h"
#include "core/interaction/progressbar.h"
#include "core/interaction/recordinginteraction.h"
#include "results/runcalculation.h"

namespace testing_support {

struct CalcRunResult {
  DesignForm form;
  ResultSheet sheet;
};

inline CalcRunResult RunStartupDesign(int calcKind) {
  CalcRunResult run{StartupDesignForm(), ResultSheet()};
  if (calcKind != 0) {
    run.form.SelectOutletPage(1);
    run.form.ChoosePumpCalcKind(calcKind - 1);
    run.form.PumpCapacity = "5.0";
  }
  RecordingInteraction ui;
  NoProgressBar progress;
  EXPECT_TRUE(RunCalculation(run.form, run.sheet, ui, progress)) << calcKind;
  EXPECT_EQ(run.form.ActiveCalcKind, calcKind);
  return run;
}

}  // namespace testing_support
