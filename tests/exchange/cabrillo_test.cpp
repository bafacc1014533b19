#include "core/vkerror.h"
#include "exchange/cabrillo.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

// Lines joined with "|", readable in a failure message.
std::string Joined(const QStringList& lines) { return lines.join(QLatin1Char('|')).toStdString(); }

const ProgramInfo kProgram{QStringLiteral("VelkaKDRZ"), 2, 3, 4};

QStringList Lines(const StationHeader& h, const std::vector<QsoRecord>& records, double score = 0) {
  std::vector<const QsoRecord*> rows;
  for (const QsoRecord& r : records)
    rows.push_back(&r);
  return CabrilloLines(h, rows, score, kProgram, QDate(2027, 1, 2));
}

QStringList Starting(const QStringList& lines, const QString& prefix) {
  QStringList found;
  for (const QString& l : lines)
    if (l.startsWith(prefix))
      found << l;
  return found;
}

} // namespace

TEST(Cabrillo, HeaderLinesFollowTheClasses) {
  struct Case {
    int opClass, omYl, power, entry;
    QStringList expected; // the class lines between CALLSIGN and CLAIMED-SCORE
  };
  const Case cases[] = {
      {0,
       0,
       0,
       0,
       {"CATEGORY-OPERATOR: SINGLE-OP", "CATEGORY-OVERLAY: OM", "CATEGORY-STATION: 0", "CATEGORY-POWER: LOW",
        "CATEGORY: LOW-POWER SSB"}},
      {1,
       1,
       1,
       1,
       {"CATEGORY-OPERATOR: MULTI-OP", "CATEGORY-OVERLAY: YL", "CATEGORY-STATION: 0", "CATEGORY-POWER: HIGH",
        "CATEGORY: HIGH-POWER MIX"}},
      {2,
       0,
       0,
       2,
       {"CATEGORY-OPERATOR: CHECKLOG", "CATEGORY-OVERLAY: OM", "CATEGORY-STATION: 0", "CATEGORY-POWER: LOW",
        "CATEGORY: LOW-POWER CW"}},
      {0,
       0,
       1,
       3,
       {"CATEGORY-OPERATOR: SINGLE-OP", "CATEGORY-OVERLAY: OM", "CATEGORY-STATION: 0", "CATEGORY-POWER: HIGH",
        "CATEGORY: HIGH-POWER NEWCOMER", "LICENSE-DATE: 2024-03-05"}},
      {0,
       0,
       0,
       4,
       {"CATEGORY-OPERATOR: SINGLE-OP", "CATEGORY-OVERLAY: OM", "CATEGORY-STATION: 0", "CATEGORY-POWER: LOW",
        "CATEGORY: STAATSFUNKSTELLEN"}},
      // Values outside the lists write no line; the station line is always there.
      {3, 2, 2, 3, {"CATEGORY-STATION: 0"}},
      {-1, -1, 1, 5, {"CATEGORY-STATION: 0", "CATEGORY-POWER: HIGH"}},
      {0,
       0,
       2,
       4,
       {"CATEGORY-OPERATOR: SINGLE-OP", "CATEGORY-OVERLAY: OM", "CATEGORY-STATION: 0", "CATEGORY: STAATSFUNKSTELLEN"}},
  };
  for (const Case& c : cases) {
    StationHeader h = Header(QStringLiteral("OE3NWC"));
    h.OpClass = std::int16_t(c.opClass);
    h.OmYl = std::int16_t(c.omYl);
    h.PowerClass = std::int16_t(c.power);
    h.EntryClass = std::int16_t(c.entry);
    h.ExamDate = QStringLiteral("5.3.2024");
    const QStringList lines = Lines(h, {});
    const qsizetype from = lines.indexOf(QStringLiteral("CALLSIGN: OE3NWC")) + 1;
    const qsizetype to = lines.indexOf(QStringLiteral("CLAIMED-SCORE: 0"));
    ASSERT_GT(to, from);
    EXPECT_EQ(Joined(lines.mid(from, to - from)), Joined(c.expected))
        << "op " << c.opClass << " omyl " << c.omYl << " power " << c.power << " entry " << c.entry;
  }
}

TEST(Cabrillo, FixedLinesScoreAndEmergencyPower) {
  StationHeader h = Header(QStringLiteral("OE3NWC"));
  h.EmergencyPower = 2;
  const QStringList lines = Lines(h, {}, 1234);
  EXPECT_EQ(lines.first(), QStringLiteral("START-OF-LOG:  3.0"));
  EXPECT_TRUE(lines.contains(QStringLiteral("CATEGORY-STATION: 2")));
  EXPECT_TRUE(lines.contains(QStringLiteral("CLAIMED-SCORE: 1234")));
  EXPECT_TRUE(lines.contains(QStringLiteral("CREATED-BY: VelkaKDRZ v2.3.4, 2027 by QZ9VLK")));
  EXPECT_TRUE(lines.contains(QStringLiteral("LOCATION: WI")));
  EXPECT_EQ(lines.last(), QStringLiteral("END-OF-LOG:"));
}

TEST(Cabrillo, LicenseDateOfTheStoredExamDate) {
  EXPECT_EQ(LicenseDate(QStringLiteral("5.3.2024")), QStringLiteral("2024-03-05"));
  EXPECT_EQ(LicenseDate(QStringLiteral("28/12/2023")), QStringLiteral("2023-12-28"));
  // The empty default is no date: it is written as stored.
  EXPECT_EQ(LicenseDate(QStringLiteral("00.00.2000")), QStringLiteral("00.00.2000"));
}

TEST(Cabrillo, OnlyThirtyMetreContactsLeaveAnEmptyLineAndNoOperators) {
  StationHeader h = Header(QStringLiteral("OEXAB"));
  QsoRecord r = Qso(QStringLiteral("OEYCD"), 30, QStringLiteral("WI"), QStringLiteral("06:00:00"));
  r.OpCall = QStringLiteral("OE1OP");
  const QStringList lines = Lines(h, {r});
  EXPECT_TRUE(Starting(lines, QStringLiteral("QSO:")).isEmpty());
  EXPECT_TRUE(lines.contains(QStringLiteral("OPERATORS: ")));
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines[lines.size() - 2], QString());
}

TEST(Cabrillo, QsoLineFields) {
  StationHeader h = Header(QStringLiteral("OE3NWC"));
  h.MyBz = QStringLiteral("KR");
  struct Case {
    QsoRecord r;
    const char* expected;
  };
  QsoRecord tenMhz =
      Qso(QStringLiteral("OEXAB"), 30, QStringLiteral("WI"), QStringLiteral("16:59:59"), QStringLiteral("SSB"));
  tenMhz.Band = 80; // only the 30 m band is skipped; the frequency field is the test here
  QsoRecord odd = Qso(QStringLiteral("OE1A"), 80, QStringLiteral("W"), QStringLiteral("05:00:00"));
  odd.FreqKhz = 3512.5f; // whole kilohertz, halves to even
  odd.RstSent = QStringLiteral("5");
  QsoRecord vhf = Qso(QStringLiteral("OE1ABC"), 80, QStringLiteral("ES"), QStringLiteral("05:00:00"));
  vhf.FreqKhz = 145500; // longer than the field: its first five characters
  QsoRecord foreignDate = Qso(QStringLiteral("OE1ABC"), 40, QStringLiteral("ES"), QStringLiteral("5/7"));
  foreignDate.QsoDate = QStringLiteral("1/5/2026");
  foreignDate.Mode = QStringLiteral(" CW ");
  const Case cases[] = {
      {tenMhz, "QSO: 10100 PH 2026-05-01 1659 2 OE3NWC        59  KR OEXAB         59  WI"},
      {odd, "QSO:  3512 CW 2026-05-01 0500 1 OE3NWC        5   KR OE1A          599 W "},
      {vhf, "QSO: 14550 CW 2026-05-01 0500 1 OE3NWC        599 KR OE1ABC        599 ES"},
      {foreignDate, "QSO:  7000 CW 2026-05-01 0507 1 OE3NWC        599 KR OE1ABC        599 ES"},
  };
  for (const Case& c : cases) {
    const QString line = CabrilloQsoLine(h, c.r);
    EXPECT_EQ(line.toStdString(), c.expected);
    EXPECT_EQ(line.size(), 73);
  }
}

TEST(Cabrillo, CallsAndReportsLongerThanTheirFieldsAreNotCut) {
  StationHeader h = Header(QStringLiteral("OE3NWC/1234567"));
  QsoRecord r = Qso(QStringLiteral("OE3ABCDEFGHIJK"), 80, QStringLiteral("KR"), QStringLiteral("05:00:00"));
  r.RstSent = QStringLiteral("5999");
  EXPECT_EQ(CabrilloQsoLine(h, r).toStdString(),
            "QSO:  3500 CW 2026-05-01 0500 1 OE3NWC/1234567 5999 WI OE3ABCDEFGHIJK 599 KR");
}

TEST(Cabrillo, RowsInTheGivenOrderAndOperatorsOfExportedRows) {
  StationHeader h = Header(QStringLiteral("OE3NWC"));
  QsoRecord a = Qso(QStringLiteral("OE1BBB"), 80, QStringLiteral("ES"), QStringLiteral("05:00:00"));
  QsoRecord b = Qso(QStringLiteral("OE1AAA"), 40, QStringLiteral("ES"), QStringLiteral("05:10:00"));
  QsoRecord c = Qso(QStringLiteral("OEYAB"), 30, QStringLiteral("ES"), QStringLiteral("05:20:00"));
  QsoRecord d = Qso(QStringLiteral("OE1CCC"), 80, QStringLiteral("ES"), QStringLiteral("05:30:00"),
                    QStringLiteral("CW"), kStatusDupe);
  a.OpCall = QStringLiteral("OE1XYZ");
  b.OpCall = QStringLiteral("OE1XY"); // contained in a call listed before it: still an operator of its own
  c.OpCall = QStringLiteral("OE9THIRTY");
  d.OpCall = QString();
  const QStringList lines = Lines(h, {b, a, c, d});
  const QStringList qsos = Starting(lines, QStringLiteral("QSO:"));
  ASSERT_EQ(qsos.size(), 3); // the dupe is exported, the 30 m contact is not
  EXPECT_TRUE(qsos[0].contains(QStringLiteral("OE1AAA")));
  EXPECT_TRUE(qsos[1].contains(QStringLiteral("OE1BBB")));
  EXPECT_TRUE(qsos[2].contains(QStringLiteral("OE1CCC")));
  EXPECT_EQ(Joined(Starting(lines, QStringLiteral("OPERATORS:"))), "OPERATORS: OE1XY OE1XYZ");
}

TEST(Cabrillo, SoapboxLinesOfDescriptionAndComment) {
  struct Case {
    QString text;
    QStringList expected;
  };
  const Case cases[] = {
      {QString(), {}},
      {QStringLiteral("TRX 100 W\r\n  Dipol  \r\n"), {"SOAPBOX: TRX 100 W", "SOAPBOX: Dipol"}},
      {QStringLiteral("eins\r\n\r\nzwei\r\n"), {"SOAPBOX: eins", "SOAPBOX: ", "SOAPBOX: zwei"}},
      // A last line without a line end is written too; bare LF or CR never reach the file.
      {QStringLiteral("eins\r\nzwei"), {"SOAPBOX: eins", "SOAPBOX: zwei"}},
      {QStringLiteral("eins\nzwei\rdrei\n"), {"SOAPBOX: eins", "SOAPBOX: zwei", "SOAPBOX: drei"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Joined(SoapboxLines(c.text)), Joined(c.expected)) << c.text.toStdString();

  StationHeader h = Header();
  h.Station = QStringLiteral("Station\r\n");
  h.Comment = QStringLiteral("Kommentar\r\n");
  const QStringList lines = Lines(h, {});
  const qsizetype at = lines.indexOf(QStringLiteral("SOAPBOX: Station"));
  ASSERT_GT(at, 0);
  EXPECT_TRUE(lines[at - 1].startsWith(QStringLiteral("OPERATORS:")));
  EXPECT_EQ(lines[at + 1], QStringLiteral("SOAPBOX: Kommentar"));
}

TEST(Cabrillo, AContactWithoutAReadableDateOrTimeFails) {
  QsoRecord badDate = Qso(QStringLiteral("OE1ABC"), 80, QStringLiteral("ES"), QStringLiteral("05:00:00"));
  badDate.QsoDate = QStringLiteral("gestern");
  QsoRecord badTime = Qso(QStringLiteral("OE1ABC"), 80, QStringLiteral("ES"), QStringLiteral("früh"));
  for (const QsoRecord& r : {badDate, badTime}) {
    try {
      CabrilloQsoLine(Header(), r);
      ADD_FAILURE() << "no error for " << r.QsoDate.toStdString() << " " << r.QsoTime.toStdString();
    } catch (const VkError& e) {
      EXPECT_TRUE(e.description().contains(QStringLiteral("OE1ABC"))) << e.description().toStdString();
    }
  }
}
