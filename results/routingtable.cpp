#include "results/routingtable.h"

#include "core/text/formatclock.h"
#include "core/text/formatnumber.h"

void WriteRoutingRow(StringGrid& table, int index, const RoutingRow& row,
                     const std::string& spillwayText) {
  table.SetCell(0, index, FormatNumber("0", row.block));
  table.SetCell(1, index, FormatNumber("#,0", row.time));
  table.SetCell(2, index, FormatClock(row.time));
  table.SetCell(3, index, FormatNumber("#,0.000000", row.inflow));
  table.SetCell(4, index, FormatNumber("#,0.000000", row.outflow));
  table.SetCell(5, index, spillwayText);
  table.SetCell(6, index, FormatNumber("#,0.000", row.level));
  table.SetCell(7, index, FormatNumber("#,0.000", row.area));
  table.SetCell(8, index, FormatNumber("#,0.000", row.storage));
}

std::string SpillwayFlowText(double flow) { return FormatNumber("#,0.000000", flow); }
