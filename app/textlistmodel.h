#pragma once
/// A read-only Qt list model over one text list (a list box of the result sheet or the
/// derivation of the simplified estimate). It reads the lines when asked and keeps no copy;
/// whoever replaces the lines tells the model to reload.

#include <QAbstractListModel>

#include "results/resultsheet.h"

class TextListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  TextListModel(const TextList& lines, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  const TextList& lines() const { return m_lines; }

  /// The lines were replaced: views forget everything they asked before.
  void reload();

 private:
  const TextList& m_lines;
};
