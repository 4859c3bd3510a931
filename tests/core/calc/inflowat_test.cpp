#include "core/calc/inflowat.h"

#include <gtest/gtest.h>

namespace {

// Inflows are a few m³/s interpolated with one or two operations: rounding stays below 1e-12.
constexpr double kFlowTolerance = 1e-12;

TRain Hyetograph(std::vector<double> q, double length) {
  TRain calc;
  calc.Time.Concentration = 20;
  calc.Time.HyetographLength = length;
  for (std::size_t k = 0; k < q.size(); ++k) calc.Rain.Hyetograph.t.push_back(20.0 * static_cast<double>(k));
  calc.Rain.Hyetograph.Q = std::move(q);
  calc.Rain.Hyetograph.I.assign(calc.Rain.Hyetograph.Q.size(), 0);
  return calc;
}

}  // namespace

TEST(InflowAtTest, RisesFromZeroInterpolatesBetweenBlocksAndStopsAtTheEnd) {
  TRain calc = Hyetograph({0, 4, 8, 2}, 60);
  EXPECT_EQ(InflowAt(calc, 0), 0.0);
  EXPECT_NEAR(InflowAt(calc, 5), 1.0, kFlowTolerance);   // a quarter of the first block's 4
  EXPECT_NEAR(InflowAt(calc, 20), 4.0, kFlowTolerance);
  EXPECT_NEAR(InflowAt(calc, 30), 6.0, kFlowTolerance);  // halfway from 4 to 8
  EXPECT_NEAR(InflowAt(calc, 50), 5.0, kFlowTolerance);
  EXPECT_EQ(InflowAt(calc, 60), 2.0);  // the last block at the end of the hyetograph
  EXPECT_EQ(InflowAt(calc, 60.000001), 0.0);
  EXPECT_EQ(InflowAt(calc, 3000), 0.0);
}

TEST(InflowAtTest, ColumnsPastTheLastReadAsZeroWhenTheRainLastsLonger) {
  // Observed rain of three 20-minute blocks whose typed duration is 100 minutes.
  TRain calc = Hyetograph({0, 4, 8, 2}, 100);
  EXPECT_EQ(InflowAt(calc, 60), 2.0);
  EXPECT_NEAR(InflowAt(calc, 70), 1.0, kFlowTolerance);  // falling to 0 within one block
  EXPECT_EQ(InflowAt(calc, 80), 0.0);
  EXPECT_EQ(InflowAt(calc, 99), 0.0);
  EXPECT_EQ(InflowAt(calc, 100), 0.0);  // the end of the rain lies past the last column

  TRain empty = Hyetograph({}, 100);
  EXPECT_EQ(InflowAt(empty, 10), 0.0);
  EXPECT_EQ(InflowAt(empty, 50), 0.0);
}
