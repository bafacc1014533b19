#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTime>

#include <array>
#include <optional>

namespace vk {

// Bands of the band field, in list order; the list index is what the settings store.
inline constexpr std::array<int, 3> kBands = {40, 80, 30};
QStringList BandNames();              // "40m", "80m", "30m"
int BandFromIndex(int listIndex);     // 40, 80, 30; 40 for anything else
int BandListIndex(int band);          // 0, 1, 2; -1 for an unknown band

// Modes of the mode field, in list order.
QStringList ModeNames();              // "SSB", "CW"
// The default report for a mode: "59" for SSB, "599" for CW.
QString DefaultReport(QStringView mode);

// Default frequency in kHz when no frequency window is open.
float DefaultFrequencyKhz(int band);
// Megahertz and kilohertz pieces of the frequency window for a band.
std::pair<QString, QString> FrequencyPieces(int band);

// The callsign prefill of the callsign field.
inline const QString kCallPrefill = QStringLiteral("OE");

// A callsign whose third character (after trimming) is "A" to "Z" belongs to a
// state radio station; its prefix is its first three characters.
bool IsStateStation(QStringView call);
QString StationPrefix(QStringView call);

// Band rules. Returns the refusal text, or nullopt when the band is allowed.
std::optional<QString> BandRuleViolation(QStringView call, int band, int ownEntryClass);
QString StateStationBandText();   // state stations only on 80/30 m
QString AmateurBandText();        // amateurs only on 80/40 m

// Contest day: 1 May.
bool IsContestDay(QDate date);
// Periods on the program clock: 1 from 05:00 to 08:00, 2 from 14:00 to 17:00.
struct ContestPeriod {
  QTime begin;
  QTime end;
};
std::array<ContestPeriod, 2> ContestPeriods();

// 12:00: a QSO at or after it belongs to the afternoon ("Nachmittag").
QTime PeriodBoundary();
bool IsAfternoon(QTime t);

} // namespace vk
