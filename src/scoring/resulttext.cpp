#include "scoring/resulttext.h"

#include "exchange/exportrows.h"

namespace vk {

namespace {

QString Number(double v) { return QString::number(v, 'f', 0); }

int PeriodSum(const ScoreTally& t, int morningRow, int column) {
  return t.PeriodCounts[size_t(morningRow)][size_t(column)] + t.PeriodCounts[size_t(morningRow + 1)][size_t(column)];
}

} // namespace

QString ResultNumber(double value, int width) {
  return Number(value).left(width).rightJustified(width, QLatin1Char(' '));
}

QString ResultOperators(const LogStore& store) {
  QStringList calls;
  for (const QsoRecord* r : RowsInFileOrder(store))
    AddDistinctCall(calls, r->OpCall.trimmed());
  return calls.join(QStringLiteral(", "));
}

std::optional<QString> ResultCategoryLine(int entryClass, int powerClass) {
  if (entryClass == kEntryClassStateStation)
    return QStringLiteral("Category: STAATSFUNKSTELLEN");
  static const char* const kClasses[] = {"SSB", "MIX", "CW", "NEWCOMER"};
  if (entryClass < 0 || entryClass > 3 || (powerClass != 0 && powerClass != 1))
    return std::nullopt;
  return QStringLiteral("Category: ") +
         (powerClass == 0 ? QStringLiteral("LOW-POWER ") : QStringLiteral("HIGH-POWER ")) +
         QLatin1String(kClasses[entryClass]);
}

QStringList ResultTextLines(const LogStore& store, const ScoreTally& t, const ScoreSummary& s,
                            const ProgramInfo& program, int year) {
  const StationHeader& h = store.Header;
  // Columns of the band tables: 40 m, 80 m, 30 m.
  const int cw40 = PeriodSum(t, kCwMorning, 0), cw80 = PeriodSum(t, kCwMorning, 1), cw30 = PeriodSum(t, kCwMorning, 2);
  const int ssb40 = PeriodSum(t, kSsbMorning, 0), ssb80 = PeriodSum(t, kSsbMorning, 1),
            ssb30 = PeriodSum(t, kSsbMorning, 2);
  const QString rule(37, QLatin1Char('-'));

  QStringList out;
  out << QString();
  out << QString(12, QLatin1Char(' ')) + QStringLiteral("KDRW 80/40m");
  out << QString();
  out << QStringLiteral("Call: ") + h.MyCall;
  out << QStringLiteral("Operator (S): ") + ResultOperators(store);
  out << QStringLiteral("Station: ") + h.MyCall;
  out << QString();
  if (const auto category = ResultCategoryLine(h.EntryClass, h.PowerClass))
    out << *category;
  out << QStringLiteral("QTH: ") + h.City;
  out << QString();
  out << QStringLiteral("Ergebnis:");
  out << QStringLiteral(" Band  CW-Qs  Ph-Qs  Bezirke  BLD/STF");
  out << rule;
  out << QStringLiteral("   80:") + ResultNumber(cw80, 5) + ResultNumber(ssb80, 7) + ResultNumber(s.districts80, 7) +
             ResultNumber(s.states80, 8) + QLatin1Char('/') + QString::number(s.prefixes80);
  out << QStringLiteral("   40:") + ResultNumber(cw40, 5) + ResultNumber(ssb40, 7) + ResultNumber(s.districts40, 7) +
             ResultNumber(s.states40, 8) + QStringLiteral("/0");
  out << QStringLiteral("   30:") + ResultNumber(cw30, 5) + ResultNumber(ssb30, 7) + QString(6, QLatin1Char(' ')) +
             QLatin1Char('-') + QString(7, QLatin1Char(' ')) + QStringLiteral("-/-");
  out << rule;
  out << ResultNumber(cw40 + cw80 + cw30, 11) + ResultNumber(ssb40 + ssb80 + ssb30, 7) +
             ResultNumber(s.districts40 + s.districts80, 7) + ResultNumber(s.states40 + s.states80 + s.prefixes80, 10);
  out << QString();
  out << QStringLiteral("QSOs gesamt = ") + Number(s.valid);
  out << QStringLiteral("Punkte      = ") + Number(s.final);
  out << QString();
  out << QStringLiteral("Comments:");
  out << QString();
  out << CreatedByLine(program, year);
  out << QString();
  return out;
}

QString ResultFileName(const QString& chosen) {
  return WithExtension(chosen, QStringLiteral(".txt"), QStringLiteral(".txt"));
}

QString WriteResultText(Session& s, const ScoreSummary& shown, const OpenFileFn& open, const ProgramInfo& program) {
  Prompter& p = *s.prompter;
  const QString chosen = p.saveFile(QStringLiteral("*.txt (Textdateien)|*.txt"), QString(),
                                    QStringLiteral("Ergebnis in Datei speichern"), {});
  if (chosen.isEmpty())
    return {};
  const QString path = ResultFileName(chosen);
  const int year = s.clock->now().date().year();
  const bool written = WriteTextAndOffer(
      p, path, [&] { return ResultTextLines(s.store, s.tally, shown, program, year); }, open);
  return written ? path : QString();
}

} // namespace vk
