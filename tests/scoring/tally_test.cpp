#include "core/vkerror.h"
#include "scoring/tally.h"
#include "support/fixtures.h"
#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

DistrictEntry District(const char* code, int state) {
  DistrictEntry e;
  e.Code = QString::fromLatin1(code);
  e.State = state;
  return e;
}

DistrictTable Districts() {
  DistrictTable t;
  t.add(District("AA", 1));
  t.add(District("BB", 2));
  t.add(District("CC", 2));
  t.finish();
  return t;
}

struct TallyTest : ::testing::Test {
  DistrictTable districts = Districts();
  ScoreTally tally;
  LogStore store;
  ScriptedPrompter prompter;

  void add(QsoRecord r) {
    r.SeqNo = store.NextSeqNo();
    const QString call = r.Call;
    store.Append(std::move(r), call);
  }
  ScoreSummary recount() {
    EXPECT_TRUE(Recount(store, tally, districts, prompter));
    return ComputeSummary(tally, districts, store.Header);
  }
};

} // namespace

TEST_F(TallyTest, RecountOfAMixedLog) {
  add(Qso("OE1AAA", 80, "AA", "05:10:00"));
  add(Qso("OE1AAA", 80, "AA", "05:20:00", "CW", kStatusDupe));    // dupe: counted as dupe only
  add(Qso("OE2BBB", 40, "BB", "06:00:00", "SSB"));
  add(Qso("OEXAA", 80, "CC", "14:00:00"));                        // state station, afternoon
  add(Qso("OEXBB", 80, "AA", "14:30:00", "SSB"));                 // same prefix OEX
  add(Qso("OEYCC", 30, "BB", "15:00:00"));                        // 30 m: tallied, scores nothing
  add(Qso("OE3UNK", 40, "ZZ", "07:00:00"));                       // unknown district
  const ScoreSummary s = recount();

  EXPECT_EQ(s.prefixes80, 1);
  EXPECT_EQ(s.prefixes30, 1);
  ASSERT_EQ(tally.StationPrefixes.size(), 2u);
  EXPECT_EQ(tally.StationPrefixes[0].Prefix, QStringLiteral("OEX"));
  EXPECT_EQ(tally.StationPrefixes[0].Count80, 2);
  EXPECT_EQ(s.districts40, 1);
  EXPECT_EQ(s.districts80, 2);
  EXPECT_EQ(s.districts30, 1);
  EXPECT_EQ(s.districtsScored, 3);
  EXPECT_EQ(s.states40, 1);
  EXPECT_EQ(s.states80, 2);
  EXPECT_EQ(s.states30, 1);
  EXPECT_EQ(s.statesScored, 3);
  // The unknown district and the dupe are in no mode table.
  EXPECT_EQ(s.qsos40, 1);
  EXPECT_EQ(s.qsos80, 3);
  EXPECT_EQ(s.qsos30, 1);
  EXPECT_EQ(s.valid, 5);
  EXPECT_EQ(s.dupes, 1);
  EXPECT_EQ(s.multiplier, 3 + 2 * 3 + 2 * 1);
  EXPECT_EQ(s.final, 5 * 11);
  EXPECT_EQ(s.ratio, QStringLiteral("50/50"));
  EXPECT_EQ(tally.PeriodCounts[kCwAfternoon][1], 1);
  EXPECT_EQ(tally.PeriodCounts[kSsbAfternoon][1], 1);
  EXPECT_EQ(tally.PeriodCounts[kCwMorning][1], 1);
  EXPECT_EQ(districts[1].QsoCount, 2);
  EXPECT_EQ(districts[2].QsoCount, 1); // the 30 m QSO does not raise QsoCount in the recount
}

TEST_F(TallyTest, OnlyThirtyMetres) {
  add(Qso("OEXAA", 30, "AA", "05:10:00"));
  add(Qso("OE1ABC", 30, "BB", "05:20:00"));
  const ScoreSummary s = recount();
  EXPECT_EQ(s.valid, 0);
  EXPECT_EQ(s.final, 0);
  EXPECT_EQ(s.districts30, 2);
  EXPECT_EQ(s.states30, 2);
  EXPECT_EQ(s.prefixes30, 1);
  EXPECT_EQ(s.qsos30, 2);
}

TEST_F(TallyTest, EmergencyBonusAndTheFinalSum) {
  for (int i = 0; i < 10; ++i)
    add(Qso(QStringLiteral("OE1A%1").arg(i), i < 5 ? 40 : 80, i < 5 ? "AA" : "BB", "05:10:00"));
  store.Header.EmergencyPower = 2;
  const ScoreSummary s = recount();
  // Districts 1 + 1, states 1 + 1: multiplier 6, plus the bonus 2.
  EXPECT_EQ(s.multiplier, 6);
  EXPECT_EQ(s.bonus, 2);
  EXPECT_EQ(s.final, 80);
}

TEST(SsbCwRatio, HalvesRoundToEven) {
  const struct {
    int ssb, cw;
    const char* ratio;
  } cases[] = {{0, 0, "0/0"}, {3, 1, "75/25"}, {1, 2, "33/67"}, {1, 7, "12/88"}, {0, 5, "0/100"}, {5, 0, "100/0"},
               {1, 1, "50/50"}, {3, 5, "38/62"}};
  for (const auto& c : cases)
    EXPECT_EQ(SsbCwRatio(c.ssb, c.cw), QLatin1String(c.ratio)) << c.ssb << "/" << c.cw;
}

TEST_F(TallyTest, AcceptanceRuleDiffersFromTheRecount) {
  // Accepted as a dupe: counted in the mode and period tables too.
  CountAcceptedQso(Qso("OE1AAA", 80, "AA", "12:00:00", "SSB"), true, tally, districts);
  // A 30 m QSO raises its district's QsoCount on acceptance.
  CountAcceptedQso(Qso("OE1BBB", 30, "BB", "11:59:00"), false, tally, districts);
  EXPECT_EQ(tally.DupeCount, 1);
  EXPECT_EQ(tally.ModeBandCounts[kRowSsb][1], 1);
  EXPECT_EQ(tally.PeriodCounts[kSsbAfternoon][1], 1); // 12:00 is afternoon
  EXPECT_EQ(tally.PeriodCounts[kCwMorning][2], 1);
  EXPECT_EQ(districts[2].QsoCount, 1);
  EXPECT_EQ(tally.ValidQsoCount, 0);
}

TEST_F(TallyTest, RemovingFromTheModeAndPeriodTables) {
  CountModePeriod(tally, 40, u"CW", QTime(6, 0), false);
  EXPECT_EQ(tally.ModeBandCounts[kRowCw][0], -1); // no floor
  EXPECT_EQ(tally.PeriodCounts[kCwMorning][0], 0); // floored at 0
  CountModePeriod(tally, 20, u"CW", QTime(6, 0), true);
  EXPECT_EQ(tally.ModeBandCounts[kRowCw][0], -1);
  CountStateBand(tally, 10, 40);
  CountStateBand(tally, 1, 20);
  EXPECT_EQ(tally.StateCounts[0][0], 0);
}

TEST_F(TallyTest, CounterOverflowRaisesTheErrorBoxAndCancelStopsTheRecount) {
  districts[1].Count80 = 32767;
  tally.DupeCount = 0;
  add(Qso("OE1AAA", 40, "BB", "05:10:00"));
  add(Qso("OE1BBB", 80, "AA", "05:10:00"));
  add(Qso("OE1CCC", 40, "BB", "05:10:00"));
  // The recount starts from zero, so force the overflow by a counter that stays high.
  ScoreTally t;
  DistrictTable d = districts;
  d[1].Count80 = 32767;
  EXPECT_THROW(CountQso(store.Records[1], t, d), VkError);

  prompter.expectErrorBox(Answer::Cancel, QStringLiteral("Typen unverträglich"));
  store.Records[1].QsoTime = QStringLiteral("kaputt");
  EXPECT_FALSE(Recount(store, tally, districts, prompter));
  // The first record was counted, the broken one not at all.
  EXPECT_EQ(tally.ValidQsoCount, 1);
  EXPECT_EQ(tally.ModeBandCounts[kRowCw][1], 0);
}
