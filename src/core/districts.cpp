#include "core/districts.h"

#include "core/codepage.h"
#include "core/errorbox.h"
#include "core/numbers.h"
#include "core/vkerror.h"

#include <QFile>

namespace vk {

void DistrictTable::clear() {
  Entries.assign(1, DistrictEntry{});
  DistrictCodes = QString(600, QLatin1Char(' '));
}

int DistrictTable::add(DistrictEntry entry) {
  Entries.push_back(std::move(entry));
  const int i = count();
  if (3 * i + 2 <= DistrictCodes.size()) {
    const QString code = Entries.back().Code.left(2).leftJustified(2, QLatin1Char(' ')) + QLatin1Char(';');
    DistrictCodes.replace(3 * i - 1, 3, code);
  }
  return i;
}

void DistrictTable::finish() {
  qsizetype n = DistrictCodes.size();
  while (n > 0 && DistrictCodes[n - 1] == QLatin1Char(' '))
    --n;
  DistrictCodes.truncate(n);
}

int DistrictTable::DistrictIndex(QStringView code) const {
  const qsizetype at = QStringView(DistrictCodes).indexOf(code);
  if (at < 0)
    return 0;
  return int(RoundHalfEven(double(at + 1) / 3.0));
}

namespace {

int ToInteger(QStringView text) {
  if (!IsNumeric(text))
    throw VkError(TypeMismatchText());
  return ToInt16(LeadingNumber(text.trimmed()));
}

// Parses one line; returns false when the line ends the loading (no ";" after
// the position).
bool ParseLine(const QString& line, DistrictEntry& e) {
  e.Code = line.left(2);
  if (line.size() < 3 || line[2] != QLatin1Char(';'))
    throw VkError(TypeMismatchText());
  qsizetype a = line.indexOf(QLatin1Char(';'), 3);
  if (a < 0)
    throw VkError(TypeMismatchText());
  e.MapX = ToInteger(QStringView(line).mid(3, a - 3));
  qsizetype b = line.indexOf(QLatin1Char(';'), a + 1);
  if (b < 0)
    throw VkError(TypeMismatchText());
  e.MapY = ToInteger(QStringView(line).mid(a + 1, b - a - 1));
  const qsizetype c = line.indexOf(QLatin1Char(';'), b + 1);
  if (c < 0)
    return false;
  e.Name = line.mid(b + 1, c - b - 1);
  const qsizetype d = line.indexOf(QLatin1Char(';'), c + 1);
  if (d < 0)
    throw VkError(TypeMismatchText());
  e.State = ToInteger(QStringView(line).mid(c + 1, d - c - 1));
  // Further parts of the district: x;y; pairs after the state.
  const QStringList rest = line.mid(d + 1).split(QLatin1Char(';'));
  for (qsizetype i = 0; i + 1 < rest.size(); i += 2) {
    if (!IsNumeric(rest[i]) || !IsNumeric(rest[i + 1]))
      break;
    e.ExtraPoints.emplace_back(ToInteger(rest[i]), ToInteger(rest[i + 1]));
  }
  return true;
}

} // namespace

bool LoadDistricts(const QString& path, DistrictTable& table, Prompter& prompter) {
  table.clear();
  QByteArray bytes;
  const bool opened = RunStep(prompter, [&] {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
      throw VkError(QStringLiteral("Die Datei %1 kann nicht gelesen werden (%2).").arg(path, f.errorString()));
    bytes = f.readAll();
  });
  if (!opened) {
    table.finish();
    return false;
  }
  const QString text = FromCp1252(bytes);
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.back().isEmpty())
    lines.removeLast();
  bool cancelled = false;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    QString line = lines[i];
    if (line.endsWith(QLatin1Char('\r')))
      line.chop(1);
    if (line.trimmed().isEmpty())
      break;
    DistrictEntry e;
    bool more = true;
    if (!RunStep(prompter, [&] {
          e = DistrictEntry{};
          more = ParseLine(line, e);
        })) {
      cancelled = true;
      break;
    }
    table.add(std::move(e));
    if (!more)
      break;
    // A line of five characters or fewer ends the file.
    if (line.size() <= 5)
      break;
  }
  table.finish();
  return !cancelled;
}

} // namespace vk
