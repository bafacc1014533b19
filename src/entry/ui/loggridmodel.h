#pragma once

#include "entry/loggrid.h"

#include <QAbstractTableModel>

namespace vk {

// Shows a LogGrid in a QTableView: captions, alignments and the red "Dupe"
// cell. It only adapts; it holds no rule and never writes the file.
class LogGridModel final : public QAbstractTableModel, private LogGrid::Observer {
  Q_OBJECT
public:
  explicit LogGridModel(LogGrid& grid, QObject* parent = nullptr);
  ~LogGridModel() override;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
  void beforeInsert(int row) override;
  void afterInsert() override;
  void beforeRemove(int row) override;
  void afterRemove() override;
  void beforeReset() override;
  void afterReset() override;
  void cellChanged(int row, int column) override;

  LogGrid& m_grid;
};

} // namespace vk
