#include "core/calc/hyetograph.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/text/conversionerror.h"

namespace {

// The intensities are a handful of powers and divisions of typed decimals.
constexpr double kTolerance = 1e-9;

TRenzoku Formula(double duration, double blockLength, std::uint32_t waveform = 2) {
  TRenzoku calc;
  calc.Rain.FormulaKind = 1;
  calc.Rain.TimeUnit = 1;
  calc.Rain.CoefA = 2590;
  calc.Rain.Exponent = 0.75;
  calc.Rain.CoefB = 12.9;
  calc.Rain.Waveform = waveform;
  calc.Time.RainDuration = duration;
  calc.Time.Concentration = blockLength;
  calc.Runoff = {0.84, 247.9, 1.0, 0.0};
  return calc;
}

// The block numbers in time order, found by matching each placed intensity to the block series.
std::vector<int> BlockOrder(const TRenzoku& calc) {
  std::vector<int> order;
  const auto& hyetograph = calc.Rain.Hyetograph;
  for (std::size_t k = 1; k < hyetograph.I.size(); ++k) {
    for (std::size_t n = 1; n < calc.Rain.Curve.I.size(); ++n) {
      if (calc.Rain.Curve.I[n] == hyetograph.I[k]) order.push_back(static_cast<int>(n));
    }
  }
  return order;
}

StringGrid ObservedGrid(std::initializer_list<const char*> intensities) {
  StringGrid grid(3, 2 + static_cast<int>(intensities.size()));
  int row = 2;
  for (const char* value : intensities) grid.SetCell(2, row++, value);
  return grid;
}

}  // namespace

TEST(HyetographTest, DurationIsRoundedUpToWholeBlocks) {
  struct Case {
    double duration, blockLength;
    int points;
    double length;
  };
  for (const Case& c : {Case{1440, 20, 73, 1440}, Case{100, 30, 5, 120}, Case{10, 20, 2, 20}}) {
    TRenzoku calc = Formula(c.duration, c.blockLength);
    BuildDesignHyetograph(calc);
    EXPECT_EQ(calc.Rain.PointCount, c.points);
    EXPECT_EQ(calc.Rain.Hyetograph.t.size(), static_cast<std::size_t>(c.points));
    EXPECT_EQ(calc.Time.HyetographLength, c.length);
    EXPECT_EQ(calc.Rain.Hyetograph.t.back(), c.length);
  }
}

TEST(HyetographTest, WaveformsPlaceTheBlocksInTheirOrder) {
  struct Case {
    int blocks;
    std::vector<int> centralFirst, centralSecond, rear;
  };
  const Case cases[] = {
      {1, {1}, {1}, {1}},
      {4, {3, 1, 2, 4}, {4, 2, 1, 3}, {4, 3, 2, 1}},
      {5, {5, 3, 1, 2, 4}, {4, 2, 1, 3, 5}, {5, 4, 3, 2, 1}},
      {6, {5, 3, 1, 2, 4, 6}, {6, 4, 2, 1, 3, 5}, {6, 5, 4, 3, 2, 1}},
  };
  for (const Case& c : cases) {
    const std::vector<int>* expected[] = {&c.centralFirst, &c.centralSecond, &c.rear};
    for (std::uint32_t waveform = 0; waveform < 3; ++waveform) {
      TRenzoku calc = Formula(c.blocks * 20.0, 20, waveform);
      HyetographPeaks peaks = BuildDesignHyetograph(calc);
      EXPECT_EQ(BlockOrder(calc), *expected[waveform])
          << c.blocks << " blocks, waveform " << waveform;
      for (int k = 0; k <= c.blocks; ++k)
        EXPECT_EQ(calc.Rain.Hyetograph.t[static_cast<std::size_t>(k)], 20.0 * k);
      // The markers stand at the block carrying I1, the largest block.
      auto first = std::find(expected[waveform]->begin(), expected[waveform]->end(), 1);
      EXPECT_EQ(peaks.PeakTime, 20.0 * (first - expected[waveform]->begin() + 1));
      EXPECT_EQ(peaks.PeakIntensity, calc.Rain.Curve.I[1]);
    }
  }
}

TEST(HyetographTest, FormulaIntensitiesAndTheirRunoffTravelWithTheirBlocks) {
  TRenzoku calc = Formula(1440, 20, 0);
  calc.Runoff.ExtraInflow = 0.5;
  HyetographPeaks peaks = BuildDesignHyetograph(calc);
  const auto& curve = calc.Rain.Curve;
  EXPECT_NEAR(curve.r[1], 115.845229590497, kTolerance);
  EXPECT_EQ(curve.I[1], curve.r[1]);
  EXPECT_NEAR(curve.r[2], 89.913651, 1e-6);
  EXPECT_NEAR(curve.I[2], 63.982072892917, kTolerance);
  EXPECT_EQ(curve.nr[2], 2 * curve.r[2]);
  EXPECT_EQ(curve.t[72], 1440.0);
  EXPECT_EQ(peaks.PeakTime, 720.0);  // 中央集中型(1) with 72 blocks
  EXPECT_NEAR(peaks.PeakInflow, 0.84 * curve.I[1] * 247.9 / 360 + 0.5, kTolerance);

  const auto& hyetograph = calc.Rain.Hyetograph;
  EXPECT_EQ(hyetograph.Q[0], 0.0);  // time 0 carries no runoff, not even Qfix
  EXPECT_EQ(hyetograph.I[36], curve.I[1]);
  EXPECT_NEAR(hyetograph.Q[36], peaks.PeakInflow, kTolerance);

  // With hours as the unit, t = n·Δt/60 enters the formula; the tables still count minutes.
  TRenzoku hours = Formula(60, 20);
  hours.Rain.TimeUnit = 0;
  BuildDesignHyetograph(hours);
  EXPECT_NEAR(hours.Rain.Curve.r[1], 2590 / (std::pow(20.0 / 60, 0.75) + 12.9), kTolerance);
  EXPECT_NEAR(hours.Rain.Curve.t[3], 60.0, kTolerance);

  TRenzoku constant = Formula(100, 20);
  constant.Rain.FormulaKind = 0;
  constant.Rain.ConstIntensity = 50;
  BuildDesignHyetograph(constant);
  for (std::size_t n = 1; n < 6; ++n) {
    EXPECT_EQ(constant.Rain.Curve.I[n], 50.0);
    EXPECT_EQ(constant.Rain.Curve.nr[n], 50.0 * static_cast<double>(n));
    EXPECT_EQ(constant.Rain.Hyetograph.I[n], 50.0);
  }
}

TEST(HyetographTest, ObservedBlocksKeepTheGridOrderAndTheTypedDuration) {
  TRenzoku calc = Formula(90, 20);
  calc.Rain.FormulaKind = 3;
  calc.Rain.TimeUnit = 0;  // ignored: observed blocks are Δt minutes apart
  HyetographPeaks peaks = BuildObservedHyetograph(calc, ObservedGrid({"10", " 30", "45.5"}));
  EXPECT_EQ(calc.Rain.PointCount, 4);
  EXPECT_EQ(calc.Rain.Hyetograph.t, (std::vector<double>{0, 20, 40, 60}));
  EXPECT_EQ(calc.Rain.Hyetograph.I, (std::vector<double>{0, 10, 30, 45.5}));
  EXPECT_EQ(calc.Rain.Curve.nr[3], 136.5);
  EXPECT_EQ(calc.Time.HyetographLength, 90.0);
  EXPECT_EQ(peaks.PeakIntensity, 45.5);
  EXPECT_EQ(peaks.PeakTime, 60.0);

  // Equal largest intensities: the markers stand at the first of them.
  EXPECT_EQ(BuildObservedHyetograph(calc, ObservedGrid({"5", "40", "40"})).PeakTime, 40.0);

  for (auto [cell, message] : {std::pair{" ", "'' is not a valid floating point value"},
                               std::pair{"", "'' is not a valid floating point value"},
                               std::pair{"1,5", "'1,5' is not a valid floating point value"}}) {
    try {
      BuildObservedHyetograph(calc, ObservedGrid({"10", cell}));
      ADD_FAILURE() << "no conversion error for '" << cell << "'";
    } catch (const ConversionError& error) {
      EXPECT_STREQ(error.what(), message);
    }
  }
}
