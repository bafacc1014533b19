#include "core/datafolder.h"
#include "core/settingsfile.h"
#include "support/fixtures.h"
#include "support/scriptedprompter.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

struct SettingsTest : ::testing::Test {
  TempFolder dir;
  ScriptedPrompter prompter;
  SettingsFile ini{dir.path(QStringLiteral("VelkaKDRZ.INI")), prompter};
};

} // namespace

TEST_F(SettingsTest, MissingFileReadsAsZeroAndEmptyWithABeep) {
  EXPECT_EQ(ini.ReadNumber(QStringLiteral("Einstellungen"), QStringLiteral("Band")), 0);
  EXPECT_EQ(ini.ReadText(QStringLiteral("Einstellungen"), QStringLiteral("Band")), QString());
  EXPECT_EQ(ini.ReadSection(QStringLiteral("OPCALLs")), QStringList{QString()});
  EXPECT_EQ(prompter.beeps, 3);
  EXPECT_FALSE(ini.exists());
}

TEST_F(SettingsTest, ReadsAreCaseInsensitiveAndSectionsAreWrittenInUpperCase) {
  ini.WriteText(QStringLiteral("Einstellungen"), QStringLiteral("Band"), QStringLiteral("2"));
  ini.WriteText(QStringLiteral("einstellungen"), QStringLiteral("MODE"), QStringLiteral("1"));
  ini.WriteText(QStringLiteral("EINSTELLUNGEN"), QStringLiteral("band"), QStringLiteral("1"));
  EXPECT_EQ(ReadBytes(ini.path()), QByteArray("[EINSTELLUNGEN]\r\nband=1\r\nMODE=1\r\n"));
  EXPECT_EQ(ini.ReadNumber(QStringLiteral("Einstellungen"), QStringLiteral("Band")), 1);
  EXPECT_EQ(ini.ReadText(QStringLiteral("einstellungen"), QStringLiteral("mode")), QStringLiteral("1"));
  EXPECT_EQ(prompter.beeps, 0);
}

TEST_F(SettingsTest, NumbersReadLikeTheProfileIntegerRead) {
  dir.writeText(QStringLiteral("VelkaKDRZ.INI"),
                QStringLiteral("[Einstellungen]\r\nA=-1\r\nB=abc\r\nC= 12x\r\nD=\r\nE=1.5\r\n"));
  const struct {
    const char* key;
    int value;
  } cases[] = {{"A", -1}, {"B", 0}, {"C", 12}, {"D", 0}, {"E", 1}, {"Missing", 0}};
  for (const auto& c : cases)
    EXPECT_EQ(ini.ReadNumber(QStringLiteral("Einstellungen"), QLatin1String(c.key)), c.value) << c.key;
}

TEST_F(SettingsTest, SectionsHoldPlainLinesAndEndWithAnEmptyElement) {
  ini.WriteText(QStringLiteral("Einstellungen"), QStringLiteral("Band"), QStringLiteral("0"));
  ini.WriteSection(QStringLiteral("OPCALLs"), {QStringLiteral("OE1ABC"), QStringLiteral("OE3XYZ"), QStringLiteral("OE9Q")});
  ini.WriteText(QStringLiteral("FensterPos"), QStringLiteral("HauptFormTop"), QStringLiteral("1200"));
  EXPECT_EQ(ini.ReadSection(QStringLiteral("opcalls")),
            (QStringList{QStringLiteral("OE1ABC"), QStringLiteral("OE3XYZ"), QStringLiteral("OE9Q"), QString()}));
  // Replacing the section keeps the others.
  ini.WriteSection(QStringLiteral("OPCALLS"), {QStringLiteral("OE5KK")});
  EXPECT_EQ(ini.ReadSection(QStringLiteral("OPCALLs")), (QStringList{QStringLiteral("OE5KK"), QString()}));
  EXPECT_EQ(ini.ReadNumber(QStringLiteral("FensterPos"), QStringLiteral("HauptFormTop")), 1200);
  ini.DeleteSection(QStringLiteral("opcalls"));
  EXPECT_EQ(ini.ReadSection(QStringLiteral("OPCALLs")), QStringList{QString()});
  EXPECT_EQ(ini.ReadNumber(QStringLiteral("Einstellungen"), QStringLiteral("Band")), 0);
  EXPECT_EQ(ReadBytes(ini.path()), QByteArray("[EINSTELLUNGEN]\r\nBand=0\r\n[FENSTERPOS]\r\nHauptFormTop=1200\r\n"));
}

TEST_F(SettingsTest, EmptyNamesBeepAndChangeNothing) {
  ini.WriteText(QStringLiteral("Einstellungen"), QStringLiteral("Band"), QStringLiteral("1"));
  const QByteArray before = ReadBytes(ini.path());
  ini.WriteText(QStringLiteral("Einstellungen"), QString(), QStringLiteral("x"));
  ini.WriteText(QString(), QStringLiteral("Band"), QStringLiteral("x"));
  ini.WriteSection(QString(), {QStringLiteral("x")});
  EXPECT_EQ(ini.ReadNumber(QString(), QStringLiteral("Band")), 0);
  EXPECT_EQ(prompter.beeps, 4);
  EXPECT_EQ(ReadBytes(ini.path()), before);
}

TEST_F(SettingsTest, UmlautsAreStoredInTheCodePage) {
  ini.WriteText(QStringLiteral("PATHE"), QStringLiteral("SicherungsPath"), QStringLiteral("/media/stick/Läufe/"));
  EXPECT_TRUE(ReadBytes(ini.path()).contains("L\xE4ufe"));
  EXPECT_EQ(ini.ReadText(QStringLiteral("Pathe"), QStringLiteral("SicherungsPath")), QStringLiteral("/media/stick/Läufe/"));
}

TEST_F(SettingsTest, UnwritableFileShowsTheWriteError) {
  SettingsFile bad(dir.path(QStringLiteral("missing-folder/X.INI")), prompter);
  prompter.expect(QStringLiteral("Es ist beim schreiben in einer INI-Datei ein FEHLER aufgetreten!"), Answer::Ok,
                  Icon::Critical, Buttons::Ok, true);
  bad.WriteText(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].title, QStringLiteral("Fehler"));
  EXPECT_TRUE(prompter.shown[0].text.contains(QStringLiteral("\nFehlercode: ")));
}

TEST(DataFolderTest, FolderNameFollowsTheProgramFolder) {
  const auto d = DataFolder::Resolve(QStringLiteral("/opt/some/where/VelkaKDRZ/VelkaKDRZ"),
                                     QStringLiteral("/home/op/.local/share"));
  EXPECT_EQ(d.dataFolder, QStringLiteral("/home/op/.local/share/VelkaKDRZ/"));
  EXPECT_EQ(d.settingsFile, QStringLiteral("/home/op/.local/share/VelkaKDRZ/VelkaKDRZ.INI"));
  EXPECT_EQ(d.logsFolder, QStringLiteral("/home/op/.local/share/VelkaKDRZ/Logs/"));
  EXPECT_EQ(d.backupFolder, QStringLiteral("/home/op/.local/share/VelkaKDRZ/Sicherung/"));
  EXPECT_EQ(d.tmpFolder, QStringLiteral("/home/op/.local/share/VelkaKDRZ/Tmp/"));
}

TEST(DataFolderTest, FirstStartCreatesFoldersAndRecordsTheVersion) {
  TempFolder home;
  ScriptedPrompter prompter;
  const auto d = DataFolder::Resolve(QStringLiteral("/x/VelkaKDRZ/VelkaKDRZ"), home.path());
  SettingsFile ini(d.settingsFile, prompter);
  ASSERT_TRUE(PrepareDataFolder(d, ini, prompter, VersionNumber(2, 2, 0)));
  for (const QString& f : {d.logsFolder, d.backupFolder, d.tmpFolder})
    EXPECT_TRUE(QDir(f).exists()) << f.toStdString();
  EXPECT_EQ(ini.ReadText(QStringLiteral("VELKAKDRZ.EXE"), QStringLiteral("Version")), QStringLiteral("0202000"));
  EXPECT_EQ(ini.ReadText(QStringLiteral("VELKAKDRZ.BIN"), QStringLiteral("Version")), QStringLiteral("0202000"));
  // Every other key reads as 0 on a first start.
  EXPECT_EQ(ini.ReadNumber(QStringLiteral("Einstellungen"), QStringLiteral("ZeitPM")), 0);
  // Same version again: the file is not rewritten.
  const QByteArray before = ReadBytes(d.settingsFile);
  ASSERT_TRUE(PrepareDataFolder(d, ini, prompter, VersionNumber(2, 2, 0)));
  EXPECT_EQ(ReadBytes(d.settingsFile), before);
}

TEST(DataFolderTest, AFolderThatCannotBeMadeShowsTheErrorBox) {
  TempFolder home;
  // The data home is a file, so no folder can be made below it.
  const QString notAFolder = home.write(QStringLiteral("share"), "a file where a folder should be");
  ScriptedPrompter prompter;
  const auto d = DataFolder::Resolve(QStringLiteral("/x/VelkaKDRZ/VelkaKDRZ"), notAFolder);
  SettingsFile ini(d.settingsFile, prompter);
  prompter.expectErrorBox(Answer::Retry, QStringLiteral("share/VelkaKDRZ/"));
  prompter.expectErrorBox(Answer::Cancel, QStringLiteral("share/VelkaKDRZ/"));
  EXPECT_FALSE(PrepareDataFolder(d, ini, prompter, 1));
}
