#include "core/contest.h"
#include "core/districts.h"
#include "support/fixtures.h"
#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

TEST(Districts, ThreeLinesGiveThreeEntriesAndTheCodeText) {
  TempFolder dir;
  ScriptedPrompter prompter;
  DistrictTable t;
  const QString path = dir.writeText(QStringLiteral("bez.txt"), QStringLiteral("AA;10;20;Aach;1;\r\n"
                                                                               "BB;30;40;Böheim;2;\r\n"
                                                                               "CC;50;60;Cill;3;55;66;77;88;\r\n"));
  ASSERT_TRUE(LoadDistricts(path, t, prompter));
  ASSERT_EQ(t.count(), 3);
  EXPECT_EQ(t.DistrictCodes, QStringLiteral("  AA;BB;CC;"));
  EXPECT_TRUE(t[0].Code.isEmpty());
  EXPECT_EQ(t[2].Name, QStringLiteral("Böheim"));
  EXPECT_EQ(t[2].MapX, 30);
  EXPECT_EQ(t[2].MapY, 40);
  EXPECT_EQ(t[3].State, 3);
  // A district in several parts keeps its further points.
  EXPECT_EQ(t[3].ExtraPoints, (std::vector<QPoint>{QPoint(55, 66), QPoint(77, 88)}));
  EXPECT_TRUE(t[1].ExtraPoints.empty());

  EXPECT_EQ(t.DistrictIndex(u"BB"), 2);
  EXPECT_EQ(t.DistrictIndex(u"CC"), 3);
  EXPECT_EQ(t.DistrictIndex(u"XX"), 0);
  EXPECT_EQ(t.DistrictIndex(u"  "), 0);
}

TEST(Districts, ALineWithoutSemicolonAfterTheNameEndsTheLoading) {
  TempFolder dir;
  ScriptedPrompter prompter;
  DistrictTable t;
  const QString path = dir.writeText(QStringLiteral("bez.txt"), QStringLiteral("AA;10;20;Aach;1;\r\n"
                                                                               "BB;30;40;Böheim\r\n"
                                                                               "CC;50;60;Cill;3;\r\n"));
  ASSERT_TRUE(LoadDistricts(path, t, prompter));
  ASSERT_EQ(t.count(), 2);
  EXPECT_EQ(t[2].Code, QStringLiteral("BB"));
  EXPECT_EQ(t[2].MapY, 40);
  EXPECT_TRUE(t[2].Name.isEmpty());
  EXPECT_EQ(t.DistrictCodes, QStringLiteral("  AA;BB;"));
}

TEST(Districts, BadLinesAndMissingFilesShowTheErrorBox) {
  TempFolder dir;
  ScriptedPrompter prompter;
  DistrictTable t;
  const QString path = dir.writeText(QStringLiteral("bez.txt"), QStringLiteral("AA;10;20;Aach;1;\r\nBB;xx;40;B;2;\r\n"));
  prompter.expectErrorBox(Answer::Cancel, QStringLiteral("Typen unverträglich"));
  EXPECT_FALSE(LoadDistricts(path, t, prompter));
  EXPECT_EQ(t.count(), 1);
  EXPECT_EQ(t.DistrictIndex(u"AA"), 1);

  prompter.expectErrorBox(Answer::Cancel, QStringLiteral("fehlt.txt"));
  EXPECT_FALSE(LoadDistricts(dir.path(QStringLiteral("fehlt.txt")), t, prompter));
  EXPECT_EQ(t.count(), 0);
}

TEST(Districts, TheShippedFileLoads) {
  ScriptedPrompter prompter;
  DistrictTable t;
  ASSERT_TRUE(LoadDistricts(QStringLiteral(VK_SOURCE_DIR "/data/bez_koord.txt"), t, prompter));
  EXPECT_EQ(t.count(), 94);
  for (int i = 1; i <= t.count(); ++i) {
    EXPECT_EQ(t.DistrictIndex(t[i].Code), i) << t[i].Code.toStdString();
    EXPECT_GE(t[i].State, 1);
    EXPECT_LE(t[i].State, 9);
  }
}

TEST(ContestRules, StationKindsAndBandRules) {
  EXPECT_FALSE(IsStateStation(u"OE0ZZZ"));
  EXPECT_TRUE(IsStateStation(u"OEXZZ"));
  EXPECT_TRUE(IsStateStation(u"  OEXZZ"));
  EXPECT_FALSE(IsStateStation(u"OExZZ"));
  EXPECT_EQ(StationPrefix(u"OEXZZ"), QStringLiteral("OEX"));

  const struct {
    const char* call;
    int band;
    int ownClass;
    std::optional<QString> refusal;
  } cases[] = {
      {"OEXZZ", 40, 0, StateStationBandText()}, {"OEXZZ", 40, kEntryClassStateStation, StateStationBandText()},
      {"OEXZZ", 80, 0, std::nullopt},           {"OEXZZ", 30, 0, std::nullopt},
      {"OE1ABC", 30, 0, AmateurBandText()},     {"OE1ABC", 30, kEntryClassStateStation, std::nullopt},
      {"OE1ABC", 40, 0, std::nullopt},          {"OE1ABC", 80, 0, std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BandRuleViolation(QString::fromLatin1(c.call), c.band, c.ownClass), c.refusal)
        << c.call << " " << c.band << " " << c.ownClass;
  EXPECT_EQ(StateStationBandText(), QStringLiteral("Staatsfunkstellen dürfen nur auf 80/30m gearbeitet werden!"));
  EXPECT_EQ(AmateurBandText(), QStringLiteral("Amateurfunk-Stationen dürfen nur auf 80/40m gearbeitet werden!"));
}

TEST(ContestRules, DayPeriodsAndDefaults) {
  EXPECT_TRUE(IsContestDay(QDate(2027, 5, 1)));
  EXPECT_FALSE(IsContestDay(QDate(2027, 5, 2)));
  EXPECT_TRUE(IsAfternoon(QTime(12, 0)));
  EXPECT_FALSE(IsAfternoon(QTime(11, 59, 59)));
  EXPECT_EQ(ContestPeriods()[1].begin, QTime(14, 0));
  EXPECT_EQ(DefaultReport(u"SSB"), QStringLiteral("59"));
  EXPECT_EQ(DefaultReport(u"CW"), QStringLiteral("599"));
  EXPECT_FLOAT_EQ(DefaultFrequencyKhz(30), 10100);
  EXPECT_FLOAT_EQ(DefaultFrequencyKhz(20), 0);
  EXPECT_EQ(BandFromIndex(2), 30);
  EXPECT_EQ(BandNames(), (QStringList{"40m", "80m", "30m"}));
}
