#include "scoring/tally.h"

#include "core/contest.h"
#include "core/errorbox.h"
#include "core/numbers.h"
#include "core/separators.h"
#include "core/vkerror.h"

namespace vk {

int BandColumn(int band) {
  switch (band) {
  case 40:
    return 0;
  case 80:
    return 1;
  case 30:
    return 2;
  default:
    return -1;
  }
}

void ResetTallies(ScoreTally& tally, DistrictTable& districts) {
  tally = ScoreTally{};
  for (DistrictEntry& d : districts.Entries) {
    d.QsoCount = 0;
    d.Count40 = 0;
    d.Count80 = 0;
    d.Count30 = 0;
  }
}

void CountStateBand(ScoreTally& tally, int state, int band) {
  const int col = BandColumn(band);
  if (state < 1 || state > 9 || col < 0)
    return;
  Increment(tally.StateCounts[size_t(state - 1)][size_t(col)]);
}

QTime QsoTimeOfDay(QStringView text) {
  const auto t = ParseTimeOfDay(text);
  if (!t)
    throw VkError(TypeMismatchText());
  return *t;
}

void CountModePeriod(ScoreTally& tally, int band, QStringView mode, QTime time, bool add) {
  const int col = BandColumn(band);
  if (col < 0)
    return;
  const bool ssb = mode == QLatin1String("SSB");
  const int modeRow = ssb ? kRowSsb : kRowCw;
  const int periodRow = (ssb ? kSsbMorning : kCwMorning) + (IsAfternoon(time) ? 1 : 0);
  auto& modeCell = tally.ModeBandCounts[size_t(modeRow)][size_t(col)];
  auto& periodCell = tally.PeriodCounts[size_t(periodRow)][size_t(col)];
  if (add) {
    Increment(modeCell);
    Increment(periodCell);
  } else {
    Decrement(modeCell);
    if (periodCell > 0)
      --periodCell;
  }
}

namespace {

// Third character "A" to "Z" (codes 65 to 90): a state radio station.
bool ThirdIsCapital(QStringView call) {
  return call.size() >= 3 && call[2].unicode() >= u'A' && call[2].unicode() <= u'Z';
}

void CountPrefix(ScoreTally& tally, QStringView call, int band) {
  const QString prefix = call.left(3).toString();
  StationPrefixEntry* entry = nullptr;
  for (StationPrefixEntry& e : tally.StationPrefixes)
    if (e.Prefix == prefix) {
      entry = &e;
      break;
    }
  if (!entry) {
    tally.StationPrefixes.push_back({prefix, 0, 0});
    entry = &tally.StationPrefixes.back();
  }
  if (band == 80)
    Increment(entry->Count80);
  else if (band == 30)
    Increment(entry->Count30);
}

void CountDistrictBand(DistrictEntry& d, int band) {
  if (band == 40)
    Increment(d.Count40);
  else if (band == 80)
    Increment(d.Count80);
  else if (band == 30)
    Increment(d.Count30);
}

} // namespace

bool CountQso(const QsoRecord& r, ScoreTally& tally, DistrictTable& districts) {
  if (r.Status == kStatusDupe) {
    Increment(tally.DupeCount);
    return true;
  }
  // Everything that can fail on bad data is read before anything is counted,
  // so a Retry of the step never counts a record twice.
  const int i = districts.DistrictIndex(r.District);
  const QTime time = i != 0 ? QsoTimeOfDay(r.QsoTime) : QTime();
  if (r.Band != 30)
    tally.ValidQsoCount += 1;
  if (ThirdIsCapital(r.Call))
    CountPrefix(tally, r.Call, r.Band);
  if (i == 0)
    return false;
  DistrictEntry& d = districts[i];
  CountStateBand(tally, d.State, r.Band);
  if (r.Band != 30)
    Increment(d.QsoCount);
  CountDistrictBand(d, r.Band);
  CountModePeriod(tally, r.Band, r.Mode, time, true);
  return false;
}

void CountAcceptedQso(const QsoRecord& r, bool asDupe, ScoreTally& tally, DistrictTable& districts) {
  const QString call = r.Call.trimmed();
  const QTime time = QsoTimeOfDay(r.QsoTime);
  if (asDupe) {
    Increment(tally.DupeCount);
  } else {
    if (ThirdIsCapital(call))
      CountPrefix(tally, call, r.Band);
    if (const int i = districts.DistrictIndex(r.District); i != 0) {
      DistrictEntry& d = districts[i];
      CountStateBand(tally, d.State, r.Band);
      Increment(d.QsoCount);
      CountDistrictBand(d, r.Band);
    }
    if (r.Band != 30)
      tally.ValidQsoCount += 1;
  }
  CountModePeriod(tally, r.Band, QStringView(r.Mode).trimmed().left(5), time, true);
}

bool Recount(const LogStore& store, ScoreTally& tally, DistrictTable& districts, Prompter& prompter,
             std::vector<bool>* dupeRows) {
  ResetTallies(tally, districts);
  if (dupeRows)
    dupeRows->clear();
  for (const QsoRecord& r : store.Records) {
    bool dupe = false;
    if (r.Status != kStatusDeleted && !RunStep(prompter, [&] { dupe = CountQso(r, tally, districts); }))
      return false;
    if (dupeRows)
      dupeRows->push_back(dupe);
  }
  return true;
}

int EmergencyBonus(const StationHeader& header) { return header.EmergencyPower != 0 ? 2 : 0; }

QString SsbCwRatio(int ssb, int cw) {
  if (ssb == 0 && cw == 0)
    return QStringLiteral("0/0");
  const double p = double(ssb) / ((double(ssb) + double(cw)) / 100.0);
  const int r = int(RoundHalfEven(p));
  return QString::number(r) + QLatin1Char('/') + QString::number(100 - r);
}

ScoreSummary ComputeSummary(const ScoreTally& t, const DistrictTable& districts, const StationHeader& header) {
  ScoreSummary s;
  for (const StationPrefixEntry& e : t.StationPrefixes) {
    s.prefixes80 += e.Count80 > 0;
    s.prefixes30 += e.Count30 > 0;
  }
  for (int i = 1; i <= districts.count(); ++i) {
    const DistrictEntry& d = districts[i];
    s.districts40 += d.Count40 > 0;
    s.districts80 += d.Count80 > 0;
    s.districts30 += d.Count30 > 0;
  }
  s.districtsScored = s.districts40 + s.districts80;
  for (const auto& state : t.StateCounts) {
    s.states40 += state[0] > 0;
    s.states80 += state[1] > 0;
    s.states30 += state[2] > 0;
  }
  s.statesScored = s.states40 + s.states80;
  s.qsos40 = t.ModeBandCounts[kRowSsb][0] + t.ModeBandCounts[kRowCw][0];
  s.qsos80 = t.ModeBandCounts[kRowSsb][1] + t.ModeBandCounts[kRowCw][1];
  s.qsos30 = t.ModeBandCounts[kRowSsb][2] + t.ModeBandCounts[kRowCw][2];
  s.ratio = SsbCwRatio(t.ModeBandCounts[kRowSsb][0] + t.ModeBandCounts[kRowSsb][1],
                       t.ModeBandCounts[kRowCw][0] + t.ModeBandCounts[kRowCw][1]);
  s.valid = t.ValidQsoCount;
  s.multiplier = double(s.districtsScored) + 2.0 * s.statesScored + 2.0 * s.prefixes80;
  s.bonus = EmergencyBonus(header);
  s.final = s.valid * (double(s.bonus) + s.multiplier);
  s.dupes = t.DupeCount;
  return s;
}

} // namespace vk
