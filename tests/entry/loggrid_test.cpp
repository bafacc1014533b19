#include "entry/loggrid.h"
#include "entry/session.h"
#include "support/fakeclock.h"
#include "support/fixtures.h"
#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

struct GridTest : ::testing::Test {
  ScriptedPrompter prompter;
  FakeClock clock;
  Session s{prompter, clock};
  LogGrid grid;

  void load(const QList<QsoRecord>& records) {
    for (QsoRecord r : records) {
      r.SeqNo = s.store.NextSeqNo();
      s.store.Append(r, r.Call);
    }
    DistrictEntry a;
    a.Code = QStringLiteral("AA");
    a.State = 1;
    s.districts.add(a);
    s.districts.finish();
    ASSERT_TRUE(DatenInGrid1Neu(s, grid));
  }
  QStringList column(int c) const {
    QStringList out;
    for (const GridRow& r : grid.rows())
      out << r.cells[size_t(c)];
    return out;
  }
};

} // namespace

TEST_F(GridTest, FillShowsDupesInRed) {
  load({Qso("OE1A", 80, "AA", "05:10:00"), Qso("OE1A", 80, "AA", "05:20:00", "CW", 1), Qso("OE1B", 40, "AA", "06:00:00")});
  ASSERT_EQ(grid.rowCount(), 3);
  EXPECT_FALSE(grid.rows()[0].dupeRed);
  EXPECT_TRUE(grid.rows()[1].dupeRed);
  EXPECT_EQ(grid.rows()[1].cells[kDupeColumn], QStringLiteral("Dupe"));
  EXPECT_EQ(grid.rows()[2].cells[2], QStringLiteral("40m"));
  EXPECT_EQ(s.tally.DupeCount, 1);
  EXPECT_EQ(s.tally.ValidQsoCount, 2);
  EXPECT_EQ(GridColumns()[4].widthTwips, 1750);
  EXPECT_EQ(GridColumns()[16].widthTwips, 0);
}

TEST_F(GridTest, SortingByTimeCallAndDistrict) {
  QsoRecord late = Qso("OE3C", 80, "AA", "14:30:00");
  late.QsoDate = QStringLiteral("30.04.2026"); // the date plays no part
  load({Qso("OE1B", 80, "AA", "10:00:00"), late, Qso("oe2a", 80, "AA", "09:05:00")});
  grid.sort(kTimeAsc);
  EXPECT_EQ(column(4), (QStringList{"oe2a", "OE1B", "OE3C"}));
  grid.sort(kTimeDesc);
  EXPECT_EQ(column(4), (QStringList{"OE3C", "OE1B", "oe2a"}));
  grid.sort(kCallAsc); // case ignored
  EXPECT_EQ(column(4), (QStringList{"OE1B", "oe2a", "OE3C"}));
  EXPECT_EQ(grid.sortMode(), kCallAsc);
  // The record behind the first row is found through its SeqNo.
  EXPECT_EQ(grid.recordIndex(s.store, 0), 0);
  EXPECT_EQ(grid.displayOrder(s.store), (std::vector<int>{0, 2, 1}));
  grid.sort(kCallDesc);
  EXPECT_EQ(grid.displayOrder(s.store), (std::vector<int>{1, 2, 0}));
}
