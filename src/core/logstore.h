#pragma once

#include "core/qsorecord.h"
#include "core/separators.h"
#include "core/stationheader.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <vector>

namespace vk {

// One entry of the call index: callsign and record index.
struct IndexEntry {
  QString call;
  qint32 index = 0;
  bool operator==(const IndexEntry&) const = default;
};

inline constexpr QChar kIndexSep = QChar(0x00B6);  // "¶"
inline constexpr QChar kIndexMark = QChar(0x00D7); // "×"

// The open log in memory: station header, records, the file's text and the
// call index. The file on disk always equals the text.
//
// The call index is one string: "¶", then for every indexed record its
// callsign, "×", its array index and "¶". An exact call is found with the key
// "¶" + call + "×"; any fragment of a call by a plain substring search.
class LogStore {
public:
  StationHeader Header;
  std::vector<QsoRecord> Records;
  QString CallIndex = QString(kIndexSep);

  // Full path of the open log file; empty when no log is open.
  QString FilePath;

  // The text of the log file in the file's own bytes (Windows-1252, CR LF).
  const QByteArray& LogBytes() const { return m_logBytes; }
  QString LogText() const;
  void SetLogBytes(QByteArray bytes) { m_logBytes = std::move(bytes); }

  // No log open: empty records and text, index "¶", header at its defaults.
  void Clear(const DateTimeSeparators& seps);
  void ResetHeader(const DateTimeSeparators& seps);

  // 1-based position of "¶" + call + "×" in the index; 0 when not logged.
  qsizetype FindCall(QStringView call) const { return FindCallFrom(call, 1); }
  // The same search starting at a 1-based position.
  qsizetype FindCallFrom(QStringView call, qsizetype start) const;
  // The entry enclosing a 1-based index position; the empty entry for 0 or an
  // unenclosed position.
  IndexEntry DecodeIndexEntry(qsizetype position) const;

  // Sequence number for a record appended now: last record's + 1, or 0.
  float NextSeqNo() const;

  // Appends a record: grows the records, adds its index entry and its file line.
  // The caller saves. Returns the new record's index.
  int Append(QsoRecord record, QStringView indexCall);
  // Undoes the last Append (used when the save of a new QSO was cancelled).
  void UndoAppend(int index, qsizetype indexSize, qsizetype textSize);

private:
  QByteArray m_logBytes;
};

// The file line of a record: the nineteen file fields, each followed by "¶", CR LF.
QString QsoLine(const QsoRecord& record);

// Shortest decimal text of a frequency field ("7000", "3500.5", "0").
QString FormatSingle(float value);

} // namespace vk
