#pragma once
/// Rows of the routing table ("表" on "Ⅲ-1．計算式、表") as the flood routing and the pump's
/// water-level tracking write them.

#include <string>

#include "core/calc/routingresult.h"
#include "core/design/stringgrid.h"

/// Writes `row` into table row `index`: block number "0", time "#,0" and as a clock, inflow and
/// outflow "#,0.000000", `spillwayText` in the spillway column, level, area and storage
/// "#,0.000".
void WriteRoutingRow(StringGrid& table, int index, const RoutingRow& row,
                     const std::string& spillwayText);

/// The spillway column of the flood routing: "#,0.000000".
std::string SpillwayFlowText(double flow);
