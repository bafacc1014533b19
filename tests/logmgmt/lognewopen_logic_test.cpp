#include "core/codepage.h"
#include "logmgmt/lognewopen_logic.h"
#include "support/logsession.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

QsoRecord QsoOn(const QString& date) {
  QsoRecord r = Qso(QStringLiteral("OE3ABC"), 80, QStringLiteral("WI"), QStringLiteral("06:15:00"));
  r.QsoDate = date;
  return r;
}

struct LogDialogTest : ::testing::Test {
  LogSession t;
  LogNewOpenLogic logic{t.session, LogDialogMode::StartUp};

  void writeLogs(const QStringList& names) {
    for (const QString& n : names)
      t.writeLog(n);
  }
  bool inLogs(const QString& name) const { return QFileInfo::exists(t.logPath(name)); }
};

} // namespace

TEST_F(LogDialogTest, ListsLogFilesInAnyLetterCase) {
  writeLogs({"b.VKDRZ", "a.vkdrz", "c.VkDrZ"});
  t.dir.write("home/VelkaKDRZ/Logs/notes.txt", "x");
  t.dir.write("home/VelkaKDRZ/Logs/b.VKDRZ.ALT", "x");
  logic.load();
  EXPECT_EQ(logic.files(), QStringList({"a.vkdrz", "b.VKDRZ", "c.VkDrZ"}));
}

TEST_F(LogDialogTest, LastUsedFieldShowsOnlyAnExistingLog) {
  writeLogs({"a.VKDRZ"});
  WriteLastLogName(t.session, "gone.VKDRZ");
  logic.load();
  EXPECT_TRUE(logic.lastUsed().isEmpty());
  EXPECT_FALSE(logic.openLastUsed());
  EXPECT_EQ(t.prompter.beeps, 1);
  EXPECT_FALSE(logic.chosen());

  WriteLastLogName(t.session, "a.VKDRZ");
  LogNewOpenLogic again(t.session, LogDialogMode::StartUp);
  again.load();
  EXPECT_EQ(again.lastUsed(), QStringLiteral("a.VKDRZ"));
  EXPECT_TRUE(again.openLastUsed());
  EXPECT_EQ(again.chosen(), std::optional<QString>("a.VKDRZ"));
}

TEST_F(LogDialogTest, DoubleClickChoosesTheEntryAndRecordsItAsLastUsed) {
  writeLogs({"a.VKDRZ", "b.VKDRZ"});
  logic.load();
  EXPECT_TRUE(logic.openEntry(1));
  EXPECT_EQ(logic.chosen(), std::optional<QString>("b.VKDRZ"));
  EXPECT_EQ(logic.lastUsed(), QStringLiteral("b.VKDRZ"));
  EXPECT_EQ(t.setting("Pathe", "LastLogFile"), QStringLiteral("b.VKDRZ"));
}

TEST_F(LogDialogTest, ActivationOpensTheLastLogOnlyWhenLastLogOpenIsMinusOne) {
  writeLogs({"a.VKDRZ"});
  WriteLastLogName(t.session, "a.VKDRZ");
  t.setSetting("Einstellungen", "LastLogOpen", "0");
  logic.load();
  EXPECT_FALSE(logic.activated());

  t.setSetting("Einstellungen", "LastLogOpen", "-1");
  EXPECT_TRUE(logic.activated());
  EXPECT_EQ(logic.chosen(), std::optional<QString>("a.VKDRZ"));

  // With an empty last-used field it only beeps.
  WriteLastLogName(t.session, "");
  LogNewOpenLogic empty(t.session, LogDialogMode::Open);
  empty.load();
  EXPECT_FALSE(empty.activated());
  EXPECT_EQ(t.prompter.beeps, 1);
}

TEST_F(LogDialogTest, RenameAnswers) {
  const QString tooLong(251, QLatin1Char('x'));
  const struct {
    QString answer;
    QString message; // empty: renamed
    QString result;  // the file afterwards
  } cases[] = {
      {"a.VKDRZ", "Datei existiert bereits!\nÄndern nicht möglich.", "a.VKDRZ"},
      {"neu", "", "neu.VKDRZ"},
      {"  neu.vkdrz ", "", "neu.vkdrz"},
      {"neu/1", "Dateiname ungültig!\nÄndern nicht möglich.", "a.VKDRZ"},
      {"neu:1", "Dateiname ungültig!\nÄndern nicht möglich.", "a.VKDRZ"},
      {"neu\t1", "Dateiname ungültig!\nÄndern nicht möglich.", "a.VKDRZ"},
      {tooLong, "Dateiname zu lang!\nÄndern nicht möglich.", "a.VKDRZ"},
  };
  for (const auto& c : cases) {
    LogSession s;
    s.writeLog("a.VKDRZ");
    LogNewOpenLogic l(s.session, LogDialogMode::StartUp);
    l.load();
    s.prompter.expectInput(c.answer, "Namen für das Log eingeben/ändern");
    if (!c.message.isEmpty())
      s.prompter.expect(c.message, Answer::Ok, Icon::Critical);
    l.renameSelected({0});
    EXPECT_EQ(l.files(), QStringList{c.result}) << c.answer.toStdString();
    EXPECT_EQ(s.prompter.inputDefaults.front(), QStringLiteral("a.VKDRZ"));
  }
}

TEST_F(LogDialogTest, RenameEndsAtTheFirstRefusalOrCancel) {
  writeLogs({"a.VKDRZ", "b.VKDRZ", "c.VKDRZ"});
  logic.load();
  t.prompter.expectInput(QStringLiteral("x?"));
  t.prompter.expect("Dateiname ungültig!\nÄndern nicht möglich.", Answer::Ok);
  logic.renameSelected({0, 1, 2});
  EXPECT_EQ(t.prompter.inputPrompts.size(), 1u);

  t.prompter.expectInput(QStringLiteral("erster"));
  t.prompter.expectInput(std::nullopt);
  logic.renameSelected({2, 0});
  // The list shows the renamed file although the command was cancelled.
  EXPECT_EQ(logic.files(), QStringList({"b.VKDRZ", "c.VKDRZ", "erster.VKDRZ"}));
}

TEST_F(LogDialogTest, RenamingTheLastUsedLogKeepsTheFieldPointingAtIt) {
  writeLogs({"a.VKDRZ"});
  WriteLastLogName(t.session, "a.VKDRZ");
  logic.load();
  t.prompter.expectInput(QStringLiteral("b"));
  logic.renameSelected({0});
  EXPECT_EQ(logic.lastUsed(), QStringLiteral("b.VKDRZ"));
  EXPECT_EQ(t.setting("Pathe", "LastLogFile"), QStringLiteral("b.VKDRZ"));
}

TEST_F(LogDialogTest, DeleteStopsAtCancelAndRefreshes) {
  writeLogs({"a.VKDRZ", "b.VKDRZ", "c.VKDRZ", "d.VKDRZ"});
  WriteLastLogName(t.session, "a.VKDRZ");
  logic.load();
  t.prompter.expect("Möchtest du das Log\na.VKDRZ\nwirklich löschen?", Answer::Yes, Icon::Question,
                    Buttons::YesNoCancel);
  t.prompter.expect("Möchtest du das Log\nb.VKDRZ\nwirklich löschen?", Answer::Cancel);
  logic.deleteSelected({0, 1, 2});
  EXPECT_FALSE(inLogs("a.VKDRZ"));
  EXPECT_EQ(logic.files(), QStringList({"b.VKDRZ", "c.VKDRZ", "d.VKDRZ"}));
  // The deleted log can no longer be opened from the last-used field.
  EXPECT_TRUE(logic.lastUsed().isEmpty());

  t.prompter.expect("Möchtest du das Log\nb.VKDRZ\nwirklich löschen?", Answer::No);
  t.prompter.expect("Möchtest du das Log\nd.VKDRZ\nwirklich löschen?", Answer::Yes);
  logic.deleteSelected({0, 2});
  EXPECT_EQ(t.prompter.beeps, 1);
  EXPECT_EQ(logic.files(), QStringList({"b.VKDRZ", "c.VKDRZ"}));
}

TEST_F(LogDialogTest, CopySkipsAnExistingFileOnNoAndCountsTheCopies) {
  writeLogs({"a.VKDRZ", "b.VKDRZ"});
  const QString target = t.dir.path("stick");
  ASSERT_TRUE(QDir().mkpath(target));
  t.dir.write("stick/a.VKDRZ", "older");
  logic.load();

  t.prompter.expectFolder(target);
  t.prompter.expect("Datei existiert bereits. Überschreiben?", Answer::No, Icon::Information, Buttons::YesNoCancel);
  t.prompter.expect("Es wurde(n) '1' Datei(en) Kopiert", Answer::Ok, Icon::Information);
  logic.copySelected({0, 1});
  EXPECT_EQ(ReadBytes(target + "/a.VKDRZ"), QByteArray("older"));
  EXPECT_EQ(ReadBytes(target + "/b.VKDRZ"), ReadBytes(t.logPath("b.VKDRZ")));
  EXPECT_EQ(t.prompter.busyDepth, 0);

  t.prompter.expectFolder(target);
  t.prompter.expect("Datei existiert bereits. Überschreiben?", Answer::Yes);
  t.prompter.expect("Datei existiert bereits. Überschreiben?", Answer::Cancel);
  t.prompter.expect("Es wurde(n) '1' Datei(en) Kopiert", Answer::Ok);
  logic.copySelected({0, 1});
  EXPECT_EQ(ReadBytes(target + "/a.VKDRZ"), ReadBytes(t.logPath("a.VKDRZ")));

  t.prompter.expectFolder(QString()); // chooser cancelled
  logic.copySelected({0});
  EXPECT_EQ(t.prompter.busyDepth, 0);
}

TEST_F(LogDialogTest, CopyIntoTheLogsFolderItselfLeavesTheLogWhole) {
  writeLogs({"a.VKDRZ"});
  const QByteArray before = ReadBytes(t.logPath("a.VKDRZ"));
  logic.load();
  t.prompter.expectFolder(t.session.folders.logsFolder);
  t.prompter.expect("Fehler beim Kopieren! Kopieren abgebrochen", Answer::Ok, Icon::Critical);
  t.prompter.expect("Es wurde(n) '0' Datei(en) Kopiert", Answer::Ok);
  logic.copySelected({0});
  EXPECT_EQ(ReadBytes(t.logPath("a.VKDRZ")), before);
}

TEST(LastLogHasToday, FindsAQsoDatedTodayAfterTheHeader) {
  const QDate may1(2026, 5, 1);
  const QString head = QStringLiteral("x\r\n[MYCALL:6]OE0AAA\r\n[ENDHEAD:]\r\n");
  const QString qso = QStringLiteral("OE3ABC¶80¶WI¶01.05.2026¶06:15:00¶599¶599¶0¶CW¶CW¶0¶OE0AAA¶¶0¶3500¶0¶¶¶¶\r\n");
  const struct {
    QString text;
    bool expected;
  } cases[] = {
      {head + qso, true},
      {head, false},                                                        // header only
      {head + QStringLiteral("   "), false},                                // nothing but blanks
      {head + QString(qso).replace("01.05.2026", "01.05.2025"), false},     // last year's QSO
      {QString(head).replace("[ENDHEAD:]\r\n", "[ENDHEAD:]") + qso, false}, // no CR LF after the tag
      {QStringLiteral("[MYSTATION:12]¶01.05.2026¶\r\n") + head, false},     // the date in the header only
  };
  for (const auto& c : cases)
    EXPECT_EQ(LogTextHasDate(ToCp1252(c.text), may1, QLatin1Char('.')), c.expected) << c.text.toStdString();
  EXPECT_FALSE(LogTextHasDate(ToCp1252(head + qso), may1, QLatin1Char('/')));
}

TEST_F(LogDialogTest, NewLogAsksTheSameDayQuestionOnlyOnFirstMayWithQsosOfToday) {
  t.writeLog("today.VKDRZ", Header(), {QsoOn("01.05.2026")});
  t.writeLog("empty.VKDRZ");
  int runs = 0;
  auto runner = [&]() -> std::optional<QString> {
    ++runs;
    return std::nullopt;
  };

  // Another day: the settings window opens at once.
  WriteLastLogName(t.session, "today.VKDRZ");
  t.clock.set(QDateTime(QDate(2026, 5, 2), QTime(6, 0)));
  logic.load();
  EXPECT_FALSE(logic.newLog(runner));
  EXPECT_EQ(runs, 1);

  // 1 May, but the last log holds only its header.
  t.clock.set(QDateTime(QDate(2026, 5, 1), QTime(15, 0)));
  WriteLastLogName(t.session, "empty.VKDRZ");
  EXPECT_FALSE(logic.newLog(runner));
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(t.prompter.shown.size(), 0u);
}

TEST_F(LogDialogTest, SameDayQuestionAnswers) {
  t.writeLog("today.VKDRZ", Header(), {QsoOn("01.05.2026")});
  WriteLastLogName(t.session, "today.VKDRZ");
  logic.load();
  int runs = 0;
  auto runner = [&]() -> std::optional<QString> {
    ++runs;
    return std::nullopt;
  };
  const QString question = SameDayQuestionText("today.VKDRZ");
  EXPECT_EQ(question, QStringLiteral("Du hast heute bereits Stationen geloggt.\r\ntoday.VKDRZ\r\n\r\n"
                                     "Du musst Contestperiode 1 und 2 \r\n(VORMITTAG und NACHMITTAG)\r\n"
                                     "in das selbe Log eintragen.\r\nDu erleichterst damit die Auswertung!\r\n\r\n"
                                     "JA = Zuletzt verwendetes Log laden\r\nNEIN = Neues Log anlegen\r\n"
                                     "Abbrechen = Zurück zum vorherigen Fenster"));

  t.prompter.expect(question, Answer::Cancel, Icon::Information, Buttons::YesNoCancel);
  EXPECT_FALSE(logic.newLog(runner));
  EXPECT_EQ(runs, 0);
  EXPECT_FALSE(logic.chosen());

  t.prompter.expect(question, Answer::No);
  EXPECT_FALSE(logic.newLog(runner));
  EXPECT_EQ(runs, 1);

  t.prompter.expect(question, Answer::Yes);
  EXPECT_TRUE(logic.newLog(runner));
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(logic.chosen(), std::optional<QString>("today.VKDRZ"));
}

TEST_F(LogDialogTest, ANewLogClosesTheDialogOnlyWhenItsFileExists) {
  logic.load();
  EXPECT_FALSE(logic.newLog([] { return std::optional<QString>("named-but-not-saved.VKDRZ"); }));
  EXPECT_FALSE(logic.chosen());

  EXPECT_TRUE(logic.newLog([&] {
    t.writeLog("neu.VKDRZ");
    return std::optional<QString>("neu.VKDRZ");
  }));
  EXPECT_EQ(logic.chosen(), std::optional<QString>("neu.VKDRZ"));
  EXPECT_EQ(logic.lastUsed(), QStringLiteral("neu.VKDRZ"));
  EXPECT_EQ(t.setting("Pathe", "LastLogFile"), QStringLiteral("neu.VKDRZ"));

  LogNewOpenLogic openMode(t.session, LogDialogMode::Open);
  EXPECT_FALSE(openMode.newLog([] { return std::optional<QString>("neu.VKDRZ"); }));
}
