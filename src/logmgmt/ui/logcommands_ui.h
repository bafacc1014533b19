#pragma once

#include "logmgmt/logcommands.h"

#include <QString>

#include <functional>

class QWidget;

namespace vk {

struct Session;

// "&Neues Log" and "Log &Öffnen" of the main window with the real windows: the
// operator settings window in new-log mode and the log file dialog in open mode.
LogCommandResult MnNeuesLog(Session& session, QWidget* parent);
LogCommandResult MnOpenLog(Session& session, QWidget* parent);

// "&Ordner 'Sicherung' Öffnen": shows the backup folder in the desktop's file
// manager. `open` stands in for the desktop in tests. A failure shows the
// common error box (Retry, Cancel).
void OpenBackupFolder(Session& session, const std::function<bool(const QString& folder)>& open = {});

} // namespace vk
