#include "results/raintables.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "core/text/formatclock.h"
#include "core/text/formatnumber.h"

namespace {

// The tables' patterns, analysed at compile time: a run writes a row per time point.
constexpr NumberPattern kMinutesPattern("#,0");
constexpr NumberPattern kIntensityPattern("#0.000");
constexpr NumberPattern kHyetographPattern("#0.00000");
constexpr NumberPattern kRunoffPattern("#0.000000");

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
             {std::to_string(n), FormatNumber(kMinutesPattern, curve.t[at]), clock,
              FormatNumber(kIntensityPattern, curve.r[at]),
              FormatNumber(kIntensityPattern, curve.nr[at]),
              FormatNumber(kIntensityPattern, curve.I[at])});
    WriteRow(sheet.HyetographTable, n + 1,
             {std::to_string(n), FormatNumber(kMinutesPattern, hyetograph.t[at]), clock,
              FormatNumber(kHyetographPattern, hyetograph.I[at])});
  }
}

void FillRunoffTable(const TRenzoku& calc, ResultSheet& sheet) {
  const int points = PointCount(calc);
  const auto& hyetograph = calc.Rain.Hyetograph;
  ResetTableRows(sheet.RunoffTable, points + 2);
  for (int k = 0; k < points; ++k) {
    auto at = static_cast<std::size_t>(k);
    WriteRow(sheet.RunoffTable, k + 2,
             {std::to_string(k), FormatNumber(kMinutesPattern, hyetograph.t[at]),
              FormatClock(hyetograph.t[at]), FormatNumber(kRunoffPattern, hyetograph.I[at]),
              FormatNumber(kRunoffPattern, hyetograph.Q[at])});
  }
}
