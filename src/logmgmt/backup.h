#pragma once

#include "core/prompter.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace vk {

struct Session;

// Free bytes available to the user on the volume that holds a folder; nullopt
// when the volume cannot be read ("not ready").
using FreeSpaceQuery = std::function<std::optional<std::uintmax_t>(const QString& folder)>;

// std::filesystem::space of the folder, or of its nearest existing parent when
// the folder itself is gone (the volume it would be on).
std::optional<std::uintmax_t> FreeSpaceOfVolume(const QString& folder);

QString BackupNotReadyText();
QString BackupTooLittleSpaceText();
QString BackupNoValidPathText();

// Copies the log file `source` to `target` and keeps the previous copy as
// target + ".ALT" while the copy is made. Refuses with a message when the
// target's volume is not ready, when it has less than twice the log's size
// free, when the target's folder does not exist, or when the target is the log
// file itself. Returns true when the copy was made.
bool BackupLog(Prompter& prompter, const QString& source, const QString& target,
               const FreeSpaceQuery& freeSpace = FreeSpaceOfVolume);

// The automatic backup into "Sicherung" (the main window's one-shot Timer3).
// Does nothing while no log is open.
bool AutomaticBackup(Session& session, const FreeSpaceQuery& freeSpace = FreeSpaceOfVolume);

// The additional backup, right after each write of the log file: only when it
// is switched on and a folder is set.
bool AdditionalBackup(Session& session, const FreeSpaceQuery& freeSpace = FreeSpaceOfVolume);

// Start-up: takes "SicherungsPath" when it names an existing folder and switches
// the additional backup on when "SichernEA" is 1 as well.
void LoadAdditionalBackupSettings(Session& session);

} // namespace vk
