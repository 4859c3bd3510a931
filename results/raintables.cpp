#include "results/raintables.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "core/text/formatclock.h"
#include "core/text/formatnumber.h"

namespace {

// N, bounded by the series so that a record whose point count and series disagree is never
// read outside its arrays.
int PointCount(const TRenzoku& calc) {
  const auto& rain = calc.Rain;
  std::size_t shortest =
      std::min({rain.Curve.t.size(), rain.Curve.r.size(), rain.Curve.nr.size(), rain.Curve.I.size(),
                rain.Hyetograph.t.size(), rain.Hyetograph.I.size(), rain.Hyetograph.Q.size()});
  return std::max(0, std::min(rain.PointCount, static_cast<int>(shortest)));
}

void WriteRow(StringGrid& table, int row, std::initializer_list<std::string> cells) {
  int col = 0;
  for (const std::string& cell : cells) table.SetCell(col++, row, cell);
}

}  // namespace

void FillRainTables(const TRenzoku& calc, ResultSheet& sheet) {
  const int points = PointCount(calc);
  const auto& curve = calc.Rain.Curve;
  const auto& hyetograph = calc.Rain.Hyetograph;
  ResetTableRows(sheet.IntensityTable, points + 1);
  ResetTableRows(sheet.HyetographTable, points + 1);
  for (int n = 1; n < points; ++n) {
    auto at = static_cast<std::size_t>(n);
    std::string clock = FormatClock(hyetograph.t[at]);
    WriteRow(sheet.IntensityTable, n + 1,
             {std::to_string(n), FormatNumber("#,0", curve.t[at]), clock,
              FormatNumber("#0.000", curve.r[at]), FormatNumber("#0.000", curve.nr[at]),
              FormatNumber("#0.000", curve.I[at])});
    WriteRow(sheet.HyetographTable, n + 1,
             {std::to_string(n), FormatNumber("#,0", hyetograph.t[at]), clock,
              FormatNumber("#0.00000", hyetograph.I[at])});
  }
}

void FillRunoffTable(const TRenzoku& calc, ResultSheet& sheet) {
  const int points = PointCount(calc);
  const auto& hyetograph = calc.Rain.Hyetograph;
  ResetTableRows(sheet.RunoffTable, points + 2);
  for (int k = 0; k < points; ++k) {
    auto at = static_cast<std::size_t>(k);
    WriteRow(
        sheet.RunoffTable, k + 2,
        {std::to_string(k), FormatNumber("#,0", hyetograph.t[at]), FormatClock(hyetograph.t[at]),
         FormatNumber("#0.000000", hyetograph.I[at]), FormatNumber("#0.000000", hyetograph.Q[at])});
  }
}
