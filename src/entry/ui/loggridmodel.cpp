#include "entry/ui/loggridmodel.h"

#include <QColor>

namespace vk {

LogGridModel::LogGridModel(LogGrid& grid, QObject* parent) : QAbstractTableModel(parent), m_grid(grid) {
  m_grid.setObserver(this);
}

LogGridModel::~LogGridModel() { m_grid.setObserver(nullptr); }

int LogGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_grid.rowCount(); }

int LogGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kGridColumns; }

QVariant LogGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_grid.rowCount())
    return {};
  const GridRow& row = m_grid.rows()[size_t(index.row())];
  const int c = index.column();
  switch (role) {
  case Qt::DisplayRole:
    return row.cells[size_t(c)];
  case Qt::TextAlignmentRole:
    return int((GridColumns()[size_t(c)].centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
  case Qt::BackgroundRole:
    if (c == kDupeColumn && row.dupeRed)
      return QColor(255, 0, 0);
    return {};
  default:
    return {};
  }
}

QVariant LogGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kGridColumns)
    return {};
  if (role == Qt::DisplayRole)
    return QString::fromUtf8(GridColumns()[size_t(section)].caption);
  if (role == Qt::TextAlignmentRole)
    return int((GridColumns()[size_t(section)].headerCentred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
  return {};
}

void LogGridModel::beforeInsert(int row) { beginInsertRows({}, row, row); }
void LogGridModel::afterInsert() { endInsertRows(); }
void LogGridModel::beforeRemove(int row) { beginRemoveRows({}, row, row); }
void LogGridModel::afterRemove() { endRemoveRows(); }
void LogGridModel::beforeReset() { beginResetModel(); }
void LogGridModel::afterReset() { endResetModel(); }
void LogGridModel::cellChanged(int row, int column) {
  const QModelIndex i = index(row, column);
  Q_EMIT dataChanged(i, i);
}

} // namespace vk
