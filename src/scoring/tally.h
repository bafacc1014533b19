#pragma once

#include "core/districts.h"
#include "core/logstore.h"
#include "core/prompter.h"
#include "core/qsorecord.h"
#include "core/stationheader.h"

#include <QString>
#include <QStringView>
#include <QTime>

#include <array>
#include <cstdint>
#include <vector>

namespace vk {

struct StationPrefixEntry {
  QString Prefix;
  std::int16_t Count80 = 0;
  std::int16_t Count30 = 0;
};

// Band columns are always 40 m, 80 m, 30 m.
inline constexpr int kBandColumns = 3;
int BandColumn(int band); // 0, 1, 2; -1 for any other band

enum ModeRow { kRowSsb = 0, kRowCw = 1 };
enum PeriodRow { kSsbMorning = 0, kSsbAfternoon = 1, kCwMorning = 2, kCwAfternoon = 3 };

// The running tallies beside the open log. The per-district counters live in
// the district table.
struct ScoreTally {
  float ValidQsoCount = 0;
  std::int16_t DupeCount = 0;
  std::array<std::array<std::int16_t, kBandColumns>, 9> StateCounts{}; // state 1..9 at [state-1]
  std::vector<StationPrefixEntry> StationPrefixes;
  std::array<std::array<std::int16_t, kBandColumns>, 2> ModeBandCounts{};
  std::array<std::array<std::int16_t, kBandColumns>, 4> PeriodCounts{};
};

struct ScoreSummary {
  int prefixes80 = 0;
  int prefixes30 = 0;
  int districts40 = 0;
  int districts80 = 0;
  int districts30 = 0;
  int districtsScored = 0;
  int states40 = 0;
  int states80 = 0;
  int states30 = 0;
  int statesScored = 0;
  int qsos40 = 0;
  int qsos80 = 0;
  int qsos30 = 0;
  QString ratio; // "63/37" or "0/0"
  double valid = 0;
  double multiplier = 0;
  int bonus = 0;
  double final = 0;
  int dupes = 0;
};

// Sets every counter to 0 and empties the prefix table.
void ResetTallies(ScoreTally& tally, DistrictTable& districts);

// Counts one record by the recount rules. Returns true when the record is a
// dupe (its grid row shows "Dupe" on red).
bool CountQso(const QsoRecord& record, ScoreTally& tally, DistrictTable& districts);

// Counts a QSO that was just accepted in the entry line. The acceptance rule
// differs from the recount: dupes go into the mode and period tables, and a
// 30 m QSO raises its district's QsoCount.
void CountAcceptedQso(const QsoRecord& record, bool asDupe, ScoreTally& tally, DistrictTable& districts);

// Adds 1 to the state's counter for the band (state 1..9, band 40/80/30).
void CountStateBand(ScoreTally& tally, int state, int band);

// Adds or removes one QSO in the mode-by-band and period tables.
void CountModePeriod(ScoreTally& tally, int band, QStringView mode, QTime time, bool add);

// Reads a stored QSO time for the period tables; throws VkError when it is no time.
QTime QsoTimeOfDay(QStringView text);

// ResetTallies and CountQso over every record in log order. Returns false when
// an error box was cancelled (the tallies then hold what was counted so far).
// `dupeRows` gets one entry per record counted: whether it is a dupe.
bool Recount(const LogStore& store, ScoreTally& tally, DistrictTable& districts, Prompter& prompter,
             std::vector<bool>* dupeRows = nullptr);

// The emergency bonus of the header: 2 for "Ja", else 0.
int EmergencyBonus(const StationHeader& header);

ScoreSummary ComputeSummary(const ScoreTally& tally, const DistrictTable& districts, const StationHeader& header);

// The SSB/CW ratio over 40 m and 80 m: "p/100-p" or "0/0".
QString SsbCwRatio(int ssb, int cw);

} // namespace vk
