#pragma once
/// Pump drainage of a pond: each step is an explicit mass balance in which the pump removes its
/// full capacity, whatever the level, and the storage is held at or above the storage of the
/// start level. Water-level tracking runs one pump capacity; the pump study runs a range of them
/// and finds each one's peak ponding level.

#include <vector>

#include "core/calc/routingresult.h"
#include "core/calc/trenzoku.h"
#include "core/interaction/userinteraction.h"

/// End of one pump step.
struct PumpStepResult {
  double I1 = 0;  // inflow at the end of the step (m³/s)
  double Im = 0;  // mean inflow over the step (m³/s)
  double V1 = 0;  // storage at the end (m³)
  double H1 = 0;  // level at the end (m); below −99990 when the storage could not be turned
                  // into a level
};

/// Step `k` of `Time.Pitch` minutes, from k·Δt to (k+1)·Δt (times computed, not accumulated),
/// from storage `V` (m³) with pump capacity `Qp` (m³/s); the storage never falls below
/// `floorStorage` (m³).
PumpStepResult PumpStep(const TRenzoku& calc, long long k, double V, double Qp,
                        double floorStorage, UserInteraction& ui);

/// Water-level tracking with `Pump.Capacity`; chart points (the inherited series) start at
/// t = 0, one per step at its end.
struct PumpTracking : RoutingSeries {
  /// Rows of the routing table as the run sizes it: Trunc(`Time.CalcDuration` / Tc) + 2.
  int tableRowCount = 2;
  /// One row per block of M steps, the first for table row 2; `outflow` is the capacity and
  /// `storage` the step's storage.
  std::vector<RoutingRow> rows;
  /// Maxima; their times are the ends of the steps that reached them.
  RoutingMaxima maxima;
  double maxLevelStorage = 0;  // m³, at MaxLevel
  int peakRow = -1;            // index into `rows` of the highest level, −1 without rows
  /// What the steps took in and pumped out; the pump counts its full capacity in every step.
  RoutingVolumes volumes;
  double endStorage = 0;  // m³, the storage after the last step
};

/// The outcome of one pump size of the study.
struct PumpSize {
  double capacity = 0;   // m³/s
  double endTime = 0;    // end of the last step (min)
  double inflow = 0;     // inflow at the end of the last step (m³/s)
  double peakLevel = 0;  // highest level of the run (m)
  double peakArea = 0;   // water-surface area at the peak level (m²)
  double storage = 0;    // storage at the end of the last step (m³)
};

/// The pump study: sizes `Pump.MinCapacity` + k·0.2 (m³/s) for k = 0, 1, … up to and including
/// `Pump.MaxCapacity` (within 1e-9), each computed from k rather than accumulated.
struct PumpStudy {
  int sizeCount = 0;            // every size tried
  std::vector<PumpSize> sizes;  // the sizes whose run stayed inside the pond table
};

struct PumpCalculation {
  int kind = 0;  // `CalcKind`: 1 water-level tracking, 2 pump study
  /// kRoutingCompleted; kRoutingBeyondPondTable when the tracked level left the table;
  /// kRoutingNotStarted for an empty pond table (after "処理を中断します。").
  int outcome = kRoutingCompleted;
  PumpTracking tracking;  // kind 1
  PumpStudy study;        // kind 2
};

/// Steps of one pump run: those whose end (k+1)·`pitch` is at most `calcDuration` (within 1e-9
/// min); 0 without a positive pitch.
double PumpStepCount(double calcDuration, double pitch);

/// Sizes of a pump study from `minCapacity` to `maxCapacity` (m³/s), as the study tries them.
double PumpStudySizeCount(double minCapacity, double maxCapacity);

/// Runs the pump calculation of `CalcKind` 1 or 2 (any other kind computes nothing). Steps run
/// for as long as their end (k+1)·Δt is at most `Time.CalcDuration` (within 1e-9 min). The study
/// never overflows: a size whose level leaves the table is skipped.
PumpCalculation RunPumpCalculation(const TRenzoku& calc, UserInteraction& ui);
