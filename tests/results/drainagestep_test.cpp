#include "results/drainagestep.h"

#include <gtest/gtest.h>

#include "core/interaction/recordinginteraction.h"
#include "tests/support/startupcalc.h"

namespace {

class PositionLog : public ProgressBar {
 public:
  void SetRange(int, int) override {}
  void StepIt() override { ++steps; }
  void SetPosition(int position) override { positions.push_back(position); }
  std::vector<int> positions;
  int steps = 0;
};

const std::string kFloodStop =
    "調節池データの範囲を超えました。\r\r調節池容量の再検討が必要です。\r\r　　計算を停止します。";
const std::string kPumpStop =
    "調節池データの範囲を超えました。\r\r調節池容量の再検討が必要です。\r計算を停止します。";

}  // namespace

TEST(DrainageStepTest, RoutesByKindAndShowsTheStopMessageOfTheKind) {
  ResultSheet sheet;
  DesignForm form;

  TRenzoku natural = testing_support::StartupCalc();
  RecordingInteraction ui;
  PositionLog progress;
  EXPECT_EQ(RunDrainageStep(natural, form, sheet, ui, progress), 0);
  EXPECT_TRUE(ui.Entries().empty());
  EXPECT_EQ(progress.steps, 100);
  EXPECT_EQ(sheet.SummaryList.size(), 4u);

  for (double& q : natural.Rain.Hyetograph.Q) q *= 3;
  progress.positions.clear();
  EXPECT_EQ(RunDrainageStep(natural, form, sheet, ui, progress), 2);
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{kFloodStop}));
  EXPECT_EQ(progress.positions.back(), 0);

  // Pump tracking with 0.5 m³/s overflows: its message, and the progress bar stays as it is.
  TRenzoku pump = testing_support::StartupCalc();
  pump.CalcKind = 1;
  pump.Pump.Capacity = 0.5;
  RecordingInteraction pumpUi;
  PositionLog untouched;
  EXPECT_EQ(RunDrainageStep(pump, form, sheet, pumpUi, untouched), 2);
  EXPECT_EQ(pumpUi.Texts(), std::vector<std::string>{kPumpStop});
  EXPECT_TRUE(untouched.positions.empty());

  TRenzoku other = testing_support::StartupCalc();
  other.CalcKind = 5;
  ResultSheet untouchedSheet;
  RecordingInteraction otherUi;
  EXPECT_EQ(RunDrainageStep(other, form, untouchedSheet, otherUi, progress), 0);
  EXPECT_TRUE(untouchedSheet.SummaryList.empty());
}
