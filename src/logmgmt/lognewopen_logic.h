#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace vk {

struct Session;

// Start-up: everything is offered. Open ("Log &Öffnen" while a log is open):
// only opening; no new log, no extended frame.
enum class LogDialogMode { StartUp, Open };

// The log files of a folder ("*.vkdrz" in any letter case), sorted by name.
QStringList ListLogFiles(const QString& folder);

// Whether the log file of that name in the logs folder holds a QSO dated today
// (the system date, formatted with the date separator of stored QSO dates).
bool LastLogHasToday(const Session& session, const QString& fileName);
// The same test on the bytes of a log file.
bool LogTextHasDate(const QByteArray& bytes, QDate date, QChar dateSeparator);

enum class SameDayAnswer {
  NotAsked, // not 1 May, or the last-used log holds no QSO of today
  LoadLast, // "JA": open the last-used log instead of making a new one
  NewLog,   // "NEIN": go on and make a new log
  Back,     // "Abbrechen": do nothing
};

QString SameDayQuestionText(const QString& lastLog);
// On 1 May, when the log named by "LastLogFile" holds QSOs of today, asks
// whether to go on in that log. The answer LoadLast means: use LastLogName().
SameDayAnswer AskSameDayQuestion(Session& session);

// "Pathe"/"LastLogFile".
QString LastLogName(const Session& session);
void WriteLastLogName(Session& session, const QString& name);

// The rules of the log file dialog `LogNewOpen`; the window binds widgets to it.
// Rows are positions in files(), which is refreshed only by load(), refresh()
// and at the end of each file command.
class LogNewOpenLogic {
public:
  // Shows the operator settings window in new-log mode; returns the file name
  // of the log it saved, or nullopt when nothing was saved.
  using NewLogRunner = std::function<std::optional<QString>()>;

  LogNewOpenLogic(Session& session, LogDialogMode mode);

  LogDialogMode mode() const { return m_mode; }
  void load();
  void refresh();
  const QStringList& files() const { return m_files; }
  // The last-used field: the name of the last-used log, or empty.
  const QString& lastUsed() const { return m_lastUsed; }
  // The heading above the list.
  QString heading() const;

  // "LastLogOpen" is -1: the dialog opens the last-used log on activation.
  bool lastLogOpenOn() const;

  // The commands that choose a log return true when the dialog closes; the
  // chosen file name is then chosen().
  bool activated();
  bool openEntry(int row);
  bool openLastUsed();
  bool newLog(const NewLogRunner& runStationLog);

  void renameSelected(const QList<int>& rows);
  void deleteSelected(const QList<int>& rows);
  void copySelected(const QList<int>& rows);

  const std::optional<QString>& chosen() const { return m_chosen; }

private:
  void setLastUsed(const QString& name);
  void choose(const QString& name);
  bool existsInLogs(const QString& name) const;
  QString logsPath(const QString& name) const;
  QList<int> selectedInOrder(const QList<int>& rows) const;

  Session& m_s;
  LogDialogMode m_mode;
  QStringList m_files;
  QString m_lastUsed;
  std::optional<QString> m_chosen;
};

} // namespace vk
