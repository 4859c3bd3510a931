#include "results/stagetable.h"

#include <algorithm>

#include "core/text/formatnumber.h"

void FillStageTable(const TRenzoku& calc, PondReaderState reader, ResultSheet& sheet) {
  if (reader == PondReaderState::NotRun) return;
  StringGrid& table = sheet.StageTable;
  // The reader empties the rows before it starts, so a refused table leaves no old rows.
  for (int row = 2; row < table.RowCount(); ++row) table.SetRowFromCommaText(row, ",,");
  if (reader != PondReaderState::Completed) return;

  const auto& pond = calc.Pond;
  int rows = std::min(pond.RowCount, kPondRowCapacity);
  table.SetRowCount(rows + 2);
  for (int i = 0; i < rows; ++i) {
    auto at = static_cast<std::size_t>(i);
    table.SetCell(0, i + 2, FormatNumber("#,0.000", pond.H[at]));
    table.SetCell(1, i + 2, FormatNumber("#,0.000", pond.F[at]));
    table.SetCell(2, i + 2, FormatNumber("#,0.000", pond.V[at]));
  }
}
