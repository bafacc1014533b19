#include "logmgmt/backup.h"
#include "logmgmt/backupsettings_logic.h"
#include "support/logsession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

const QString kLog = QStringLiteral("KDRW_20260501_OE0AAA.VKDRZ");

FreeSpaceQuery Free(std::uintmax_t bytes) {
  return [bytes](const QString&) { return std::optional<std::uintmax_t>(bytes); };
}

struct BackupTest : ::testing::Test {
  LogSession t;
  QString source;

  void SetUp() override {
    t.session.CurrentLogName = kLog;
    source = t.dir.write(QStringLiteral("home/VelkaKDRZ/Logs/") + kLog, QByteArray("new log text"));
  }
  QString backup() const { return t.session.folders.backupFolder + kLog; }
};

} // namespace

TEST_F(BackupTest, CopiesTheLogAndLeavesNoAltFile) {
  t.dir.write(QStringLiteral("home/VelkaKDRZ/Sicherung/") + kLog, "old copy");
  EXPECT_TRUE(AutomaticBackup(t.session, Free(1'000'000)));
  EXPECT_EQ(ReadBytes(backup()), QByteArray("new log text"));
  EXPECT_FALSE(QFileInfo::exists(backup() + ".ALT"));
}

TEST_F(BackupTest, NeedsMoreThanTwiceTheLogSizeFree) {
  QFile f(source);
  ASSERT_TRUE(f.resize(600'000));
  t.prompter.expect(BackupTooLittleSpaceText(), Answer::Ok, Icon::Information, Buttons::Ok);
  EXPECT_FALSE(AutomaticBackup(t.session, Free(1'200'000)));
  EXPECT_FALSE(QFileInfo::exists(backup()));
  EXPECT_TRUE(AutomaticBackup(t.session, Free(1'200'001)));
  EXPECT_EQ(QFileInfo(backup()).size(), 600'000);
  EXPECT_EQ(BackupTooLittleSpaceText(), QStringLiteral("Zu wenig freier Speicher auf dem Sicherungsmedium!\n"
                                                       "Bitte Speicherplatz freigeben.\n\nSichern abgebrochen!"));
}

TEST_F(BackupTest, AVolumeThatCannotBeReadIsNotReady) {
  t.prompter.expect(QStringLiteral("Fehler... Sicherungs-Laufwerk nicht bereit!"), Answer::Ok, Icon::None, Buttons::Ok);
  EXPECT_FALSE(AutomaticBackup(t.session, [](const QString&) { return std::optional<std::uintmax_t>(); }));
  EXPECT_FALSE(QFileInfo::exists(backup()));
}

TEST_F(BackupTest, AFailedCopyKeepsThePreviousBackupUnderAlt) {
  t.dir.write(QStringLiteral("home/VelkaKDRZ/Sicherung/") + kLog, "old copy");
  ASSERT_TRUE(QFile::remove(source)); // the copy fails for want of a source
  t.prompter.expect(BackupNoValidPathText(), Answer::Ok, Icon::Critical, Buttons::Ok);
  EXPECT_FALSE(AutomaticBackup(t.session, Free(1'000'000)));
  EXPECT_FALSE(QFileInfo::exists(backup()));
  EXPECT_EQ(ReadBytes(backup() + ".ALT"), QByteArray("old copy"));

  // The next good backup replaces it and clears the ".ALT" file.
  t.dir.write(QStringLiteral("home/VelkaKDRZ/Logs/") + kLog, "again");
  EXPECT_TRUE(AutomaticBackup(t.session, Free(1'000'000)));
  EXPECT_EQ(ReadBytes(backup()), QByteArray("again"));
  EXPECT_FALSE(QFileInfo::exists(backup() + ".ALT"));
}

TEST_F(BackupTest, ARemovedAdditionalFolderStopsOnlyTheAdditionalBackup) {
  const QString extra = t.dir.path(QStringLiteral("usb/"));
  ASSERT_TRUE(QDir().mkpath(extra));
  t.session.additionalBackupFolder = extra;
  t.session.additionalBackupOn = true;
  EXPECT_TRUE(AdditionalBackup(t.session, Free(1'000'000)));
  EXPECT_EQ(ReadBytes(extra + kLog), QByteArray("new log text"));

  ASSERT_TRUE(QDir(extra).removeRecursively());
  t.prompter.expect(BackupNoValidPathText(), Answer::Ok, Icon::Information, Buttons::Ok);
  EXPECT_FALSE(AdditionalBackup(t.session, Free(1'000'000)));
  // The automatic backup into "Sicherung" goes on.
  EXPECT_TRUE(AutomaticBackup(t.session, Free(1'000'000)));
  EXPECT_EQ(ReadBytes(backup()), QByteArray("new log text"));
}

TEST_F(BackupTest, AdditionalBackupOnlyWhenSwitchedOnWithAFolder) {
  const QString extra = t.dir.path(QStringLiteral("usb/"));
  ASSERT_TRUE(QDir().mkpath(extra));
  t.session.additionalBackupFolder = extra;
  t.session.additionalBackupOn = false;
  EXPECT_FALSE(AdditionalBackup(t.session, Free(1'000'000)));
  t.session.additionalBackupOn = true;
  t.session.additionalBackupFolder.clear();
  EXPECT_FALSE(AdditionalBackup(t.session, Free(1'000'000)));
  EXPECT_FALSE(QFileInfo::exists(extra + kLog));
}

TEST_F(BackupTest, ABackupFolderThatIsTheLogsFolderLeavesTheLogAlone) {
  // Reached only through a hand-edited settings file or a link to "Logs".
  const QString link = t.dir.path(QStringLiteral("link"));
  ASSERT_TRUE(QFile::link(t.session.folders.logsFolder, link));
  t.session.additionalBackupFolder = link + '/';
  t.session.additionalBackupOn = true;
  t.prompter.expect(BackupNoValidPathText(), Answer::Ok, Icon::Information, Buttons::Ok);
  EXPECT_FALSE(AdditionalBackup(t.session, Free(1'000'000)));
  EXPECT_EQ(ReadBytes(source), QByteArray("new log text"));
  EXPECT_FALSE(QFileInfo::exists(source + ".ALT"));
}

TEST_F(BackupTest, NoLogOpenNoBackup) {
  t.session.CurrentLogName.clear();
  EXPECT_FALSE(AutomaticBackup(t.session, Free(1'000'000)));
}

TEST(FreeSpace, AMissingFolderIsAskedOnItsVolume) {
  TempFolder dir;
  const auto existing = FreeSpaceOfVolume(dir.path());
  ASSERT_TRUE(existing.has_value());
  EXPECT_TRUE(FreeSpaceOfVolume(dir.path(QStringLiteral("gone/deeper"))).has_value());
  EXPECT_FALSE(FreeSpaceOfVolume(QString()).has_value());
}

TEST(BackupStartSettings, TakesTheStoredFolderOnlyWhenItExists) {
  LogSession t;
  const QString extra = t.dir.path(QStringLiteral("usb/"));
  t.setSetting(QStringLiteral("PATHE"), QStringLiteral("SicherungsPath"), extra);
  t.setSetting(QStringLiteral("Einstellungen"), QStringLiteral("SichernEA"), QStringLiteral("1"));
  LoadAdditionalBackupSettings(t.session);
  EXPECT_TRUE(t.session.additionalBackupFolder.isEmpty());
  EXPECT_FALSE(t.session.additionalBackupOn);

  ASSERT_TRUE(QDir().mkpath(extra));
  LoadAdditionalBackupSettings(t.session);
  EXPECT_EQ(t.session.additionalBackupFolder, extra);
  EXPECT_TRUE(t.session.additionalBackupOn);

  t.setSetting(QStringLiteral("Einstellungen"), QStringLiteral("SichernEA"), QStringLiteral("-1"));
  LoadAdditionalBackupSettings(t.session);
  EXPECT_FALSE(t.session.additionalBackupOn);
}

// --- the settings window's rules ---------------------------------------------------------

TEST(BackupSettings, LogsAndSicherungCannotBeChosen) {
  LogSession t;
  BackupSettingsLogic logic(t.session);
  const QString dataFolder = BackupSettingsLogic::Normalised(t.session.folders.dataFolder);
  for (const QString& forbidden :
       {t.session.folders.logsFolder, t.session.folders.backupFolder, t.session.folders.logsFolder.chopped(1)}) {
    t.prompter.expect(QStringLiteral("Dieser Ordner ist nicht erlaubt!"), Answer::Ok, Icon::Information);
    EXPECT_EQ(logic.chooseFolder(forbidden), std::optional<QString>(dataFolder)) << forbidden.toStdString();
    EXPECT_TRUE(logic.folder().isEmpty());
  }
  EXPECT_EQ(logic.chooseFolder(t.session.folders.tmpFolder), std::nullopt);
  EXPECT_EQ(logic.folder(), t.session.folders.tmpFolder);
}

TEST(BackupSettings, NewFolderFollowsTheFileNameRules) {
  LogSession t;
  BackupSettingsLogic logic(t.session);
  const QString parent = t.dir.path(QStringLiteral("usb"));
  ASSERT_TRUE(QDir().mkpath(parent + "/da"));

  t.prompter.expectInput(QStringLiteral("a:b"), QStringLiteral("Bitte den Namen für den neuen Ordner eingeben"));
  t.prompter.expect(QStringLiteral("Ordnername ungültig"), Answer::Ok, Icon::None, Buttons::Ok);
  EXPECT_EQ(logic.newFolder(parent), std::nullopt);

  t.prompter.expectInput(QString(251, QLatin1Char('x')));
  t.prompter.expect(QStringLiteral("Ordnername ungültig"), Answer::Ok, Icon::None, Buttons::Ok);
  EXPECT_EQ(logic.newFolder(parent), std::nullopt);

  t.prompter.expectInput(QStringLiteral("da"));
  t.prompter.expect(QStringLiteral("Ordner existiert bereits!"), Answer::Ok, Icon::Information);
  EXPECT_EQ(logic.newFolder(parent), std::nullopt);

  t.prompter.expectInput(std::nullopt);
  EXPECT_EQ(logic.newFolder(parent), std::nullopt);

  t.prompter.expectInput(QStringLiteral("Sicherung Mai"));
  EXPECT_EQ(logic.newFolder(QString()), std::nullopt); // no current folder

  t.prompter.expectInput(QStringLiteral("Sicherung Mai"));
  EXPECT_EQ(logic.newFolder(parent), std::optional<QString>(parent + "/Sicherung Mai"));
  EXPECT_TRUE(QFileInfo(parent + "/Sicherung Mai").isDir());
}

TEST(BackupSettings, OkStoresFolderAndSwitch) {
  LogSession t;
  const QString extra = t.dir.path(QStringLiteral("usb"));
  ASSERT_TRUE(QDir().mkpath(extra));
  BackupSettingsLogic logic(t.session);
  logic.load();
  EXPECT_FALSE(logic.switchedOn());

  logic.setSwitchedOn(true);
  t.prompter.expect(QStringLiteral("Bitte einen Ordner auswählen!"), Answer::Ok, Icon::Information);
  EXPECT_FALSE(logic.ok());
  EXPECT_TRUE(t.setting("PATHE", "SicherungsPath").isEmpty());

  logic.chooseFolder(extra);
  EXPECT_TRUE(logic.ok());
  EXPECT_EQ(t.session.additionalBackupFolder, extra + '/');
  EXPECT_TRUE(t.session.additionalBackupOn);
  EXPECT_EQ(t.setting("PATHE", "SicherungsPath"), extra + '/');
  EXPECT_EQ(t.setting("Einstellungen", "SichernEA"), QStringLiteral("1"));

  BackupSettingsLogic again(t.session);
  again.load();
  EXPECT_TRUE(again.switchedOn());
  EXPECT_EQ(again.folder(), extra + '/');
}

TEST(BackupSettings, OkWithoutFolderAndSwitchedOffStoresTheBareSeparator) {
  LogSession t;
  BackupSettingsLogic logic(t.session);
  logic.load();
  EXPECT_TRUE(logic.ok());
  EXPECT_EQ(t.setting("PATHE", "SicherungsPath"), QStringLiteral("/"));
  EXPECT_EQ(t.setting("Einstellungen", "SichernEA"), QStringLiteral("0"));
  EXPECT_FALSE(t.session.additionalBackupOn);
}
