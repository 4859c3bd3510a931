#include "core/calc/runpumpcalculation.h"

#include <gtest/gtest.h>

#include "core/calc/pondlookup.h"
#include "core/interaction/recordinginteraction.h"
#include "tests/support/startupcalc.h"

namespace {

using testing_support::StartupCalc;

// The reference figures come from an independent Python transcription of the pump steps with the
// same operations; 1e-6 m is far below the 0.0002 m accuracy of the storage-to-level inversion.
constexpr double kTolerance = 1e-6;
// Storages are five orders of magnitude above levels.
constexpr double kStorageTolerance = 1e-3;
// The storage-to-level inversion is accurate to 0.0003 m.
constexpr double kInversionTolerance = 0.0003;

TRenzoku PumpCalc(std::uint32_t kind, double capacity = 5.0) {
  TRenzoku calc = StartupCalc();
  calc.CalcKind = kind;
  calc.Pump.Capacity = capacity;
  return calc;
}

}  // namespace

TEST(RunPumpCalculationTest, TrackingMatchesTheIndependentReference) {
  TRenzoku calc = PumpCalc(1);
  RecordingInteraction ui;
  PumpCalculation pump = RunPumpCalculation(calc, ui);
  ASSERT_EQ(pump.outcome, kRoutingCompleted);
  const PumpTracking& run = pump.tracking;
  EXPECT_EQ(run.tableRowCount, 102);
  ASSERT_EQ(run.rows.size(), 100u);
  EXPECT_NEAR(run.maxima.MaxLevel, 31.235327148437502, kTolerance);
  EXPECT_EQ(run.maxima.MaxLevelTime, 1460.0);  // the end of the step that reached it
  EXPECT_NEAR(run.maxLevelStorage, 228281.2826984675, kStorageTolerance);
  EXPECT_NEAR(run.maxima.MaxInflow, 67.00874230279646, kTolerance);
  EXPECT_EQ(run.maxima.MaxInflowTime, 1440.0);
  EXPECT_EQ(run.maxima.MaxOutflow, 5.0);
  EXPECT_EQ(run.maxima.MaxOutflowTime, 20.0);  // the first step
  EXPECT_EQ(run.peakRow, 72);                  // the row of 1,460 min

  const RoutingRow& first = run.rows.front();
  EXPECT_EQ(first.block, 1);
  EXPECT_EQ(first.time, 20.0);
  EXPECT_NEAR(first.inflow, 1.7665882835012918, kTolerance);
  EXPECT_EQ(first.outflow, 5.0);
  EXPECT_EQ(first.level, 24.0);
  EXPECT_EQ(first.storage, 0.0);
  EXPECT_NEAR(run.rows.back().storage, 66288.40106170267, kStorageTolerance);
  EXPECT_NEAR(run.rows.back().level, 28.04873046875, kTolerance);
  EXPECT_EQ(run.level.size(), 101u);
  EXPECT_TRUE(ui.Entries().empty());
}

TEST(RunPumpCalculationTest, InflowBelowTheCapacityKeepsTheStartLevel) {
  TRenzoku calc = PumpCalc(1, 100.0);
  calc.Routing.StartLevel = 25.0;
  RecordingInteraction ui;
  PumpCalculation pump = RunPumpCalculation(calc, ui);
  ASSERT_EQ(pump.outcome, kRoutingCompleted);
  for (const RoutingRow& row : pump.tracking.rows) {
    EXPECT_NEAR(row.level, 25.0, kInversionTolerance) << row.time;
    EXPECT_EQ(row.outflow, 100.0) << row.time;
  }
}

TEST(RunPumpCalculationTest, TrackingRowsFallOnWholeBlocksWhateverThePitch) {
  TRenzoku calc = PumpCalc(1);
  calc.Time.Pitch = 20.0 / 3;
  RecordingInteraction ui;
  PumpCalculation pump = RunPumpCalculation(calc, ui);
  ASSERT_EQ(pump.tracking.rows.size(), 100u);  // after steps 3, 6, 9, … of 300
  for (std::size_t r = 0; r < pump.tracking.rows.size(); ++r) {
    EXPECT_NEAR(pump.tracking.rows[r].time, 20.0 * static_cast<double>(r + 1), 1e-9) << r;
  }
  EXPECT_EQ(pump.tracking.level.size(), 301u);

  calc.Time.Pitch = 20;
  calc.Time.CalcDuration = 3000;
  pump = RunPumpCalculation(calc, ui);
  EXPECT_EQ(pump.tracking.tableRowCount, 152);
  ASSERT_EQ(pump.tracking.rows.size(), 150u);
  EXPECT_EQ(pump.tracking.rows.back().block, 150);
  EXPECT_EQ(pump.tracking.rows.back().time, 3000.0);
}

TEST(RunPumpCalculationTest, TrackingStopsWhenTheLevelLeavesThePondTable) {
  TRenzoku calc = PumpCalc(1, 0.5);
  RecordingInteraction ui;
  PumpCalculation pump = RunPumpCalculation(calc, ui);
  EXPECT_EQ(pump.outcome, kRoutingBeyondPondTable);
  EXPECT_LT(pump.tracking.rows.size(), 100u);
  EXPECT_TRUE(ui.Entries().empty());
}

TEST(RunPumpCalculationTest, StudyComputesEverySizeUpToTheMaximumAndSkipsOverflows) {
  TRenzoku calc = PumpCalc(2);
  RecordingInteraction ui;
  PumpCalculation pump = RunPumpCalculation(calc, ui);
  EXPECT_EQ(pump.outcome, kRoutingCompleted);
  const PumpStudy& study = pump.study;
  EXPECT_EQ(study.sizeCount, 26);  // 0.0, 0.2, …, 5.0
  ASSERT_EQ(study.sizes.size(), 18u);  // 0.0 … 1.4 overflow the pond
  EXPECT_NEAR(study.sizes.front().capacity, 1.6, 1e-12);
  EXPECT_NEAR(study.sizes.front().peakLevel, 33.899835205078126, kTolerance);
  EXPECT_NEAR(study.sizes.front().peakArea, 62808.50396728516, kStorageTolerance);
  EXPECT_NEAR(study.sizes.front().storage, 333627.03705633926, kStorageTolerance);
  const PumpSize& largest = study.sizes.back();
  EXPECT_EQ(largest.capacity, 5.0);  // computed as 0 + 25 × 0.2, not accumulated
  EXPECT_NEAR(largest.peakLevel, 31.235327148437502, kTolerance);
  EXPECT_EQ(largest.endTime, 2000.0);
  EXPECT_EQ(largest.inflow, 0.0);

  calc.Pump.MinCapacity = 1.0;
  calc.Pump.MaxCapacity = 1.0;
  EXPECT_EQ(RunPumpCalculation(calc, ui).study.sizeCount, 1);
  calc.Pump.MaxCapacity = 0.9;
  EXPECT_EQ(RunPumpCalculation(calc, ui).study.sizeCount, 0);
  EXPECT_TRUE(ui.Entries().empty());
}

TEST(RunPumpCalculationTest, StorageThatCannotBeTurnedIntoALevelCountsAsOverflow) {
  TRenzoku calc = PumpCalc(1, 0.5);
  testing_support::SetPond(calc, {{24.0, 79.0, 0.0}, {26.0, 79.0, 2000.0}});
  RecordingInteraction ui;
  EXPECT_EQ(RunPumpCalculation(calc, ui).outcome, kRoutingBeyondPondTable);
  EXPECT_FALSE(ui.Entries().empty());

  calc.CalcKind = 2;
  calc.Pump.MinCapacity = calc.Pump.MaxCapacity = 0.5;
  PumpCalculation study = RunPumpCalculation(calc, ui);
  EXPECT_EQ(study.outcome, kRoutingCompleted);
  EXPECT_EQ(study.study.sizeCount, 1);
  EXPECT_TRUE(study.study.sizes.empty());
}

TEST(RunPumpCalculationTest, APondWhoseTopGainsNoStorageOverflowsInsteadOfHoldingAnyVolume) {
  // The top row has no area and the same storage as the row below: nothing more fits above it.
  TRenzoku calc = PumpCalc(1, 0.5);
  testing_support::SetPond(calc, {{24.0, 79.0, 0.0}, {26.0, 79.0, 158.0}, {48.32, 0.0, 158.0}});
  RecordingInteraction ui;
  PumpCalculation tracking = RunPumpCalculation(calc, ui);
  EXPECT_EQ(tracking.outcome, kRoutingBeyondPondTable);
  EXPECT_LT(tracking.tracking.rows.size(), 10u);

  calc.CalcKind = 2;
  calc.Pump.MinCapacity = calc.Pump.MaxCapacity = 0.5;
  PumpCalculation study = RunPumpCalculation(calc, ui);
  EXPECT_EQ(study.study.sizeCount, 1);
  EXPECT_TRUE(study.study.sizes.empty());
  EXPECT_TRUE(ui.Entries().empty());
}

TEST(RunPumpCalculationTest, OtherKindsAndEmptyPondsComputeNothing) {
  RecordingInteraction ui;
  TRenzoku natural = PumpCalc(0);
  EXPECT_EQ(RunPumpCalculation(natural, ui).outcome, kRoutingCompleted);
  TRenzoku empty = PumpCalc(1);
  empty.Pond.RowCount = 0;
  EXPECT_EQ(RunPumpCalculation(empty, ui).outcome, kRoutingNotStarted);
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"処理を中断します。"}));
}

// The runs keep the last inflow and level between steps; every level and every message must still
// be what PumpStep gives step by step, also where the pump holds the pond at its starting storage
// for many steps and where sizes overflow with the area lookup's message.
TEST(RunPumpCalculationTest, RunsAgreeBitForBitWithPumpStepReplayedStepByStep) {
  for (double pitch : {0.5, 2.0, 20.0}) {
    for (double capacity : {1.0, 5.0, 100.0}) {
      TRenzoku calc = PumpCalc(1, capacity);
      calc.Time.Pitch = pitch;
      RecordingInteraction ui;
      const PumpTracking run = RunPumpCalculation(calc, ui).tracking;
      RecordingInteraction replayUi;
      const double floor = LevelToStorage(calc, calc.Routing.StartLevel, replayUi);
      double storage = floor;
      ASSERT_GT(run.level.size(), 10u);
      for (std::size_t k = 0; k + 1 < run.level.size(); ++k) {
        PumpStepResult step = PumpStep(calc, static_cast<long long>(k), storage, capacity, floor, replayUi);
        ASSERT_EQ(step.H1, run.level[k + 1].y) << pitch << " " << capacity << " " << k;
        storage = step.V1;
      }
      EXPECT_EQ(ui.Texts(), replayUi.Texts());
    }
  }

  // Sizes 0.1 … 0.5 all leave this pond through a storage whose level lies above its table (its
  // typed storage is more than its areas hold), each with the area lookup's message.
  TRenzoku calc = PumpCalc(2);
  testing_support::SetPond(calc, {{24.0, 79.0, 0.0}, {26.0, 79.0, 2000.0}});
  calc.Pump.MinCapacity = 0.1;
  calc.Pump.MaxCapacity = 0.5;
  RecordingInteraction ui;
  const PumpStudy study = RunPumpCalculation(calc, ui).study;
  EXPECT_TRUE(study.sizes.empty());
  RecordingInteraction replayUi;
  const double floor = LevelToStorage(calc, calc.Routing.StartLevel, replayUi);
  for (int size = 0; size < study.sizeCount; ++size) {
    double storage = floor;
    for (long long k = 0;; ++k) {
      PumpStepResult step = PumpStep(calc, k, storage, 0.1 + size * 0.2, floor, replayUi);
      storage = step.V1;
      if (IsLookupFailure(step.H1) || step.H1 > 26.0) break;
    }
  }
  EXPECT_EQ(study.sizeCount, 3);
  EXPECT_EQ(ui.Texts(), replayUi.Texts());
  EXPECT_FALSE(ui.Texts().empty());
}
