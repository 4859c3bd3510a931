#include "app/stringgridmodel.h"

#include <algorithm>

StringGridModel::StringGridModel(StringGrid& grid, bool editable, QObject* parent)
    : QAbstractTableModel(parent),
      m_grid(grid),
      m_editable(editable),
      m_shownRows(std::max(0, grid.RowCount() - kHeaderRows)),
      m_shownCols(grid.ColCount()) {}

void StringGridModel::reload() {
  const int rows = std::max(0, m_grid.RowCount() - kHeaderRows);
  const int cols = m_grid.ColCount();
  if (rows != m_shownRows || cols != m_shownCols) {
    beginResetModel();
    m_shownRows = rows;
    m_shownCols = cols;
    endResetModel();
    return;
  }
  if (rows > 0 && cols > 0) emit dataChanged(index(0, 0), index(rows - 1, cols - 1));
  emit headerDataChanged(Qt::Horizontal, 0, std::max(0, cols - 1));
}

int StringGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_shownRows;
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_shownCols;
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  return QString::fromStdString(m_grid.Cell(index.column(), index.row() + kHeaderRows));
}

bool StringGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!m_editable || role != Qt::EditRole || !index.isValid()) return false;
  m_grid.SetCell(index.column(), index.row() + kHeaderRows, value.toString().toStdString());
  emit dataChanged(index, index);
  return true;
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (m_editable) flags |= Qt::ItemIsEditable;
  return flags;
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + kHeaderRows - 1;
  return QString::fromStdString(m_grid.Cell(section, 0)) + QLatin1Char('\n') +
         QString::fromStdString(m_grid.Cell(section, 1));
}
