#include "core/design/stringgrid.h"

#include <algorithm>

#include "core/text/commatext.h"

namespace {
const std::string kEmpty;
}

StringGrid::StringGrid(int colCount, int rowCount)
    : ColWidths(static_cast<std::size_t>(std::max(colCount, 0)), 64),
      m_colCount(std::max(colCount, 0)),
      m_rowCount(std::max(rowCount, 0)),
      m_cells(static_cast<std::size_t>(m_rowCount),
              std::vector<std::string>(static_cast<std::size_t>(m_colCount))) {}

void StringGrid::SetColCount(int colCount) {
  m_colCount = std::max(colCount, 0);
  for (auto& row : m_cells) row.resize(static_cast<std::size_t>(m_colCount));
  ColWidths.resize(static_cast<std::size_t>(m_colCount), 64);
}

void StringGrid::SetRowCount(int rowCount) {
  m_rowCount = std::max(rowCount, 0);
  m_cells.resize(static_cast<std::size_t>(m_rowCount),
                 std::vector<std::string>(static_cast<std::size_t>(m_colCount)));
}

const std::string& StringGrid::Cell(int col, int row) const {
  if (col < 0 || row < 0 || col >= m_colCount || row >= m_rowCount) return kEmpty;
  return m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void StringGrid::SetCell(int col, int row, std::string text) {
  if (col < 0 || row < 0 || col >= m_colCount || row >= m_rowCount) return;
  m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = std::move(text);
}

std::vector<std::string> StringGrid::Row(int row) const {
  if (row < 0 || row >= m_rowCount) return {};
  return m_cells[static_cast<std::size_t>(row)];
}

void StringGrid::SetRowFromCommaText(int row, std::string_view commaText) {
  if (row < 0 || row >= m_rowCount) return;
  auto& cells = m_cells[static_cast<std::size_t>(row)];
  std::fill(cells.begin(), cells.end(), std::string());
  std::vector<std::string> items = SplitCommaText(commaText);
  for (std::size_t col = 0; col < items.size() && col < cells.size(); ++col) {
    cells[col] = items[col].empty() ? std::string(" ") : std::move(items[col]);
  }
}

std::string StringGrid::RowCommaText(int row) const {
  if (row < 0 || row >= m_rowCount) return {};
  return CommaTextOfRow(m_cells[static_cast<std::size_t>(row)]);
}
