#include "core/calc/runpumpcalculation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "core/calc/inflowat.h"
#include "core/calc/lastevaluation.h"
#include "core/calc/pondlookup.h"
#include "core/calc/routeflood.h"

namespace {

constexpr double kSizeStep = 0.2;         // m³/s between the sizes of a study
constexpr double kSizeTolerance = 1e-9;   // m³/s, so that the maximum itself is included
constexpr double kTimeTolerance = 1e-9;   // min, so that a step ending on the duration runs

constexpr char kEmptyPondMessage[] = "処理を中断します。";

double SizeCapacity(double minCapacity, double size) { return minCapacity + size * kSizeStep; }

bool SizeFits(double minCapacity, double maxCapacity, double size) {
  return SizeCapacity(minCapacity, size) <= maxCapacity + kSizeTolerance;
}

bool StepFits(const TKisoData& calc, long long k) {
  return calc.Time.Pitch > 0 &&
         static_cast<double>(k + 1) * calc.Time.Pitch <= calc.Time.CalcDuration + kTimeTolerance;
}

// A level that left the table, or a storage that could not be turned into a level.
bool OutsideTable(const HVcurve& calc, double level) {
  return level > TopRowLevel(calc) || IsLookupFailure(level);
}

// One step as PumpStep computes it, with the inflows and the storage-to-level lookup given.
template <typename InflowOf, typename LevelOf>
PumpStepResult StepWith(const TRenzoku& calc, long long k, double V, double Qp, double floorStorage,
                        InflowOf&& inflowAt, LevelOf&& levelOf) {
  const double pitch = calc.Time.Pitch;
  PumpStepResult step;
  // The start's inflow first: it is the end inflow of the step before.
  const double startInflow = inflowAt(static_cast<double>(k) * pitch);
  step.I1 = inflowAt(static_cast<double>(k + 1) * pitch);
  step.Im = (step.I1 + startInflow) / 2;
  step.V1 = std::max(floorStorage, V + (step.Im - Qp) * pitch * 60);
  step.H1 = levelOf(step.V1);
  return step;
}

// The steps of one pump run, with the last inflow and level kept: a pump that keeps up with the
// inflow holds the pond at its starting storage step after step.
class PumpSteps {
 public:
  PumpSteps(const TRenzoku& calc, UserInteraction& ui) : m_calc(calc), m_ui(ui) {}

  PumpStepResult Step(long long k, double V, double Qp, double floorStorage) {
    auto inflowAt = [&](double t) {
      return m_inflowAt(t, [&](double x) { return InflowAt(m_calc, x); });
    };
    // A failed lookup has shown its message: it is never kept, so a repeat shows it again.
    auto levelOf = [&](double v) {
      return m_levelOf(
          v, [&](double x) { return m_storageToLevel(x, m_ui); },
          [](double level) { return !IsLookupFailure(level); });
    };
    return StepWith(m_calc, k, V, Qp, floorStorage, inflowAt, levelOf);
  }

 private:
  const TRenzoku& m_calc;
  UserInteraction& m_ui;
  LastEvaluation<double> m_inflowAt;
  LastEvaluation<double> m_levelOf;
  StorageToLevelLookup m_storageToLevel{m_calc};
};

int TrackingRowCount(const TKisoData& calc) {
  double blocks = std::trunc(calc.Time.CalcDuration / calc.Time.Concentration);
  if (!(blocks >= 0)) return 2;
  return static_cast<int>(std::min(blocks, 1e9)) + 2;
}

void Track(const TRenzoku& calc, UserInteraction& ui, PumpCalculation& result) {
  PumpTracking& run = result.tracking;
  const double startLevel = calc.Routing.StartLevel;
  const double floorStorage = LevelToStorage(calc, startLevel, ui);
  const double capacity = calc.Pump.Capacity;
  const int stepsPerBlock = StepsPerBlock(calc.Time.Concentration, calc.Time.Pitch);
  run.tableRowCount = TrackingRowCount(calc);
  double steps = PumpStepCount(calc.Time.CalcDuration, calc.Time.Pitch);
  run.Begin(startLevel, static_cast<std::size_t>(std::clamp(steps, 0.0, 1e8)) + 1);

  RoutingMaxima& max = run.maxima;
  double peakRowLevel = std::numeric_limits<double>::lowest();
  double storage = floorStorage;
  run.endStorage = storage;
  PumpSteps stepper(calc, ui);
  for (long long k = 0; StepFits(calc, k); ++k) {
    PumpStepResult step = stepper.Step(k, storage, capacity, floorStorage);
    double t = static_cast<double>(k + 1) * calc.Time.Pitch;
    storage = step.V1;
    if (OutsideTable(calc, step.H1)) {
      result.outcome = kRoutingBeyondPondTable;
      return;
    }
    run.volumes.Add(step.Im, capacity, calc.Time.Pitch * 60);
    run.endStorage = storage;
    max.Record(step.H1, step.I1, capacity, t);
    run.Add(t, step.I1, capacity, step.H1);
    if ((k + 1) % stepsPerBlock == 0) {
      if (step.H1 > peakRowLevel) {
        peakRowLevel = step.H1;
        run.peakRow = static_cast<int>(run.rows.size());
      }
      run.rows.push_back({static_cast<int>(run.rows.size()) + 1, t, step.I1, capacity, 0,
                          step.H1, LevelToArea(calc, step.H1, ui), step.V1});
    }
  }
  if (run.level.size() == 1) max.MaxLevel = startLevel;  // no step fitted into the duration
  run.maxLevelStorage = LevelToStorage(calc, max.MaxLevel, ui);
}

void Study(const TRenzoku& calc, UserInteraction& ui, PumpStudy& study) {
  const double startLevel = calc.Routing.StartLevel;
  const double floorStorage = LevelToStorage(calc, startLevel, ui);
  PumpSteps stepper(calc, ui);
  for (long long size = 0; SizeFits(calc.Pump.MinCapacity, calc.Pump.MaxCapacity, size); ++size) {
    double capacity = SizeCapacity(calc.Pump.MinCapacity, size);
    ++study.sizeCount;
    PumpSize result{capacity, 0, 0, startLevel, 0, floorStorage};
    double peak = std::numeric_limits<double>::lowest();
    bool overflow = false;
    for (long long k = 0; StepFits(calc, k); ++k) {
      PumpStepResult step = stepper.Step(k, result.storage, capacity, floorStorage);
      result.endTime = static_cast<double>(k + 1) * calc.Time.Pitch;
      result.storage = step.V1;
      result.inflow = step.I1;
      if (OutsideTable(calc, step.H1)) {
        overflow = true;
        break;
      }
      peak = std::max(step.H1, peak);
    }
    if (overflow) continue;
    if (peak != std::numeric_limits<double>::lowest()) result.peakLevel = peak;
    result.peakArea = LevelToArea(calc, result.peakLevel, ui);
    study.sizes.push_back(result);
  }
}

}  // namespace

PumpStepResult PumpStep(const TRenzoku& calc, long long k, double V, double Qp,
                        double floorStorage, UserInteraction& ui) {
  return StepWith(
      calc, k, V, Qp, floorStorage, [&](double t) { return InflowAt(calc, t); },
      [&](double v) { return StorageToLevel(calc, v, ui); });
}

double PumpStepCount(double calcDuration, double pitch) {
  if (!(pitch > 0)) return 0;
  return std::max(0.0, std::floor((calcDuration + kTimeTolerance) / pitch));
}

double PumpStudySizeCount(double minCapacity, double maxCapacity) {
  double estimate = std::floor((maxCapacity - minCapacity) / kSizeStep);
  if (!(estimate >= 0)) return SizeFits(minCapacity, maxCapacity, 0) ? 1 : 0;
  // Beyond 2^53 sizes the count no longer matters, only that it is huge.
  if (estimate > 1e15) return estimate;
  // The estimate may be one off either way where the step lands on the maximum.
  while (SizeFits(minCapacity, maxCapacity, estimate + 1)) estimate += 1;
  while (estimate >= 0 && !SizeFits(minCapacity, maxCapacity, estimate)) estimate -= 1;
  return estimate + 1;
}

PumpCalculation RunPumpCalculation(const TRenzoku& calc, UserInteraction& ui) {
  PumpCalculation result;
  result.kind = static_cast<int>(calc.CalcKind);
  if (result.kind != 1 && result.kind != 2) return result;
  if (calc.Pond.RowCount <= 0) {
    ui.ShowMessage(kEmptyPondMessage);
    result.outcome = kRoutingNotStarted;
    return result;
  }
  if (result.kind == 1) Track(calc, ui, result);
  if (result.kind == 2) Study(calc, ui, result.study);
  return result;
}
