#include "core/vkerror.h"
#include "entry/dupecheck.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

struct DupeTest : ::testing::Test {
  LogStore store;
  DateTimeSeparators seps;
  void add(QsoRecord r) {
    const QString call = r.Call;
    store.Append(std::move(r), call);
  }
  DupeCheckResult check(const char* call, const char* band, const char* mode, const char* time) {
    return CallExistTest(store, QString::fromLatin1(call), QString::fromLatin1(band), QString::fromLatin1(mode),
                         QString::fromLatin1(time), seps);
  }
};

} // namespace

TEST_F(DupeTest, SameHalfOfTheDayIsADupe) {
  add(Qso("OE1ABC", 80, "AA", "09:00:00"));
  const auto r = check("OE1ABC", "80m", "CW", "11:30:00");
  EXPECT_TRUE(r.dupe);
  EXPECT_EQ(r.earlierTime, QStringLiteral("09:00"));
  EXPECT_EQ(DupeWarningText(r.earlierTime), QStringLiteral("Station bereits um 09:00 Uhr gearbeitet!"));
  EXPECT_EQ(r.district, QStringLiteral("AA"));
}

TEST_F(DupeTest, BoundaryAtNoon) {
  add(Qso("OE1ABC", 80, "AA", "12:00:00"));
  add(Qso("OE2XYZ", 80, "BB", "09:00:00"));
  const struct {
    const char* call;
    const char* time;
    bool dupe;
  } cases[] = {
      {"OE1ABC", "12:30:00", true},  {"OE1ABC", "11:59:00", false}, {"OE1ABC", "12:00:00", true},
      {"OE2XYZ", "12:30:00", false}, {"OE2XYZ", "11:59:59", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(check(c.call, "80m", "CW", c.time).dupe, c.dupe) << c.call << " " << c.time;
}

TEST_F(DupeTest, OtherBandOrModeFillsTheDistrictOnly) {
  add(Qso("OE1ABC", 40, "AA", "09:00:00", "SSB"));
  for (const auto& [band, mode] : {std::pair{"80m", "SSB"}, std::pair{"40m", "CW"}}) {
    const auto r = check("OE1ABC", band, mode, "09:30:00");
    EXPECT_FALSE(r.dupe);
    EXPECT_TRUE(r.districtFound);
    EXPECT_EQ(r.district, QStringLiteral("AA"));
  }
}

TEST_F(DupeTest, DupesAndDeletedRecordsNeverCount) {
  add(Qso("OE1ABC", 80, "AA", "09:00:00", "CW", kStatusDupe));
  add(Qso("OE1ABC", 80, "BB", "09:10:00", "CW", kStatusDeleted));
  const auto r = check("OE1ABC", "80m", "CW", "09:30:00");
  EXPECT_FALSE(r.dupe);
  // The district comes from the last earlier QSO of the call.
  EXPECT_EQ(r.district, QStringLiteral("BB"));
  add(Qso("OE1ABC", 80, "CC", "09:20:00"));
  EXPECT_TRUE(check("OE1ABC", "80m", "CW", "09:30:00").dupe);
}

TEST_F(DupeTest, UnknownCallsAndPrefixesOfCalls) {
  add(Qso("OE1ABCD", 80, "AA", "09:00:00"));
  const auto r = check("OE1ABC", "80m", "CW", "09:30:00");
  EXPECT_FALSE(r.dupe);
  EXPECT_FALSE(r.districtFound);
  // The time is read only when the call was logged.
  EXPECT_FALSE(check("OE9XX", "80m", "CW", "kaputt").dupe);
  EXPECT_THROW(check("OE1ABCD", "80m", "CW", "kaputt"), VkError);
}

TEST(CallListHint, LooksUpCallsAndSuffixes) {
  const QString list = QStringLiteral("Franz Muster;OE1ABC Wien\n"
                                      "Maria;OE3XYZ\r\n"
                                      "OE5;KK Linz Klubstation\n");
  const struct {
    const char* field;
    const char* hint;
  } cases[] = {
      {"oe1abc", " OE1ABC Wien"},          // whole call
      {"OE1ABC/P", " OE1ABC Wien"},        // suffix after "/" dropped
      {"OE3XYZ", " OE3XYZ"},               // CR before the LF is not shown
      {"OE5KK", "OE5 KK Linz Klubstation"}, // call split as prefix and suffix
      {"OE9KK", "OE5 KK Linz Klubstation"}, // any digit before the suffix
      {"OE9ZZZ", ""},
      {"OEXAA", ""}, // no digit: no suffix search
      {"OE7", ""},   // empty suffix
  };
  for (const auto& c : cases)
    EXPECT_EQ(CallListHint(list, QString::fromLatin1(c.field)), QString::fromLatin1(c.hint)) << c.field;
}
