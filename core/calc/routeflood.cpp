#include "core/calc/routeflood.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "core/calc/inflowat.h"
#include "core/calc/outletdischarge.h"
#include "core/calc/pondlookup.h"

namespace {

constexpr char kEmptyPondMessage[] = "処理を中断します。";

// The iteration stops when the trial level and the level it produces agree within this (m).
constexpr double kSettledLevel = 0.0004;
// The fallback scan's level step (m).
constexpr double kScanStep = 0.0004;
// Iterations allowed when the pond table has no height range to halve.
constexpr int kDefaultIterationCap = 15;
// Blocks 0 and 1 are routed in five short steps, the rise of the hydrograph being steepest there.
constexpr int kEarlyBlockSteps = 5;
// Bounds that keep the block and step counts representable whatever the record holds.
constexpr double kCountLimit = 1e9;

// Callers of the lookups tell their failure value from a level by this bound.
bool LookupFailed(double level) { return level < -99990.0; }

// The number of halvings that shrink the pond's height range to the settling tolerance.
int IterationCap(const TKisoData& calc) {
  double range = calc.Pond.MaxLevel - calc.Pond.MinLevel;
  if (!(range > 0)) return kDefaultIterationCap;
  return static_cast<int>(std::ceil(std::log(kSettledLevel / range) / std::log(0.5)));
}

double TopLevel(const TKisoData& calc) {
  return calc.Pond.H[static_cast<std::size_t>(std::min(calc.Pond.RowCount, kPondRowCapacity) - 1)];
}

// State and results of one step from t to t + h.
struct Step {
  double firstEstimate = 0;  // Ĥ (m)
  double level = 0;          // H₁ (m)
  double inflow = 0;         // I₁ (m³/s)
  double outflow = 0;        // O₁ (m³/s)
  double spillwayFlow = 0;   // spillway share of the last outlet evaluation (m³/s)
  bool lookupFailed = false; // a storage could not be turned into a level
};

class Router {
 public:
  Router(TRenzoku& calc, UserInteraction& ui)
      : m_calc(calc), m_ui(ui), m_cap(IterationCap(calc)),
        m_startLevel(calc.Routing.StartLevel),
        m_floorStorage(LevelToStorage(calc, calc.Routing.StartLevel, ui)) {}

  Step Advance(double level, double t, double tEnd, double h) const {
    Step step;
    double startOutflow = OutletFlowAt(m_calc, level).total;
    double startStorage = LevelToStorage(m_calc, level, m_ui);
    step.inflow = InflowAt(m_calc, tEnd);
    double meanInflow = (step.inflow + InflowAt(m_calc, t)) / 2;
    double seconds = h * 60;

    auto storageAfter = [&](double meanOutflow) {
      return std::max(m_floorStorage, startStorage + (meanInflow - meanOutflow) * seconds);
    };
    auto levelOf = [&](double storage) {
      double found = StorageToLevel(m_calc, storage, m_ui);
      if (LookupFailed(found)) step.lookupFailed = true;
      return found;
    };

    step.firstEstimate = levelOf(storageAfter(startOutflow));
    double trial = step.firstEstimate;
    double produced = step.firstEstimate;
    OutletFlow endFlow;
    double meanOutflow = 0;
    double endStorage = 0;
    // Try a level, see which level its mean outflow produces, and try their mean next.
    for (int i = 1;; ++i) {
      trial = (produced + trial) / 2;
      endFlow = OutletFlowAt(m_calc, trial);
      meanOutflow = (endFlow.total + startOutflow) / 2;
      endStorage = storageAfter(meanOutflow);
      produced = levelOf(endStorage);
      if (i > m_cap) {
        // Not settled: scan upwards from the start level for the smallest residual and take
        // the first level after it.
        double lastResidual = 9999;
        trial = m_startLevel;
        while (true) {
          trial += kScanStep;
          endFlow = OutletFlowAt(m_calc, trial);
          meanOutflow = (endFlow.total + startOutflow) / 2;
          endStorage = storageAfter(meanOutflow);
          produced = levelOf(endStorage);
          double residual = std::fabs(trial - produced);
          if (!(residual <= lastResidual)) break;
          lastResidual = residual;
        }
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
    return step;
  }

 private:
  TRenzoku& m_calc;
  UserInteraction& m_ui;
  int m_cap;
  double m_startLevel;
  double m_floorStorage;
};

std::size_t PointCapacity(int blockCount, int stepsPerBlock) {
  std::size_t early = static_cast<std::size_t>(std::min(blockCount, 1) + 1) * kEarlyBlockSteps;
  std::size_t late = static_cast<std::size_t>(std::max(blockCount - 1, 0)) *
                     static_cast<std::size_t>(stepsPerBlock);
  return 1 + early + late;
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
  const double top = TopLevel(calc);
  const int blockCount = RoutingBlockCount(calc.Time.CalcDuration, tc);
  const int stepsPerBlock = StepsPerBlock(tc, pitch);
  result.blockCount = blockCount;

  // Everything the loop appends is reserved here, so that the loop itself allocates nothing.
  result.rows.reserve(static_cast<std::size_t>(blockCount) + 1);
  std::size_t points = PointCapacity(blockCount, stepsPerBlock);
  for (auto* series : {&result.inflow, &result.outflow, &result.level}) series->reserve(points);

  double level = calc.Routing.StartLevel;
  result.inflow.push_back({0, 0});
  result.outflow.push_back({0, 0});
  result.level.push_back({0, level});

  // Levels start below any pond, so that the first step sets them even for a pond below datum.
  RoutingMaxima& max = result.maxima;
  max.MaxLevel = std::numeric_limits<double>::lowest();
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
      const bool endsBlock = s == steps - 1;
      if (level > max.MaxLevel) {
        max.MaxLevel = level;
        max.MaxLevelTime = t;
        maxAtWholePitchBlockEnd = endsBlock && j >= 2 && h == pitch;
      }
      if (step.inflow > max.MaxInflow) {
        max.MaxInflow = step.inflow;
        max.MaxInflowTime = t;
      }
      if (step.outflow > max.MaxOutflow) {
        max.MaxOutflow = step.outflow;
        max.MaxOutflowTime = t;
      }
      result.inflow.push_back({tEnd, step.inflow});
      result.outflow.push_back({tEnd, step.outflow});
      result.level.push_back({tEnd, level});
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
