#include "core/calc/volumecheck.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/calc/hyetograph.h"
#include "core/interaction/progressbar.h"
#include "core/interaction/recordinginteraction.h"
#include "tests/support/startupcalc.h"

namespace {

using testing_support::StartupCalc;

// Volumes agree when they differ by less than 0.1 %.
void ExpectWithinTenthPercent(double actual, double expected) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * 0.001);
}

// The start-up rain from first principles: the block intensities telescope, so the u blocks of
// Tc minutes hold u·r(u·Tc) mm/hr·Tc of rain, r = a / (t^x + b) with t in minutes.
double StartupRunoffVolume() {
  const double tc = 20, blocks = 72;
  double r = 2590 / (std::pow(blocks * tc, 0.75) + 12.9);
  double meanIntensity = blocks * r;  // Σ I_n (mm/hr)
  return 0.84 * 247.9 * 1.0 / 360 * meanIntensity * tc * 60;
}

}  // namespace

TEST(VolumeCheckTest, TheStartupRoutingTakesInTheDesignedHydrographAndKeepsItsBalance) {
  TRenzoku calc = StartupCalc();
  RecordingInteraction ui;
  NoProgressBar progress;
  FloodRouting routing = RouteFlood(calc, ui, progress);
  ASSERT_EQ(routing.outcome, kRoutingCompleted);
  VolumeCheck check = CheckFloodRouting(calc, routing, ui);

  ExpectWithinTenthPercent(check.Designed(), StartupRunoffVolume());
  ExpectWithinTenthPercent(check.blockVolume, StartupRunoffVolume());
  // The rear-loaded peak ends the hyetograph; the step after it carries half a block of it.
  EXPECT_DOUBLE_EQ(check.recessionStep, 20);
  EXPECT_DOUBLE_EQ(check.recessionVolume, calc.Rain.Hyetograph.Q.back() * 20 * 60 / 2);
  EXPECT_NEAR(check.IntakeDifference(), 0, 1e-6 * check.intake);
  EXPECT_LT(std::fabs(check.BalanceDifference()), 0.001 * check.intake);
  EXPECT_DOUBLE_EQ(check.startStorage, 0);
  EXPECT_GT(check.release, 0);
  EXPECT_TRUE(ui.Entries().empty());
}

TEST(VolumeCheckTest, ShowsWaterThatARunLeavesOutOrCountsWithoutRoutingIt) {
  RecordingInteraction ui;
  // A routing that stops 200 minutes into the rain takes in only a part of the hydrograph.
  TRenzoku shortRun = StartupCalc();
  shortRun.Time.CalcDuration = 200;
  NoProgressBar progress;
  VolumeCheck cut = CheckFloodRouting(shortRun, RouteFlood(shortRun, ui, progress), ui);
  EXPECT_LT(cut.IntakeDifference(), -0.5 * cut.Designed());
  EXPECT_LT(std::fabs(cut.BalanceDifference()), 0.001 * cut.Designed());

  // A pump larger than the peak inflow keeps the pond at its start storage, yet it is counted
  // as pumping its full capacity in every step: the release exceeds what flowed in.
  TRenzoku pumped = StartupCalc();
  pumped.CalcKind = 1;
  pumped.Pump.Capacity = 100;
  PumpCalculation pump = RunPumpCalculation(pumped, ui);
  ASSERT_EQ(pump.outcome, kRoutingCompleted);
  VolumeCheck held = CheckPumpTracking(pumped, pump.tracking, ui);
  EXPECT_DOUBLE_EQ(held.Stored(), 0);
  EXPECT_DOUBLE_EQ(held.release, 100 * 2000 * 60);
  EXPECT_DOUBLE_EQ(held.BalanceDifference(), held.release - held.intake);
  ExpectWithinTenthPercent(held.intake, StartupRunoffVolume());

  // Rain of one block shorter than the pitch's block: the recession belongs to a step of Tc/5.
  TRenzoku oneBlock = StartupCalc();
  oneBlock.Time.RainDuration = 20;
  BuildDesignHyetograph(oneBlock);
  VolumeCheck single = CheckFloodRouting(oneBlock, RouteFlood(oneBlock, ui, progress), ui);
  EXPECT_DOUBLE_EQ(single.recessionStep, 4);
  EXPECT_NEAR(single.IntakeDifference(), 0, 1e-9 * single.intake);
}
