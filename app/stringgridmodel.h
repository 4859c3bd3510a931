#pragma once
/// A read-only Qt table model over one result table of the sheet. The grid's two header rows
/// become the two-line column headers (names over units); data rows start at the grid's row 2.
/// The model reads the grid's cells when asked and keeps no copy; whoever changes the grid
/// resets the model around the change.

#include <QAbstractTableModel>

#include "core/design/stringgrid.h"

class StringGridModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  StringGridModel(const StringGrid& grid, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  const StringGrid& grid() const { return m_grid; }

  /// Brackets a change of the grid: views forget everything they asked before.
  void beginChange() { beginResetModel(); }
  void endChange() { endResetModel(); }

 private:
  const StringGrid& m_grid;
};
