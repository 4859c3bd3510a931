#include "core/calc/readpondtable.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "core/text/formatnumber.h"
#include "core/text/numberreading.h"

namespace {

constexpr int kFirstDataRow = 2;

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::optional<double> CellNumber(const StringGrid& grid, int col, int row) {
  return ReadNamed(TrimBlanks(grid.Cell(col, row)));
}

// The unbroken run of numeric elevations from the first data row, at most the record's capacity.
int CountRows(const StringGrid& grid) {
  int count = 0;
  while (count < kPondRowCapacity && CellNumber(grid, 0, kFirstDataRow + count)) ++count;
  return count;
}

int Refuse(std::string_view message, UserInteraction& ui) {
  ui.ShowMessage(message);
  return 1;
}

constexpr char kNoArea[] = "標高に対応する面積データが有りません。";

}  // namespace

int ReadPondTable(TRenzoku& calc, DesignForm& form, UserInteraction& ui) {
  auto& pond = calc.Pond;
  const StringGrid& grid = form.PondGrid;
  pond.InitialStorage = ReadLenient(form.InitialStorage);

  pond.RowCount = CountRows(grid);
  if (pond.RowCount == 0) return Refuse("標高データが有りません。", ui);

  double previousLevel = ReadStrict(grid.Cell(0, kFirstDataRow));
  std::optional<double> firstArea = CellNumber(grid, 1, kFirstDataRow);
  if (!firstArea) return Refuse(kNoArea, ui);
  double previousArea = *firstArea;
  double previousStorage = pond.InitialStorage;
  bool typed = pond.StorageSource == 1;
  bool frustum = pond.StorageFormula == 1;

  for (int i = 0; i < pond.RowCount; ++i) {
    int row = kFirstDataRow + i;
    std::optional<double> area = CellNumber(grid, 1, row);
    if (!area) return Refuse(kNoArea, ui);
    double level = ReadStrict(grid.Cell(0, row));
    // The lookups search the table upwards; a falling elevation or storage would make them
    // return wrong storages without any sign.
    if (i > 0 && level < previousLevel) {
      return Refuse("標高データが不正です。\r\r訂正して下さい。", ui);
    }
    // A negative area would make the storage fall as the level rises.
    if (*area < 0) return Refuse("面積データが不正です。\r\r訂正して下さい。", ui);
    double depth = level - previousLevel;
    double storage = 0;
    if (typed) {
      std::optional<double> typedStorage = CellNumber(grid, 2, row);
      if (!typedStorage) return Refuse("標高に対応する容量データが有りません。", ui);
      storage = *typedStorage;
      if (i > 0 && storage < previousStorage) {
        return Refuse("貯水量データが不正です。\r\r訂正して下さい。", ui);
      }
    } else if (frustum) {
      storage =
          previousStorage + depth * (*area + previousArea + std::sqrt(*area * previousArea)) / 3;
    } else {
      storage = (*area + previousArea) * depth / 2 + previousStorage;
    }
    auto at = static_cast<std::size_t>(i);
    pond.H[at] = level;
    pond.F[at] = *area;
    pond.V[at] = storage;
    previousLevel = level;
    previousArea = *area;
    previousStorage = storage;
  }

  pond.MinLevel = pond.H[0];
  pond.MaxLevel = pond.H[static_cast<std::size_t>(pond.RowCount - 1)];
  if (calc.Routing.StartLevel < pond.MinLevel) {
    calc.Routing.StartLevel = pond.MinLevel;
    form.StartLevel = FormatNumber("0.00", pond.MinLevel);
  }
  return 0;
}
