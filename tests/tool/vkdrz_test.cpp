#include "core/logfile.h"
#include "support/fixtures.h"
#include "support/goldencase.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

struct ToolRun {
  int exitCode = -1;
  QByteArray out;
  QString err;
};

ToolRun Vkdrz(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(VKDRZ_PATH), args);
  EXPECT_TRUE(p.waitForFinished(30000));
  return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

struct ToolTest : ::testing::Test {
  TempFolder dir;
  QString districts = dir.writeText(QStringLiteral("bez.txt"), QStringLiteral("AA;1;1;Aach;1;\r\nBB;2;2;Bach;2;\r\n"));

  QString log(const QList<QsoRecord>& records, const QString& name = QStringLiteral("t.VKDRZ")) {
    LogStore s;
    s.Header = Header();
    for (const QsoRecord& r : records)
      s.Records.push_back(r);
    return dir.writeText(name, BuildLogText(s, true, 2026));
  }
};

} // namespace

TEST_F(ToolTest, ScorePrintsEveryFigure) {
  const QString path = log({Qso("OE1AAA", 80, "AA", "05:10:00"), Qso("OE1AAA", 80, "AA", "05:20:00", "CW", 1),
                            Qso("OEXAB", 80, "BB", "14:00:00", "SSB"), Qso("OE2BBB", 40, "BB", "06:00:00", "SSB")});
  const ToolRun r = Vkdrz({"score", path, "--districts", districts});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, QByteArray("prefixes80=1\nprefixes30=0\ndistricts40=1\ndistricts80=2\ndistricts30=0\n"
                              "districtsScored=3\nstates40=1\nstates80=2\nstates30=0\nstatesScored=3\n"
                              "qsos40=1\nqsos80=2\nqsos30=0\nratio=67/33\nvalid=3\nmultiplier=11\nbonus=0\n"
                              "final=33\ndupes=1\n"));
}

TEST_F(ToolTest, CheckAcceptsOrRefuses) {
  const ToolRun ok = Vkdrz({"check", log({Qso("OE1AAA", 80, "AA", "05:10:00")})});
  EXPECT_EQ(ok.exitCode, 0);
  EXPECT_EQ(ok.out, QByteArray("1\n"));

  const QString bad = dir.writeText(QStringLiteral("bad.VKDRZ"), QStringLiteral("kein Log\r\n"));
  const ToolRun refused = Vkdrz({"check", bad});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_TRUE(refused.err.contains(QStringLiteral("ist fehlerhaft oder keine gültige VelkaKDRW Logdatei!")))
      << refused.err.toStdString();
}

TEST_F(ToolTest, RebuildWritesTheProgramsBytes) {
  log({Qso("OE1ÄÖ", 80, "AA", "05:10:00")});
  const QString path = dir.path(QStringLiteral("t.VKDRZ"));
  const ToolRun toStdout = Vkdrz({"rebuild", path});
  ASSERT_EQ(toStdout.exitCode, 0);
  LogStore s;
  s.Header = Header();
  s.Records.push_back(Qso("OE1ÄÖ", 80, "AA", "05:10:00"));
  BuildLogText(s, true);
  EXPECT_EQ(toStdout.out, s.LogBytes());

  const QString out = dir.path(QStringLiteral("out.VKDRZ"));
  ASSERT_EQ(Vkdrz({"rebuild", path, "-o", out}).exitCode, 0);
  EXPECT_EQ(ReadBytes(out), s.LogBytes());
}

TEST_F(ToolTest, BadArgumentsAndMissingFiles) {
  const QList<QStringList> cases = {
      {},
      {"score"},
      {"frobnicate", "x"},
      {"score", dir.path(QStringLiteral("fehlt.VKDRZ"))},
      {"rebuild", dir.path(QStringLiteral("fehlt.VKDRZ")), "-o"},
      {"score", log({}), "--districts", dir.path(QStringLiteral("fehlt.txt"))},
      {"cabrillo", dir.path(QStringLiteral("fehlt.VKDRZ"))},
      {"adif", log({}), "-o", dir.path(QStringLiteral("fehlt/x.adi"))},
      {"result", log({}), "--districts", dir.path(QStringLiteral("fehlt.txt"))},
  };
  for (const QStringList& args : cases) {
    const ToolRun r = Vkdrz(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_FALSE(r.err.trimmed().isEmpty());
    EXPECT_EQ(r.err.trimmed().count('\n'), 0) << r.err.toStdString();
  }
}

namespace {

// The program's version and the current year in the maker lines.
QByteArray WithoutVersionAndYear(QByteArray bytes) {
  QString text = QString::fromLatin1(bytes);
  text.replace(QRegularExpression(QStringLiteral("(CREATED-BY: VelkaKDRZ v)\\d+\\.\\d+\\.\\d+, \\d{4}")),
               QStringLiteral("\\1#.#.#, ####"));
  text.replace(QRegularExpression(QStringLiteral("<PROGRAMVERSION:\\d+>\\d+\\.\\d+\\.\\d+")),
               QStringLiteral("<PROGRAMVERSION:#>#.#.#"));
  return text.toLatin1();
}

} // namespace

TEST_F(ToolTest, ExportsWriteTheGoldenBytes) {
  const QString golden = GoldenCaseFolders().value(0);
  const QString logPath = golden + QStringLiteral("log.VKDRZ");
  const QString districtPath = golden + QStringLiteral("districts.txt");
  const std::pair<const char*, const char*> cases[] = {
      {"cabrillo", "cabrillo.LOG"}, {"adif", "adif.ADI"}, {"result", "result.txt"}};
  for (const auto& [command, expected] : cases) {
    SCOPED_TRACE(command);
    const QByteArray want = WithoutVersionAndYear(ReadBytes(golden + QLatin1String(expected)));
    const ToolRun toStdout = Vkdrz({command, logPath, "--districts", districtPath});
    ASSERT_EQ(toStdout.exitCode, 0) << toStdout.err.toStdString();
    EXPECT_EQ(WithoutVersionAndYear(toStdout.out), want);

    const QString out = dir.path(QLatin1String(command) + QStringLiteral(".out"));
    ASSERT_EQ(Vkdrz({command, logPath, "--districts", districtPath, "-o", out}).exitCode, 0);
    EXPECT_EQ(ReadBytes(out), toStdout.out);
  }
}
