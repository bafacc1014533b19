#include "core/logfile.h"
#include "logmgmt/lognewopen_logic.h"
#include "logmgmt/ui/clicklabel.h"
#include "station/ui/stationlog.h"
#include "support/logsession.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

void AddDistricts(DistrictTable& table) {
  for (const auto& [code, name] : {std::pair{"WI", "Wien"}, std::pair{"AM", "Amstetten"}}) {
    DistrictEntry e;
    e.Code = QString::fromLatin1(code);
    e.Name = QString::fromLatin1(name);
    table.add(e);
  }
  table.finish();
}

struct StationWindowTest : ::testing::Test {
  LogSession t;
  std::unique_ptr<StationLog> w;

  void SetUp() override { AddDistricts(t.session.districts); }
  void open(StationLogMode mode) {
    w = std::make_unique<StationLog>(t.session, mode);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  }
  template <typename T> T* child(const char* name) const {
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  // Pending layout changes are applied first, as the event loop does between a
  // user's clicks.
  // Radio buttons are clicked on their indicator: the row is wider than its text.
  void click(const char* name) {
    QCoreApplication::processEvents();
    QAbstractButton* b = child<QAbstractButton>(name);
    const QPoint at = qobject_cast<QRadioButton*>(b) ? QPoint(6, b->height() / 2) : b->rect().center();
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, at);
  }
  void clickLabel(const char* name) {
    QCoreApplication::processEvents();
    QTest::mouseClick(child<QWidget>(name), Qt::LeftButton);
  }
  void type(const char* name, const QString& text) {
    QWidget* field = child<QWidget>(name);
    if (auto* combo = qobject_cast<QComboBox*>(field))
      field = combo->lineEdit();
    QTest::keyClicks(field, text);
  }
  // Fills everything a new log needs, the name included.
  void fillNewLog() {
    type("Text1", "oe0aaa");
    t.prompter.expectInput(QStringLiteral("neu"), "Namen für neues Log eingeben");
    clickLabel("Label10");
    type("Combo5", "oe0bbb");
    child<QComboBox>("Combo1")->setCurrentIndex(1);
    type("Text6", "oe0aaa@example.org");
  }
};

} // namespace

TEST_F(StationWindowTest, CallFieldsTakeOnlyCallsignCharacters) {
  open(StationLogMode::NewLog);
  type("Text1", "oe-3abc!x ");
  QTest::sendKeyEvent(QTest::Click, child<QLineEdit>("Text1"), Qt::Key_unknown, QStringLiteral("ä"), Qt::NoModifier);
  EXPECT_EQ(child<QLineEdit>("Text1")->text(), QStringLiteral("OE/3ABCX"));
  type("Text1", "123456789");
  EXPECT_EQ(child<QLineEdit>("Text1")->text().size(), kCallMaxLength);
  type("Combo5", "oe9-p");
  EXPECT_EQ(child<QComboBox>("Combo5")->currentText(), QStringLiteral("OE9/P"));
  type("Text3", "jn88ef12");
  EXPECT_EQ(child<QLineEdit>("Text3")->text(), QStringLiteral("JN88EF"));
}

TEST_F(StationWindowTest, ExamDateFrameOnlyForNewcomer) {
  open(StationLogMode::NewLog);
  auto* frame = child<QGroupBox>("ExamFrame");
  EXPECT_FALSE(frame->isVisible());
  click("Option2_3");
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(child<QComboBox>("Combo4")->itemText(0), QStringLiteral("2026"));
  EXPECT_EQ(child<QComboBox>("Combo4")->count(), 4);
  EXPECT_EQ(child<QComboBox>("Combo2")->count(), 31);
  click("Option2_2");
  EXPECT_TRUE(child<QRadioButton>("Option2_2")->isChecked());
  EXPECT_FALSE(frame->isVisible());
}

TEST_F(StationWindowTest, NewLogIsNamedAndSavedThroughTheWindow) {
  open(StationLogMode::NewLog);
  EXPECT_TRUE(child<QPushButton>("Command2")->isVisible());
  EXPECT_FALSE(child<QPushButton>("Command4")->isVisible());
  EXPECT_TRUE(child<QPushButton>("Command13")->isVisible());
  fillNewLog();
  EXPECT_EQ(t.prompter.inputDefaults.back(), QStringLiteral("KDRW_20260501_OE0AAA"));
  EXPECT_EQ(child<QLabel>("Label10")->text(), QStringLiteral("neu.VKDRZ"));

  click("Command2");
  EXPECT_TRUE(w->saved());
  LogStore saved;
  ASSERT_EQ(ReadLogFile(saved, t.logPath("neu.VKDRZ"), t.prompter, t.session.seps), ReadResult::Loaded);
  EXPECT_EQ(saved.Header.MyCall, QStringLiteral("OE0AAA"));
  EXPECT_EQ(saved.Header.OpCall, QStringLiteral("OE0BBB"));
  EXPECT_EQ(saved.Header.MyBz, QStringLiteral("WI"));
}

TEST_F(StationWindowTest, ARefusedSaveFocusesTheField) {
  open(StationLogMode::NewLog);
  fillNewLog();
  child<QComboBox>("Combo1")->setCurrentIndex(-1);
  t.prompter.expect("Bitte den eigenen Bezirk auswählen!", Answer::Ok, Icon::Critical);
  click("Command2");
  EXPECT_FALSE(w->saved());
  EXPECT_EQ(w->focusWidget(), child<QWidget>("Combo1"));
  // The window becomes active again when the message box closes; the focus stays.
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(w.get(), &activate);
  EXPECT_EQ(w->focusWidget(), child<QWidget>("Combo1"));
  EXPECT_FALSE(QFileInfo::exists(t.logPath("neu.VKDRZ")));
}

TEST_F(StationWindowTest, ASoftWrappedDescriptionIsStoredAsTheLinesShown) {
  open(StationLogMode::NewLog);
  fillNewLog();
  auto* box = child<QPlainTextEdit>("Text7");
  const QString paragraph = QStringLiteral(
      "Eine Drahtantenne als Dipol in zwölf Meter Höhe über dem Garten, gespeist über eine Hühnerleiter, dazu "
      "ein Transceiver mit hundert Watt und ein Netzteil aus der Bastelkiste des Ortsverbands.");
  box->setPlainText(paragraph);
  const QStringList shown = StationLog::DisplayedLines(box);
  ASSERT_GT(shown.size(), 1) << "the box should wrap this paragraph";
  click("Command2");
  ASSERT_TRUE(w->saved());
  LogStore saved;
  ASSERT_EQ(ReadLogFile(saved, t.logPath("neu.VKDRZ"), t.prompter, t.session.seps), ReadResult::Loaded);
  EXPECT_EQ(saved.Header.Station, shown.join("\r\n") + "\r\n");
  EXPECT_EQ(QString(saved.Header.Station).remove("\r\n"), paragraph);
}

TEST_F(StationWindowTest, ListEditorHoldsTenCalls) {
  QStringList ten;
  for (int i = 0; i < 10; ++i)
    ten << QStringLiteral("OE%1AAA").arg(i);
  t.session.settings.WriteSection("OPCALLs", ten);
  open(StationLogMode::NewLog);
  EXPECT_EQ(child<QComboBox>("Combo5")->count(), 10);

  click("Command5");
  EXPECT_TRUE(child<QGroupBox>("ListFrame")->isVisible());
  EXPECT_FALSE(child<QGroupBox>("ListFrame")->parentWidget()->findChild<QPushButton*>("Command2")->isEnabled());
  t.prompter.expect("Es sind maximal 10 Rufzeichen möglich.\n"
                    "Du must zuerst ein Rufzeichen löschen um ein neues eingeben zu können!",
                    Answer::Ok, Icon::Information);
  click("ListNew");
  EXPECT_FALSE(child<QLineEdit>("OpCallEdit")->isVisible());

  auto* list = child<QListWidget>("OpCallList");
  list->item(0)->setSelected(true);
  t.prompter.expect("Möchtest du 'OE0AAA' wirklich aus der Liste löschen?", Answer::Yes);
  click("ListDelete");
  EXPECT_EQ(list->count(), 9);

  click("ListNew");
  ASSERT_TRUE(child<QLineEdit>("OpCallEdit")->isVisible());
  type("OpCallEdit", "oe1-new");
  QTest::keyClick(child<QLineEdit>("OpCallEdit"), Qt::Key_Return);
  EXPECT_EQ(list->count(), 10);
  EXPECT_EQ(list->item(9)->text(), QStringLiteral("OE1/NEW"));

  click("ListOk");
  EXPECT_FALSE(child<QGroupBox>("ListFrame")->isVisible());
  EXPECT_TRUE(child<QPushButton>("Command2")->isEnabled());
  EXPECT_TRUE(child<QWidget>("Label10")->isEnabled());
  auto* combo = child<QComboBox>("Combo5");
  EXPECT_EQ(combo->count(), 10);
  EXPECT_EQ(combo->itemText(9), QStringLiteral("OE1/NEW"));
  EXPECT_EQ(w->logic().opCalls().size(), 10);
}

TEST_F(StationWindowTest, SettingsModeShowsTheOpenLog) {
  StationHeader h = Header("OE0AAA");
  h.MyBz = QStringLiteral("AM");
  h.EntryClass = kClassCw;
  h.Station = QStringLiteral("Zeile 1\r\nZeile 2\r\n");
  t.writeLog("open.VKDRZ", h);
  ASSERT_EQ(ReadLogFile(t.session.store, t.logPath("open.VKDRZ"), t.prompter, t.session.seps), ReadResult::Loaded);
  t.session.CurrentLogName = QStringLiteral("open.VKDRZ");

  open(StationLogMode::Settings);
  EXPECT_FALSE(child<QPushButton>("Command2")->isVisible());
  EXPECT_TRUE(child<QPushButton>("Command4")->isVisible());
  EXPECT_FALSE(child<QPushButton>("Command13")->isVisible());
  EXPECT_FALSE(child<QWidget>("Label10")->isEnabled());
  EXPECT_FALSE(child<QWidget>("Command3")->isEnabled());
  EXPECT_EQ(child<QLabel>("Label10")->text(), QStringLiteral("open.VKDRZ"));
  EXPECT_EQ(child<QLineEdit>("Text1")->text(), QStringLiteral("OE0AAA"));
  EXPECT_EQ(child<QComboBox>("Combo1")->currentText(), QStringLiteral("AM - Amstetten"));
  EXPECT_TRUE(child<QRadioButton>("Option2_2")->isChecked());
  EXPECT_EQ(child<QPlainTextEdit>("Text7")->toPlainText(), QStringLiteral("Zeile 1\nZeile 2\n"));

  // Emergency power counts at once, also when the window is then cancelled.
  click("Option5_1");
  EXPECT_EQ(t.session.store.Header.EmergencyPower, 2);
  click("Command1");
  EXPECT_FALSE(w->saved());
  EXPECT_EQ(t.session.store.Header.EmergencyPower, 2);
}

TEST_F(StationWindowTest, ImportFillsTheFields) {
  StationHeader h = Header("OE0IMP");
  h.OpName = QStringLiteral("Anna");
  h.EntryClass = kClassNewcomer;
  h.EmergencyPower = 2;
  t.writeLog("letzt.VKDRZ", h);
  WriteLastLogName(t.session, "letzt.VKDRZ");
  open(StationLogMode::NewLog);
  click("Command13");
  EXPECT_EQ(child<QLineEdit>("Text1")->text(), QStringLiteral("OE0IMP"));
  EXPECT_EQ(child<QLineEdit>("Text4")->text(), QStringLiteral("Anna"));
  EXPECT_TRUE(child<QRadioButton>("Option2_3")->isChecked());
  EXPECT_TRUE(child<QGroupBox>("ExamFrame")->isVisible());
  EXPECT_TRUE(child<QRadioButton>("Option5_1")->isChecked());
  EXPECT_EQ(child<QComboBox>("Combo1")->currentIndex(), -1);
}
