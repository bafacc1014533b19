#include "core/logstore.h"
#include "scoring/resulttext.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

TEST(ResultText, NumbersRightAlignedAndCut) {
  const std::tuple<double, int, const char*> cases[] = {
      {0, 5, "    0"}, {42, 7, "     42"}, {12345, 5, "12345"}, {123456, 5, "12345"}, {161, 3, "161"},
  };
  for (const auto& [value, width, expected] : cases)
    EXPECT_EQ(ResultNumber(value, width).toStdString(), expected) << value << " in " << width;
}

TEST(ResultText, CategoryLines) {
  const std::tuple<int, int, const char*> cases[] = {
      {0, 0, "Category: LOW-POWER SSB"},
      {0, 1, "Category: HIGH-POWER SSB"},
      {1, 0, "Category: LOW-POWER MIX"},
      {1, 1, "Category: HIGH-POWER MIX"},
      {2, 0, "Category: LOW-POWER CW"},
      {2, 1, "Category: HIGH-POWER CW"},
      {3, 0, "Category: LOW-POWER NEWCOMER"},
      {3, 1, "Category: HIGH-POWER NEWCOMER"},
      {4, 0, "Category: STAATSFUNKSTELLEN"},
      {4, 1, "Category: STAATSFUNKSTELLEN"},
      {3, 2, nullptr},
      {5, 0, nullptr},
      {-1, 1, nullptr},
  };
  for (const auto& [entry, power, expected] : cases) {
    const auto line = ResultCategoryLine(entry, power);
    if (expected)
      EXPECT_EQ(line.value_or(QStringLiteral("(none)")).toStdString(), expected) << entry << "/" << power;
    else
      EXPECT_FALSE(line.has_value()) << entry << "/" << power;
  }

  // Without a category line the file has one line less.
  LogStore store;
  store.Header = Header();
  store.Header.EntryClass = 7;
  const QStringList lines = ResultTextLines(store, ScoreTally{}, ScoreSummary{}, ProgramInfo::Current(), 2026);
  EXPECT_EQ(lines.size(), 25);
  EXPECT_EQ(lines[7], QStringLiteral("QTH: "));
}

TEST(ResultText, OperatorsInOrderOfFirstAppearance) {
  LogStore store;
  store.Header = Header();
  const QStringList ops = {"OE1XYZ", "OE3NWC", "OE1XYZ", "OE1XY", "", "OE9DEL", "OE3NWC"};
  for (const QString& op : ops) {
    QsoRecord r = Qso(QStringLiteral("OE1ABC"), 80, QStringLiteral("ES"), QStringLiteral("05:00:00"));
    r.OpCall = op;
    if (op == QLatin1String("OE9DEL"))
      r.Status = kStatusDeleted;
    store.Records.push_back(r);
  }
  EXPECT_EQ(ResultOperators(store), QStringLiteral("OE1XYZ, OE3NWC, OE1XY"));
  store.Records.clear();
  EXPECT_EQ(ResultOperators(store), QString());
}

TEST(ResultText, FileNameGetsTxt) {
  const std::pair<const char*, const char*> cases[] = {
      {"/tmp/ergebnis", "/tmp/ergebnis.txt"},
      {"/tmp/ergebnis.TXT", "/tmp/ergebnis.TXT"},
      {"/tmp/ergebnis.Txt", "/tmp/ergebnis.Txt"},
      {"/tmp/ergebnis.text", "/tmp/ergebnis.text.txt"},
  };
  for (const auto& [chosen, expected] : cases)
    EXPECT_EQ(ResultFileName(QString::fromLatin1(chosen)).toStdString(), expected);
}
