#pragma once
/// Flood routing of a natural-drainage pond: the runoff hydrograph is routed through the pond
/// by the continuity equation in central differences, V(t+Δt) = V(t) + {I(t+Δt/2) − O(t+Δt/2)}·Δt,
/// each step solving for its end level by a damped fixed-point iteration with a fallback scan.

#include <vector>

#include "core/calc/routingresult.h"
#include "core/calc/trenzoku.h"
#include "core/interaction/progressbar.h"
#include "core/interaction/userinteraction.h"

/// Everything one routing run produces, as numbers.
/// Chart points (the inherited series) start at t = 0, one per step at its end.
struct FloodRouting : RoutingSeries {
  /// kRoutingCompleted, kRoutingNotStarted (empty pond table) or kRoutingBeyondPondTable.
  int outcome = kRoutingCompleted;
  int blockCount = 0;  // N: blocks 0 … N are routed, one table row each
  /// One row per completed block, in block order (the row of block j is table row j + 2).
  std::vector<RoutingRow> rows;
  /// Maxima; their times are the starts of the steps that reached them.
  RoutingMaxima maxima;
  double maxLevelArea = 0;     // m², at MaxLevel
  double maxLevelStorage = 0;  // m³, at MaxLevel: the required storage
  /// The peak row: when the highest level was reached at the end of a block of whole pitches,
  /// that block's row is marked; otherwise `peakRow` is inserted at its time.
  bool peakAtBlockEnd = false;
  int peakBlock = 0;     // the block whose row is marked
  RoutingRow peakRow;    // time MaxLevelTime + Time.Pitch, the run's maxima, values at MaxLevel
  /// What the completed steps took in and released.
  RoutingVolumes volumes;
  double endLevel = 0;  // m, the level after the last completed step
};

/// Routes `Rain.Hyetograph` through the pond from `Routing.StartLevel` over
/// `Time.CalcDuration` minutes. Blocks 0 and 1 take five steps of Tc/5, later blocks M steps of
/// Tc/M with M = Tc/`Time.Pitch` rounded half to even. Sets `Spillway.LastFlow` as the outlet
/// evaluations go. The progress bar gets the range 0 … N, one step per block, and 0 at the end
/// and on an overflow. Area-lookup messages go to `ui`; an empty pond table shows
/// "処理を中断します。". Stops with kRoutingBeyondPondTable as soon as a level leaves the table.
FloodRouting RouteFlood(TRenzoku& calc, UserInteraction& ui, ProgressBar& progress);

/// Blocks of a run: Trunc(duration / Tc), one fewer when the duration is a whole multiple of Tc
/// (within 0.0001 min), and never fewer than block 0.
int RoutingBlockCount(double calcDuration, double concentration);

/// Steps per block of whole pitches: Tc / pitch rounded half to even, at least 1.
int StepsPerBlock(double concentration, double pitch);

/// Steps that RouteFlood takes over its blocks 0 … N: five each in blocks 0 and 1, StepsPerBlock
/// in every later block.
double RoutingStepCount(double calcDuration, double concentration, double pitch);

/// Whether the level a trial level produces never rises by as much as a scan step while the
/// trial level rises by one: the outflow never falls with the level (no orifice whose transition
/// drops), the areas never fall, and typed storages lie no more than 0.0001 m of level above the
/// storages their areas give (and not at all in the top segment). The fallback scan of such a
/// record may then look for its end by bisection; it reaches the same level as the step-by-step
/// scan.
bool LevelScanMayBisect(const TKisoData& calc);
