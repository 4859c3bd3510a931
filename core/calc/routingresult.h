#pragma once
/// Plain results shared by the flood routing and the pump calculation: the outcome codes, the
/// rows of the routing table as numbers, chart points and the run's maxima.

#include <cstddef>
#include <limits>
#include <vector>

/// Outcome of the routing engine.
inline constexpr int kRoutingCompleted = 0;
/// The routing did not start: the pond table was empty (its message has been shown).
inline constexpr int kRoutingNotStarted = 1;
/// The water level rose above the top of the pond table, or a storage could not be turned into a
/// level there.
inline constexpr int kRoutingBeyondPondTable = 2;

/// A point of the discharge or water-level chart: time (min) and value (m³/s or m).
struct RoutingPoint {
  double x = 0;
  double y = 0;
};

/// The inflow, outflow and level series of a run's charts.
struct RoutingSeries {
  std::vector<RoutingPoint> inflow, outflow, level;

  /// Reserves room for `points` points of each series, so that adding them allocates nothing,
  /// and adds the first ones: no flow and the start level (m) at t = 0.
  void Begin(double startLevel, std::size_t points) {
    for (auto* series : {&inflow, &outflow, &level}) series->reserve(points);
    Add(0, 0, 0, startLevel);
  }
  /// Adds the values at time `t` (min).
  void Add(double t, double inflowValue, double outflowValue, double levelValue) {
    inflow.push_back({t, inflowValue});
    outflow.push_back({t, outflowValue});
    level.push_back({t, levelValue});
  }
};

/// One row of the routing table: the values at the end of a block.
struct RoutingRow {
  int block = 0;            // number shown in the first column
  double time = 0;          // min
  double inflow = 0;        // m³/s
  double outflow = 0;       // m³/s
  double spillwayFlow = 0;  // m³/s, the spillway's share of the outflow
  double level = 0;         // m
  double area = 0;          // m², water-surface area at the level
  double storage = 0;       // m³
};

/// The water a run took in and released, summed over its steps from each step's mean inflow and
/// mean outflow (m³).
struct RoutingVolumes {
  double inflow = 0;
  double outflow = 0;

  void Add(double meanInflow, double meanOutflow, double seconds) {
    inflow += meanInflow * seconds;
    outflow += meanOutflow * seconds;
  }
};

/// The highest level, inflow and outflow of a run and the times (min) recorded with them.
struct RoutingMaxima {
  // The level starts below any pond, so that the first step sets it even for a pond below datum.
  double MaxLevel = std::numeric_limits<double>::lowest(), MaxLevelTime = 0;
  double MaxInflow = 0, MaxInflowTime = 0;
  double MaxOutflow = 0, MaxOutflowTime = 0;

  /// Replaces each maximum that the value strictly exceeds, recording `time` with it. True when
  /// the level was the highest so far.
  bool Record(double level, double inflow, double outflow, double time) {
    if (inflow > MaxInflow) {
      MaxInflow = inflow;
      MaxInflowTime = time;
    }
    if (outflow > MaxOutflow) {
      MaxOutflow = outflow;
      MaxOutflowTime = time;
    }
    if (!(level > MaxLevel)) return false;
    MaxLevel = level;
    MaxLevelTime = time;
    return true;
  }
};
