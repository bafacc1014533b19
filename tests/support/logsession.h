#pragma once

#include "entry/session.h"
#include "support/fakeclock.h"
#include "support/fixtures.h"
#include "support/scriptedprompter.h"

#include <QString>

#include <vector>

namespace vk::test {

// A session whose data folder ("Logs", "Sicherung", "Tmp", the settings file)
// lies in a temporary folder, with a scripted prompter and a fake clock set to
// 1 May 2026, 06:00. Date separator "." as in stored QSOs.
struct LogSession {
  ScriptedPrompter prompter;
  FakeClock clock;
  TempFolder dir;
  Session session{prompter, clock};

  LogSession();

  // Writes a log file into "Logs" as the program writes it; returns its path.
  QString writeLog(const QString& name, const StationHeader& header = Header(),
                   const std::vector<QsoRecord>& records = {}) const;
  QString logPath(const QString& name) const { return session.folders.logsFolder + name; }
  // A settings value (empty while the settings file does not exist).
  QString setting(const QString& section, const QString& key) const;
  void setSetting(const QString& section, const QString& key, const QString& value) const;
};

} // namespace vk::test
