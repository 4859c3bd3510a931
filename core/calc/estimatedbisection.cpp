#include "core/calc/estimatedbisection.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "core/calc/poweroftwo.h"

EstimatedBisection BisectInDoubles(double lo, double hi, double estimate, double tolerance) {
  EstimatedBisection end;
  double prev = hi;
  while (true) {
    const double mid = (lo + hi) / 2;
    const bool rootBelow = mid > estimate;
    hi = rootBelow ? mid : hi;
    lo = rootBelow ? lo : mid;
    end.loMoved = end.loMoved || !rootBelow;
    if (std::fabs(mid - prev) <= tolerance) {
      end.level = (mid + prev) / 2;
      break;
    }
    prev = mid;
  }
  end.highestLow = lo;
  end.lowestHigh = hi;
  return end;
}

// With lo in [2^(p−1), 2^p) and hi in [lo, 2^p], both are multiples of u = 2^(p−53), and so is
// every midpoint, which lies between them. A midpoint's multiple follows from L + H (lo = L·u,
// hi = H·u) alone: the exact sum lies in [2^p, 2^(p+1)], where doubles are the multiples of 2u,
// so an odd L + H is a tie that rounds to the neighbour that is a multiple of 4u, and the
// halving is exact. Two midpoints lie within a factor of two of each other, so their difference
// is exact and the tolerance test compares integers; so does the estimate's, against the
// estimate in units rounded down.
BisectionGrid::BisectionGrid(double lo, double tolerance) {
  if (!(lo >= 0x1p-900 && lo < 0x1p900 && tolerance >= 0)) return;
  const int p = static_cast<int>(std::bit_cast<std::uint64_t>(lo) >> 52) - 1022;
  m_holds = true;
  m_lo = lo;
  m_end = PowerOfTwo(p);
  m_toUnits = PowerOfTwo(53 - p);
  m_fromUnits = PowerOfTwo(p - 53);
  m_loUnits = static_cast<std::int64_t>(lo * m_toUnits);
  // Midpoints and their gaps stay below 2^54 units, so clamping there keeps every comparison.
  m_settledUnits = static_cast<std::int64_t>(std::min(tolerance * m_toUnits, 0x1p54));
}

EstimatedBisection BisectionGrid::Bisect(double hi, double estimate) const {
  std::int64_t lo = m_loUnits;
  std::int64_t high = static_cast<std::int64_t>(hi * m_toUnits);
  // Truncation is the floor of the non-negative scaled estimate: mid > estimate ⇔ M > rootUnits.
  const auto rootUnits = static_cast<std::int64_t>(std::clamp(estimate * m_toUnits, 0.0, 0x1p54));
  std::int64_t prev = high;
  bool loMoved = false;
  std::int64_t mid = 0;
  while (true) {
    const std::int64_t sum = lo + high;
    const std::int64_t half = sum >> 1;
    mid = half + (half & sum & 1);  // an odd sum's tie goes to the even neighbour
    const bool rootBelow = mid > rootUnits;
    high = rootBelow ? mid : high;
    lo = rootBelow ? lo : mid;
    loMoved = loMoved || !rootBelow;
    const std::int64_t gap = mid > prev ? mid - prev : prev - mid;
    if (gap <= m_settledUnits) break;
    prev = mid;
  }
  EstimatedBisection end;
  end.level = (static_cast<double>(mid) * m_fromUnits + static_cast<double>(prev) * m_fromUnits) / 2;
  end.highestLow = static_cast<double>(lo) * m_fromUnits;
  end.lowestHigh = static_cast<double>(high) * m_fromUnits;
  end.loMoved = loMoved;
  return end;
}
