#include "core/calc/estimatedbisection.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

namespace {

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

}  // namespace

// The integer bisection gives the very bits of the one in doubles: brackets from a few units in
// the last place wide to the whole binade, ending exactly on the binade's power of two or just
// below it, levels from millimetres to kilometres, estimates inside, outside and exactly on
// midpoints, tolerances from zero to wider than the bracket.
TEST(EstimatedBisectionTest, TheGridHalvesBitForBitAsDoubles) {
  std::mt19937_64 random(20261210);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  long onBinadeEnd = 0;
  for (int trial = 0; trial < 200000; ++trial) {
    const int exponent = static_cast<int>(random() % 24) - 10;
    const double binade = std::ldexp(1.0, exponent);  // lo in [binade, 2·binade)
    double lo = binade * (1 + unit(random));
    if (random() % 8 == 0) lo = binade;
    const double end = 2 * binade;
    double hi = 0;
    switch (random() % 4) {
      case 0: hi = end; break;
      case 1: hi = std::nextafter(lo, end) + std::ldexp(static_cast<double>(random() % 8), exponent - 52); break;
      default: hi = lo + (end - lo) * unit(random); break;
    }
    hi = std::min(hi, end);
    const double tolerances[] = {0.0002, 0.0, (hi - lo) * 2, std::ldexp(1.0, exponent - 40)};
    const double tolerance = tolerances[random() % 4];
    const double width = hi - lo;
    double estimate = lo - width / 4 + 1.5 * width * unit(random);

    BisectionGrid grid(lo, tolerance);
    ASSERT_TRUE(grid.Holds(hi));
    ASSERT_FALSE(grid.Holds(std::nextafter(end, 2 * end)));
    EstimatedBisection inDoubles = BisectInDoubles(lo, hi, estimate, tolerance);
    // A midpoint as the estimate: the comparison is strict on both sides.
    if (trial % 3 == 0) {
      estimate = inDoubles.loMoved ? inDoubles.highestLow : inDoubles.lowestHigh;
      inDoubles = BisectInDoubles(lo, hi, estimate, tolerance);
    }
    const EstimatedBisection onGrid = grid.Bisect(hi, estimate);
    ASSERT_EQ(Bits(onGrid.level), Bits(inDoubles.level)) << lo << " " << hi << " " << estimate;
    ASSERT_EQ(Bits(onGrid.lowestHigh), Bits(inDoubles.lowestHigh));
    ASSERT_EQ(onGrid.loMoved, inDoubles.loMoved);
    ASSERT_EQ(Bits(onGrid.highestLow), Bits(inDoubles.highestLow));
    if (hi == end) ++onBinadeEnd;
  }
  EXPECT_GT(onBinadeEnd, 40000);

  // Levels the grid cannot hold: at or below zero, and brackets past the binade.
  EXPECT_FALSE(BisectionGrid(0.0, 0.0002).Holds(0.5));
  EXPECT_FALSE(BisectionGrid(-3.0, 0.0002).Holds(-2.0));
  EXPECT_FALSE(BisectionGrid(7.5, 0.0002).Holds(8.5));
  EXPECT_TRUE(BisectionGrid(7.5, 0.0002).Holds(8.0));
}
