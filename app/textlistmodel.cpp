#include "app/textlistmodel.h"

TextListModel::TextListModel(const TextList& lines, QObject* parent)
    : QAbstractListModel(parent), m_lines(lines) {}

int TextListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return {};
  if (index.row() < 0 || index.row() >= rowCount()) return {};
  return QString::fromStdString(m_lines[static_cast<std::size_t>(index.row())]);
}

Qt::ItemFlags TextListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void TextListModel::reload() {
  beginResetModel();
  endResetModel();
}
