#include "core/contest.h"

#include "core/stationheader.h"

namespace vk {

QStringList BandNames() { return {QStringLiteral("40m"), QStringLiteral("80m"), QStringLiteral("30m")}; }

int BandFromIndex(int listIndex) {
  return listIndex >= 0 && listIndex < int(kBands.size()) ? kBands[size_t(listIndex)] : kBands[0];
}

int BandListIndex(int band) {
  for (size_t i = 0; i < kBands.size(); ++i)
    if (kBands[i] == band)
      return int(i);
  return -1;
}

QStringList ModeNames() { return {QStringLiteral("SSB"), QStringLiteral("CW")}; }

QString DefaultReport(QStringView mode) {
  return mode == QLatin1String("SSB") ? QStringLiteral("59") : QStringLiteral("599");
}

float DefaultFrequencyKhz(int band) {
  switch (band) {
  case 40:
    return 7000;
  case 80:
    return 3500;
  case 30:
    return 10100;
  default:
    return 0;
  }
}

std::pair<QString, QString> FrequencyPieces(int band) {
  switch (band) {
  case 40:
    return {QStringLiteral("7"), QStringLiteral("000")};
  case 80:
    return {QStringLiteral("3"), QStringLiteral("500")};
  case 30:
    return {QStringLiteral("10"), QStringLiteral("100")};
  default:
    return {};
  }
}

bool IsStateStation(QStringView call) {
  call = call.trimmed();
  if (call.size() < 3)
    return false;
  const char16_t c = call[2].unicode();
  return c >= u'A' && c <= u'Z';
}

QString StationPrefix(QStringView call) { return call.trimmed().left(3).toString(); }

QString StateStationBandText() {
  return QStringLiteral("Staatsfunkstellen dürfen nur auf 80/30m gearbeitet werden!");
}

QString AmateurBandText() { return QStringLiteral("Amateurfunk-Stationen dürfen nur auf 80/40m gearbeitet werden!"); }

std::optional<QString> BandRuleViolation(QStringView call, int band, int ownEntryClass) {
  if (IsStateStation(call)) {
    if (band == 40)
      return StateStationBandText();
  } else if (band == 30 && ownEntryClass != kEntryClassStateStation) {
    return AmateurBandText();
  }
  return std::nullopt;
}

bool IsContestDay(QDate date) { return date.isValid() && date.day() == 1 && date.month() == 5; }

std::array<ContestPeriod, 2> ContestPeriods() {
  return {{{QTime(5, 0), QTime(8, 0)}, {QTime(14, 0), QTime(17, 0)}}};
}

QTime PeriodBoundary() { return QTime(12, 0); }

bool IsAfternoon(QTime t) { return t >= PeriodBoundary(); }

} // namespace vk
