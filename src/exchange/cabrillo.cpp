#include "exchange/cabrillo.h"

#include "core/contest.h"
#include "core/separators.h"
#include "exchange/exportrows.h"

namespace vk {

namespace {

constexpr int kNewcomerClass = 3;

// Left-aligned in a field: padded with blanks, never cut (a callsign or report
// longer than its field is written whole).
QString Left(const QString& text, int width) { return text.leftJustified(width, QLatin1Char(' '), false); }

QString OneOf(int value, std::initializer_list<const char*> texts, const char* prefix) {
  if (value < 0 || value >= int(texts.size()))
    return {};
  return QString::fromLatin1(prefix) + QString::fromLatin1(texts.begin()[value]);
}

} // namespace

std::optional<QString> CabrilloCategoryLine(int entryClass, int powerClass) {
  if (entryClass == kEntryClassStateStation)
    return QStringLiteral("CATEGORY: STAATSFUNKSTELLEN");
  static const char* const kClasses[] = {"SSB", "MIX", "CW", "NEWCOMER"};
  if (entryClass < 0 || entryClass > 3 || (powerClass != 0 && powerClass != 1))
    return std::nullopt;
  return QStringLiteral("CATEGORY: ") +
         (powerClass == 0 ? QStringLiteral("LOW-POWER ") : QStringLiteral("HIGH-POWER ")) +
         QLatin1String(kClasses[entryClass]);
}

QString LicenseDate(const QString& examDate) {
  const auto d = ParseDate(examDate);
  return d ? d->toString(QStringLiteral("yyyy-MM-dd")) : examDate;
}

QStringList SoapboxLines(const QString& text) {
  // Line ends may be CR LF, LF or CR alone: no line break may reach the file
  // inside a line. A last line without a line end is written as well.
  QString t = text;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QStringList pieces = t.split(QLatin1Char('\n'));
  if (!pieces.isEmpty() && pieces.back().trimmed().isEmpty())
    pieces.removeLast();
  QStringList lines;
  for (const QString& piece : pieces)
    lines << QStringLiteral("SOAPBOX: ") + piece.trimmed();
  return lines;
}

QString CabrilloQsoLine(const StationHeader& header, const QsoRecord& r) {
  const QDate date = QsoDateValue(r);
  const QTime time = QsoTimeValue(r);
  const QString sp = QStringLiteral(" ");
  const QString freq = FrequencyKhzText(r.FreqKhz).left(5).rightJustified(5, QLatin1Char(' '));
  const QString mode = r.Mode.trimmed() == QLatin1String("CW") ? QStringLiteral("CW") : QStringLiteral("PH");
  return QStringLiteral("QSO: ") + freq + sp + mode + sp + date.toString(QStringLiteral("yyyy-MM-dd")) + sp +
         time.toString(QStringLiteral("HHmm")) + sp + (IsAfternoon(time) ? QStringLiteral("2") : QStringLiteral("1")) +
         sp + Left(header.MyCall, 13) + sp + Left(r.RstSent, 3) + sp + FitDistrict(header.MyBz) + sp +
         Left(r.Call, 13) + sp + Left(r.RstRcvd, 3) + sp + FitDistrict(r.District);
}

QStringList CabrilloLines(const StationHeader& h, const std::vector<const QsoRecord*>& rows, double claimedScore,
                          const ProgramInfo& program, QDate today) {
  QStringList out;
  out << QStringLiteral("START-OF-LOG:  3.0");
  out << QStringLiteral("CALLSIGN: ") + h.MyCall;
  if (QString s = OneOf(h.OpClass, {"SINGLE-OP", "MULTI-OP", "CHECKLOG"}, "CATEGORY-OPERATOR: "); !s.isEmpty())
    out << s;
  if (QString s = OneOf(h.OmYl, {"OM", "YL"}, "CATEGORY-OVERLAY: "); !s.isEmpty())
    out << s;
  out << QStringLiteral("CATEGORY-STATION: ") + QString::number(h.EmergencyPower);
  if (QString s = OneOf(h.PowerClass, {"LOW", "HIGH"}, "CATEGORY-POWER: "); !s.isEmpty())
    out << s;
  if (const auto category = CabrilloCategoryLine(h.EntryClass, h.PowerClass)) {
    out << *category;
    if (h.EntryClass == kNewcomerClass)
      out << QStringLiteral("LICENSE-DATE: ") + LicenseDate(h.ExamDate);
  }
  out << QStringLiteral("CLAIMED-SCORE: ") + QString::number(claimedScore, 'f', 0);
  out << QStringLiteral("CONTEST: KDRW 80/40m");
  out << CreatedByLine(program, today.year());
  out << QStringLiteral("EMAIL: ") + h.Email;
  out << QStringLiteral("LOCATION: ") + FitDistrict(h.MyBz);
  out << QStringLiteral("NAME: ") + h.OpName;
  out << QStringLiteral("ADDRESS: ") + h.Address;
  out << QStringLiteral("ADDRESS-POSTALCODE: ") + h.Plz;
  out << QStringLiteral("ADDRESS-CITY: ") + h.City;

  QStringList qsoLines;
  QStringList operators;
  for (const QsoRecord* r : rows) {
    if (r->Band == 30)
      continue;
    qsoLines << CabrilloQsoLine(h, *r);
    AddDistinctCall(operators, r->OpCall.trimmed());
  }
  out << QStringLiteral("OPERATORS: ") + operators.join(QLatin1Char(' '));
  out << SoapboxLines(h.Station);
  out << SoapboxLines(h.Comment);
  if (qsoLines.isEmpty())
    out << QString();
  else
    out << qsoLines;
  out << QStringLiteral("END-OF-LOG:");
  return out;
}

} // namespace vk
