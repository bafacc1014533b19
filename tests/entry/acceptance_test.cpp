#include "core/logfile.h"
#include "entry/acceptance.h"
#include "entry/session.h"
#include "support/fakeclock.h"
#include "support/fixtures.h"
#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

struct AcceptanceTest : ::testing::Test {
  TempFolder dir;
  ScriptedPrompter prompter;
  FakeClock clock;
  Session s{prompter, clock};
  LogGrid grid;

  AcceptanceTest() {
    s.setProgramPath(QStringLiteral("/x/VelkaKDRZ/VelkaKDRZ"), dir.path());
    DistrictEntry a;
    a.Code = QStringLiteral("AA");
    a.State = 1;
    s.districts.add(a);
    DistrictEntry b;
    b.Code = QStringLiteral("BB");
    b.State = 2;
    s.districts.add(b);
    s.districts.finish();
    s.store.Header = Header();
    s.store.FilePath = dir.path(QStringLiteral("t.VKDRZ"));
    BuildLogText(s.store, true);
    SaveLog(s.store, prompter);
  }

  static EntryValues Entry(const QString& call, const QString& band = QStringLiteral("80m"),
                           const QString& district = QStringLiteral("AA"), const QString& time = QStringLiteral("06:15")) {
    EntryValues e;
    e.date = QStringLiteral("01.05.2026");
    e.time = time;
    e.bandText = band;
    e.bandIndex = band == QLatin1String("40m") ? 0 : band == QLatin1String("80m") ? 1 : 2;
    e.modeText = QStringLiteral("CW");
    e.call = call;
    e.rstSent = QStringLiteral("599");
    e.rstRcvd = QStringLiteral("579");
    e.district = district;
    e.opCall = QStringLiteral("OE0AAA");
    return e;
  }
  AcceptOutcome accept(const EntryValues& e, bool ownStateStation = false) {
    return Uebernehmen(s, e, grid, ownStateStation);
  }
};

} // namespace

TEST_F(AcceptanceTest, ChecksInTheirOrder) {
  const struct {
    const char* what;
    EntryValues e;
    const char* status;
    EntryField focus;
  } cases[] = {
      {"two characters", Entry("OE"), "Ungültiges Rufzeichen", EntryField::Call},
      {"OEOE", Entry("OEOE1ABC"), "Ungültiges Rufzeichen", EntryField::Call},
      {"no band", [] { auto e = Entry("OE1ABC"); e.bandText = "4"; return e; }(), "BAND ungültig", EntryField::Band},
      {"no mode", [] { auto e = Entry("OE1ABC"); e.modeText = ""; return e; }(), "MODE ungültig", EntryField::Mode},
      {"short RSTs", [] { auto e = Entry("OE1ABC"); e.rstSent = "5"; return e; }(), "RSTs ungültig", EntryField::RstSent},
      {"short RSTe", [] { auto e = Entry("OE1ABC"); e.rstRcvd = " "; return e; }(), "RSTe ungültig", EntryField::RstRcvd},
      {"one-letter district", Entry("OE1ABC", "80m", "A"), "BEZIRK ungültig", EntryField::District},
      {"unknown district", Entry("OE1ABC", "80m", "ZZ"), "BEZIRK ungültig", EntryField::District},
      {"code text piece", Entry("OE1ABC", "80m", "A;"), "BEZIRK ungültig", EntryField::District},
      {"bad time before bad date",
       [] { auto e = Entry("OE1ABC", "80m", "AA", "25:00"); e.date = "xx"; return e; }(), "Zeit Ungültige",
       EntryField::Time},
      {"bad date", [] { auto e = Entry("OE1ABC"); e.date = "31.02.2026"; return e; }(), "Datum Ungültige",
       EntryField::Date},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const AcceptOutcome o = accept(c.e);
    EXPECT_EQ(o.kind, AcceptOutcome::Refused);
    EXPECT_EQ(o.status, QString::fromUtf8(c.status));
    EXPECT_EQ(o.focus, c.focus);
  }
  // Nothing was counted or stored.
  EXPECT_TRUE(s.store.Records.empty());
  EXPECT_EQ(s.tally.ModeBandCounts[1][1], 0);
  EXPECT_EQ(grid.rowCount(), 0);
}

TEST_F(AcceptanceTest, BandRulesShowTheirMessageBoxes) {
  prompter.expect(QStringLiteral("Staatsfunkstellen dürfen nur auf 80/30m gearbeitet werden!"), Answer::Ok,
                  Icon::Information, Buttons::Ok);
  AcceptOutcome o = accept(Entry("OEXAA", "40m"));
  EXPECT_EQ(o.kind, AcceptOutcome::Refused);
  EXPECT_EQ(o.focus, EntryField::Band);
  prompter.expect(QStringLiteral("Amateurfunk-Stationen dürfen nur auf 80/40m gearbeitet werden!"), Answer::Ok,
                  Icon::Information, Buttons::Ok);
  EXPECT_EQ(accept(Entry("OE1ABC", "30m")).kind, AcceptOutcome::Refused);
  // A state station may work amateurs on 30 m; anyone may work a state station there.
  EXPECT_EQ(accept(Entry("OE1ABC", "30m"), true).kind, AcceptOutcome::Accepted);
  EXPECT_EQ(accept(Entry("OEXAA", "30m")).kind, AcceptOutcome::Accepted);
  ASSERT_EQ(s.tally.StationPrefixes.size(), 1u);
  EXPECT_EQ(s.tally.StationPrefixes[0].Count30, 1);
}

TEST_F(AcceptanceTest, AcceptedQsoIsCountedStoredAndWritten) {
  EntryValues e = Entry("oe1abc", "80m", "AA", "6:15");
  e.qsl = 1;
  e.note = QStringLiteral("Grüße");
  const AcceptOutcome o = accept(e);
  ASSERT_EQ(o.kind, AcceptOutcome::Accepted);
  ASSERT_EQ(s.store.Records.size(), 1u);
  const QsoRecord& r = s.store.Records[0];
  EXPECT_EQ(r.Call, QStringLiteral("OE1ABC"));
  EXPECT_EQ(r.QsoTime, QStringLiteral("06:15:00"));
  EXPECT_EQ(r.QsoDate, QStringLiteral("01.05.2026"));
  EXPECT_EQ(r.RstRcvd, QStringLiteral("579"));
  EXPECT_EQ(r.Qsl, 1);
  EXPECT_FLOAT_EQ(r.FreqKhz, 3500);
  EXPECT_FLOAT_EQ(r.SeqNo, 0);
  EXPECT_EQ(r.Reserved13, QStringLiteral("0"));
  EXPECT_EQ(s.store.CallIndex, QStringLiteral("¶OE1ABC×0¶"));
  // The file holds the new line, durably, when the call returns.
  const QByteArray file = ReadBytes(s.store.FilePath);
  EXPECT_TRUE(file.endsWith("OE1ABC\xB6" "80\xB6" "AA\xB6" "01.05.2026\xB6" "06:15:00\xB6" "599\xB6" "579\xB6"
                            "1\xB6" "CW\xB6" "CW\xB6" "0\xB6" "OE0AAA\xB6" "Gr\xFC\xDF" "e\xB6" "0\xB6" "3500\xB6"
                            "0\xB6\xB6\xB6\xB6\r\n"));
  EXPECT_EQ(s.tally.ValidQsoCount, 1);
  EXPECT_EQ(s.districts[1].Count80, 1);
  EXPECT_EQ(s.tally.StateCounts[0][1], 1);
  EXPECT_EQ(s.tally.PeriodCounts[2][1], 1);
  ASSERT_EQ(grid.rowCount(), 1);
  EXPECT_EQ(grid.rows()[0].cells[1], QStringLiteral("6:15")); // as typed
  EXPECT_EQ(grid.rows()[0].cells[16], QStringLiteral("0"));

  EXPECT_EQ(accept(Entry("OE2XYZ")).kind, AcceptOutcome::Accepted);
  EXPECT_FLOAT_EQ(s.store.Records[1].SeqNo, 1);
}

TEST_F(AcceptanceTest, DupeQuestion) {
  ASSERT_EQ(accept(Entry("OE1ABC", "80m", "AA", "09:00")).kind, AcceptOutcome::Accepted);
  prompter.expect(QStringLiteral("Soll das QSO als DUPE geloggt werden?"), Answer::No, Icon::Question, Buttons::YesNo);
  AcceptOutcome o = accept(Entry("OE1ABC", "80m", "BB", "11:30"));
  EXPECT_EQ(o.kind, AcceptOutcome::DupeDeclined);
  EXPECT_EQ(o.focus, EntryField::Call);
  EXPECT_TRUE(o.dupeCheck.dupe);
  EXPECT_EQ(o.dupeCheck.earlierTime, QStringLiteral("09:00"));
  EXPECT_EQ(prompter.shown.back().defaultButton, DefaultButton::Second);
  EXPECT_EQ(s.store.Records.size(), 1u);

  prompter.expect(QStringLiteral("Soll das QSO als DUPE geloggt werden?"), Answer::Yes);
  o = accept(Entry("OE1ABC", "80m", "BB", "11:30"));
  ASSERT_EQ(o.kind, AcceptOutcome::Accepted);
  EXPECT_EQ(s.store.Records[1].Status, kStatusDupe);
  // The district the operator typed is stored, not the earlier QSO's.
  EXPECT_EQ(s.store.Records[1].District, QStringLiteral("BB"));
  EXPECT_TRUE(grid.rows()[1].dupeRed);
  EXPECT_EQ(grid.rows()[1].cells[11], QStringLiteral("Dupe"));
  EXPECT_EQ(s.tally.DupeCount, 1);
  EXPECT_EQ(s.districts[2].QsoCount, 0);
  EXPECT_EQ(s.tally.StateCounts[1][1], 0);
  EXPECT_EQ(s.tally.ModeBandCounts[1][1], 2); // dupes go into the mode table on acceptance
}

TEST_F(AcceptanceTest, ACancelledSaveUndoesTheQsoInMemory) {
  ASSERT_EQ(accept(Entry("OE1ABC")).kind, AcceptOutcome::Accepted);
  const QByteArray fileBefore = ReadBytes(s.store.FilePath);
  const QString indexBefore = s.store.CallIndex;
  const ScoreTally tallyBefore = s.tally;

  s.store.FilePath = dir.path(QStringLiteral("gone/t.VKDRZ"));
  prompter.expectErrorBox(Answer::Cancel, QStringLiteral("gone/t.VKDRZ"));
  const AcceptOutcome o = accept(Entry("OE2XYZ", "40m", "BB"));
  EXPECT_EQ(o.kind, AcceptOutcome::SaveCancelled);
  EXPECT_EQ(s.store.Records.size(), 1u);
  EXPECT_EQ(s.store.CallIndex, indexBefore);
  EXPECT_EQ(s.store.LogBytes(), fileBefore);
  EXPECT_EQ(grid.rowCount(), 1);
  EXPECT_EQ(s.tally.ValidQsoCount, tallyBefore.ValidQsoCount);
  EXPECT_EQ(s.tally.ModeBandCounts, tallyBefore.ModeBandCounts);
  EXPECT_EQ(s.districts[2].Count40, 0);

  // Retry after the folder is back logs the QSO once.
  s.store.FilePath = dir.path(QStringLiteral("t.VKDRZ"));
  EXPECT_EQ(accept(Entry("OE2XYZ", "40m", "BB")).kind, AcceptOutcome::Accepted);
  EXPECT_EQ(s.districts[2].Count40, 1);
  EXPECT_EQ(s.store.CallIndex, QStringLiteral("¶OE1ABC×0¶OE2XYZ×1¶"));
}

TEST_F(AcceptanceTest, AcceptanceClearsTheSubmissionFlagsAndAsksForRefreshes) {
  s.SubmittedPeriod1 = s.SubmittedPeriod2 = true;
  int refreshes = 0;
  s.windows.setOpen(WindowId::StatistikForm, true, [&] { ++refreshes; });
  int backups = 0;
  AcceptHooks hooks;
  hooks.startBackupTimer = [&] { ++backups; };
  hooks.frequencyWindowKhz = [](int) { return std::optional<float>(3512.5f); };
  ASSERT_EQ(Uebernehmen(s, Entry("OE1ABC"), grid, false, hooks).kind, AcceptOutcome::Accepted);
  EXPECT_FALSE(s.SubmittedPeriod1);
  EXPECT_FALSE(s.SubmittedPeriod2);
  EXPECT_EQ(refreshes, 1);
  EXPECT_EQ(backups, 1);
  EXPECT_FLOAT_EQ(s.store.Records[0].FreqKhz, 3512.5f);
}
