#include "exchange/adif.h"
#include "exchange/exportrows.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

TEST(Adif, FrequencyInMegahertz) {
  const std::pair<float, const char*> cases[] = {
      {3650, "<FREQ:5>3.650"},   {14070, "<FREQ:6>14.070"}, {7010, "<FREQ:5>7.010"},
      {10100, "<FREQ:6>10.100"}, {0, "<FREQ:1>0"},          {100, "<FREQ:3>100"},
  };
  for (const auto& [khz, expected] : cases)
    EXPECT_EQ(AdifField(u"FREQ", AdifFrequency(FrequencyKhzText(khz))).toStdString(), expected) << khz;
}

TEST(Adif, StationCallsignOnlyForAnotherOperatorNotesOnlyWhenGiven) {
  const StationHeader h = Header(QStringLiteral("OE3NWC"));
  QsoRecord own = Qso(QStringLiteral("OE1ABC"), 80, QStringLiteral("ES"), QStringLiteral("05:03:00"));
  own.OpCall = QStringLiteral("OE3NWC");
  QsoRecord other = own;
  other.OpCall = QStringLiteral("OE1XYZ");
  other.Note = QStringLiteral("Grüße");
  other.Qsl = 1;
  QsoRecord nobody = own;
  nobody.OpCall.clear();

  EXPECT_EQ(AdifRecord(h, own).toStdString(),
            "<QSO_DATE:8>20260501<TIME_ON:4>0503<CALL:6>OE1ABC<RST_SENT:3>599<RST_RCVD:3>599<MY_STATE:2>WI"
            "<STATE:2>ES<FREQ:5>3.500<MODE:2>CW<QSL_SENT:1>N<BAND:3>80m<OPERATOR:6>OE3NWC<EOR>");
  EXPECT_TRUE(AdifRecord(h, other).endsWith(
      QStringLiteral("<QSL_SENT:1>Y<BAND:3>80m<STATION_CALLSIGN:6>OE3NWC<OPERATOR:6>OE1XYZ<NOTES:5>Grüße<EOR>")));
  EXPECT_TRUE(AdifRecord(h, nobody).endsWith(QStringLiteral("<STATION_CALLSIGN:6>OE3NWC<OPERATOR:0><EOR>")));
}

TEST(Adif, DupesAreLeftOutAllBandsAreKept) {
  const StationHeader h = Header();
  const QsoRecord dupe = Qso(QStringLiteral("OE1ABC"), 80, QStringLiteral("ES"), QStringLiteral("05:03:00"),
                             QStringLiteral("CW"), kStatusDupe);
  const QsoRecord thirty = Qso(QStringLiteral("OEYAB"), 30, QStringLiteral("ES"), QStringLiteral("05:03:00"));

  const QStringList onlyDupes = AdifLines(h, {&dupe, &dupe}, ProgramInfo{QStringLiteral("X"), 3, 14, 159});
  EXPECT_EQ(onlyDupes.join(QLatin1Char('\n')).toStdString(),
            "; This file was created by VelkaKDRW  Contest log of the KDRW 80/40m, made by QZ9VLK\n"
            "<PROGRAMID:9>VelkaKDRW\n<PROGRAMVERSION:8>3.14.159\n<ADIF_VER:5>2.2.7\n<EOH>");

  const QStringList mixed = AdifLines(h, {&dupe, &thirty}, ProgramInfo::Current());
  ASSERT_EQ(mixed.size(), 6);
  EXPECT_TRUE(mixed[5].contains(QStringLiteral("<BAND:3>30m")));
}
