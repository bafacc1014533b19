#include "core/codepage.h"
#include "core/logfile.h"
#include "logmgmt/lognewopen_logic.h"
#include "station/stationlog_logic.h"
#include "support/logsession.h"

#include <QFileInfo>
#include <QLocale>

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

void AddDistricts(DistrictTable& table) {
  for (const auto& [code, name] : {std::pair{"WI", "Wien"}, std::pair{"AM", "Amstetten"}, std::pair{"GR", "Graz"}}) {
    DistrictEntry e;
    e.Code = QString::fromLatin1(code);
    e.Name = QString::fromLatin1(name);
    e.State = 1;
    table.add(e);
  }
  table.finish();
}

// A form that passes every check of Save.
StationForm GoodForm() {
  StationForm f;
  f.call = QStringLiteral("oe0aaa ");
  f.opCall = QStringLiteral(" OE0BBB");
  f.district = QStringLiteral("WI - Wien");
  f.email = QStringLiteral(" oe0aaa@example.org ");
  f.locator = QStringLiteral("jn88ef");
  f.plz = QStringLiteral("a-1010");
  f.city = QStringLiteral(" Wien ");
  return f;
}

struct StationTest : ::testing::Test {
  LogSession t;
  void SetUp() override { AddDistricts(t.session.districts); }

  // Settings mode on an open log with two QSOs.
  void openLog() {
    t.writeLog("open.VKDRZ", Header("OE0AAA"),
               {Qso("OE3ABC", 80, "WI", "06:00:00"), Qso("OE3DEF", 40, "WI", "06:01:00")});
    ASSERT_EQ(ReadLogFile(t.session.store, t.logPath("open.VKDRZ"), t.prompter, t.session.seps), ReadResult::Loaded);
    t.session.CurrentLogName = QStringLiteral("open.VKDRZ");
  }
  void nameLog(StationLogLogic& logic, const QString& name = QStringLiteral("neu")) {
    t.prompter.expectInput(name);
    logic.namePrompt(QStringLiteral("OE0AAA"));
    ASSERT_EQ(logic.fileName(), name + ".VKDRZ");
  }
  void setOpCalls(const QStringList& calls) { t.session.settings.WriteSection("OPCALLs", calls); }
};

} // namespace

TEST(CallKeyFilter, LettersDigitsSlashAndThreeControlKeysPass) {
  const QString typed = QStringLiteral("oe-3abc/P!.ä ") + QChar(3) + QChar(8) + QChar(24) + QChar(22) + QChar(13);
  QString out;
  for (QChar c : typed)
    if (auto f = FilterCallKey(c))
      out += *f;
  EXPECT_EQ(out, QStringLiteral("OE/3ABC/P") + QChar(3) + QChar(8) + QChar(24));
  EXPECT_EQ(FilterCallText(QStringLiteral("oe3-x y\tz")), QStringLiteral("OE3/XYZ"));
}

TEST(Rebreak, DisplayedLinesBecomeLinesEndingInCrLf) {
  const struct {
    QStringList lines;
    QString expected;
  } cases[] = {
      {{"Ein langer Absatz, der im", "Feld umgebrochen wurde"},
       "Ein langer Absatz, der im\r\nFeld umgebrochen wurde\r\n"},
      {{"eins", "", "drei", "", ""}, "eins\r\n\r\ndrei\r\n"},
      {{""}, "\r\n"},
      {{}, "\r\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RebreakText(c.lines), c.expected) << c.lines.join('|').toStdString();
}

TEST_F(StationTest, SaveChecksInOrder) {
  const QString stateClassText =
      QStringLiteral("Für eine Staatsfunkstelle muss die Wertungsklasse 'Staatsfunkstelle' ausgewählt werden!");
  const struct {
    const char* what;
    std::function<void(StationForm&)> change;
    QString message;
    StationFocus focus;
  } cases[] = {
      {"short call",
       [](StationForm& f) {
         f.call = " OE ";
         f.opCall = "";
       },
       "Bitte ein gültiges Stationsrufzeichen eingeben!", StationFocus::Call},
      {"state station without its class",
       [](StationForm& f) {
         f.call = "OEM1XX";
         f.opCall = "";
       },
       stateClassText, StationFocus::EntryClass},
      {"class without state station",
       [](StationForm& f) {
         f.entryClass = kClassStateStation;
         f.opCall = "";
       },
       "Wertungsklasse 'Staatsfunkstelle' mit diesem Rufzeichen nicht möglich!", StationFocus::Call},
      {"short operator",
       [](StationForm& f) {
         f.opCall = "OE";
         f.district = "";
       },
       "Bitte ein gültiges Operatorrufzeichen eingeben!", StationFocus::OpCall},
      {"no district",
       [](StationForm& f) {
         f.district = "";
         f.entryClass = kClassNewcomer;
       },
       "Bitte den eigenen Bezirk auswählen!", StationFocus::District},
      {"newcomer without exam date",
       [](StationForm& f) {
         f.entryClass = kClassNewcomer;
         f.email = "";
       },
       "Du hast kein gültiges Datum für deine Lizenzprüfung angegeben!", StationFocus::None},
  };
  for (const auto& c : cases) {
    StationLogLogic logic(t.session, StationLogMode::NewLog);
    nameLog(logic);
    StationForm f = GoodForm();
    c.change(f);
    t.prompter.expect(c.message, Answer::Ok, Icon::Critical, Buttons::Ok);
    const auto r = logic.save(f, {}, {});
    EXPECT_FALSE(r.saved) << c.what;
    EXPECT_EQ(r.focus, c.focus) << c.what;
    EXPECT_FALSE(QFileInfo::exists(t.logPath("neu.VKDRZ"))) << c.what;
  }
}

TEST_F(StationTest, AStateStationSavesOnlyWithItsClass) {
  StationLogLogic logic(t.session, StationLogMode::NewLog);
  nameLog(logic);
  StationForm f = GoodForm();
  f.call = QStringLiteral("OEM1XX");
  f.entryClass = kClassStateStation;
  EXPECT_TRUE(logic.save(f, {}, {}).saved);
  EXPECT_EQ(logic.header().EntryClass, kEntryClassStateStation);
}

TEST_F(StationTest, SaveWithoutFileNameOpensTheNamePrompt) {
  StationLogLogic logic(t.session, StationLogMode::NewLog);
  StationForm f = GoodForm();
  t.prompter.expect("Kein Name für die Logdatei angegeben!", Answer::Ok, Icon::Critical);
  t.prompter.expectInput(QStringLiteral("gewählt"), "Namen für neues Log eingeben");
  EXPECT_FALSE(logic.save(f, {}, {}).saved);
  EXPECT_EQ(logic.fileName(), QStringLiteral("gewählt.VKDRZ"));
  EXPECT_FALSE(QFileInfo::exists(t.logPath("gewählt.VKDRZ")));
}

TEST_F(StationTest, ExamDateMustBeAValidDate) {
  StationLogLogic logic(t.session, StationLogMode::NewLog);
  nameLog(logic);
  const QStringList months = logic.monthNames();
  StationForm f = GoodForm();
  f.entryClass = kClassNewcomer;
  f.examDay = "31";
  f.examMonth = months[1]; // February
  f.examYear = "2025";
  t.prompter.expect("Du hast kein gültiges Datum für deine Lizenzprüfung angegeben!", Answer::Ok);
  EXPECT_FALSE(logic.save(f, {}, {}).saved);

  f.examDay = "1";
  f.examMonth = months[4];
  EXPECT_TRUE(logic.save(f, {}, {}).saved);
  EXPECT_EQ(logic.header().ExamDate, QStringLiteral("1.5.2025")); // no leading zeros
}

TEST_F(StationTest, MissingEmailAsksAndNoSavesAnyway) {
  StationLogLogic logic(t.session, StationLogMode::NewLog);
  nameLog(logic);
  StationForm f = GoodForm();
  f.email = QStringLiteral("keine");
  const QString question =
      QStringLiteral("Du hast deine eMail-Adresse nicht angegeben!\nBitte gib sie zwecks Rückfragen ein!");
  t.prompter.expect(question, Answer::Yes, Icon::None, Buttons::YesNo);
  const auto r = logic.save(f, {}, {});
  EXPECT_FALSE(r.saved);
  EXPECT_EQ(r.focus, StationFocus::Email);

  t.prompter.expect(question, Answer::No);
  EXPECT_TRUE(logic.save(f, {}, {}).saved);
  EXPECT_TRUE(QFileInfo::exists(t.logPath("neu.VKDRZ")));
}

TEST_F(StationTest, NewLogSaveWritesAHeaderOnlyLogAndLeavesTheOpenLogAlone) {
  openLog();
  const QByteArray openBefore = ReadBytes(t.logPath("open.VKDRZ"));
  setOpCalls({"OE1AAA", "OE2BBB"});
  StationLogLogic logic(t.session, StationLogMode::NewLog);
  EXPECT_EQ(logic.opCalls(), QStringList({"OE1AAA", "OE2BBB"}));
  nameLog(logic, "KDRW_20260501_OE0AAA");
  StationForm f = GoodForm();
  f.omYl = 1;
  f.powerClass = 1;
  f.opClass = 2;
  f.entryClass = kClassCw;
  ASSERT_TRUE(logic.save(f, {"Dipol auf", "dem Dach"}, {}).saved);

  // The form shows the trimmed and re-broken texts.
  EXPECT_EQ(f.call, QStringLiteral("oe0aaa"));
  EXPECT_EQ(f.station, QStringLiteral("Dipol auf\ndem Dach\n"));
  EXPECT_EQ(f.comment, QStringLiteral("\n"));

  LogStore saved;
  ASSERT_EQ(ReadLogFile(saved, t.logPath("KDRW_20260501_OE0AAA.VKDRZ"), t.prompter, t.session.seps),
            ReadResult::Loaded);
  EXPECT_TRUE(saved.Records.empty());
  const StationHeader& h = saved.Header;
  EXPECT_EQ(h.MyCall, QStringLiteral("OE0AAA"));
  EXPECT_EQ(h.OpCall, QStringLiteral("OE0BBB"));
  EXPECT_EQ(h.MyBz, QStringLiteral("WI"));
  EXPECT_EQ(h.MyLocator, QStringLiteral("JN88EF"));
  EXPECT_EQ(h.Plz, QStringLiteral("A-1010"));
  EXPECT_EQ(h.City, QStringLiteral("Wien"));
  EXPECT_EQ(h.Email, QStringLiteral("oe0aaa@example.org"));
  EXPECT_EQ(h.Station, QStringLiteral("Dipol auf\r\ndem Dach\r\n"));
  EXPECT_EQ(h.Comment, QStringLiteral("\r\n"));
  EXPECT_EQ((std::array<int, 4>{h.OmYl, h.EntryClass, h.PowerClass, h.OpClass}), (std::array<int, 4>{1, 2, 1, 2}));

  EXPECT_EQ(ReadBytes(t.logPath("open.VKDRZ")), openBefore);
  EXPECT_EQ(t.session.store.Header.MyCall, QStringLiteral("OE0AAA"));
  EXPECT_EQ(t.session.store.Records.size(), 2u);
  EXPECT_EQ(t.session.CurrentLogName, QStringLiteral("open.VKDRZ"));

  EXPECT_EQ(t.setting("Pathe", "LastNewLogFile"), QStringLiteral("KDRW_20260501_OE0AAA.VKDRZ"));
  EXPECT_EQ(t.setting("Pathe", "LastNewLogDate"), QStringLiteral("20260501"));
  EXPECT_EQ(t.session.settings.ReadSection("OPCALLs"), QStringList({"OE1AAA", "OE2BBB", ""}));
}

TEST_F(StationTest, SettingsSaveRewritesTheOpenLogAndKeepsItsQsos) {
  openLog();
  StationLogLogic logic(t.session, StationLogMode::Settings);
  StationForm f = logic.initialForm();
  EXPECT_EQ(f.call, QStringLiteral("OE0AAA"));
  EXPECT_EQ(f.district, QStringLiteral("WI - Wien"));
  f.opCall = QStringLiteral("oe9new");
  f.email = QStringLiteral("a@b");
  f.entryClass = kClassMix;
  ASSERT_TRUE(logic.save(f, {"Station"}, {"Kommentar"}).saved);

  EXPECT_EQ(t.session.store.Header.EntryClass, kClassMix);
  LogStore reread;
  ASSERT_EQ(ReadLogFile(reread, t.logPath("open.VKDRZ"), t.prompter, t.session.seps), ReadResult::Loaded);
  EXPECT_EQ(reread.Header.OpCall, QStringLiteral("OE9NEW"));
  EXPECT_EQ(reread.Header.Comment, QStringLiteral("Kommentar\r\n"));
  EXPECT_EQ(reread.Records.size(), 2u);
  EXPECT_EQ(t.session.store.LogBytes(), ReadBytes(t.logPath("open.VKDRZ")));
  // A new operator joins the list.
  EXPECT_EQ(t.session.settings.ReadSection("OPCALLs"), QStringList({"OE9NEW", ""}));
}

TEST_F(StationTest, SettingsSaveKeepsNoNewOperatorWhenTheListIsFull) {
  openLog();
  QStringList ten;
  for (int i = 0; i < 10; ++i)
    ten << QStringLiteral("OE%1AAA").arg(i);
  setOpCalls(ten);
  StationLogLogic logic(t.session, StationLogMode::Settings);
  StationForm f = logic.initialForm();
  f.opCall = QStringLiteral("OE0NEU");
  f.email = QStringLiteral("a@b");
  ASSERT_TRUE(logic.save(f, {}, {}).saved);
  EXPECT_EQ(t.session.store.Header.OpCall, QStringLiteral("OE0NEU"));
  EXPECT_EQ(t.session.settings.ReadSection("OPCALLs"), ten + QStringList{""});
}

TEST_F(StationTest, SettingsModeRestoresEveryExamMonth) {
  openLog();
  t.session.store.Header.EntryClass = kClassNewcomer;
  t.session.store.Header.ExamDate = QStringLiteral("24.11.2025");
  StationLogLogic logic(t.session, StationLogMode::Settings);
  const StationForm f = logic.initialForm();
  EXPECT_EQ(f.examDay, QStringLiteral("24"));
  EXPECT_EQ(f.examMonth, QLocale::system().monthName(11));
  EXPECT_EQ(f.examYear, QStringLiteral("2025"));

  t.session.store.Header.ExamDate = QStringLiteral("00.00.2000");
  const StationForm empty = StationLogLogic(t.session, StationLogMode::Settings).initialForm();
  EXPECT_TRUE(empty.examDay.isEmpty() && empty.examMonth.isEmpty() && empty.examYear.isEmpty());
}

TEST_F(StationTest, EmergencyPowerTakesEffectAtOnceInSettingsMode) {
  openLog();
  StationLogLogic logic(t.session, StationLogMode::Settings);
  EXPECT_EQ(logic.initialForm().emergency, 0);
  logic.setEmergencyPower(1);
  EXPECT_EQ(t.session.store.Header.EmergencyPower, 2);
  logic.setEmergencyPower(0);
  EXPECT_EQ(t.session.store.Header.EmergencyPower, 0);

  // In new-log mode it belongs to the new log, not to the open one.
  StationLogLogic newLog(t.session, StationLogMode::NewLog);
  newLog.setEmergencyPower(1);
  EXPECT_EQ(newLog.header().EmergencyPower, 2);
  EXPECT_EQ(t.session.store.Header.EmergencyPower, 0);
}

TEST_F(StationTest, NamePromptProposalAndChecks) {
  StationLogLogic logic(t.session, StationLogMode::NewLog);
  t.prompter.expect("Bitte zuerst das Stationsrufzeichen eingeben!", Answer::Ok, Icon::Information);
  EXPECT_EQ(logic.namePrompt(QStringLiteral("OE")), StationFocus::Call);

  t.prompter.expectInput(std::nullopt);
  logic.namePrompt(QStringLiteral(" oe0aaa/p "));
  EXPECT_EQ(t.prompter.inputDefaults.back(), QStringLiteral("KDRW_20260501_OE0AAA_P"));
  EXPECT_TRUE(logic.fileName().isEmpty());

  t.prompter.expectInput(QStringLiteral("a*b"));
  t.prompter.expect("Dateiname ungültig", Answer::Ok, Icon::None, Buttons::Ok);
  logic.namePrompt(QStringLiteral("OE0AAA"));
  EXPECT_TRUE(logic.fileName().isEmpty());

  t.prompter.expectInput(QStringLiteral("mai/2026"));
  logic.namePrompt(QStringLiteral("OE0AAA"));
  EXPECT_EQ(logic.fileName(), QStringLiteral("mai_2026.VKDRZ"));
  // The open log's name changes only when a log is saved and opened.
  EXPECT_TRUE(t.session.CurrentLogName.isEmpty());
}

TEST_F(StationTest, AnExistingFileIsReplacedOnlyBySave) {
  t.dir.write("home/VelkaKDRZ/Logs/alt.VKDRZ", "old log");
  StationLogLogic logic(t.session, StationLogMode::NewLog);
  const QString question = QStringLiteral("Datei existiert bereits! Überschreiben?");

  t.prompter.expectInput(QStringLiteral("alt"));
  t.prompter.expect(question, Answer::No, Icon::Question, Buttons::YesNo);
  t.prompter.expectInput(QStringLiteral("anders"));
  logic.namePrompt(QStringLiteral("OE0AAA"));
  EXPECT_EQ(logic.fileName(), QStringLiteral("anders.VKDRZ"));
  EXPECT_EQ(ReadBytes(t.logPath("alt.VKDRZ")), QByteArray("old log"));
  EXPECT_EQ(t.prompter.shown.back().defaultButton, DefaultButton::Second);

  t.prompter.expectInput(QStringLiteral("alt"));
  t.prompter.expect(question, Answer::Yes);
  logic.namePrompt(QStringLiteral("OE0AAA"));
  EXPECT_EQ(logic.fileName(), QStringLiteral("alt.VKDRZ"));
  EXPECT_EQ(ReadBytes(t.logPath("alt.VKDRZ")), QByteArray("old log")); // still there if the window is cancelled

  StationForm f = GoodForm();
  ASSERT_TRUE(logic.save(f, {}, {}).saved);
  EXPECT_TRUE(ReadBytes(t.logPath("alt.VKDRZ")).contains("[MYCALL:6]OE0AAA"));
}

TEST_F(StationTest, ImportFromTheLastLog) {
  StationHeader h = Header("OE0IMP");
  h.OpCall = QStringLiteral("OE0OPR");
  h.MyLocator = QStringLiteral("JN77AA");
  h.MyBz = QStringLiteral("GR");
  h.OmYl = 1;
  h.EntryClass = kClassNewcomer;
  h.PowerClass = 1;
  h.OpClass = 2;
  h.OpName = QStringLiteral("Anna");
  h.Address = QStringLiteral("Gasse 1");
  h.Email = QStringLiteral("anna@example.org");
  h.Plz = QStringLiteral("8010");
  h.City = QStringLiteral("Graz");
  h.Station = QStringLiteral("Zeile 1\r\nZeile 2\r\n");
  h.ExamDate = QStringLiteral("3.4.2025");
  h.EmergencyPower = 2;
  t.writeLog("letzt.VKDRZ", h);
  WriteLastLogName(t.session, "letzt.VKDRZ");

  StationLogLogic logic(t.session, StationLogMode::NewLog);
  StationForm f;
  f.district = QStringLiteral("WI - Wien");
  ASSERT_TRUE(logic.importLastLog(f));
  EXPECT_EQ(f.call, QStringLiteral("OE0IMP"));
  EXPECT_EQ(f.opCall, QStringLiteral("OE0OPR"));
  EXPECT_EQ(f.locator, QStringLiteral("JN77AA"));
  EXPECT_EQ(f.name, QStringLiteral("Anna"));
  EXPECT_EQ(f.address, QStringLiteral("Gasse 1"));
  EXPECT_EQ(f.email, QStringLiteral("anna@example.org"));
  EXPECT_EQ(f.plz, QStringLiteral("8010"));
  EXPECT_EQ(f.city, QStringLiteral("Graz"));
  EXPECT_EQ(f.station, QStringLiteral("Zeile 1\nZeile 2\n"));
  EXPECT_EQ((std::array<int, 5>{f.omYl, f.entryClass, f.powerClass, f.opClass, f.emergency}),
            (std::array<int, 5>{1, kClassNewcomer, 1, 2, 1}));
  EXPECT_EQ(logic.header().EmergencyPower, 2);
  // District and exam date are not taken over.
  EXPECT_EQ(f.district, QStringLiteral("WI - Wien"));
  EXPECT_TRUE(f.examDay.isEmpty());

  h.EmergencyPower = 0;
  t.writeLog("letzt.VKDRZ", h);
  ASSERT_TRUE(logic.importLastLog(f));
  EXPECT_EQ(f.emergency, 0);
  EXPECT_EQ(logic.header().EmergencyPower, 0);
}

TEST_F(StationTest, ImportStopsAtAFaultyTagAndKeepsWhatItFilled) {
  const QString text = QStringLiteral("x\r\n[MYCALL:6]OE0IMP\r\n[MYLOCATOR:6]JN77AA\r\n[MYOMYL:x]1\r\n"
                                      "[MYOPCALL:6]OE0OPR\r\n[ENDHEAD:]\r\n");
  t.dir.writeText("home/VelkaKDRZ/Logs/kaputt.VKDRZ", text);
  WriteLastLogName(t.session, "kaputt.VKDRZ");
  StationLogLogic logic(t.session, StationLogMode::NewLog);
  StationForm f;
  t.prompter.expect(RefusedLogText(t.logPath("kaputt.VKDRZ")), Answer::Ok, Icon::Critical);
  EXPECT_FALSE(logic.importLastLog(f));
  EXPECT_EQ(f.call, QStringLiteral("OE0IMP"));
  EXPECT_EQ(f.locator, QStringLiteral("JN77AA"));
  EXPECT_TRUE(f.opCall.isEmpty());

  // A broken emergency-power tag sets it to "Nein" and ends the import quietly.
  t.dir.writeText("home/VelkaKDRZ/Logs/kaputt.VKDRZ",
                  QStringLiteral("x\r\n[MYCALL:6]OE0IMP\r\n[MYNPOWER:1") + QStringLiteral("\r\n"));
  logic.setEmergencyPower(1);
  f.emergency = 1;
  EXPECT_TRUE(logic.importLastLog(f));
  EXPECT_EQ(f.emergency, 0);
  EXPECT_EQ(logic.header().EmergencyPower, 0);

  // No last log: nothing happens, no message.
  WriteLastLogName(t.session, "weg.VKDRZ");
  EXPECT_FALSE(logic.importLastLog(f));
}

TEST(OpCallList, HoldsAtMostTenCalls) {
  ScriptedPrompter p;
  QStringList nine;
  for (int i = 0; i < 9; ++i)
    nine << QStringLiteral("OE%1AAA").arg(i);
  OpCallListEditor editor(p, nine);
  ASSERT_TRUE(editor.startNew());
  p.expect("Rufzeichen muss mindestens 3 Zeichen lang sein!", Answer::Ok, Icon::Critical);
  EXPECT_FALSE(editor.accept(QStringLiteral(" oe ")));
  EXPECT_TRUE(editor.editing());
  EXPECT_TRUE(editor.accept(QStringLiteral(" oe9zzz ")));
  EXPECT_FALSE(editor.editing());
  EXPECT_EQ(editor.calls().size(), 10);
  EXPECT_EQ(editor.calls().back(), QStringLiteral("OE9ZZZ"));

  p.expect("Es sind maximal 10 Rufzeichen möglich.\n"
           "Du must zuerst ein Rufzeichen löschen um ein neues eingeben zu können!",
           Answer::Ok, Icon::Information);
  EXPECT_FALSE(editor.startNew());
  EXPECT_FALSE(editor.editing());
}

TEST(OpCallList, EditAndRemove) {
  ScriptedPrompter p;
  OpCallListEditor editor(p, {"OE1AAA", "OE2BBB", "OE3CCC", "OE4DDD"});
  p.expect("Kein Rufzeichen ausgewählt!", Answer::Ok, Icon::Information);
  EXPECT_FALSE(editor.startEdit({}));

  ASSERT_TRUE(editor.startEdit({2, 1}));
  EXPECT_EQ(editor.editText(), QStringLiteral("OE2BBB"));
  EXPECT_TRUE(editor.accept(QStringLiteral("oe2xyz")));
  EXPECT_EQ(editor.calls(), QStringList({"OE1AAA", "OE2XYZ", "OE3CCC", "OE4DDD"}));

  p.expect("Möchtest du 'OE1AAA' wirklich aus der Liste löschen?", Answer::Yes, Icon::Question, Buttons::YesNoCancel);
  p.expect("Möchtest du 'OE2XYZ' wirklich aus der Liste löschen?", Answer::No);
  p.expect("Möchtest du 'OE3CCC' wirklich aus der Liste löschen?", Answer::Yes);
  p.expect("Möchtest du 'OE4DDD' wirklich aus der Liste löschen?", Answer::Cancel);
  editor.remove({3, 0, 1, 2});
  EXPECT_EQ(p.beeps, 1);
  EXPECT_EQ(editor.calls(), QStringList({"OE2XYZ", "OE4DDD"}));
}
