#include "logmgmt/ui/logcommands_ui.h"

#include "core/errorbox.h"
#include "core/vkerror.h"
#include "entry/session.h"
#include "logmgmt/ui/lognewopen.h"
#include "station/ui/stationlog.h"

#include <QDesktopServices>
#include <QUrl>

namespace vk {

namespace {

LogCommandWindows RealWindows(Session& session, QWidget* parent) {
  LogCommandWindows w;
  w.chooseLog = [&session, parent] { return RunLogNewOpen(session, LogDialogMode::Open, parent); };
  w.createLog = [&session, parent] { return RunStationLogNew(session, parent); };
  return w;
}

} // namespace

LogCommandResult MnNeuesLog(Session& session, QWidget* parent) {
  return MnNeuesLog(session, RealWindows(session, parent));
}

LogCommandResult MnOpenLog(Session& session, QWidget* parent) {
  return MnOpenLog(session, RealWindows(session, parent));
}

void OpenBackupFolder(Session& session, const std::function<bool(const QString&)>& open) {
  const QString folder = session.folders.backupFolder;
  RunStep(*session.prompter, [&] {
    const bool opened = open ? open(folder) : QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    if (!opened)
      throw VkError(QStringLiteral("Der Ordner %1 kann nicht geöffnet werden.").arg(folder));
  });
}

} // namespace vk
