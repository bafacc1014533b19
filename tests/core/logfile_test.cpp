#include "core/codepage.h"
#include "core/logfile.h"
#include "core/logstore.h"
#include "support/fixtures.h"
#include "support/scriptedprompter.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

const DateTimeSeparators kSeps;

// A header as the writer lays it out, with some values replaced.
QString HeaderText(const QList<std::pair<QString, QString>>& overrides = {}, bool endHead = true) {
  QList<std::pair<QString, QString>> tags = {
      {"[MYCALL:", "OE0AAA"}, {"[MYLOCATOR:", "JN88EF"}, {"[MYBZ:", "WI"},        {"[MYOMYL:", "0"},
      {"[MYOPCALL:", "OE0AAA"}, {"[MYOPNAME:", "Franz"}, {"[MYADRESS:", ""},      {"[MYPLZ:", "1010"},
      {"[MYCITY:", "Wien"},   {"[MYEMAIL:", ""},        {"[MYWERTUNGSST:", "1"}, {"[MYPWR:", "2"},
      {"[MYSTATION:", ""},    {"[MYKOMMENT:", ""},      {"[MYEXAMDAT:", "00.00.2000"}, {"[MYOPKLASS:", "0"},
      {"[MYNPOWER:", "0"}};
  for (const auto& [tag, value] : overrides)
    for (auto& t : tags)
      if (t.first == tag)
        t.second = value;
  QString text = QStringLiteral("VelkaKDRZ v1.0.0 Logdatei, © 2026 by QZ9VLK\r\n");
  for (const auto& [tag, value] : tags)
    if (value != QLatin1String("<omit>"))
      text += tag + QString::number(value.size()) + ']' + value + "\r\n";
  if (endHead)
    text += QStringLiteral("[ENDHEAD:]\r\n");
  return text;
}

QString Line(const QString& call, int fields = 19) {
  QStringList f = {call, "80", "WI", "01.05.2026", "06:15:00", "599", "599", "0", "CW", "CW",
                   "0",  "OE0AAA", "", "0", "3500", "0", "", "", ""};
  QString line;
  for (int i = 0; i < fields; ++i)
    line += f[i] + QStringLiteral("¶");
  return line + QStringLiteral("\r\n");
}

struct LogFileTest : ::testing::Test {
  TempFolder dir;
  ScriptedPrompter prompter;
  LogStore store;

  ReadResult read(const QString& text, const QString& name = QStringLiteral("t.VKDRZ")) {
    return ReadLogFile(store, dir.writeText(name, text), prompter, kSeps);
  }
};

} // namespace

TEST_F(LogFileTest, WriterProducesTheDocumentedBytes) {
  store.ResetHeader(kSeps);
  store.Header.MyCall = QStringLiteral("OE0AAA");
  store.Header.OpCall = QStringLiteral("OE0AAA");
  store.Header.MyBz = QStringLiteral("W");
  store.Header.EntryClass = -1;
  QsoRecord r = Qso(QStringLiteral("OE0ZZZ"), 80, QStringLiteral("XX"), QStringLiteral("08:15:00"));
  r.QsoDate = QStringLiteral("24.03.2024");
  r.OpCall = QStringLiteral("OE0YYY");
  store.Records.push_back(r);
  const QString text = BuildLogText(store, true, 2026);
  EXPECT_TRUE(text.startsWith(CreatorLine(2026) + "\r\n[MYCALL:6]OE0AAA\r\n[MYLOCATOR:0]\r\n[MYBZ:2]W \r\n[MYOMYL:1]0\r\n"));
  EXPECT_TRUE(text.contains(QStringLiteral("[MYWERTUNGSST:2]-1\r\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("[MYEXAMDAT:10]00.00.2000\r\n[MYOPKLASS:1]0\r\n[MYNPOWER:1]0\r\n[ENDHEAD:]\r\n")));
  EXPECT_TRUE(text.endsWith(QStringLiteral(
      "[ENDHEAD:]\r\nOE0ZZZ¶80¶XX¶24.03.2024¶08:15:00¶599¶599¶0¶CW¶CW¶0¶OE0YYY¶¶0¶3500¶0¶¶¶¶\r\n")));
  EXPECT_EQ(store.CallIndex, QStringLiteral("¶OE0ZZZ×0¶"));
  EXPECT_EQ(store.LogBytes(), ToCp1252(text));
  EXPECT_TRUE(store.LogBytes().contains("\xB6") && store.LogBytes().contains("\xA9"));
}

TEST_F(LogFileTest, ReadThenWriteGivesTheSameBytesExceptTheYear) {
  // Umlauts, multi-line values, and lines of 16 to 19 fields.
  const QString text = HeaderText({{"[MYOPNAME:", "Jürgen Höß"},
                                   {"[MYSTATION:", "TRX 100 W\r\nDipol für 80 m\r\n[MYCALL:3]ABC"},
                                   {"[MYKOMMENT:", "Schöner Contest!\r\n73"}}) +
                       Line("OE1ÄBC") + Line("OE3XYZ", 16) + Line("OE5KK", 17) + Line("OEXAA", 18);
  const QString path = dir.writeText(QStringLiteral("a.VKDRZ"), text);
  ASSERT_EQ(ReadLogFile(store, path, prompter, kSeps), ReadResult::Loaded);
  EXPECT_EQ(store.Header.OpName, QStringLiteral("Jürgen Höß"));
  EXPECT_EQ(store.Header.Station, QStringLiteral("TRX 100 W\r\nDipol für 80 m\r\n[MYCALL:3]ABC"));
  ASSERT_EQ(store.Records.size(), 4u);
  EXPECT_EQ(store.LogBytes(), ReadBytes(path));

  const QString rebuilt = BuildLogText(store, true, 2026);
  // The short lines come back with their missing trailing fields empty.
  const QString expected = HeaderText({{"[MYOPNAME:", "Jürgen Höß"},
                                       {"[MYSTATION:", "TRX 100 W\r\nDipol für 80 m\r\n[MYCALL:3]ABC"},
                                       {"[MYKOMMENT:", "Schöner Contest!\r\n73"}}) +
                           Line("OE1ÄBC") + Line("OE3XYZ") + Line("OE5KK") + Line("OEXAA");
  EXPECT_EQ(rebuilt, expected);

  // And a file the writer made reads back to the same bytes, year aside.
  const QString again = dir.writeText(QStringLiteral("b.VKDRZ"), BuildLogText(store, true, 2031));
  LogStore second;
  ASSERT_EQ(ReadLogFile(second, again, prompter, kSeps), ReadResult::Loaded);
  QString firstText = BuildLogText(store, true, 2026);
  QString secondText = BuildLogText(second, true, 2027);
  firstText.replace(QStringLiteral("2026 by"), QStringLiteral("YEAR by"));
  secondText.replace(QStringLiteral("2027 by"), QStringLiteral("YEAR by"));
  EXPECT_EQ(firstText, secondText);
}

TEST_F(LogFileTest, RecordFieldsAndIndexAfterLoad) {
  ASSERT_EQ(read(HeaderText() + Line("OE1ABC") + Line("OE3XYZ")), ReadResult::Loaded);
  ASSERT_EQ(store.Records.size(), 2u);
  const QsoRecord& r = store.Records[1];
  EXPECT_EQ(r.Call, QStringLiteral("OE3XYZ"));
  EXPECT_EQ(r.Band, 80);
  EXPECT_EQ(r.District, QStringLiteral("WI"));
  EXPECT_EQ(r.QsoTime, QStringLiteral("06:15:00"));
  EXPECT_EQ(r.Mode, QStringLiteral("CW"));
  EXPECT_FLOAT_EQ(r.FreqKhz, 3500);
  EXPECT_FLOAT_EQ(r.SeqNo, 1);
  EXPECT_EQ(store.CallIndex, QStringLiteral("¶OE1ABC×0¶OE3XYZ×1¶"));
  EXPECT_EQ(store.Header.EntryClass, 1);
  EXPECT_EQ(store.Header.PowerClass, 2);
}

TEST_F(LogFileTest, RefusedFiles) {
  const struct {
    const char* what;
    QString text;
  } cases[] = {
      {"no [MYCALL:", HeaderText({{"[MYCALL:", "<omit>"}})},
      {"[MYCALL: with length 0", HeaderText({{"[MYCALL:", ""}})},
      {"empty operator", HeaderText({{"[MYOPCALL:", ""}})},
      {"[ENDHEAD:] without CR LF", HeaderText({}, false) + "[ENDHEAD:]"},
      {"no [ENDHEAD:]", HeaderText({}, false) + Line("OE1ABC")},
      {"non-numeric length after [MYCITY:",
       QString(HeaderText()).replace(QStringLiteral("[MYCITY:4]"), QStringLiteral("[MYCITY:x]"))},
      {"no ] after [MYPLZ:", QStringLiteral("x\r\n[MYCALL:6]OE0AAA\r\n[MYOPCALL:6]OE0AAA\r\n[MYPLZ:12")},
      {"empty file", QString()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    store.Records.push_back(Qso(QStringLiteral("OLD"), 80, QStringLiteral("WI"), QStringLiteral("06:00:00")));
    const QString path = dir.writeText(QStringLiteral("bad.VKDRZ"), c.text);
    prompter.expect(QStringLiteral("Die Datei\r\n") + path +
                        QStringLiteral("\r\nist fehlerhaft oder keine gültige VelkaKDRW Logdatei!"),
                    Answer::Ok, Icon::Critical, Buttons::Ok);
    EXPECT_EQ(ReadLogFile(store, path, prompter, kSeps), ReadResult::Refused);
    EXPECT_TRUE(store.Records.empty());
    EXPECT_EQ(store.CallIndex, QStringLiteral("¶"));
    EXPECT_TRUE(store.Header.MyCall.isEmpty());
    EXPECT_EQ(store.Header.ExamDate, QStringLiteral("00.00.2000"));
    prompter.verify();
  }
}

TEST_F(LogFileTest, ToleratedDefects) {
  // Header only: an empty log.
  ASSERT_EQ(read(HeaderText()), ReadResult::Loaded);
  EXPECT_TRUE(store.Records.empty());

  // A bad length after [MYNPOWER: only clears emergency power.
  ASSERT_EQ(read(QString(HeaderText({{"[MYNPOWER:", "2"}})).replace(QStringLiteral("[MYNPOWER:1]"),
                                                                    QStringLiteral("[MYNPOWER:z]"))),
            ReadResult::Loaded);
  EXPECT_EQ(store.Header.EmergencyPower, 0);
  ASSERT_EQ(read(HeaderText({{"[MYNPOWER:", "2"}})), ReadResult::Loaded);
  EXPECT_EQ(store.Header.EmergencyPower, 2);

  // Lines with too few fields are skipped.
  ASSERT_EQ(read(HeaderText() + Line("OE1ABC") + Line("OE1BAD", 15) + Line("OE3XYZ")), ReadResult::Loaded);
  EXPECT_EQ(store.CallIndex, QStringLiteral("¶OE1ABC×0¶OE3XYZ×1¶"));
}

TEST_F(LogFileTest, AShortLineNoLongerDropsTheQsosAfterIt) {
  // A line of 15 characters or fewer used to end the reading, and the next full
  // rebuild then wiped every later QSO from the disk.
  ASSERT_EQ(read(HeaderText() + Line("OE1ABC") + "short line\r\n" + "\r\n" + Line("OE3XYZ") + Line("OE5KK")),
            ReadResult::Loaded);
  ASSERT_EQ(store.Records.size(), 3u);
  EXPECT_EQ(store.Records[2].Call, QStringLiteral("OE5KK"));
  EXPECT_TRUE(BuildLogText(store, true).contains(QStringLiteral("OE5KK¶")));
}

TEST_F(LogFileTest, ALastLineWithoutLineEndIsRead) {
  QString text = HeaderText() + Line("OE1ABC") + Line("OE3XYZ");
  text.chop(2);
  ASSERT_EQ(read(text), ReadResult::Loaded);
  ASSERT_EQ(store.Records.size(), 2u);
  EXPECT_EQ(store.Records[1].Call, QStringLiteral("OE3XYZ"));
}

TEST_F(LogFileTest, ALengthBeyondTheFileTakesTheRest) {
  // An old-style header without the writer's layout is read tag by tag.
  const QString text = QStringLiteral("x\r\n[MYOPCALL:6]OE0AAA\r\n[ENDHEAD:]\r\n[MYCALL:999]OE9XYZ");
  ASSERT_EQ(read(text), ReadResult::Loaded);
  EXPECT_EQ(store.Header.MyCall, QStringLiteral("OE9XYZ"));
}

TEST_F(LogFileTest, ATagInsideTheDescriptionNoLongerShadowsTheRealTag) {
  // The description stands before [MYOPKLASS: and [MYNPOWER: and holds their text.
  const QString text =
      HeaderText({{"[MYSTATION:", "Kopie:\r\n[MYOPKLASS:1]3\r\n[MYNPOWER:1]2"}, {"[MYOPKLASS:", "1"}});
  ASSERT_EQ(read(text), ReadResult::Loaded);
  EXPECT_EQ(store.Header.OpClass, 1);
  EXPECT_EQ(store.Header.EmergencyPower, 0);
  EXPECT_EQ(store.Header.Station, QStringLiteral("Kopie:\r\n[MYOPKLASS:1]3\r\n[MYNPOWER:1]2"));
}

TEST_F(LogFileTest, ConversionErrorsShowTheErrorBox) {
  prompter.expectErrorBox(Answer::Retry, QStringLiteral("Typen unverträglich"));
  prompter.expectErrorBox(Answer::Cancel, QStringLiteral("Typen unverträglich"));
  EXPECT_EQ(read(HeaderText({{"[MYPWR:", "viel"}})), ReadResult::Cancelled);
  EXPECT_TRUE(store.Header.MyCall.isEmpty());
  prompter.verify();

  QString line = Line("OE1ABC");
  line.replace(QStringLiteral("¶80¶"), QStringLiteral("¶99999¶"));
  prompter.expectErrorBox(Answer::Cancel, QStringLiteral("Überlauf"));
  EXPECT_EQ(read(HeaderText() + line), ReadResult::Cancelled);
  EXPECT_EQ(store.CallIndex, QStringLiteral("¶"));
}

TEST_F(LogFileTest, AMissingFileShowsTheErrorBox) {
  prompter.expectErrorBox(Answer::Cancel, QStringLiteral("nix.VKDRZ"));
  EXPECT_EQ(ReadLogFile(store, dir.path(QStringLiteral("nix.VKDRZ")), prompter, kSeps), ReadResult::Cancelled);
}

TEST_F(LogFileTest, SaveReplacesTheFileWholeAndReportsAVanishedFolder) {
  store.ResetHeader(kSeps);
  store.Header = Header();
  store.FilePath = dir.path(QStringLiteral("log.VKDRZ"));
  BuildLogText(store, true);
  ASSERT_TRUE(SaveLog(store, prompter));
  store.Append(Qso(QStringLiteral("OE1ABC"), 80, QStringLiteral("WI"), QStringLiteral("06:00:00")), u"OE1ABC");
  ASSERT_TRUE(SaveLog(store, prompter));
  EXPECT_EQ(ReadBytes(store.FilePath), store.LogBytes());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("log.VKDRZ")});

  store.FilePath = dir.path(QStringLiteral("gone/log.VKDRZ"));
  prompter.expectErrorBox(Answer::Retry, QStringLiteral("gone/log.VKDRZ"));
  prompter.expectErrorBox(Answer::Cancel, QStringLiteral("gone/log.VKDRZ"));
  EXPECT_FALSE(SaveLog(store, prompter));
}
