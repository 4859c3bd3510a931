#include "core/calc/outletdischarge.h"

#include <gtest/gtest.h>

#include "tests/support/startupcalc.h"

namespace {

// The regime bounds are evaluated with the same expressions as in the program, so values at the
// bounds agree to rounding; 1e-9 m³/s also covers a level 1e-9 m beyond a bound, where the
// curve's slope (below 10 m³/s per m) moves the value by less than 1e-8.
constexpr double kFlowTolerance = 1e-8;

TKisoData CircularOrifice() {
  TKisoData calc = testing_support::StartupCalc();
  calc.LowerOrifice.Shape = 1;
  calc.LowerOrifice.Area = 0.9 * (0.9 * 3.1415926535897932385) / 4;
  calc.LowerOrifice.CircleC = 0.6;
  calc.LowerOrifice.C1 = calc.LowerOrifice.C2 = 0;
  return calc;
}

}  // namespace

TEST(OutletDischargeTest, RectangularOrificeIsContinuousAcrossItsThreeRegimes) {
  TKisoData calc = testing_support::StartupCalc();
  const double hl = 24.0, dl = 0.9;
  EXPECT_EQ(OutletDischarge(calc, hl), 0.0);
  EXPECT_EQ(OutletDischarge(calc, hl - 3), 0.0);

  double freeEnd = OutletDischarge(calc, hl + 1.2 * dl);
  EXPECT_NEAR(freeEnd, 1.818237655753505, kFlowTolerance);  // 1.08^1.5 × 1.8 × 0.9
  EXPECT_NEAR(OutletDischarge(calc, hl + 1.2 * dl + 1e-9), freeEnd, kFlowTolerance);

  double submergedStart = OutletDischarge(calc, hl + 1.8 * dl);
  EXPECT_NEAR(submergedStart, 2.3273260777123608, kFlowTolerance);  // √(25.48 × 0.9) × 0.6 × 0.81
  EXPECT_NEAR(OutletDischarge(calc, hl + 1.8 * dl - 1e-9), submergedStart, kFlowTolerance);

  // Halfway through the transition the line lies halfway between its ends.
  EXPECT_NEAR(OutletDischarge(calc, hl + 1.5 * dl), (freeEnd + submergedStart) / 2, kFlowTolerance);
  EXPECT_NEAR(OutletDischarge(calc, 30.0), 5.0688658376406055, kFlowTolerance);
}

TEST(OutletDischargeTest, CircularOrificeIsContinuousWhenItRunsFull) {
  TKisoData calc = CircularOrifice();
  const double hl = 24.0, d = 0.9;
  EXPECT_EQ(OutletDischarge(calc, hl), 0.0);
  double full = OutletDischarge(calc, hl + d);
  EXPECT_NEAR(full, 1.1336015816711071, kFlowTolerance);  // √(19.6 × 0.45) × 0.6 × A
  EXPECT_NEAR(OutletDischarge(calc, hl + d - 1e-12), full, kFlowTolerance);

  calc.LowerOrifice.Shape = 7;  // no shape chosen: the lower orifice gives nothing
  EXPECT_EQ(OutletDischarge(calc, hl + d), 0.0);
}

TEST(OutletDischargeTest, SpillwayShareIsKeptAndAddsAboveTheCrestOnly) {
  TKisoData calc = testing_support::StartupCalc();
  calc.Spillway.LastFlow = 99;
  double atCrest = OutletDischarge(calc, 32.0);
  EXPECT_EQ(calc.Spillway.LastFlow, 0.0);
  EXPECT_EQ(atCrest, OutletFlowAt(calc, 32.0).total);

  double above = OutletDischarge(calc, 34.0);
  EXPECT_NEAR(calc.Spillway.LastFlow, 5.091168824543143, kFlowTolerance);  // 2^1.5 × 1.8 × 1.0
  TKisoData withoutSpillway = calc;
  withoutSpillway.Spillway.Coef = 0;
  EXPECT_NEAR(above, OutletFlowAt(withoutSpillway, 34.0).total + 5.091168824543143, kFlowTolerance);
}

TEST(OutletDischargeTest, OneStageUpperOrificeGivesNothingAtAnyLevel) {
  TKisoData calc = testing_support::StartupCalc();
  for (double h : {-5.0, 0.0, 0.5, 24.5, 40.0}) {
    EXPECT_EQ(RectangularOrificeFlow(h, 0, 0, 0, 0, 0, 0), 0.0) << h;
    TKisoData lowerOnly = calc;
    lowerOnly.Spillway.Coef = 0;
    EXPECT_EQ(OutletFlowAt(lowerOnly, h).total,
              RectangularOrificeFlow(h, 24.0, 0.9, 0.9, 0.81, 1.8, 0.6)) << h;
  }
  // A second stage adds its own rectangular flow.
  calc.OrificeStages = 2;
  calc.UpperOrifice = {26.0, 0.9, 0.9, 0.81, 1.8, 0.6};
  EXPECT_NEAR(OutletFlowAt(calc, 30.0).total,
              5.0688658376406055 + RectangularOrificeFlow(30.0, 26.0, 0.9, 0.9, 0.81, 1.8, 0.6),
              kFlowTolerance);
}
