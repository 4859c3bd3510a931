#include "core/calc/levelscan.h"

#include <gtest/gtest.h>

#include <random>

#include "core/calc/outletdischarge.h"
#include "core/calc/pondlookup.h"
#include "core/calc/routeflood.h"
#include "core/interaction/recordinginteraction.h"
#include "tests/support/startupcalc.h"

namespace {

double AddOneByOne(double level, long long steps) {
  for (long long i = 0; i < steps; ++i) level += kLevelScanStep;
  return level;
}

}  // namespace

TEST(LevelScanTest, AdvancingALevelAddsTheStepsBitForBit) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> anywhere(-70, 70);
  std::vector<double> starts = {24.0, 31.9999, 15.9999, 32.0, 0.0, 0.0009, -0.0009, -0.5003,
                                -16.0001, 1.0 - 1e-9, -64.2, 63.99, 0x1p-10, -0x1p-10,
                                1023.9999, -8191.9996, 1e17, 1.7e308, -1.7e308};
  for (int i = 0; i < 200; ++i) starts.push_back(anywhere(random));
  for (double start : starts) {
    for (long long steps : {0LL, 1LL, 2LL, 3LL, 17LL, 2600LL, 40000LL, 300001LL}) {
      ASSERT_EQ(AdvanceLevel(start, steps), AddOneByOne(start, steps)) << start << " " << steps;
    }
  }
}

TEST(LevelScanTest, BisectedScanEndsWhereTheOneByOneScanEnds) {
  // Produced levels that fall with the trial level, quantized like the storage inversion.
  for (double slope : {0.0, 0.3, 1.0, 4.0, 19.0}) {
    for (double target : {24.0003, 24.37, 25.0392, 29.5}) {
      auto produced = [&](double J) {
        double exact = target - slope * (J - target);
        return std::floor(exact / 0.00025) * 0.00025 + 0.0001;
      };
      EXPECT_EQ(ScanLevelsMonotone(24.0, produced), ScanLevelsOneByOne(24.0, produced))
          << slope << " " << target;
    }
  }
  // A produced level far below the start ends both scans on their first or second step.
  auto below = [](double) { return 10.0; };
  EXPECT_EQ(ScanLevelsMonotone(24.0, below), ScanLevelsOneByOne(24.0, below));
  auto absurd = [](double) { return -1e6; };
  EXPECT_EQ(ScanLevelsMonotone(24.0, absurd), 24.0 + kLevelScanStep);
}

TEST(LevelScanTest, BisectedScanAgreesOnTheStartupPondForRandomSteps) {
  TRenzoku calc = testing_support::StartupCalc();
  ASSERT_TRUE(LevelScanMayBisect(calc));
  RecordingInteraction ui;
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> level(24.0, 33.5), inflow(0, 70), minutes(1, 20);
  for (int i = 0; i < 120; ++i) {
    double start = level(random);
    double startOutflow = OutletFlowAt(calc, start).total;
    double startStorage = LevelToStorage(calc, start, ui);
    double meanInflow = inflow(random);
    double seconds = minutes(random) * 60;
    double floor = LevelToStorage(calc, 24.0, ui);
    int evaluations = 0;
    auto produced = [&](double J) {
      ++evaluations;
      double mean = (OutletFlowAt(calc, J).total + startOutflow) / 2;
      return StorageToLevel(calc, std::max(floor, startStorage + (meanInflow - mean) * seconds), ui);
    };
    double oneByOne = ScanLevelsOneByOne(24.0, produced);
    int scanned = evaluations;
    evaluations = 0;
    ASSERT_EQ(ScanLevelsMonotone(24.0, produced), oneByOne) << i;
    EXPECT_LE(evaluations, std::max(scanned, 80)) << i;
    // A first guess anywhere finds the same level; one a step or two off needs a handful of
    // trial levels.
    for (double near : {oneByOne - 0.0007, oneByOne + 0.0004, oneByOne + 0.37, oneByOne - 2.5, 24.0,
                        1e300, -HUGE_VAL, std::nan("")}) {
      evaluations = 0;
      ASSERT_EQ(ScanLevelsMonotone(24.0, produced, near), oneByOne) << i << " " << near;
      if (std::fabs(near - oneByOne) < 0.001 && oneByOne > 24.01) {
        EXPECT_LE(evaluations, 10) << i;
      }
    }
  }
  EXPECT_TRUE(ui.Entries().empty());
}

TEST(LevelScanTest, OnlyRecordsWhoseProducedLevelNeverRisesMayBisect) {
  TRenzoku calc = testing_support::StartupCalc();
  EXPECT_TRUE(LevelScanMayBisect(calc));
  TRenzoku lowC2 = calc;
  lowC2.LowerOrifice.C2 = 0.3;  // the submerged flow starts below the weir flow
  EXPECT_FALSE(LevelScanMayBisect(lowC2));
  TRenzoku shrinking = calc;
  shrinking.Pond.F[5] = 100;  // an area that falls
  EXPECT_FALSE(LevelScanMayBisect(shrinking));
  TRenzoku typedHigh = calc;
  typedHigh.Pond.V[3] += 50;  // 50 m³ more than the areas give: 0.0025 m of level
  EXPECT_FALSE(LevelScanMayBisect(typedHigh));
  TRenzoku topHigh = calc;
  topHigh.Pond.V[11] += 1;  // the top segment must not hold more than its areas give
  EXPECT_FALSE(LevelScanMayBisect(topHigh));
  TRenzoku typedLow = calc;
  typedLow.Pond.V[11] -= 1;  // less than the areas give only lowers the levels of the top
  EXPECT_TRUE(LevelScanMayBisect(typedLow));
}
