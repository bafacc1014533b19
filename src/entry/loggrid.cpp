#include "entry/loggrid.h"

#include "core/logstore.h"
#include "core/numbers.h"
#include "entry/session.h"
#include "scoring/tally.h"

#include <QLocale>

#include <algorithm>

namespace vk {

const std::array<GridColumn, kGridColumns>& GridColumns() {
  static const std::array<GridColumn, kGridColumns> columns = {{
      {"Datum", 900, true, true},
      {"Zeit", 550, true, true},
      {"Band", 500, true, true},
      {"Mode", 520, true, true},
      {"Rufzeichen", 1750, false, false},
      {"RSTs", 580, true, true},
      {"RSTe", 580, true, true},
      {"BZ", 450, true, true},
      {"QSL", 450, true, true},
      {"Notiz", 1750, false, false},
      {"OpCall", 1300, false, false},
      {"Dupe", 650, true, true},
      {"", 0, false, false},
      {"", 0, false, false},
      {"", 0, false, false},
      {"", 0, false, false},
      {"", 0, false, false},
  }};
  return columns;
}

void LogGrid::clear() {
  if (m_observer)
    m_observer->beforeReset();
  m_rows.clear();
  if (m_observer)
    m_observer->afterReset();
}

void LogGrid::addRow(GridRow row) {
  if (m_observer)
    m_observer->beforeInsert(rowCount());
  m_rows.push_back(std::move(row));
  if (m_observer)
    m_observer->afterInsert();
}

void LogGrid::removeLastRow() {
  if (m_rows.empty())
    return;
  if (m_observer)
    m_observer->beforeRemove(rowCount() - 1);
  m_rows.pop_back();
  if (m_observer)
    m_observer->afterRemove();
}

void LogGrid::setRow(int row, GridRow data) {
  if (row < 0 || row >= rowCount())
    return;
  m_rows[size_t(row)] = std::move(data);
  if (m_observer)
    for (int c = 0; c < kGridColumns; ++c)
      m_observer->cellChanged(row, c);
}

void LogGrid::setDupe(int row, bool dupe) {
  if (row < 0 || row >= rowCount())
    return;
  m_rows[size_t(row)].dupeRed = dupe;
  m_rows[size_t(row)].cells[kDupeColumn] = dupe ? QStringLiteral("Dupe") : QString();
  if (m_observer)
    m_observer->cellChanged(row, kDupeColumn);
}

namespace {

int TimeValue(const QString& text) {
  const auto t = ParseTimeOfDay(text);
  return t ? t->msecsSinceStartOfDay() : 0;
}

} // namespace

void LogGrid::sort(int mode) {
  if (m_observer)
    m_observer->beforeReset();
  sortRows(mode);
  if (m_observer)
    m_observer->afterReset();
}

void LogGrid::sortRows(int mode) {
  m_sortMode = mode;
  auto byText = [](int column, bool ascending) {
    return [column, ascending](const GridRow& a, const GridRow& b) {
      const int c = a.cells[size_t(column)].compare(b.cells[size_t(column)], Qt::CaseInsensitive);
      return ascending ? c < 0 : c > 0;
    };
  };
  switch (mode) {
  case kTimeAsc:
  case kTimeDesc: {
    // Parse each time once; only the time of day counts, not the date.
    std::vector<std::pair<int, size_t>> keys;
    keys.reserve(m_rows.size());
    for (size_t i = 0; i < m_rows.size(); ++i)
      keys.emplace_back(TimeValue(m_rows[i].cells[1]), i);
    std::stable_sort(keys.begin(), keys.end(), [mode](const auto& a, const auto& b) {
      return mode == kTimeAsc ? a.first < b.first : a.first > b.first;
    });
    std::vector<GridRow> sorted;
    sorted.reserve(m_rows.size());
    for (const auto& k : keys)
      sorted.push_back(std::move(m_rows[k.second]));
    m_rows = std::move(sorted);
    break;
  }
  case kCallAsc:
  case kCallDesc:
    std::stable_sort(m_rows.begin(), m_rows.end(), byText(4, mode == kCallAsc));
    break;
  case kDistrictAsc:
  case kDistrictDesc:
    std::stable_sort(m_rows.begin(), m_rows.end(), byText(7, mode == kDistrictAsc));
    break;
  default:
    break;
  }
}

int LogGrid::seqNo(int row) const {
  if (row < 0 || row >= rowCount())
    return -1;
  return int(LeadingNumber(m_rows[size_t(row)].cells[kSeqNoColumn]));
}

int RecordBySeqNo(const LogStore& store, int seq) {
  if (seq < 0)
    return -1;
  // A record's SeqNo is normally its index; search when it is not.
  if (size_t(seq) < store.Records.size() && int(store.Records[size_t(seq)].SeqNo) == seq)
    return seq;
  for (size_t i = 0; i < store.Records.size(); ++i)
    if (int(store.Records[i].SeqNo) == seq)
      return int(i);
  return -1;
}

int LogGrid::recordIndex(const LogStore& store, int row) const { return RecordBySeqNo(store, seqNo(row)); }

std::vector<int> LogGrid::displayOrder(const LogStore& store) const {
  std::vector<int> order;
  order.reserve(m_rows.size());
  for (int row = 0; row < rowCount(); ++row) {
    const int i = recordIndex(store, row);
    if (i >= 0 && store.Records[size_t(i)].Status != kStatusDeleted)
      order.push_back(i);
  }
  return order;
}

GridRow RowFromRecord(const QsoRecord& r) {
  GridRow row;
  const QLocale locale = QLocale::system();
  const auto date = ParseDate(r.QsoDate);
  const auto time = ParseTimeOfDay(r.QsoTime);
  row.cells[0] = date ? locale.toString(*date, QLocale::ShortFormat) : r.QsoDate;
  row.cells[1] = time ? locale.toString(*time, QLocale::ShortFormat) : r.QsoTime;
  row.cells[2] = QString::number(r.Band) + QLatin1Char('m');
  row.cells[3] = r.Mode;
  row.cells[4] = r.Call;
  row.cells[5] = r.RstSent;
  row.cells[6] = r.RstRcvd;
  row.cells[7] = r.District;
  row.cells[8] = QString::number(r.Qsl);
  row.cells[9] = r.Note;
  row.cells[10] = r.OpCall;
  row.cells[12] = r.Mode2;
  row.cells[13] = r.Reserved13;
  row.cells[14] = FormatSingle(r.FreqKhz);
  row.cells[15] = FormatSingle(r.Reserved15);
  row.cells[16] = FormatSingle(r.SeqNo);
  return row;
}

bool DatenInGrid1Neu(Session& s, LogGrid& grid) {
  std::vector<bool> dupeRows;
  const bool complete = Recount(s.store, s.tally, s.districts, *s.prompter, &dupeRows);
  // After a cancelled error box only the records counted so far get a row.
  for (size_t i = 0; i < dupeRows.size(); ++i) {
    const QsoRecord& r = s.store.Records[i];
    if (r.Status == kStatusDeleted)
      continue;
    GridRow row = RowFromRecord(r);
    row.dupeRed = dupeRows[i];
    if (row.dupeRed)
      row.cells[kDupeColumn] = QStringLiteral("Dupe");
    grid.addRow(std::move(row));
  }
  return complete;
}

} // namespace vk
