#include "exchange/adif.h"
#include "exchange/cabrillo.h"
#include "exchange/exportrows.h"
#include "scoring/resulttext.h"
#include "support/fixtures.h"
#include "support/goldencase.h"
#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

// The program and date the expected files were made with.
const ProgramInfo kProgram{QStringLiteral("VelkaKDRZ"), 1, 0, 0};
const QDate kToday(2026, 5, 1);

// Compares line by line first, so a failure names the line that differs.
void ExpectSameBytes(const QByteArray& actual, const QString& expectedPath) {
  const QByteArray expected = ReadBytes(expectedPath);
  ASSERT_FALSE(expected.isEmpty()) << expectedPath.toStdString();
  const QList<QByteArray> a = actual.split('\n');
  const QList<QByteArray> e = expected.split('\n');
  for (qsizetype i = 0; i < std::min(a.size(), e.size()); ++i)
    ASSERT_EQ(a[i].toStdString(), e[i].toStdString()) << expectedPath.toStdString() << " line " << i + 1;
  EXPECT_EQ(actual, expected) << expectedPath.toStdString();
}

} // namespace

TEST(Golden, EveryCaseWritesTheExpectedBytes) {
  const QStringList folders = GoldenCaseFolders();
  ASSERT_FALSE(folders.isEmpty());
  for (const QString& dir : folders) {
    SCOPED_TRACE(dir.toStdString());
    ScriptedPrompter prompter;
    LogStore store;
    DistrictTable districts;
    ScoreTally tally;
    LoadCounted(dir + QStringLiteral("log.VKDRZ"), dir + QStringLiteral("districts.txt"), store, districts, tally,
                prompter);
    const ScoreSummary summary = ComputeSummary(tally, districts, store.Header);
    const auto rows = RowsInFileOrder(store);

    ExpectSameBytes(TextFileBytes(CabrilloLines(store.Header, rows, summary.final, kProgram, kToday)),
                    dir + QStringLiteral("cabrillo.LOG"));
    ExpectSameBytes(TextFileBytes(AdifLines(store.Header, rows, kProgram)), dir + QStringLiteral("adif.ADI"));
    ExpectSameBytes(TextFileBytes(ResultTextLines(store, tally, summary, kProgram, kToday.year())),
                    dir + QStringLiteral("result.txt"));
  }
}
