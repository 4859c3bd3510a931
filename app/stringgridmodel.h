#pragma once
/// A Qt table model over one StringGrid: the grid's two header rows become the two lines of the
/// column headers, its data rows (from row 2) the model's rows. The grid stays the only copy of
/// the cells; an editable model writes edits straight into it.

#include <QAbstractTableModel>

#include "core/design/stringgrid.h"

class StringGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  StringGridModel(StringGrid& grid, bool editable, QObject* parent = nullptr);

  /// The grid changed behind the model's back: views follow its shape and cells.
  void reload();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  /// The grid's header rows, shown as the column headers: model row r is grid row r + 2.
  static constexpr int kHeaderRows = 2;

 private:
  StringGrid& m_grid;
  bool m_editable;
  int m_shownRows = 0;  // the shape the views were last told about
  int m_shownCols = 0;
};
