#include "core/logstore.h"

#include "core/codepage.h"
#include "core/numbers.h"

#include <QVarLengthArray>

#include <charconv>

namespace vk {

QString LogStore::LogText() const { return FromCp1252(m_logBytes); }

void LogStore::ResetHeader(const DateTimeSeparators& seps) {
  Header = StationHeader{};
  Header.ExamDate = seps.EmptyExamDate();
}

void LogStore::Clear(const DateTimeSeparators& seps) {
  ResetHeader(seps);
  Records.clear();
  CallIndex = QString(kIndexSep);
  m_logBytes.clear();
  FilePath.clear();
}

qsizetype LogStore::FindCallFrom(QStringView call, qsizetype start) const {
  if (start < 1)
    start = 1;
  // Build "¶" + call + "×" without a heap allocation for ordinary calls.
  QVarLengthArray<QChar, 32> key;
  key.append(kIndexSep);
  key.append(call.data(), call.size());
  key.append(kIndexMark);
  const qsizetype pos = QStringView(CallIndex).indexOf(QStringView(key.data(), key.size()), start - 1);
  return pos < 0 ? 0 : pos + 1;
}

IndexEntry LogStore::DecodeIndexEntry(qsizetype position) const {
  if (position < 1 || position > CallIndex.size())
    return {};
  const QStringView idx(CallIndex);
  const qsizetype open = idx.lastIndexOf(kIndexSep, position - 1);
  if (open < 0)
    return {};
  const qsizetype close = idx.indexOf(kIndexSep, open + 1);
  if (close < 0)
    return {};
  const QStringView inner = idx.mid(open + 1, close - open - 1);
  const qsizetype mark = inner.indexOf(kIndexMark);
  if (mark < 0)
    return {inner.toString(), 0};
  bool ok = false;
  const qint32 n = inner.mid(mark + 1).toInt(&ok);
  return {inner.left(mark).toString(), ok ? n : 0};
}

float LogStore::NextSeqNo() const { return Records.empty() ? 0.0f : Records.back().SeqNo + 1.0f; }

int LogStore::Append(QsoRecord record, QStringView indexCall) {
  const int n = int(Records.size());
  const QString line = QsoLine(record);
  Records.push_back(std::move(record));
  CallIndex += indexCall;
  CallIndex += kIndexMark;
  CallIndex += QString::number(n);
  CallIndex += kIndexSep;
  m_logBytes += ToCp1252(line);
  return n;
}

void LogStore::UndoAppend(int index, qsizetype indexSize, qsizetype textSize) {
  if (index >= 0 && index < int(Records.size()))
    Records.erase(Records.begin() + index, Records.end());
  CallIndex.truncate(indexSize);
  m_logBytes.truncate(textSize);
}

QString FormatSingle(float value) {
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  return QString::fromLatin1(buf, res.ptr - buf);
}

QString QsoLine(const QsoRecord& r) {
  const QChar s = kIndexSep;
  QString line;
  line.reserve(96);
  line += r.Call + s + QString::number(r.Band) + s + r.District + s + r.QsoDate + s + r.QsoTime + s + r.RstSent +
          s + r.RstRcvd + s + QString::number(r.Qsl) + s + r.Mode + s + r.Mode2 + s + QString::number(r.Status) +
          s + r.OpCall + s + r.Note + s + r.Reserved13 + s + FormatSingle(r.FreqKhz) + s +
          FormatSingle(r.Reserved15) + s + r.Extra16 + s + r.Extra17 + s + r.Extra18 + s;
  line += QStringLiteral("\r\n");
  return line;
}

} // namespace vk
