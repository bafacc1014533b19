#include "core/logfile.h"
#include "entry/session.h"
#include "entry/ui/hauptform.h"
#include "exchange/exportcommand.h"
#include "support/fakeclock.h"
#include "support/fixtures.h"
#include "support/scriptedprompter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

struct MainWindowTest : ::testing::Test {
  TempFolder home;
  ScriptedPrompter prompter;
  FakeClock clock{QDateTime(QDate(2026, 5, 1), QTime(6, 0))};
  Session s{prompter, clock};
  std::unique_ptr<HauptForm> form;
  int submissions = 0;
  int backups = 0;

  MainWindowTest() {
    s.setProgramPath(QStringLiteral("/opt/VelkaKDRZ/VelkaKDRZ"), home.path());
    QDir().mkpath(s.folders.logsFolder);
    QFile::copy(QStringLiteral(VK_SOURCE_DIR "/data/bez_koord.txt"), s.folders.districtFile());
    s.settings.WriteText(QStringLiteral("Einstellungen"), QStringLiteral("ZeitPM"), QStringLiteral("12"));
    s.settings.WriteText(QStringLiteral("Einstellungen"), QStringLiteral("Mode"), QStringLiteral("1"));
    s.settings.WriteText(QStringLiteral("Einstellungen"), QStringLiteral("Band"), QStringLiteral("1"));
  }

  void writeLog(const QList<QsoRecord>& records = {}) {
    LogStore log;
    log.Header = Header(QStringLiteral("OE3ABC"));
    log.Header.MyBz = QStringLiteral("TU");
    for (const QsoRecord& r : records)
      log.Records.push_back(r);
    home.writeText(QStringLiteral("VelkaKDRZ/Logs/t.VKDRZ"), BuildLogText(log, true));
  }

  void start(const QList<QsoRecord>& records = {}) {
    writeLog(records);
    HauptForm::Services services;
    services.chooseLog = [](HauptForm&) { return std::optional<QString>(QStringLiteral("t.VKDRZ")); };
    services.submitLog = [this](HauptForm&) { ++submissions; };
    services.automaticBackup = [this](Session&) { ++backups; };
    form = std::make_unique<HauptForm>(s, services);
    ASSERT_TRUE(form->startUp());
    QApplication::setActiveWindow(form.get());
  }

  QLineEdit* edit(EntryField f) { return qobject_cast<QLineEdit*>(form->field(f)); }
  QComboBox* combo(EntryField f) { return qobject_cast<QComboBox*>(form->field(f)); }
  void type(EntryField f, const QString& text) {
    QWidget* w = form->field(f);
    if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit())
      w = c->lineEdit();
    w->setFocus();
    QTest::keyClicks(w, text);
  }
  void enter(EntryField f = EntryField::Call) {
    QWidget* w = form->field(f);
    if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit())
      w = c->lineEdit();
    QTest::keyClick(w, Qt::Key_Return);
  }
  void logQso(const QString& call, const QString& district) {
    edit(EntryField::Call)->clear();
    type(EntryField::Call, call);
    combo(EntryField::District)->setEditText(district);
    enter();
  }
};

} // namespace

TEST_F(MainWindowTest, StartUpShowsTheLogAndTheClock) {
  start({Qso("OE1ABC", 80, "WI", "05:10:00"), Qso("OE1ABC", 80, "WI", "05:20:00", "CW", 1)});
  EXPECT_EQ(form->windowTitle(), QStringLiteral("VelkaKDRW (t.VKDRZ)"));
  EXPECT_EQ(form->grid().rowCount(), 2);
  EXPECT_TRUE(form->grid().rows()[1].dupeRed);
  EXPECT_EQ(form->fieldText(EntryField::Time), QStringLiteral("06:00"));
  EXPECT_EQ(form->fieldText(EntryField::Date), QStringLiteral("01.05.2026"));
  EXPECT_EQ(form->fieldText(EntryField::Band), QStringLiteral("80m"));
  EXPECT_EQ(form->fieldText(EntryField::RstSent), QStringLiteral("599"));
  EXPECT_EQ(form->fieldText(EntryField::Operator), QStringLiteral("OE3ABC"));
  EXPECT_EQ(combo(EntryField::District)->count(), 94);
  EXPECT_EQ(s.tally.DupeCount, 1);
  EXPECT_TRUE(form->backupPending());
  // Menu entries of later windows are there but disabled; the import stays hidden.
  ASSERT_NE(form->menuAction(QStringLiteral("Bezirke &Karte")), nullptr);
  EXPECT_FALSE(form->menuAction(QStringLiteral("Bezirke &Karte"))->isEnabled());
  EXPECT_EQ(form->menuAction(QStringLiteral("Bezirke &Karte"))->shortcut(), QKeySequence(Qt::Key_F5));
  EXPECT_FALSE(form->menuAction(QStringLiteral("AD&IF-Datei importieren"))->isVisible());
  EXPECT_TRUE(form->menuAction(QStringLiteral("-00:00h"))->isChecked());
}

TEST_F(MainWindowTest, TypingIntoTheEntryLine) {
  start();
  type(EntryField::Call, QStringLiteral("oe0zzz-p"));
  EXPECT_EQ(form->fieldText(EntryField::Call), QStringLiteral("OE0ZZZ/P"));
  type(EntryField::District, QStringLiteral("tu"));
  EXPECT_EQ(form->fieldText(EntryField::District), QStringLiteral("TU"));

  // A typed time stops the clock and is normalised when the field is left.
  edit(EntryField::Time)->clear();
  type(EntryField::Time, QStringLiteral("930"));
  EXPECT_FALSE(form->clockRunning());
  form->field(EntryField::Call)->setFocus();
  EXPECT_EQ(form->fieldText(EntryField::Time), QStringLiteral("09:30"));
  clock.advance(60000);
  form->clockTick();
  EXPECT_EQ(form->fieldText(EntryField::Time), QStringLiteral("09:30"));

  // Space jumps from the callsign to the district.
  type(EntryField::Call, QStringLiteral(" "));
  EXPECT_TRUE(form->field(EntryField::District)->hasFocus() ||
              combo(EntryField::District)->lineEdit()->hasFocus());
  // Ctrl+W resets the line.
  QTest::keyClick(form->field(EntryField::Call), Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(form->fieldText(EntryField::Call), QString());
  EXPECT_EQ(form->fieldText(EntryField::District), QString());
  EXPECT_TRUE(form->clockRunning());
}

TEST_F(MainWindowTest, RefusalsShowTheirTextsAndFocus) {
  start();
  logQso(QStringLiteral("OE"), QStringLiteral("TU"));
  EXPECT_EQ(form->statusLine()->text(), QStringLiteral("Ungültiges Rufzeichen"));
  EXPECT_TRUE(form->field(EntryField::Call)->hasFocus());

  logQso(QStringLiteral("OE1ABC"), QStringLiteral("XQ"));
  EXPECT_EQ(form->statusLine()->text(), QStringLiteral("BEZIRK ungültig"));

  combo(EntryField::Band)->setCurrentIndex(0); // 40 m
  prompter.expect(QStringLiteral("Staatsfunkstellen dürfen nur auf 80/30m gearbeitet werden!"), Answer::Ok,
                  Icon::Information);
  logQso(QStringLiteral("OEXAA"), QStringLiteral("TU"));
  EXPECT_TRUE(form->field(EntryField::Band)->hasFocus());

  combo(EntryField::Band)->setCurrentIndex(2); // 30 m
  prompter.expect(QStringLiteral("Amateurfunk-Stationen dürfen nur auf 80/40m gearbeitet werden!"), Answer::Ok,
                  Icon::Information);
  logQso(QStringLiteral("OE1ABC"), QStringLiteral("TU"));
  EXPECT_TRUE(s.store.Records.empty());
}

TEST_F(MainWindowTest, AcceptedQsoIsInTheFileAndTheLineIsReset) {
  start();
  edit(EntryField::Note)->setText(QStringLiteral("Test"));
  logQso(QStringLiteral("OE1ABC"), QStringLiteral("WI"));
  ASSERT_EQ(s.store.Records.size(), 1u);
  EXPECT_TRUE(ReadBytes(s.currentLogPath()).endsWith(ToCp1252(QsoLine(s.store.Records[0]))));
  EXPECT_EQ(form->grid().rowCount(), 1);
  EXPECT_EQ(form->fieldText(EntryField::Call), QString());
  EXPECT_EQ(form->fieldText(EntryField::Note), QString());
  EXPECT_EQ(form->fieldText(EntryField::District), QString());
  EXPECT_EQ(form->fieldText(EntryField::RstRcvd), QStringLiteral("599"));
  EXPECT_TRUE(form->field(EntryField::Call)->hasFocus());

  // A held Enter repeats; the repeats log nothing.
  logQso(QStringLiteral("OE2XYZ"), QStringLiteral("WI"));
  combo(EntryField::District)->setEditText(QStringLiteral("WI"));
  type(EntryField::Call, QStringLiteral("OE3XYZ"));
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), false);
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
  QApplication::sendEvent(form->field(EntryField::Call), &press);
  QApplication::sendEvent(form->field(EntryField::Call), &repeat);
  QApplication::sendEvent(form->field(EntryField::Call), &repeat);
  EXPECT_EQ(s.store.Records.size(), 3u);
}

TEST_F(MainWindowTest, DupeWarningAndQuestion) {
  start({Qso("OE1ABC", 80, "WI", "05:10:00")});
  type(EntryField::Call, QStringLiteral("OE1ABC"));
  EXPECT_EQ(form->statusLine()->text(), QStringLiteral("Station bereits um 05:10 Uhr gearbeitet!"));
  EXPECT_TRUE(form->dupeButton()->isVisible());
  EXPECT_EQ(form->fieldText(EntryField::District), QStringLiteral("WI"));
  // Deleting a character takes the warning and the district away.
  QTest::keyClick(form->field(EntryField::Call), Qt::Key_Backspace);
  EXPECT_FALSE(form->dupeButton()->isVisible());
  EXPECT_EQ(form->fieldText(EntryField::District), QString());
  EXPECT_EQ(form->statusLine()->text(), QString());

  type(EntryField::Call, QStringLiteral("C"));
  prompter.expect(QStringLiteral("Soll das QSO als DUPE geloggt werden?"), Answer::No, Icon::Question, Buttons::YesNo);
  enter();
  EXPECT_EQ(s.store.Records.size(), 1u);
  EXPECT_EQ(form->fieldText(EntryField::Call), QStringLiteral("OE1ABC"));
  EXPECT_TRUE(form->field(EntryField::Call)->hasFocus());

  // The operator corrects the district; Yes logs the dupe with that district.
  combo(EntryField::District)->setEditText(QStringLiteral("TU"));
  prompter.expect(QStringLiteral("Soll das QSO als DUPE geloggt werden?"), Answer::Yes);
  enter();
  ASSERT_EQ(s.store.Records.size(), 2u);
  EXPECT_EQ(s.store.Records[1].Status, kStatusDupe);
  EXPECT_EQ(s.store.Records[1].District, QStringLiteral("TU"));
  EXPECT_TRUE(form->grid().rows()[1].dupeRed);
  const QModelIndex cell = form->gridView()->model()->index(1, 11);
  EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
  EXPECT_EQ(cell.data().toString(), QStringLiteral("Dupe"));
}

TEST_F(MainWindowTest, CountdownAndAutomaticSubmission) {
  start({Qso("OE1ABC", 80, "WI", "05:10:00")});
  clock.set(QDateTime(QDate(2026, 5, 1), QTime(7, 59, 30)));
  form->countdownTick();
  EXPECT_EQ(form->countdownAction()->text(), QString(20, QLatin1Char(' ')) + QStringLiteral("00:00:30 bis Ende Periode 1"));

  clock.set(QDateTime(QDate(2026, 5, 1), QTime(8, 1, 30)));
  form->countdownTick();
  form->countdownTick();
  EXPECT_EQ(submissions, 1);
  // A new QSO allows another submission at the next trigger.
  logQso(QStringLiteral("OE2XYZ"), QStringLiteral("WI"));
  ASSERT_EQ(s.store.Records.size(), 2u);
  form->countdownTick();
  EXPECT_EQ(submissions, 2);

  clock.set(QDateTime(QDate(2026, 5, 1), QTime(17, 1, 30)));
  form->countdownTick();
  form->countdownTick();
  EXPECT_EQ(submissions, 3);
  // Closing on 1 May after the automatic submission sends nothing more.
  form->close();
  EXPECT_EQ(submissions, 3);
}

TEST_F(MainWindowTest, ClosingOnContestDaySubmitsAndSavesTheSettings) {
  start({Qso("OE1ABC", 80, "WI", "05:10:00")});
  combo(EntryField::Band)->setCurrentIndex(2);
  form->close();
  EXPECT_EQ(submissions, 1);
  EXPECT_EQ(s.settings.ReadNumber(QStringLiteral("Einstellungen"), QStringLiteral("Band")), 2);
  EXPECT_EQ(s.settings.ReadSection(QStringLiteral("OPCALLs")), (QStringList{QStringLiteral("OE3ABC"), QString()}));
  EXPECT_EQ(s.settings.ReadNumber(QStringLiteral("Einstellungen"), QStringLiteral("StatistikForm")), 0);
}

TEST_F(MainWindowTest, OperatorListKeepsTenAndMovesToTop) {
  start();
  for (int i = 0; i < 11; ++i) {
    combo(EntryField::Operator)->setEditText(QString());
    type(EntryField::Operator, QStringLiteral("oe1op%1").arg(i));
    enter(EntryField::Operator);
  }
  combo(EntryField::Operator)->setEditText(QString());
  type(EntryField::Operator, QStringLiteral("oe1op3"));
  enter(EntryField::Operator);
  QStringList saved = s.settings.ReadSection(QStringLiteral("OPCALLs"));
  saved.removeLast();
  ASSERT_EQ(saved.size(), 10);
  EXPECT_EQ(saved.front(), QStringLiteral("OE1OP3"));
  EXPECT_EQ(saved.count(QStringLiteral("OE1OP3")), 1);
  EXPECT_FALSE(saved.contains(QStringLiteral("OE3ABC")));
}

TEST_F(MainWindowTest, SortingByCallsignThenByTime) {
  start({Qso("OE3C", 80, "WI", "05:30:00"), Qso("OE1B", 80, "WI", "05:10:00"), Qso("OE2A", 80, "WI", "05:20:00")});
  form->sortGrid(kCallAsc);
  EXPECT_EQ(form->displayOrder(), (std::vector<int>{1, 2, 0}));
  form->sortGrid(kTimeDesc);
  EXPECT_EQ(form->displayOrder(), (std::vector<int>{0, 2, 1}));
  // A new QSO lands at the end, out of the sort order.
  logQso(QStringLiteral("OE9Z"), QStringLiteral("WI"));
  EXPECT_EQ(form->displayOrder(), (std::vector<int>{0, 2, 1, 3}));
}

TEST_F(MainWindowTest, ExportAfterSortingByCallsignFollowsTheGrid) {
  start({Qso("OE3C", 80, "WI", "05:30:00"), Qso("OE1B", 80, "WI", "05:10:00"), Qso("OE2A", 80, "WI", "05:20:00")});
  form->sortGrid(kCallAsc);
  const QString chosen = home.path(QStringLiteral("sortiert.log"));
  prompter.expectSaveFile(chosen);
  prompter.expect(SavedFileQuestion(chosen), Answer::No);
  ASSERT_EQ(ExportCabrilloFile(s, form->displayOrder(), [](const QString&) {}), chosen);
  QStringList calls;
  for (const QByteArray& line : ReadBytes(chosen).split('\n'))
    if (line.startsWith("QSO:"))
      calls << QString::fromLatin1(line.mid(53, 13)).trimmed();
  EXPECT_EQ(calls, (QStringList{"OE1B", "OE2A", "OE3C"}));
}
