#include "core/calc/routeflood.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

#include "core/calc/inflowat.h"
#include "core/calc/lastevaluation.h"
#include "core/calc/levelscan.h"
#include "core/calc/outletdischarge.h"
#include "core/calc/pondlookup.h"

namespace {

constexpr char kEmptyPondMessage[] = "処理を中断します。";

// The iteration stops when the trial level and the level it produces agree within this (m).
constexpr double kSettledLevel = 0.0004;
// Iterations allowed when the pond table has no height range to halve.
constexpr int kDefaultIterationCap = 15;
// Blocks 0 and 1 are routed in five short steps, the rise of the hydrograph being steepest there.
constexpr int kEarlyBlockSteps = 5;
// Bounds that keep the block and step counts representable whatever the record holds.
constexpr double kCountLimit = 1e9;

// The number of halvings that shrink the pond's height range to the settling tolerance.
int IterationCap(const TKisoData& calc) {
  double range = calc.Pond.MaxLevel - calc.Pond.MinLevel;
  if (!(range > 0)) return kDefaultIterationCap;
  return static_cast<int>(std::ceil(std::log(kSettledLevel / range) / std::log(0.5)));
}

// State and results of one step from t to t + h.
struct Step {
  double firstEstimate = 0;  // Ĥ (m)
  double level = 0;          // H₁ (m)
  double inflow = 0;         // I₁ (m³/s)
  double outflow = 0;        // O₁ (m³/s)
  double spillwayFlow = 0;   // spillway share of the last outlet evaluation (m³/s)
  double meanInflow = 0;     // Iₘ (m³/s)
  double meanOutflow = 0;    // Oₘ (m³/s), after the hold at the starting storage
  bool lookupFailed = false; // a storage could not be turned into a level
};

class Router {
 public:
  Router(TRenzoku& calc, UserInteraction& ui)
      : m_calc(calc), m_ui(ui), m_cap(IterationCap(calc)), m_bisectScan(LevelScanMayBisect(calc)),
        m_startLevel(calc.Routing.StartLevel),
        m_floorStorage(LevelToStorage(calc, calc.Routing.StartLevel, ui)) {}

  Step Advance(double level, double t, double tEnd, double h) {
    Step step;
    const double previousLevel = std::exchange(m_previousLevel, level);
    const double previousStep = std::exchange(m_previousStep, h);
    double startOutflow = OutflowAt(level).total;
    double startStorage = m_storageAt(level, [&](double x) { return LevelToStorage(m_calc, x, m_ui); });
    auto inflowAt = [&](double x) { return InflowAt(m_calc, x); };
    // The start's inflow first: it is the end inflow of the step before, still kept.
    double startInflow = m_inflowAt(t, inflowAt);
    step.inflow = m_inflowAt(tEnd, inflowAt);
    double meanInflow = (step.inflow + startInflow) / 2;
    double seconds = h * 60;

    auto storageAfter = [&](double meanOutflow) {
      return std::max(m_floorStorage, startStorage + (meanInflow - meanOutflow) * seconds);
    };
    auto levelOf = [&](double storage) {
      // A failed lookup has shown its message: it is never kept, so a repeat shows it again.
      double found = m_levelOf(
          storage, [&](double x) { return m_storageToLevel(x, m_ui); },
          [](double result) { return !IsLookupFailure(result); });
      if (IsLookupFailure(found)) step.lookupFailed = true;
      return found;
    };

    step.firstEstimate = levelOf(storageAfter(startOutflow));
    OutletFlow endFlow;
    double meanOutflow = 0;
    double endStorage = 0;
    // The level that trial level J produces through its mean outflow over the step.
    auto produce = [&](double J) {
      endFlow = OutflowAt(J);
      meanOutflow = (endFlow.total + startOutflow) / 2;
      endStorage = storageAfter(meanOutflow);
      return levelOf(endStorage);
    };
    double trial = step.firstEstimate;
    double produced = step.firstEstimate;
    // Try a level, see which level it produces, and try their mean next.
    for (int i = 1;; ++i) {
      trial = (produced + trial) / 2;
      produced = produce(trial);
      if (i > m_cap) {
        // Not settled: scan upwards from the start level for the smallest residual; the scan
        // ends on the first level after it, which becomes the step's level. Its first guess is
        // where the level is heading if it keeps its pace.
        const double heading = level + (level - previousLevel) * (h / previousStep);
        trial = m_bisectScan ? ScanLevelsMonotone(m_startLevel, produce, heading)
                             : ScanLevelsOneByOne(m_startLevel, produce);
        produced = trial;
        break;
      }
      if (std::fabs(produced - trial) < kSettledLevel) break;
    }
    step.level = (produced + trial) / 2;
    step.outflow = endFlow.total;
    step.spillwayFlow = endFlow.spillway;
    if (endStorage <= m_floorStorage) {
      // The pond is held at its starting storage: the step cannot release more than flows in.
      meanOutflow = std::min(meanInflow, meanOutflow);
      step.outflow = std::max(0.0, 2 * meanOutflow - startOutflow);
    }
    step.meanInflow = meanInflow;
    step.meanOutflow = meanOutflow;
    return step;
  }

 private:
  OutletFlow OutflowAt(double level) {
    return m_outflowAt(level, [&](double x) { return m_outlets.At(x); });
  }

  TRenzoku& m_calc;
  UserInteraction& m_ui;
  LastEvaluation<OutletFlow> m_outflowAt;
  LastEvaluation<double> m_storageAt;
  LastEvaluation<double> m_inflowAt;
  LastEvaluation<double> m_levelOf;
  StorageToLevelLookup m_storageToLevel{m_calc};
  OutletRating m_outlets{m_calc};
  int m_cap;
  bool m_bisectScan;
  double m_startLevel;
  double m_floorStorage;
  double m_previousLevel = m_startLevel;  // the level at the start of the step before
  double m_previousStep = 1;              // that step's length (min)
};

// Whether a rectangular orifice's discharge never falls with the level: its free-flow end does not
// exceed its submerged start, and the submerged formula takes over without a drop. Drops of
// rounding size do not count.
bool RectangularFlowRises(double d, double b, double area, double c1, double c2) {
  if (c1 * b < 0 || c2 * area < 0) return false;
  if (!(d > 0)) return true;
  double freeEnd = std::pow(1.2 * d, 1.5) * (c1 * b);
  double transitionEnd = std::sqrt(25.48 * d) * (c2 * d * b);
  double submergedStart = std::sqrt(19.6 * (1.8 * d - d / 2)) * (c2 * area);
  auto atLeast = [](double a, double b2) { return a >= b2 - 1e-9 * std::fabs(b2); };
  return atLeast(transitionEnd, freeEnd) && atLeast(submergedStart, transitionEnd);
}

bool OutflowRisesWithLevel(const TKisoData& calc) {
  const auto& lower = calc.LowerOrifice;
  const auto& upper = calc.UpperOrifice;
  if (calc.Spillway.Coef * calc.Spillway.Width < 0) return false;
  if (!RectangularFlowRises(upper.Height, upper.Width, upper.Area, upper.C1, upper.C2)) return false;
  if (lower.Shape == 0) {
    return RectangularFlowRises(lower.Height, lower.Width, lower.Area, lower.C1, lower.C2);
  }
  if (lower.Shape != 1) return true;
  if (lower.CircleC * lower.Area < 0) return false;
  double partlyFull = std::sqrt(9.8) * std::sqrt(lower.Width);
  double full = std::sqrt(19.6 * (lower.Width - lower.Height / 2));
  return full >= partlyFull * (1 - 1e-9);
}

// Steps over blocks 0 … blockCount.
double StepCount(int blockCount, int stepsPerBlock) {
  double early = (std::min(blockCount, 1) + 1) * kEarlyBlockSteps;
  double late = static_cast<double>(std::max(blockCount - 1, 0)) * stepsPerBlock;
  return early + late;
}

}  // namespace

int RoutingBlockCount(double calcDuration, double concentration) {
  double blocks = std::trunc(calcDuration / concentration);
  if (!(blocks >= 0)) return 0;
  blocks = std::min(blocks, kCountLimit);
  if (std::fabs(calcDuration - blocks * concentration) < 0.0001) blocks -= 1;
  return std::max(static_cast<int>(blocks), 0);
}

int StepsPerBlock(double concentration, double pitch) {
  double steps = std::nearbyint(concentration / pitch);
  if (!(steps >= 1)) return 1;
  return static_cast<int>(std::min(steps, kCountLimit));
}

double RoutingStepCount(double calcDuration, double concentration, double pitch) {
  return StepCount(RoutingBlockCount(calcDuration, concentration), StepsPerBlock(concentration, pitch));
}

bool LevelScanMayBisect(const TKisoData& calc) {
  if (!OutflowRisesWithLevel(calc)) return false;
  const auto& P = calc.Pond;
  int n = std::min(P.RowCount, kPondRowCapacity);
  auto at = [](int i) { return static_cast<std::size_t>(i); };
  if (n <= 0 || !(P.F[0] >= 0)) return false;
  for (int i = 0; i + 1 < n; ++i) {
    double lowerArea = P.F[at(i)], upperArea = P.F[at(i + 1)];
    double depth = P.H[at(i + 1)] - P.H[at(i)];
    if (!(upperArea >= lowerArea) || !(depth >= 0) || !(P.V[at(i + 1)] >= P.V[at(i)])) return false;
    if (depth == 0) continue;  // the storage lookup gives the segment's level itself
    double fromAreas = P.StorageFormula == 1
                           ? P.V[at(i)] + (upperArea + lowerArea + std::sqrt(upperArea * lowerArea)) * depth / 3
                           : P.V[at(i)] + (upperArea + lowerArea) * depth / 2;
    double excess = P.V[at(i + 1)] - fromAreas;  // typed storage the areas do not reach
    if (excess <= 0) continue;
    bool top = i + 2 == n;
    if (top && excess > 1e-9 * std::max(1.0, std::fabs(P.V[at(i + 1)]))) return false;
    if (!top && excess > 0.0001 * (lowerArea + upperArea) / 2) return false;
  }
  return true;
}

FloodRouting RouteFlood(TRenzoku& calc, UserInteraction& ui, ProgressBar& progress) {
  FloodRouting result;
  if (calc.Pond.RowCount <= 0) {
    ui.ShowMessage(kEmptyPondMessage);
    result.outcome = kRoutingNotStarted;
    return result;
  }

  Router router(calc, ui);
  const double tc = calc.Time.Concentration;
  const double pitch = calc.Time.Pitch;
  const double top = TopRowLevel(calc);
  const int blockCount = RoutingBlockCount(calc.Time.CalcDuration, tc);
  const int stepsPerBlock = StepsPerBlock(tc, pitch);
  result.blockCount = blockCount;

  // Everything the loop appends is reserved here, so that the loop itself allocates nothing.
  result.rows.reserve(static_cast<std::size_t>(blockCount) + 1);
  result.Begin(calc.Routing.StartLevel,
               1 + static_cast<std::size_t>(StepCount(blockCount, stepsPerBlock)));

  double level = calc.Routing.StartLevel;
  result.endLevel = level;
  RoutingMaxima& max = result.maxima;
  double blockPeakLevel = std::numeric_limits<double>::lowest();
  bool maxAtWholePitchBlockEnd = false;

  progress.SetRange(blockCount, 1);
  for (int j = 0; j <= blockCount; ++j) {
    progress.StepIt();
    const int steps = j < 2 ? kEarlyBlockSteps : stepsPerBlock;
    const double h = tc / steps;
    for (int s = 0; s < steps; ++s) {
      const double t = j * tc + s * h;
      // The last step of a block ends where the next block starts, so blocks tile the time axis.
      const double tEnd = s == steps - 1 ? (j + 1) * tc : j * tc + (s + 1) * h;
      Step step = router.Advance(level, t, tEnd, h);
      calc.Spillway.LastFlow = step.spillwayFlow;
      // A failed lookup has shown the area message that announces the stop.
      if (step.lookupFailed) {
        result.outcome = kRoutingBeyondPondTable;
        return result;
      }
      if (step.level > top) {
        progress.SetPosition(0);
        result.outcome = kRoutingBeyondPondTable;
        return result;
      }
      level = step.level;
      result.volumes.Add(step.meanInflow, step.meanOutflow, h * 60);
      result.endLevel = level;
      const bool endsBlock = s == steps - 1;
      if (max.Record(level, step.inflow, step.outflow, t)) {
        maxAtWholePitchBlockEnd = endsBlock && j >= 2 && h == pitch;
      }
      result.Add(tEnd, step.inflow, step.outflow, level);
      if (endsBlock) {
        if (level > blockPeakLevel) {
          blockPeakLevel = level;
          result.peakBlock = j;
        }
        result.rows.push_back({j + 1, tEnd, step.inflow, step.outflow, step.spillwayFlow, level,
                               LevelToArea(calc, level, ui), LevelToStorage(calc, level, ui)});
      }
    }
  }
  progress.SetPosition(0);

  result.maxLevelArea = LevelToArea(calc, max.MaxLevel, ui);
  result.maxLevelStorage = LevelToStorage(calc, max.MaxLevel, ui);
  result.peakAtBlockEnd = maxAtWholePitchBlockEnd;
  OutletDischarge(calc, max.MaxLevel);
  result.peakRow = {0, max.MaxLevelTime + pitch, max.MaxInflow, max.MaxOutflow,
                    calc.Spillway.LastFlow, max.MaxLevel, result.maxLevelArea,
                    result.maxLevelStorage};
  return result;
}
