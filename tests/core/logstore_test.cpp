#include "core/logfile.h"
#include "core/logstore.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

LogStore StoreWith(const QStringList& calls) {
  LogStore s;
  s.Header = Header();
  for (const QString& c : calls) {
    QsoRecord r = Qso(c, 80, QStringLiteral("WI"), QStringLiteral("06:00:00"));
    r.SeqNo = s.NextSeqNo();
    s.Append(r, c);
  }
  return s;
}

std::vector<int> Visit(const LogStore& s, const QString& call) {
  std::vector<int> seen;
  for (qsizetype p = s.FindCall(call); p != 0; p = s.FindCallFrom(call, p + 1))
    seen.push_back(s.DecodeIndexEntry(p).index);
  return seen;
}

} // namespace

TEST(LogStoreTest, EmptyLog) {
  LogStore s;
  EXPECT_EQ(s.CallIndex, QStringLiteral("¶"));
  EXPECT_EQ(s.FindCall(u"OE1ABC"), 0);
  EXPECT_FLOAT_EQ(s.NextSeqNo(), 0);
  EXPECT_EQ(s.Append(Qso(QStringLiteral("OE1ABC"), 80, QStringLiteral("WI"), QStringLiteral("06:00:00")), u"OE1ABC"), 0);
}

TEST(LogStoreTest, IndexFindsExactCallsOnly) {
  LogStore s = StoreWith({"OE0ZZZ", "OE0YYY", "OE0ZZ", "OE0ZZZ", "OE0ZZZ"});
  EXPECT_EQ(s.CallIndex, QStringLiteral("¶OE0ZZZ×0¶OE0YYY×1¶OE0ZZ×2¶OE0ZZZ×3¶OE0ZZZ×4¶"));
  // A call that begins another is not found in the other's entries.
  EXPECT_EQ(Visit(s, "OE0ZZ"), std::vector<int>{2});
  // Three QSOs of one call are visited in log order.
  EXPECT_EQ(Visit(s, "OE0ZZZ"), (std::vector<int>{0, 3, 4}));
  EXPECT_EQ(Visit(s, "OE0Z"), std::vector<int>{});
  EXPECT_EQ(s.FindCall(u"OE0ZZZ"), 1);
}

TEST(LogStoreTest, DecodeIndexEntry) {
  LogStore s = StoreWith({"OE0ZZZ", "OE0YYY"});
  EXPECT_EQ(s.DecodeIndexEntry(0), IndexEntry{});
  EXPECT_EQ(s.DecodeIndexEntry(1), (IndexEntry{"OE0ZZZ", 0}));
  // Any position inside an entry decodes that entry.
  EXPECT_EQ(s.DecodeIndexEntry(5), (IndexEntry{"OE0ZZZ", 0}));
  EXPECT_EQ(s.DecodeIndexEntry(12), (IndexEntry{"OE0YYY", 1}));
  // The closing "¶" has nothing after it.
  EXPECT_EQ(s.DecodeIndexEntry(s.CallIndex.size()), IndexEntry{});
  EXPECT_EQ(s.DecodeIndexEntry(s.CallIndex.size() + 5), IndexEntry{});
}

TEST(LogStoreTest, RebuildAfterDeletionKeepsArrayPositions) {
  LogStore s = StoreWith({"OE1A", "OE1B", "OE1C"});
  s.Records[1].Status = kStatusDeleted;
  const QString text = BuildLogText(s, true);
  EXPECT_EQ(s.CallIndex, QStringLiteral("¶OE1A×0¶OE1C×2¶"));
  EXPECT_FALSE(text.contains(QStringLiteral("OE1B")));
  EXPECT_EQ(s.Records.size(), 3u);
  EXPECT_FLOAT_EQ(s.NextSeqNo(), 3);
}

TEST(LogStoreTest, AppendAddsIndexLineAndSeqNo) {
  LogStore s = StoreWith({});
  BuildLogText(s, true);
  const QByteArray header = s.LogBytes();
  QsoRecord r = Qso(QStringLiteral("OE3XYZ"), 40, QStringLiteral("BN"), QStringLiteral("06:00:00"), QStringLiteral("SSB"));
  r.SeqNo = s.NextSeqNo();
  const int n = s.Append(r, u"OE3XYZ");
  EXPECT_EQ(n, 0);
  const QByteArray afterFirst = s.LogBytes();
  EXPECT_EQ(afterFirst, header + ToCp1252(QsoLine(r)));
  const qsizetype indexSize = s.CallIndex.size();
  const qsizetype textSize = s.LogBytes().size();
  r.SeqNo = s.NextSeqNo();
  EXPECT_FLOAT_EQ(r.SeqNo, 1);
  s.Append(r, u"OE3XYZ");
  s.UndoAppend(1, indexSize, textSize);
  EXPECT_EQ(s.Records.size(), 1u);
  EXPECT_EQ(s.CallIndex, QStringLiteral("¶OE3XYZ×0¶"));
  EXPECT_EQ(s.LogBytes(), afterFirst);
}

TEST(LogStoreTest, FrequenciesAreWrittenAsShortestText) {
  EXPECT_EQ(FormatSingle(7000), QStringLiteral("7000"));
  EXPECT_EQ(FormatSingle(10100), QStringLiteral("10100"));
  EXPECT_EQ(FormatSingle(3512.5f), QStringLiteral("3512.5"));
  EXPECT_EQ(FormatSingle(0), QStringLiteral("0"));
  EXPECT_EQ(FormatSingle(7012.1f), QStringLiteral("7012.1"));
}
