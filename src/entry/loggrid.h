#pragma once

#include "core/logstore.h"
#include "core/separators.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace vk {

class Prompter;
struct Session;

inline constexpr int kGridColumns = 17;
inline constexpr int kDupeColumn = 11;
inline constexpr int kSeqNoColumn = 16;

// One data row of the log grid: the 17 cell texts and the red "Dupe" cell.
struct GridRow {
  std::array<QString, kGridColumns> cells;
  bool dupeRed = false;
};

// Captions, widths (twips) and alignment of the grid's columns.
struct GridColumn {
  const char* caption;
  int widthTwips;
  bool centred;       // cells centred (else left)
  bool headerCentred; // header centred
};
const std::array<GridColumn, kGridColumns>& GridColumns();

// Sort modes: 0 unsorted, 1 time ascending, 2 time descending, 3 callsign
// descending, 4 callsign ascending, 5 district descending, 6 district ascending.
enum SortMode { kUnsorted = 0, kTimeAsc = 1, kTimeDesc = 2, kCallDesc = 3, kCallAsc = 4, kDistrictDesc = 5, kDistrictAsc = 6 };

// The rows of the main window's grid, without the header row. The grid's table
// model adapts this; the rules (row texts, sorting, the record behind a row)
// live here.
class LogGrid {
public:
  // Told about every change of the rows (the table model of the window).
  struct Observer {
    virtual ~Observer() = default;
    virtual void beforeInsert(int row) = 0;
    virtual void afterInsert() = 0;
    virtual void beforeRemove(int row) = 0;
    virtual void afterRemove() = 0;
    virtual void beforeReset() = 0;
    virtual void afterReset() = 0;
    virtual void cellChanged(int row, int column) = 0;
  };
  void setObserver(Observer* o) { m_observer = o; }

  const std::vector<GridRow>& rows() const { return m_rows; }
  int rowCount() const { return int(m_rows.size()); }
  int sortMode() const { return m_sortMode; }

  void clear();
  void addRow(GridRow row);
  void removeLastRow();
  // Replaces a row's cells (after an edit).
  void setRow(int row, GridRow data);
  void setDupe(int row, bool dupe);

  // Sorts the rows; modes 1 and 2 compare the time of day of column 1 only.
  void sort(int mode);

  // The SeqNo in a row's hidden column 16.
  int seqNo(int row) const;
  // Index of the record behind a row (found by its SeqNo), -1 when none.
  int recordIndex(const LogStore& store, int row) const;
  // Record indices in the order the rows are shown.
  std::vector<int> displayOrder(const LogStore& store) const;

private:
  void sortRows(int mode);
  std::vector<GridRow> m_rows;
  int m_sortMode = kUnsorted;
  Observer* m_observer = nullptr;
};

// The row of a loaded record: date and time in the system's short formats.
GridRow RowFromRecord(const QsoRecord& r);

// Appends a row for every record and recounts the tallies. Returns false when
// an error box was cancelled (the rows and tallies then hold what was done).
bool DatenInGrid1Neu(Session& session, LogGrid& grid);

// Index of the record with this SeqNo, -1 when none.
int RecordBySeqNo(const LogStore& store, int seqNo);

} // namespace vk
