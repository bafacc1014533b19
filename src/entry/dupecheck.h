#pragma once

#include "core/logstore.h"
#include "core/separators.h"

#include <QString>
#include <QStringView>

namespace vk {

// What the duplicate check found for a callsign.
struct DupeCheckResult {
  bool dupe = false;
  // The district of the earlier QSO to put into the district field: that of the
  // duplicate, or of the last earlier QSO of the call when there is none.
  bool districtFound = false;
  QString district;
  // Time of the earlier QSO that makes the new one a dupe ("hh:mm").
  QString earlierTime;
  int recordIndex = -1;
};

// Whether the callsign was already logged on the same band, mode and half of the
// day (before 12:00 or from 12:00 on). The band is read from the band field's
// text ("40m"), the mode compared exactly, the time read from the time field.
// Records logged as dupes or marked for deletion never count. The date is not
// compared. Throws VkError when the time field holds no time.
DupeCheckResult CallExistTest(const LogStore& store, QStringView call, QStringView bandText, QStringView modeText,
                              QStringView timeText, const DateTimeSeparators& seps);

// The status-line warning for a dupe.
QString DupeWarningText(const QString& earlierTime);

// The callsign-list hint for the text of the callsign field; empty for no hint.
QString CallListHint(QStringView callListText, QStringView fieldText);

} // namespace vk
