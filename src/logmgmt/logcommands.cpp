#include "logmgmt/logcommands.h"

#include "core/logfile.h"
#include "entry/session.h"
#include "logmgmt/lognewopen_logic.h"
#include "scoring/tally.h"

namespace vk {

QString LogFileFaultyText(const QString& path) { return RefusedLogText(path); }

QString ProgramMustEndText() { return QStringLiteral("VelkaKDRW muss beendet werden."); }

bool ReloadLog(Session& session, const QString& fileName) {
  LogStore fresh;
  fresh.Clear(session.seps);
  const QString path = session.folders.logsFolder + fileName;
  if (ReadLogFile(fresh, path, *session.prompter, session.seps) != ReadResult::Loaded)
    return false;
  ResetTallies(session.tally, session.districts);
  session.store = std::move(fresh);
  session.CurrentLogName = fileName;
  return true;
}

namespace {

// After a refused file: Retry gives true; Cancel false.
bool AskRetry(Session& session, const QString& fileName) {
  return session.prompter->message(LogFileFaultyText(session.folders.logsFolder + fileName), Icon::Critical,
                                   Buttons::RetryCancel) == Answer::Retry;
}

} // namespace

LogCommandResult MnNeuesLog(Session& session, const LogCommandWindows& windows) {
  for (;;) {
    QString name;
    switch (AskSameDayQuestion(session)) {
    case SameDayAnswer::Back:
      return LogCommandResult::Unchanged;
    case SameDayAnswer::LoadLast:
      name = LastLogName(session);
      break;
    case SameDayAnswer::NewLog:
    case SameDayAnswer::NotAsked: {
      const std::optional<QString> saved = windows.createLog ? windows.createLog() : std::nullopt;
      if (!saved || saved->isEmpty())
        return LogCommandResult::Unchanged;
      name = *saved;
      break;
    }
    }
    WriteLastLogName(session, name);
    if (ReloadLog(session, name))
      return LogCommandResult::Reloaded;
    if (!AskRetry(session, name))
      return LogCommandResult::EndProgram;
  }
}

LogCommandResult MnOpenLog(Session& session, const LogCommandWindows& windows) {
  for (;;) {
    const std::optional<QString> chosen = windows.chooseLog ? windows.chooseLog() : std::nullopt;
    if (!chosen || chosen->isEmpty() || *chosen == session.CurrentLogName)
      return LogCommandResult::Unchanged;
    WriteLastLogName(session, *chosen);
    if (ReloadLog(session, *chosen))
      return LogCommandResult::Reloaded;
    if (!AskRetry(session, *chosen)) {
      session.prompter->message(ProgramMustEndText(), Icon::Critical, Buttons::Ok);
      return LogCommandResult::EndProgram;
    }
  }
}

void RefreshWindowsAfterReload(Session& session) {
  for (WindowId id :
       {WindowId::StatistikForm, WindowId::LogTracker, WindowId::BZKarte, WindowId::GridKarte, WindowId::DBLog})
    session.windows.requestRefresh(id);
}

QString MainCaptionAfterReload(const Session& session) {
  return QStringLiteral("VelkaKDRW (") + session.currentLogPath() + QLatin1Char(')');
}

} // namespace vk
