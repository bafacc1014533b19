#pragma once

#include "core/clock.h"
#include "core/datafolder.h"
#include "core/districts.h"
#include "core/logstore.h"
#include "core/prompter.h"
#include "core/separators.h"
#include "core/settingsfile.h"
#include "core/windowregistry.h"
#include "scoring/tally.h"

#include <QString>

namespace vk {

// Everything the program shares between its windows: the folders and settings,
// the open log with its tallies and the district table, the program clock, the
// window registry. There is one per program run (tests make their own); windows
// get a reference to it.
struct Session {
  Session(Prompter& p, const Clock& c) : prompter(&p), clock(&c), contestClock(c) {}

  Prompter* prompter;
  const Clock* clock;
  ContestClock contestClock;
  DateTimeSeparators seps;

  DataFolder folders;
  SettingsFile settings;

  LogStore store;
  ScoreTally tally;
  DistrictTable districts;
  // The text of "OeCallList.txt", read once at start.
  QString callListText;

  // File name of the open log inside the logs folder; empty when none is open.
  QString CurrentLogName;
  QString currentLogPath() const { return folders.logsFolder + CurrentLogName; }

  WindowRegistry windows;

  // Set when the log was submitted automatically after period 1 / after the
  // contest end; both are cleared by every accepted QSO.
  bool SubmittedPeriod1 = false;
  bool SubmittedPeriod2 = false;

  // Additional backup folder ("SicherungsPath") and whether it is switched on.
  QString additionalBackupFolder;
  bool additionalBackupOn = false;

  // Prepares folders and settings for a program at programPath.
  void setProgramPath(const QString& programPath, const QString& dataHome = DataFolderPath(true)) {
    folders = DataFolder::Resolve(programPath, dataHome);
    settings = SettingsFile(folders.settingsFile, *prompter);
  }
};

} // namespace vk
