#pragma once

#include "core/districts.h"
#include "core/logstore.h"
#include "core/prompter.h"
#include "scoring/tally.h"

#include <QString>
#include <QStringList>

namespace vk::test {

// The folders under tests/data/golden: each holds a log ("log.VKDRZ"), its
// district file ("districts.txt") and the expected bytes of the files the
// program writes from it.
QStringList GoldenCaseFolders();

// Reads the log and the district file and counts the log, as the program does
// when it opens a log. Records test failures when anything is refused.
void LoadCounted(const QString& logPath, const QString& districtPath, LogStore& store, DistrictTable& districts,
                 ScoreTally& tally, Prompter& prompter);

} // namespace vk::test
