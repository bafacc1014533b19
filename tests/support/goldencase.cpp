#include "support/goldencase.h"

#include "core/logfile.h"
#include "core/separators.h"
#include "support/fixtures.h"

#include <QDir>

#include <gtest/gtest.h>

namespace vk::test {

QStringList GoldenCaseFolders() {
  QStringList folders;
  const QDir root(TestData(QStringLiteral("golden")));
  for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
    folders << root.filePath(name) + QLatin1Char('/');
  return folders;
}

void LoadCounted(const QString& logPath, const QString& districtPath, LogStore& store, DistrictTable& districts,
                 ScoreTally& tally, Prompter& prompter) {
  ASSERT_EQ(ReadLogFile(store, logPath, prompter, DateTimeSeparators{}), ReadResult::Loaded) << logPath.toStdString();
  ASSERT_TRUE(LoadDistricts(districtPath, districts, prompter)) << districtPath.toStdString();
  ASSERT_TRUE(Recount(store, tally, districts, prompter));
}

} // namespace vk::test
