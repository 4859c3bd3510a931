#pragma once
/// A table of texts as the windows show it: the design-condition grids and the result tables.

#include <string>
#include <string_view>
#include <vector>

/// A grid of text cells with a column count, a row count and column widths in pixels. Rows 0
/// and 1 of every grid in this system are header rows. Reading a cell outside the grid gives
/// the empty text, so readers may look one row past the last row.
class StringGrid {
 public:
  StringGrid(int colCount, int rowCount);

  int ColCount() const { return m_colCount; }
  int RowCount() const { return m_rowCount; }
  /// Changes the column count; cells of dropped columns are gone, new cells are empty.
  void SetColCount(int colCount);
  /// Changes the row count; cells of dropped rows are gone, new cells are empty.
  void SetRowCount(int rowCount);

  /// The text of a cell, or the empty text outside the grid.
  const std::string& Cell(int col, int row) const;
  /// Sets a cell inside the grid; a cell outside it is ignored.
  void SetCell(int col, int row, std::string text);

  /// The cells of one row, in column order (empty for a row outside the grid).
  std::vector<std::string> Row(int row) const;
  /// Empties the row's cells and puts the comma-text items into them from column 0, an empty
  /// item as a single blank; items beyond the column count are dropped.
  void SetRowFromCommaText(int row, std::string_view commaText);
  /// The comma text of one row.
  std::string RowCommaText(int row) const;

  /// True for a cell that every reader treats as empty: the empty text or a single blank.
  static bool IsEmptyCell(std::string_view text) { return text.empty() || text == " "; }

  std::vector<int> ColWidths;
  int DefaultRowHeight = 24;  // pixels

  bool operator==(const StringGrid&) const = default;

 private:
  int m_colCount;
  int m_rowCount;
  std::vector<std::vector<std::string>> m_cells;  // [row][col]
};
