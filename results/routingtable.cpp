#include "results/routingtable.h"

#include "core/text/formatclock.h"
#include "core/text/formatnumber.h"

namespace {

// The table's patterns, analysed at compile time: a run writes a row per routing block.
constexpr NumberPattern kBlockPattern("0");
constexpr NumberPattern kMinutesPattern("#,0");
constexpr NumberPattern kFlowPattern("#,0.000000");
constexpr NumberPattern kPondPattern("#,0.000");  // level, area and storage

}  // namespace

void WriteRoutingRow(StringGrid& table, int index, const RoutingRow& row,
                     const std::string& spillwayText) {
  table.SetCell(0, index, FormatNumber(kBlockPattern, row.block));
  table.SetCell(1, index, FormatNumber(kMinutesPattern, row.time));
  table.SetCell(2, index, FormatClock(row.time));
  table.SetCell(3, index, FormatNumber(kFlowPattern, row.inflow));
  table.SetCell(4, index, FormatNumber(kFlowPattern, row.outflow));
  table.SetCell(5, index, spillwayText);
  table.SetCell(6, index, FormatNumber(kPondPattern, row.level));
  table.SetCell(7, index, FormatNumber(kPondPattern, row.area));
  table.SetCell(8, index, FormatNumber(kPondPattern, row.storage));
}

std::string SpillwayFlowText(double flow) { return FormatNumber(kFlowPattern, flow); }
