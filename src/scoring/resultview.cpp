#include "scoring/resultview.h"

#include "core/contest.h"

namespace vk {

QString FigureText(double value) { return QString::number(value, 'f', 0); }

QString PeriodRowTooltip(int row) {
  switch (row) {
  case 1:
    return QStringLiteral("Vormittag QSOs in SSB");
  case 2:
    return QStringLiteral("Nachmittag QSOs in SSB");
  case 3:
    return QStringLiteral("Vormittag QSOs in CW");
  case 4:
    return QStringLiteral("Nachmittag QSOs in CW");
  default:
    return {};
  }
}

std::optional<int> StoredPositionPixels(int storedTwips, int screenExtentPixels) {
  if (storedTwips >= screenExtentPixels * kTwipsPerPixel)
    return std::nullopt;
  return storedTwips / kTwipsPerPixel;
}

namespace {

template <size_t N> QStringList CountRow(const QString& name, const std::array<std::int16_t, N>& counts, bool withSum) {
  QStringList row{name};
  int sum = 0;
  for (std::int16_t c : counts) {
    row << QString::number(c);
    sum += c;
  }
  if (withSum)
    row << QString::number(sum);
  return row;
}

} // namespace

ResultView BuildResultView(const ScoreTally& t, const DistrictTable& districts, const StationHeader& header) {
  ResultView v;
  v.summary = ComputeSummary(t, districts, header);
  for (const StationPrefixEntry& e : t.StationPrefixes)
    v.prefixRows.push_back({e.Prefix, QString::number(e.Count80), QString::number(e.Count30)});
  for (int i = 1; i <= districts.count(); ++i) {
    const DistrictEntry& d = districts[i];
    v.districtRows.push_back(
        {d.Code, QString::number(d.Count40), QString::number(d.Count80), QString::number(d.Count30)});
  }
  for (size_t s = 0; s < t.StateCounts.size(); ++s)
    v.stateRows.push_back(CountRow(QStringLiteral("OE") + QString::number(s + 1), t.StateCounts[s], false));
  const QStringList modes = ModeNames();
  v.modeRows.push_back(CountRow(modes.value(0), t.ModeBandCounts[kRowSsb], true));
  v.modeRows.push_back(CountRow(modes.value(1), t.ModeBandCounts[kRowCw], true));
  const char* const periodNames[] = {"SSB-Vm", "SSB-Nm", "CW-Vm", "CW-Nm"};
  for (size_t r = 0; r < t.PeriodCounts.size(); ++r)
    v.periodRows.push_back(CountRow(QString::fromLatin1(periodNames[r]), t.PeriodCounts[r], true));
  return v;
}

} // namespace vk
