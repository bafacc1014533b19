#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace vk {

struct Session;

// Reads the log file of that name (in the logs folder) into a fresh store. Only
// when the file is accepted does it replace the open log: the store is swapped,
// the tallies are reset, `CurrentLogName` is set. A refused or unreadable file
// leaves the open log, its tallies and `CurrentLogName` exactly as they were.
bool ReloadLog(Session& session, const QString& fileName);

// The message after a refused file, with Retry and Cancel.
QString LogFileFaultyText(const QString& path);
QString ProgramMustEndText();

enum class LogCommandResult {
  Unchanged, // nothing chosen or cancelled: the open log stays as it was
  Reloaded,  // a log was (re)loaded: the caller refills its grid and displays
  EndProgram // the operator cancelled after a refused file: end the program
};

// The windows a log command shows, so the commands can run without them in tests.
struct LogCommandWindows {
  // The log file dialog in open mode: the chosen file name, or nullopt.
  std::function<std::optional<QString>()> chooseLog;
  // The operator settings window in new-log mode: the file name of the log it
  // saved, or nullopt when the operator did not save.
  std::function<std::optional<QString>()> createLog;
};

// "&Neues Log" of the main window.
LogCommandResult MnNeuesLog(Session& session, const LogCommandWindows& windows);
// "Log &Öffnen" of the main window.
LogCommandResult MnOpenLog(Session& session, const LogCommandWindows& windows);

// Asks the open secondary windows for one refresh after a reload, in the order
// result window, call check, district map, multiplier table, partial-callsign
// lookup. (The band window follows the band reaction of the main window.)
void RefreshWindowsAfterReload(Session& session);

// The main window's caption for the open log: "VelkaKDRW (" full path ")".
QString MainCaptionAfterReload(const Session& session);

} // namespace vk
