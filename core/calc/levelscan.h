#pragma once
/// The fallback of a routing step whose iteration does not settle: trial levels J_k = start +
/// 0.0004 + … + 0.0004 (accumulated, k = 1, 2, …) are scanned upwards, each giving the level
/// K(J_k) its mean outflow produces, until the residual |J_k − K(J_k)| grows (the first one is
/// compared with 9999). The scan ends on the first level after the smallest residual.
///
/// `produced(J)` evaluates one trial level and returns K(J); every scan below evaluates the level
/// it returns last, so what the caller keeps of that evaluation belongs to the result.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "core/calc/poweroftwo.h"

/// The level step of the scan (m).
inline constexpr double kLevelScanStep = 0.0004;

/// `level` with the scan step added `steps` times one addition after the other, bit for bit, in
/// far fewer operations: while the levels stay within one binary order of magnitude, every
/// addition rounds the step to the same multiple of that order's last place, so a run of them
/// adds that multiple times their count exactly. Near an order's boundary, and near zero, the
/// steps are added one by one.
inline double AdvanceLevel(double level, long long steps) {
  while (steps > 0) {
    if (!std::isfinite(level)) return level + kLevelScanStep;
    double magnitude = std::fabs(level);
    double next = level + kLevelScanStep;
    --steps;
    // Below 1/1024 the subtraction below might not be exact; there the steps go one by one.
    if (magnitude < 0x1p-10 || steps == 0) {
      level = next;
      continue;
    }
    double increment = next - level;  // exact: both lie within a factor of two
    // magnitude in [2^(exponent−1), 2^exponent); a normal number here, so its exponent field.
    const auto exponentField = (std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7ff;
    const int exponent = static_cast<int>(exponentField) - 1022;
    // Levels that stay inside [2^(exponent−1), 2^exponent) in magnitude, with one step to spare.
    double room = level > 0 ? PowerOfTwo(exponent) - next
                            : std::fabs(next) - PowerOfTwo(exponent - 1);
    double fitting = std::floor(room / increment) - 1;
    long long run = fitting > 0 ? static_cast<long long>(std::min(fitting, static_cast<double>(steps))) : 0;
    level = next + static_cast<double>(run) * increment;
    steps -= run;
  }
  return level;
}

/// Goes on scanning from trial level `level`, whose residual was `last`.
template <typename ProducedLevel>
double ContinueLevelScan(double level, double last, ProducedLevel&& produced) {
  while (true) {
    level += kLevelScanStep;
    double residual = std::fabs(level - produced(level));
    if (!(residual <= last)) return level;
    last = residual;
  }
}

/// Evaluates every trial level from the start on.
template <typename ProducedLevel>
double ScanLevelsOneByOne(double start, ProducedLevel&& produced) {
  return ContinueLevelScan(start, 9999, produced);
}

/// The same scan when g(J) = J − K(J) grows strictly with each step (K never rises by a whole
/// step while J rises by one). The residuals then fall until g turns positive and the scan ends
/// there or one step later, so only the step where g turns positive needs finding: from a first
/// guess at `expectedLevel`, where g is expected to turn positive, by doubling strides upwards or
/// downwards, then halving them. Any guess finds the same step, a good one with fewer trial
/// levels; a guess at or below the first step (the default) starts the strides there. The trial
/// levels are accumulated exactly as the scan accumulates them. Falls back to the step-by-step
/// scan on a residual that is not a number.
template <typename ProducedLevel>
double ScanLevelsMonotone(double start, ProducedLevel&& produced,
                          double expectedLevel = -HUGE_VAL) {
  constexpr long long kStrideLimit = 1LL << 40;
  double first = start + kLevelScanStep;
  double firstGap = first - produced(first);
  if (std::isnan(firstGap)) return ScanLevelsOneByOne(start, produced);
  if (!(std::fabs(firstGap) <= 9999)) return first;  // the scan ends on its first step
  if (firstGap > 0) return ScanLevelsOneByOne(start, produced);

  // g ≤ 0 at step `low`, g > 0 at step `high` once one is found (steps counted from the start).
  long long low = 1;
  double lowLevel = first;
  double lowGap = firstGap;
  long long high = 0;
  // Called through a pointer: inlined at every probe, it would crowd the routing step's loop.
  auto advance = AdvanceLevel;
  // Evaluates step `step` above `low` and moves `low` or `high` there; false on a gap that is
  // not a number.
  auto probe = [&](long long step) {
    double level = advance(lowLevel, step - low);
    double gap = level - produced(level);
    if (std::isnan(gap)) return false;
    if (gap > 0) {
      high = step;
    } else {
      low = step;
      lowLevel = level;
      lowGap = gap;
    }
    return true;
  };
  const double guess = (expectedLevel - first) / kLevelScanStep;  // steps above the first
  if (guess >= 1 && guess < kStrideLimit && !probe(low + static_cast<long long>(guess))) {
    return ScanLevelsOneByOne(start, produced);
  }
  if (high == 0) {
    for (long long stride = 1; high == 0; stride *= 2) {
      if (stride > kStrideLimit) return ScanLevelsOneByOne(start, produced);
      if (!probe(low + stride)) return ScanLevelsOneByOne(start, produced);
    }
  } else {
    // Downwards from the guess until a step with g ≤ 0; the first step is one.
    for (long long stride = 1; low == 1 && high - stride > 1; stride *= 2) {
      if (!probe(high - stride)) return ScanLevelsOneByOne(start, produced);
    }
  }
  while (high - low > 1) {
    if (!probe(low + (high - low) / 2)) return ScanLevelsOneByOne(start, produced);
  }
  // The scan reached step `low` without stopping; from there it ends at `high` or one step later.
  return ContinueLevelScan(lowLevel, std::fabs(lowGap), produced);
}
