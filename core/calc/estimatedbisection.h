#pragma once
/// The storage-to-level bisection run on a root estimate alone: each midpoint's side is taken
/// from the estimate instead of a storage, so the halvings wait on nothing but one another. The
/// caller then checks that every midpoint lay where the true root's side is certain; only then
/// are the halvings those of computing the storages.

#include <cstdint>

/// The end of a bisection of [lo, hi] that halves until two successive midpoints agree within the
/// tolerance and gives their mean. Levels in m.
struct EstimatedBisection {
  double level = 0;        // (last midpoint + the midpoint before) / 2
  double highestLow = 0;   // the highest midpoint taken as the new lo, or lo when none was
  double lowestHigh = 0;   // the lowest midpoint taken as the new hi, or hi when none was
  bool loMoved = false;
};

/// The bisection in doubles: midpoints fl((lo + hi) / 2), those above `estimate` becoming hi.
EstimatedBisection BisectInDoubles(double lo, double hi, double estimate, double tolerance);

/// The same bisection, bit for bit, on the integers that every level between a positive `lo`
/// and lo's next power of two is a multiple of. Integer additions and shifts do not wait on
/// floating-point latency, which is what the halvings otherwise spend their time on.
class BisectionGrid {
 public:
  BisectionGrid() = default;
  /// The grid of the binade of `lo` (m), for the bisections that start at lo; `tolerance` (m)
  /// is the agreement that ends them.
  BisectionGrid(double lo, double tolerance);

  /// Whether a bisection of [lo, hi] stays on the grid.
  bool Holds(double hi) const { return m_holds && hi >= m_lo && hi <= m_end; }

  /// BisectInDoubles(lo, hi, estimate, tolerance); `hi` must be held and `estimate` a number.
  EstimatedBisection Bisect(double hi, double estimate) const;

 private:
  bool m_holds = false;
  double m_lo = 0;
  double m_end = 0;        // lo's next power of two (m)
  double m_toUnits = 0;    // units per metre
  double m_fromUnits = 0;  // metres per unit
  std::int64_t m_loUnits = 0;
  std::int64_t m_settledUnits = 0;  // the tolerance in units, rounded down
};
