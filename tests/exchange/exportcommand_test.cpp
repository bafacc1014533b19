#include "core/logfile.h"
#include "exchange/adif.h"
#include "exchange/cabrillo.h"
#include "exchange/exportcommand.h"
#include "exchange/exportrows.h"
#include "scoring/resulttext.h"
#include "support/fakeclock.h"
#include "support/fixtures.h"
#include "support/goldencase.h"
#include "support/scriptedprompter.h"

#include <QDir>
#include <QFile>

#include <functional>
#include <utility>

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

// Lines joined with "|", readable in a failure message.
std::string Joined(const QStringList& lines) { return lines.join(QLatin1Char('|')).toStdString(); }

// A scripted prompter that can repair the cause of an error while its box is up.
struct RepairingPrompter : ScriptedPrompter {
  std::function<void()> onErrorBox;
  Answer message(const QString& text, Icon icon, Buttons buttons, DefaultButton def, const QString& title) override {
    if (text.startsWith(QStringLiteral("FEHLER")) && onErrorBox)
      std::exchange(onErrorBox, nullptr)();
    return ScriptedPrompter::message(text, icon, buttons, def, title);
  }
};

struct ExportTest : ::testing::Test {
  RepairingPrompter prompter;
  FakeClock clock{QDateTime(QDate(2026, 5, 1), QTime(17, 30))};
  Session s{prompter, clock};
  TempFolder dir;
  QStringList opened;
  OpenFileFn open = [this](const QString& path) { opened << path; };
  const ProgramInfo program{QStringLiteral("VelkaKDRZ"), 1, 0, 0};

  void SetUp() override {
    const QString golden = GoldenCaseFolders().value(0);
    LoadCounted(golden + QStringLiteral("log.VKDRZ"), golden + QStringLiteral("districts.txt"), s.store, s.districts,
                s.tally, prompter);
    s.folders.programFolder = dir.path(QStringLiteral("prog/"));
  }
  std::vector<int> all() const { return FileOrder(s.store); }
};

} // namespace

TEST_F(ExportTest, CabrilloWritesTheTextWithTheResultsScoreAndOffersToOpenIt) {
  const QString chosen = dir.path(QStringLiteral("kdrw"));
  prompter.expectSaveFile(chosen);
  prompter.expect(SavedFileQuestion(chosen + QStringLiteral(".LOG")), Answer::Yes, Icon::Question, Buttons::YesNo);
  const QString written = ExportCabrilloFile(s, all(), open, program);

  EXPECT_EQ(written, chosen + QStringLiteral(".LOG"));
  EXPECT_EQ(Joined(opened), written.toStdString());
  ASSERT_EQ(prompter.saveDialogs.size(), 1u);
  EXPECT_EQ(prompter.saveDialogs[0].title, QStringLiteral("Speichern unter..."));
  EXPECT_EQ(prompter.saveDialogs[0].filter, QStringLiteral("*.log|*.log"));
  EXPECT_EQ(prompter.saveDialogs[0].folder, QString());
  EXPECT_EQ(prompter.busyDepth, 0);

  const QByteArray bytes = ReadBytes(written);
  const double final = ComputeSummary(s.tally, s.districts, s.store.Header).final;
  EXPECT_EQ(final, 161);
  EXPECT_TRUE(bytes.contains("\r\nCLAIMED-SCORE: 161\r\n"));
  EXPECT_EQ(bytes,
            TextFileBytes(CabrilloLines(s.store.Header, RowsInFileOrder(s.store), final, program, clock.now().date())));
}

TEST_F(ExportTest, TargetNameRules) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      // chosen, Cabrillo target, ADIF target
      {"kdrw", "kdrw.LOG", "kdrw.ADI"},         {"kdrw.log", "kdrw.log", "kdrw.log.ADI"},
      {"kdrw.LoG", "kdrw.LoG", "kdrw.LoG.ADI"}, {"kdrw.adi", "kdrw.adi.LOG", "kdrw.adi"},
      {"kdrw.ADI", "kdrw.ADI.LOG", "kdrw.ADI"},
  };
  for (const auto& [chosen, cabrillo, adif] : cases) {
    EXPECT_EQ(CabrilloFileName(QString::fromLatin1(chosen)).toStdString(), cabrillo);
    EXPECT_EQ(AdifFileName(QString::fromLatin1(chosen)).toStdString(), adif);
  }
}

TEST_F(ExportTest, CancelledDialogOrEmptyGridWritesNothing) {
  prompter.expectSaveFile(QString());
  EXPECT_EQ(ExportCabrilloFile(s, all(), open), QString());

  // Rows of the grid: none, or only records that are gone.
  s.store.Records[0].Status = kStatusDeleted;
  for (const std::vector<int>& rows : {std::vector<int>{}, std::vector<int>{0, 99, -1}}) {
    const QString chosen = dir.path(QStringLiteral("leer.ADI"));
    prompter.expectSaveFile(chosen);
    prompter.expect(QStringLiteral("Keine Logeinträge vorhanden zu exportieren!"), Answer::Ok, Icon::Information,
                    Buttons::Ok);
    EXPECT_EQ(ExportAdifFile(s, rows, open), QString());
    EXPECT_FALSE(QFile::exists(chosen));
  }
  EXPECT_TRUE(opened.isEmpty());
}

TEST_F(ExportTest, AdifStartsInTheProgramFolderAndFollowsTheGridOrder) {
  const QString chosen = dir.path(QStringLiteral("kdrw.adi"));
  prompter.expectSaveFile(chosen);
  prompter.expect(SavedFileQuestion(chosen), Answer::No);
  const std::vector<int> sorted = {8, 0, 1};
  EXPECT_EQ(ExportAdifFile(s, sorted, open, program), chosen);
  EXPECT_TRUE(opened.isEmpty());
  ASSERT_EQ(prompter.saveDialogs.size(), 1u);
  EXPECT_EQ(prompter.saveDialogs[0].folder, s.folders.programFolder);
  EXPECT_EQ(prompter.saveDialogs[0].filter, QStringLiteral("*.adi|*.adi"));
  EXPECT_EQ(prompter.saveDialogs[0].title, QStringLiteral("Speichern unter..."));

  const QList<QByteArray> lines = ReadBytes(chosen).split('\n');
  ASSERT_EQ(lines.size(), 5 + 3 + 1);
  EXPECT_TRUE(lines[5].contains("<CALL:5>OE1ZZ"));
  EXPECT_TRUE(lines[6].contains("<CALL:6>OE1ABC"));
  EXPECT_TRUE(lines[7].contains("<CALL:5>OEXAB"));
}

TEST_F(ExportTest, CabrilloFollowsTheGridOrder) {
  const QString chosen = dir.path(QStringLiteral("sortiert.log"));
  prompter.expectSaveFile(chosen);
  prompter.expect(SavedFileQuestion(chosen), Answer::No);
  ASSERT_EQ(ExportCabrilloFile(s, {6, 3, 0}, open), chosen);
  QStringList calls;
  for (const QByteArray& line : ReadBytes(chosen).split('\n'))
    if (line.startsWith("QSO:"))
      calls << QString::fromLatin1(line.mid(53, 13)).trimmed();
  EXPECT_EQ(Joined(calls), "OE9WIE|OE6ABCDEFGHIJ|OE1ABC");
}

TEST_F(ExportTest, AFailedWriteShowsTheErrorBoxAndRetries) {
  const QString missing = dir.path(QStringLiteral("fehlt/kdrw.log"));
  prompter.expectSaveFile(missing);
  prompter.expectErrorBox(Answer::Retry, QStringLiteral("kann nicht geschrieben werden"));
  prompter.expectErrorBox(Answer::Cancel);
  EXPECT_EQ(ExportCabrilloFile(s, all(), open), QString());
  EXPECT_EQ(prompter.busyDepth, 0);

  // Retry after the folder came back writes the file.
  prompter.expectSaveFile(missing);
  prompter.expectErrorBox(Answer::Retry);
  prompter.expect(SavedFileQuestion(missing), Answer::No);
  prompter.onErrorBox = [&] { QDir().mkpath(dir.path(QStringLiteral("fehlt"))); };
  EXPECT_EQ(ExportCabrilloFile(s, all(), open), missing);
  EXPECT_TRUE(ReadBytes(missing).startsWith("START-OF-LOG:  3.0\r\n"));
}

TEST_F(ExportTest, ResultTextWritesTheShownSummary) {
  const ScoreSummary shown = ComputeSummary(s.tally, s.districts, s.store.Header);
  const std::pair<const char*, const char*> names[] = {{"ergebnis", "ergebnis.txt"}, {"ERG.TXT", "ERG.TXT"}};
  for (const auto& [chosen, target] : names) {
    prompter.expectSaveFile(dir.path(QString::fromLatin1(chosen)));
    prompter.expect(SavedFileQuestion(dir.path(QString::fromLatin1(target))), Answer::Yes, Icon::Question,
                    Buttons::YesNo);
    EXPECT_EQ(WriteResultText(s, shown, open, program), dir.path(QString::fromLatin1(target)));
  }
  EXPECT_EQ(Joined(opened), Joined({dir.path(QStringLiteral("ergebnis.txt")), dir.path(QStringLiteral("ERG.TXT"))}));
  ASSERT_EQ(prompter.saveDialogs.size(), 2u);
  EXPECT_EQ(prompter.saveDialogs[0].title, QStringLiteral("Ergebnis in Datei speichern"));
  EXPECT_EQ(prompter.saveDialogs[0].filter, QStringLiteral("*.txt (Textdateien)|*.txt"));
  EXPECT_EQ(ReadBytes(dir.path(QStringLiteral("ergebnis.txt"))),
            TextFileBytes(ResultTextLines(s.store, s.tally, shown, program, 2026)));

  prompter.expectSaveFile(QString());
  EXPECT_EQ(WriteResultText(s, shown, open, program), QString());
}
