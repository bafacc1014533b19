#include "core/logfile.h"

#include "core/codepage.h"
#include "core/errorbox.h"
#include "core/numbers.h"
#include "core/vkerror.h"
#include "version.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace vk {

namespace {

// Part of a byte view, clamped to its bounds.
QByteArrayView Mid(QByteArrayView v, qsizetype pos, qsizetype n = -1) {
  if (pos < 0)
    pos = 0;
  if (pos >= v.size())
    return {};
  if (n < 0 || pos + n > v.size())
    n = v.size() - pos;
  return v.sliced(pos, n);
}


constexpr char kSep = char(0xB6); // "¶" in Windows-1252
const QByteArray kEndHead = QByteArrayLiteral("[ENDHEAD:]\r\n");

enum class Kind { Text, District, Int };

struct TagField {
  const char* tag;
  Kind kind;
  QString StationHeader::*text = nullptr;
  std::int16_t StationHeader::*number = nullptr;
};

const std::array<TagField, 17>& Fields() {
  static const std::array<TagField, 17> fields = {{
      {"[MYCALL:", Kind::Text, &StationHeader::MyCall},
      {"[MYLOCATOR:", Kind::Text, &StationHeader::MyLocator},
      {"[MYBZ:", Kind::District, &StationHeader::MyBz},
      {"[MYOMYL:", Kind::Int, nullptr, &StationHeader::OmYl},
      {"[MYOPCALL:", Kind::Text, &StationHeader::OpCall},
      {"[MYOPNAME:", Kind::Text, &StationHeader::OpName},
      {"[MYADRESS:", Kind::Text, &StationHeader::Address},
      {"[MYPLZ:", Kind::Text, &StationHeader::Plz},
      {"[MYCITY:", Kind::Text, &StationHeader::City},
      {"[MYEMAIL:", Kind::Text, &StationHeader::Email},
      {"[MYWERTUNGSST:", Kind::Int, nullptr, &StationHeader::EntryClass},
      {"[MYPWR:", Kind::Int, nullptr, &StationHeader::PowerClass},
      {"[MYSTATION:", Kind::Text, &StationHeader::Station},
      {"[MYKOMMENT:", Kind::Text, &StationHeader::Comment},
      {"[MYEXAMDAT:", Kind::Text, &StationHeader::ExamDate},
      {"[MYOPKLASS:", Kind::Int, nullptr, &StationHeader::OpClass},
      {"[MYNPOWER:", Kind::Int, nullptr, &StationHeader::EmergencyPower},
  }};
  return fields;
}

// The order in which the reader looks the tags up.
constexpr std::array<int, 17> kReadOrder = {0, 1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14, 15, 7, 8, 16};
constexpr int kNPower = 16;

QString TagLine(const char* tag, const QString& value) {
  return QLatin1String(tag) + QString::number(value.size()) + QLatin1Char(']') + value + QStringLiteral("\r\n");
}

// Where a tag's length text and value stand in the file.
struct TagSpot {
  qsizetype lengthStart = -1; // first character after the tag
  qsizetype close = -1;       // position of "]", -1 when missing
};

bool AllDigits(QByteArrayView v) {
  if (v.isEmpty())
    return false;
  for (char c : v)
    if (c < '0' || c > '9')
      return false;
  return true;
}

// Reads the header as the writer lays it out: line 1, then tag lines one after
// the other, each "[TAG:" length "]" value CR LF, up to "[ENDHEAD:]" CR LF.
// Values are taken by their length, so a description or comment that contains
// a tag's text cannot shadow the real tag. Returns nullopt when the file does
// not have that shape; the reader then searches each tag in the whole text, as
// it also does for a tag the header lacks.
struct SequentialHeader {
  std::array<TagSpot, 17> spots;
  qsizetype endHead = -1;
};

std::optional<SequentialHeader> ReadSequentialHeader(const QByteArray& bytes) {
  SequentialHeader h;
  qsizetype p = bytes.indexOf("\r\n");
  if (p < 0)
    return std::nullopt;
  p += 2;
  const auto& fields = Fields();
  for (;;) {
    if (Mid(bytes, p).startsWith(kEndHead)) {
      h.endHead = p;
      return h;
    }
    int which = -1;
    for (int i = 0; i < 17; ++i)
      if (Mid(bytes, p).startsWith(QByteArrayView(fields[i].tag))) {
        which = i;
        break;
      }
    if (which < 0 || h.spots[which].lengthStart >= 0)
      return std::nullopt;
    const qsizetype lengthStart = p + qsizetype(qstrlen(fields[which].tag));
    const qsizetype close = bytes.indexOf(']', lengthStart);
    if (close < 0)
      return std::nullopt;
    const QByteArrayView lengthText = Mid(bytes, lengthStart, close - lengthStart);
    if (!AllDigits(lengthText) || lengthText.size() > 9)
      return std::nullopt;
    const qsizetype length = lengthText.toLongLong();
    const qsizetype end = close + 1 + length;
    if (end + 2 > bytes.size() || bytes[end] != '\r' || bytes[end + 1] != '\n')
      return std::nullopt;
    h.spots[which] = {lengthStart, close};
    p = end + 2;
  }
}

// Converts a header value to a 16-bit integer like the program's integer
// conversion: the text must be a number.
std::int16_t HeaderInt(const QString& value) {
  if (!IsNumeric(value))
    throw VkError(TypeMismatchText());
  return ToInt16(LeadingNumber(QStringView(value).trimmed()));
}

// Keeps repeated short field texts (dates, modes, reports, operators) as one
// shared string, which keeps large logs small in memory.
class StringPool {
public:
  QString get(QByteArrayView bytes) {
    if (bytes.isEmpty())
      return {};
    if (bytes.size() > 16)
      return FromCp1252(bytes);
    const std::string_view key(bytes.data(), size_t(bytes.size()));
    auto it = m_map.find(key);
    if (it != m_map.end())
      return it->second;
    QString s = FromCp1252(bytes);
    if (m_map.size() < 4096)
      m_map.emplace(key, s);
    return s;
  }

private:
  std::unordered_map<std::string_view, QString> m_map;
};

bool IsBlank(char c) { return c == ' '; }

} // namespace

QString CreatorLine(int year) {
  return QStringLiteral("%1 v%2.%3.%4 Logdatei, %5 %6 by QZ9VLK")
      .arg(QLatin1String(kProductName))
      .arg(kVersionMajor)
      .arg(kVersionMinor)
      .arg(kVersionRevision)
      .arg(QChar(0xA9))
      .arg(year);
}

QString BuildLogText(LogStore& store, bool rebuildIndex, int year) {
  if (rebuildIndex)
    store.CallIndex = QString(kIndexSep);
  const StationHeader& h = store.Header;
  QString text = CreatorLine(year) + QStringLiteral("\r\n");
  for (const TagField& f : Fields()) {
    QString value;
    switch (f.kind) {
    case Kind::Text:
      value = h.*(f.text);
      break;
    case Kind::District:
      value = FitDistrict(h.*(f.text));
      break;
    case Kind::Int:
      value = QString::number(h.*(f.number));
      break;
    }
    text += TagLine(f.tag, value);
  }
  text += QStringLiteral("[ENDHEAD:]\r\n");
  for (size_t i = 0; i < store.Records.size(); ++i) {
    const QsoRecord& r = store.Records[i];
    if (r.Status == kStatusDeleted)
      continue;
    if (rebuildIndex) {
      store.CallIndex += r.Call;
      store.CallIndex += kIndexMark;
      store.CallIndex += QString::number(i);
      store.CallIndex += kIndexSep;
    }
    text += QsoLine(r);
  }
  store.SetLogBytes(ToCp1252(text));
  return text;
}

QString RefusedLogText(const QString& path) {
  return QStringLiteral("Die Datei\r\n") + path + QStringLiteral("\r\nist fehlerhaft oder keine gültige VelkaKDRW Logdatei!");
}

ReadResult ParseLogBytes(LogStore& store, QByteArray bytes, Prompter& prompter, const DateTimeSeparators& seps) {
  store.ResetHeader(seps);
  store.CallIndex = QString(kIndexSep);
  store.Records.clear();

  auto fail = [&](ReadResult r) {
    store.ResetHeader(seps);
    store.Records.clear();
    store.CallIndex = QString(kIndexSep);
    return r;
  };

  const auto& fields = Fields();
  const std::optional<SequentialHeader> seq = ReadSequentialHeader(bytes);

  for (int fi : kReadOrder) {
    const TagField& f = fields[fi];
    TagSpot spot;
    if (seq && seq->spots[fi].lengthStart >= 0) {
      spot = seq->spots[fi];
    } else {
      const qsizetype at = bytes.indexOf(f.tag);
      if (at < 0)
        continue;
      spot.lengthStart = at + qsizetype(qstrlen(f.tag));
      spot.close = bytes.indexOf(']', spot.lengthStart);
    }
    const QString lengthText =
        spot.close < 0 ? QString() : FromCp1252(Mid(bytes, spot.lengthStart, spot.close - spot.lengthStart));
    if (spot.close < 0 || !IsNumeric(lengthText)) {
      if (fi == kNPower) {
        store.Header.EmergencyPower = 0;
        continue;
      }
      return fail(ReadResult::Refused);
    }
    const double length = RoundHalfEven(LeadingNumber(lengthText));
    if (length < 1)
      continue;
    const qsizetype take = length > double(bytes.size()) ? bytes.size() : qsizetype(length);
    const QString value = FromCp1252(Mid(bytes, spot.close + 1, take));
    switch (f.kind) {
    case Kind::Text:
      store.Header.*(f.text) = value;
      break;
    case Kind::District:
      store.Header.*(f.text) = FitDistrict(value);
      break;
    case Kind::Int:
      if (fi == kNPower) {
        store.Header.EmergencyPower = IsNumeric(value) ? ToInt16(LeadingNumber(QStringView(value).trimmed())) : 0;
        break;
      }
      if (!RunStep(prompter, [&] { store.Header.*(f.number) = HeaderInt(value); }))
        return fail(ReadResult::Cancelled);
      break;
    }
  }

  if (store.Header.MyCall.isEmpty() || store.Header.OpCall.isEmpty())
    return fail(ReadResult::Refused);

  const qsizetype endHead = seq ? seq->endHead : bytes.indexOf(kEndHead);
  if (endHead < 0)
    return fail(ReadResult::Refused);

  // The QSO part, without blanks around it.
  const char* data = bytes.constData();
  qsizetype begin = endHead + kEndHead.size();
  qsizetype end = bytes.size();
  while (begin < end && IsBlank(data[begin]))
    ++begin;
  while (end > begin && IsBlank(data[end - 1]))
    --end;

  if (end - begin >= 15) {
    // Lines too short to hold a QSO, or with too few fields, are skipped; no
    // line after them is lost. A last line without CR LF is read as well.
    const qsizetype lines = std::count(data + begin, data + end, '\n');
    store.Records.reserve(size_t(lines + 1));
    store.CallIndex.reserve(lines * 12 + 1);

    StringPool pool;
    QByteArrayView parts[20];
    qsizetype pos = begin;
    while (pos < end) {
      qsizetype cr = bytes.indexOf("\r\n", pos);
      if (cr < 0 || cr > end)
        cr = end;
      const qsizetype lineLength = cr - pos;
      const QByteArrayView line = Mid(bytes, pos, lineLength);
      pos = cr + 2;
      if (lineLength <= 15)
        continue;
      const QByteArrayView body = line.first(line.size() - 1);
      int count = 0;
      qsizetype start = 0;
      for (;;) {
        const qsizetype sep = body.indexOf(kSep, start);
        if (count < 20)
          parts[count] = Mid(body, start, (sep < 0 ? body.size() : sep) - start);
        ++count;
        if (sep < 0)
          break;
        start = sep + 1;
      }
      if (count < 16)
        continue;
      const int n = int(store.Records.size());
      QsoRecord r;
      auto part = [&](int k) { return k < count && k < 20 ? parts[k] : QByteArrayView(); };
      bool ok = RunStep(prompter, [&] {
        r.Call = FromCp1252(part(0));
        r.Band = ToInt16(LeadingNumber(part(1)));
        r.District = FitDistrict(pool.get(part(2)));
        r.QsoDate = pool.get(part(3));
        r.QsoTime = FromCp1252(part(4));
        r.RstSent = pool.get(part(5));
        r.RstRcvd = pool.get(part(6));
        r.Qsl = ToInt16(LeadingNumber(part(7)));
        r.Mode = pool.get(part(8));
        r.Mode2 = pool.get(part(9));
        r.Status = ToInt16(LeadingNumber(part(10)));
        r.OpCall = pool.get(part(11));
        r.Note = pool.get(part(12));
        r.Reserved13 = pool.get(part(13));
        r.FreqKhz = float(LeadingNumber(part(14)));
        r.Reserved15 = float(LeadingNumber(part(15)));
        r.Extra16 = pool.get(part(16));
        r.Extra17 = pool.get(part(17));
        r.Extra18 = pool.get(part(18));
        r.SeqNo = float(n);
      });
      if (!ok)
        return fail(ReadResult::Cancelled);
      store.CallIndex += r.Call;
      store.CallIndex += kIndexMark;
      store.CallIndex += QString::number(n);
      store.CallIndex += kIndexSep;
      store.Records.push_back(std::move(r));
    }
  }
  store.SetLogBytes(std::move(bytes));
  return ReadResult::Loaded;
}

ReadResult ReadLogFile(LogStore& store, const QString& path, Prompter& prompter, const DateTimeSeparators& seps) {
  BusyPointer busy(prompter);
  QByteArray bytes;
  const bool read = RunStep(prompter, [&] {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
      throw VkError(QStringLiteral("Die Datei %1 kann nicht gelesen werden (%2).").arg(path, f.errorString()));
    bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
      throw VkError(QStringLiteral("Die Datei %1 kann nicht gelesen werden (%2).").arg(path, f.errorString()));
  });
  if (!read) {
    store.ResetHeader(seps);
    store.Records.clear();
    store.CallIndex = QString(kIndexSep);
    return ReadResult::Cancelled;
  }
  const ReadResult r = ParseLogBytes(store, std::move(bytes), prompter, seps);
  if (r == ReadResult::Refused)
    prompter.message(RefusedLogText(path), Icon::Critical, Buttons::Ok);
  if (r == ReadResult::Loaded)
    store.FilePath = path;
  return r;
}

void SaveFileAtomically(const QString& path, const QByteArray& bytes) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly))
    throw VkError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden (%2).").arg(path, f.errorString()));
  if (f.write(bytes) != bytes.size()) {
    const QString why = f.errorString();
    f.cancelWriting();
    throw VkError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden (%2).").arg(path, why));
  }
  if (!f.commit())
    throw VkError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden (%2).").arg(path, f.errorString()));
}

bool SaveLog(const LogStore& store, Prompter& prompter) {
  return RunStep(prompter, [&] { SaveFileAtomically(store.FilePath, store.LogBytes()); });
}

} // namespace vk
