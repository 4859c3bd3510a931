#pragma once
/// Plain results shared by the flood routing and the pump calculation: the outcome codes, the
/// rows of the routing table as numbers, chart points and the run's maxima.

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

/// The highest level, inflow and outflow of a run and the times (min) recorded with them.
struct RoutingMaxima {
  double MaxLevel = 0, MaxLevelTime = 0;
  double MaxInflow = 0, MaxInflowTime = 0;
  double MaxOutflow = 0, MaxOutflowTime = 0;
};
