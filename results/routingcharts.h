#pragma once
/// The discharge chart ("時間～流入量、放流量") and the water-level chart ("時間～水位") of a
/// flood routing or pump water-level tracking run.

#include <string_view>
#include <vector>

#include "core/calc/routingresult.h"
#include "results/resultsheet.h"

/// How the points of a run are labelled: not at all (flood routing), or with their time in the
/// general format and " " at t = 0 (pump water-level tracking).
enum class RoutingPointLabels { None, Time };

/// Appends the run's inflow, outflow and level points to their series, in time order.
void AddRoutingPoints(ResultSheet& sheet, const std::vector<RoutingPoint>& inflow,
                      const std::vector<RoutingPoint>& outflow,
                      const std::vector<RoutingPoint>& level, RoutingPointLabels labels);

/// Fixes the ranges of both charts: discharge 0 … 1.1·max(MaxOutflow, MaxInflow), level
/// H₀ … H₀ + 1.1·(MaxLevel − H₀), time 0 … `calcDuration` (min).
void SetRoutingChartRanges(ResultSheet& sheet, double startLevel, double calcDuration,
                           const RoutingMaxima& maxima);

/// The three peak markers at the recorded times, labelled by the patterns (e.g. "Qin=0.000m3/s",
/// "Qout=0.000m3/s", "H=0.000m").
void AddRoutingPeakMarkers(ResultSheet& sheet, const RoutingMaxima& maxima,
                           std::string_view inflowPattern, std::string_view outflowPattern,
                           std::string_view levelPattern);
