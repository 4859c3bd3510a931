#pragma once
/// The search for the most critical design storm: the record's pond is routed under every
/// rainfall waveform and every rain duration from one time of concentration up to the typed
/// duration, in steps of it, and the combinations that give the highest level and the highest
/// outflow are picked out. The routings run in parallel, each on its own copy of the record.

#include <functional>
#include <stop_token>
#include <vector>

#include "core/calc/trenzoku.h"

/// Levels closer than this (m) are not told apart: the routing settles each step's level only
/// to this tolerance.
inline constexpr double kStormLevelTie = 0.0004;

/// One routed combination.
struct StormCase {
  int waveform = 0;     // `Rain.Waveform`: 0 中央集中型(1), 1 中央集中型(2), 2 後方集中型
  double duration = 0;  // rain duration (min)
  /// kRoutingCompleted, or kRoutingBeyondPondTable when the level left the pond table (the
  /// maxima are then those reached before).
  int outcome = 0;
  double maxLevel = 0;    // m
  double storage = 0;     // m³, at the highest level: the required storage
  double maxInflow = 0;   // m³/s
  double maxOutflow = 0;  // m³/s
};

struct StormSearch {
  /// Every combination, waveform by waveform, each by rising duration.
  std::vector<StormCase> cases;
  /// Indices into `cases`, −1 when nothing completed. A level that left the pond table is worse
  /// than any level inside it; among equals the earlier case wins.
  int highestLevel = -1;
  int highestOutflow = -1;
  /// Every completed case whose level is within kStormLevelTie of the highest, or every case
  /// that left the pond table when one did; `highestLevel` is among them.
  std::vector<int> nearHighestLevel;
  bool stopped = false;  // the stop token asked the search to end early; `cases` is partial
};

/// The durations searched: k·Tc for every k with k·Tc below the typed duration, then the typed
/// duration itself (min).
std::vector<double> StormDurations(double concentration, double typedDuration);

/// Whether the record can be searched: formula rain (`Rain.FormulaKind` 1 or 2) and a kind that
/// routes one hydrograph (`CalcKind` 0 natural drainage or 1 water-level tracking).
bool StormSearchApplies(const TRenzoku& calc);

/// Searches on the record as reading and validation left it. `progress`, when given, is called on
/// the calling thread with the number of finished and of all combinations, at least every 100 ms
/// and once at the end. `threads` 0 uses every core. Messages of the individual routings (the
/// area lookup above the table) are not shown: their outcome says it.
StormSearch SearchCriticalStorm(const TRenzoku& calc,
                                const std::function<void(int done, int total)>& progress = {},
                                std::stop_token stop = {}, unsigned threads = 0);
