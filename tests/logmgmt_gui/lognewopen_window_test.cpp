#include "logmgmt/lognewopen_logic.h"
#include "logmgmt/ui/logcommands_ui.h"
#include "logmgmt/ui/lognewopen.h"
#include "logmgmt/ui/sicherneinstellungen.h"
#include "support/logsession.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

// A double click as the window system delivers it: press, release, then the
// double-click event.
void DoubleClick(QListWidget* files, int row) {
  const QPoint at = files->visualItemRect(files->item(row)).center();
  QTest::mouseClick(files->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(files->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

struct LogDialogWindowTest : ::testing::Test {
  LogSession t;
  std::unique_ptr<LogNewOpen> d;
  int stationLogRuns = 0;
  std::function<std::optional<QString>()> stationLog = [] { return std::optional<QString>(); };

  void SetUp() override {
    for (const char* name : {"a.VKDRZ", "b.VKDRZ", "c.VKDRZ"})
      t.writeLog(QString::fromLatin1(name));
  }
  void open(LogDialogMode mode) {
    d = std::make_unique<LogNewOpen>(t.session, mode, nullptr, [this] {
      ++stationLogRuns;
      return stationLog();
    });
    d->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(d.get()));
    QCoreApplication::processEvents();
  }
  template <typename T> T* child(const char* name) const {
    T* c = d->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  void click(const char* name) {
    QCoreApplication::processEvents();
    QTest::mouseClick(child<QWidget>(name), Qt::LeftButton);
  }
  QListWidget* list() const { return child<QListWidget>("File1"); }
  QStringList listed() const {
    QStringList names;
    for (int i = 0; i < list()->count(); ++i)
      names << list()->item(i)->text();
    return names;
  }
  void select(std::initializer_list<int> rows) {
    list()->clearSelection();
    for (int r : rows)
      list()->item(r)->setSelected(true);
  }
};

} // namespace

TEST_F(LogDialogWindowTest, StartUpModeOffersEverythingAndTheExtendedFrame) {
  WriteLastLogName(t.session, "b.VKDRZ");
  open(LogDialogMode::StartUp);
  EXPECT_EQ(d->windowTitle(), QStringLiteral("VelkaKDRW"));
  EXPECT_EQ(listed(), QStringList({"a.VKDRZ", "b.VKDRZ", "c.VKDRZ"}));
  EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("b.VKDRZ"));
  EXPECT_TRUE(child<QLabel>("Label1")->text().startsWith("Bestehende Kontest-Logs in\n"));
  EXPECT_EQ(list()->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_TRUE(child<QPushButton>("Command4")->isEnabled());

  auto* toggle = child<QPushButton>("Command5");
  EXPECT_EQ(toggle->text(), QStringLiteral(">>"));
  EXPECT_FALSE(child<QGroupBox>("Frame1")->isVisible());
  const int collapsed = d->width();
  click("Command5");
  QCoreApplication::processEvents();
  EXPECT_EQ(toggle->text(), QStringLiteral("<<"));
  EXPECT_TRUE(child<QGroupBox>("Frame1")->isVisible());
  EXPECT_GT(d->width(), collapsed);
  click("Command5");
  QCoreApplication::processEvents();
  EXPECT_FALSE(child<QGroupBox>("Frame1")->isVisible());
  EXPECT_EQ(d->width(), collapsed);
}

TEST_F(LogDialogWindowTest, OpenModeOnlyOpens) {
  open(LogDialogMode::Open);
  EXPECT_FALSE(child<QPushButton>("Command4")->isEnabled());
  EXPECT_FALSE(child<QPushButton>("Command5")->isVisible());
}

TEST_F(LogDialogWindowTest, DoubleClickOpensTheEntry) {
  open(LogDialogMode::Open);
  DoubleClick(list(), 2);
  EXPECT_EQ(d->result(), QDialog::Accepted);
  EXPECT_EQ(d->chosen(), std::optional<QString>("c.VKDRZ"));
  EXPECT_EQ(t.setting("Pathe", "LastLogFile"), QStringLiteral("c.VKDRZ"));
}

TEST_F(LogDialogWindowTest, LastUsedFieldOpensOrBeeps) {
  open(LogDialogMode::StartUp);
  const int beeps = t.prompter.beeps; // the settings reads beep while no settings file exists
  click("Label2");
  EXPECT_EQ(t.prompter.beeps, beeps + 1);
  EXPECT_TRUE(d->isVisible());

  WriteLastLogName(t.session, "a.VKDRZ");
  open(LogDialogMode::StartUp);
  click("Label2");
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(d->chosen(), std::optional<QString>("a.VKDRZ"));
}

TEST_F(LogDialogWindowTest, LastLogOpenChoosesAtOnceWhenShown) {
  WriteLastLogName(t.session, "b.VKDRZ");
  t.setSetting("Einstellungen", "LastLogOpen", "-1");
  d = std::make_unique<LogNewOpen>(t.session, LogDialogMode::Open);
  d->show();
  QTest::qWait(20);
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(d->chosen(), std::optional<QString>("b.VKDRZ"));
}

TEST_F(LogDialogWindowTest, LastLogOpenWithAnEmptyFieldBeepsOnShowAndAfterTheSettingsWindow) {
  t.setSetting("Einstellungen", "LastLogOpen", "-1");
  t.clock.set(QDateTime(QDate(2026, 5, 2), QTime(9, 0)));
  open(LogDialogMode::StartUp);
  QTest::qWait(20);
  EXPECT_EQ(t.prompter.beeps, 1);
  EXPECT_TRUE(d->isVisible());
  click("Command4");
  EXPECT_EQ(stationLogRuns, 1);
  EXPECT_EQ(t.prompter.beeps, 2);
  // Message boxes do not count as leaving the window.
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(d.get(), &activate);
  QTest::qWait(20);
  EXPECT_EQ(t.prompter.beeps, 2);
}

TEST_F(LogDialogWindowTest, RenameAndDeleteThroughTheFrame) {
  open(LogDialogMode::StartUp);
  click("Command5");
  select({0});
  t.prompter.expectInput(QStringLiteral("umbenannt"), "Namen für das Log eingeben/ändern");
  click("Command1");
  EXPECT_EQ(listed(), QStringList({"b.VKDRZ", "c.VKDRZ", "umbenannt.VKDRZ"}));

  select({0, 1, 2});
  t.prompter.expect("Möchtest du das Log\nb.VKDRZ\nwirklich löschen?", Answer::Yes);
  t.prompter.expect("Möchtest du das Log\nc.VKDRZ\nwirklich löschen?", Answer::Cancel);
  click("Command2");
  EXPECT_EQ(listed(), QStringList({"c.VKDRZ", "umbenannt.VKDRZ"}));
}

TEST_F(LogDialogWindowTest, CopyThroughTheFrame) {
  const QString target = t.dir.path("stick");
  ASSERT_TRUE(QDir().mkpath(target));
  t.dir.write("stick/a.VKDRZ", "older");
  open(LogDialogMode::StartUp);
  click("Command5");
  select({0, 2});
  t.prompter.expectFolder(target);
  t.prompter.expect("Datei existiert bereits. Überschreiben?", Answer::No);
  t.prompter.expect("Es wurde(n) '1' Datei(en) Kopiert", Answer::Ok);
  click("Command3");
  EXPECT_TRUE(QFileInfo::exists(target + "/c.VKDRZ"));
  EXPECT_EQ(ReadBytes(target + "/a.VKDRZ"), QByteArray("older"));
}

TEST_F(LogDialogWindowTest, NewLogClosesOnlyWhenTheLogWasSaved) {
  t.clock.set(QDateTime(QDate(2026, 5, 2), QTime(9, 0)));
  open(LogDialogMode::StartUp);
  click("Command4");
  EXPECT_EQ(stationLogRuns, 1);
  EXPECT_TRUE(d->isVisible());

  stationLog = [this] {
    t.writeLog("neu.VKDRZ");
    return std::optional<QString>("neu.VKDRZ");
  };
  click("Command4");
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(d->chosen(), std::optional<QString>("neu.VKDRZ"));
  EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("neu.VKDRZ"));
}

TEST_F(LogDialogWindowTest, SameDayQuestionYesOpensTheLastLogWithoutASettingsWindow) {
  t.writeLog("heute.VKDRZ", Header(), {Qso("OE3ABC", 80, "WI", "06:00:00")});
  WriteLastLogName(t.session, "heute.VKDRZ");
  open(LogDialogMode::StartUp);
  t.prompter.expect(SameDayQuestionText("heute.VKDRZ"), Answer::Yes, Icon::Information, Buttons::YesNoCancel);
  click("Command4");
  EXPECT_EQ(stationLogRuns, 0);
  EXPECT_EQ(d->chosen(), std::optional<QString>("heute.VKDRZ"));
}

TEST_F(LogDialogWindowTest, OpenCommandWithTheRealDialog) {
  ASSERT_TRUE(ReloadLog(t.session, "a.VKDRZ"));
  // Double-click "b.VKDRZ" in the modal dialog once it is up.
  QTimer::singleShot(50, [] {
    auto* dialog = qobject_cast<LogNewOpen*>(QApplication::activeModalWidget());
    if (!dialog) {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<LogNewOpen*>(w); candidate && candidate->isVisible())
          dialog = candidate;
    }
    ASSERT_NE(dialog, nullptr);
    DoubleClick(dialog->findChild<QListWidget*>("File1"), 1);
    if (dialog->isVisible()) {
      ADD_FAILURE() << "the double click did not close the dialog";
      dialog->reject();
    }
  });
  EXPECT_EQ(MnOpenLog(t.session, static_cast<QWidget*>(nullptr)), LogCommandResult::Reloaded);
  EXPECT_EQ(t.session.CurrentLogName, QStringLiteral("b.VKDRZ"));
}

// --- SichernEinstellungen -------------------------------------------------------------------

TEST(BackupSettingsWindow, TheLogsFolderIsRefusedAndTheTreeReturnsToTheDataFolder) {
  LogSession t;
  SichernEinstellungen w(t.session);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  t.prompter.expect("Dieser Ordner ist nicht erlaubt!", Answer::Ok, Icon::Information);
  w.openFolder(t.session.folders.logsFolder);
  EXPECT_EQ(w.currentFolder(), BackupSettingsLogic::Normalised(t.session.folders.dataFolder));
  EXPECT_EQ(w.findChild<QLineEdit*>("Text1")->text(), w.currentFolder());
}

TEST(BackupSettingsWindow, NewFolderThenOkStoresIt) {
  LogSession t;
  const QString usb = t.dir.path("usb");
  ASSERT_TRUE(QDir().mkpath(usb));
  SichernEinstellungen w(t.session);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  w.openFolder(usb);
  t.prompter.expectInput(QStringLiteral("Mai"), "Bitte den Namen für den neuen Ordner eingeben");
  QTest::mouseClick(w.findChild<QPushButton*>("NewFolder"), Qt::LeftButton);
  EXPECT_TRUE(QFileInfo(usb + "/Mai").isDir());
  EXPECT_EQ(w.currentFolder(), BackupSettingsLogic::Normalised(usb + "/Mai"));
  QTest::mouseClick(w.findChild<QCheckBox*>("Check1"), Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
  QTest::mouseClick(w.findChild<QPushButton*>("Ok"), Qt::LeftButton);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_TRUE(t.session.additionalBackupOn);
  EXPECT_EQ(t.session.additionalBackupFolder, w.currentFolder() + '/');
  EXPECT_EQ(t.setting("PATHE", "SicherungsPath"), w.currentFolder() + '/');
}

TEST(OpenBackupFolderCommand, OpensSicherungOrShowsTheErrorBox) {
  LogSession t;
  QStringList opened;
  OpenBackupFolder(t.session, [&](const QString& folder) {
    opened << folder;
    return true;
  });
  EXPECT_EQ(opened, QStringList{t.session.folders.backupFolder});

  t.prompter.expectErrorBox(Answer::Retry);
  t.prompter.expectErrorBox(Answer::Cancel);
  int tries = 0;
  OpenBackupFolder(t.session, [&](const QString&) {
    ++tries;
    return false;
  });
  EXPECT_EQ(tries, 2);
}
