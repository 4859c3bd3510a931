#include "app/stringgridmodel.h"

#include <algorithm>

namespace {
constexpr int kHeaderRows = 2;
}

StringGridModel::StringGridModel(const StringGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid) {}

int StringGridModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return std::max(0, m_grid.RowCount() - kHeaderRows);
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_grid.ColCount();
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(m_grid.Cell(index.column(), index.row() + kHeaderRows));
    case Qt::TextAlignmentRole:
      // Every data cell is a number, a clock time or a row number: right-aligned for reading
      // down a column.
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= m_grid.ColCount()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(m_grid.Cell(section, 0)) + QLatin1Char('\n') +
             QString::fromStdString(m_grid.Cell(section, 1));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignCenter);
    default:
      return {};
  }
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
