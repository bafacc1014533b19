#include "logmgmt/lognewopen_logic.h"

#include "core/codepage.h"
#include "core/datafolder.h"
#include "core/errorbox.h"
#include "core/logstore.h"
#include "core/vkerror.h"
#include "entry/session.h"
#include "logmgmt/filenames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace vk {

namespace {

const QString kPathe = QStringLiteral("Pathe");
const QString kLastLogFile = QStringLiteral("LastLogFile");
const QString kEinstellungen = QStringLiteral("Einstellungen");
const QString kLastLogOpen = QStringLiteral("LastLogOpen");

// Blanks (not tabs) around a typed name are dropped.
QString TrimBlanks(const QString& s) {
  qsizetype b = 0, e = s.size();
  while (b < e && s[b] == QLatin1Char(' '))
    ++b;
  while (e > b && s[e - 1] == QLatin1Char(' '))
    --e;
  return s.mid(b, e - b);
}

QString TwoDigits(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

} // namespace

QStringList ListLogFiles(const QString& folder) {
  QDir dir(folder);
  return dir.entryList({QStringLiteral("*.vkdrz")}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

bool LogTextHasDate(const QByteArray& bytes, QDate date, QChar dateSeparator) {
  const QString text = FromCp1252(bytes);
  const qsizetype at = text.indexOf(QStringLiteral("[ENDHEAD:]\r\n"));
  if (at < 0)
    return false;
  const QString qsos = TrimBlanks(text.mid(at + 12));
  if (qsos.size() < 15)
    return false;
  const QString key = QString(kIndexSep) + TwoDigits(date.day()) + dateSeparator + TwoDigits(date.month()) +
                      dateSeparator + QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0')) +
                      QString(kIndexSep);
  return qsos.contains(key);
}

bool LastLogHasToday(const Session& session, const QString& fileName) {
  if (fileName.isEmpty())
    return false;
  QFile f(session.folders.logsFolder + fileName);
  if (!f.exists() || !f.open(QIODevice::ReadOnly))
    return false;
  return LogTextHasDate(f.readAll(), session.clock->now().date(), session.seps.date);
}

QString SameDayQuestionText(const QString& lastLog) {
  const QStringList lines = {QStringLiteral("Du hast heute bereits Stationen geloggt."),
                             lastLog,
                             QString(),
                             QStringLiteral("Du musst Contestperiode 1 und 2 "),
                             QStringLiteral("(VORMITTAG und NACHMITTAG)"),
                             QStringLiteral("in das selbe Log eintragen."),
                             QStringLiteral("Du erleichterst damit die Auswertung!"),
                             QString(),
                             QStringLiteral("JA = Zuletzt verwendetes Log laden"),
                             QStringLiteral("NEIN = Neues Log anlegen"),
                             QStringLiteral("Abbrechen = Zurück zum vorherigen Fenster")};
  return lines.join(QStringLiteral("\r\n"));
}

QString LastLogName(const Session& session) { return session.settings.ReadText(kPathe, kLastLogFile); }

void WriteLastLogName(Session& session, const QString& name) { session.settings.WriteText(kPathe, kLastLogFile, name); }

SameDayAnswer AskSameDayQuestion(Session& session) {
  const QDate today = session.clock->now().date();
  if (today.day() != 1 || today.month() != 5)
    return SameDayAnswer::NotAsked;
  const QString last = LastLogName(session);
  if (!LastLogHasToday(session, last))
    return SameDayAnswer::NotAsked;
  switch (session.prompter->message(SameDayQuestionText(last), Icon::Information, Buttons::YesNoCancel)) {
  case Answer::Yes:
    return SameDayAnswer::LoadLast;
  case Answer::No:
    return SameDayAnswer::NewLog;
  default:
    return SameDayAnswer::Back;
  }
}

LogNewOpenLogic::LogNewOpenLogic(Session& session, LogDialogMode mode) : m_s(session), m_mode(mode) {}

QString LogNewOpenLogic::logsPath(const QString& name) const { return m_s.folders.logsFolder + name; }

bool LogNewOpenLogic::existsInLogs(const QString& name) const {
  return !name.isEmpty() && QFileInfo(logsPath(name)).isFile();
}

QString LogNewOpenLogic::heading() const {
  return QStringLiteral("Bestehende Kontest-Logs in\n") + QDir::toNativeSeparators(m_s.folders.logsFolder);
}

void LogNewOpenLogic::load() {
  refresh();
  m_lastUsed.clear();
  const QString last = LastLogName(m_s);
  if (existsInLogs(last))
    setLastUsed(last);
}

void LogNewOpenLogic::refresh() { m_files = ListLogFiles(m_s.folders.logsFolder); }

void LogNewOpenLogic::setLastUsed(const QString& name) {
  if (name == m_lastUsed)
    return;
  m_lastUsed = name;
  WriteLastLogName(m_s, name);
}

void LogNewOpenLogic::choose(const QString& name) {
  setLastUsed(name);
  m_chosen = name;
}

bool LogNewOpenLogic::lastLogOpenOn() const { return m_s.settings.ReadNumber(kEinstellungen, kLastLogOpen) == -1; }

bool LogNewOpenLogic::activated() {
  if (m_chosen || !lastLogOpenOn())
    return false;
  return openLastUsed();
}

bool LogNewOpenLogic::openEntry(int row) {
  if (row < 0 || row >= m_files.size())
    return false;
  choose(m_files[row]);
  return true;
}

bool LogNewOpenLogic::openLastUsed() {
  if (m_lastUsed.isEmpty()) {
    m_s.prompter->beep();
    return false;
  }
  choose(m_lastUsed);
  return true;
}

QList<int> LogNewOpenLogic::selectedInOrder(const QList<int>& rows) const {
  QList<int> r;
  for (int row : rows)
    if (row >= 0 && row < m_files.size() && !r.contains(row))
      r << row;
  std::sort(r.begin(), r.end());
  return r;
}

void LogNewOpenLogic::renameSelected(const QList<int>& rows) {
  if (m_files.isEmpty())
    return;
  Prompter& p = *m_s.prompter;
  const QStringList names = m_files;
  auto refuse = [&](const QString& why) {
    p.message(why + QStringLiteral("\nÄndern nicht möglich."), Icon::Critical, Buttons::Ok);
  };
  for (int row : selectedInOrder(rows)) {
    const QString old = names[row];
    const std::optional<QString> answer =
        p.input(QStringLiteral("Namen für das Log eingeben/ändern"), QStringLiteral("Dateiname"), old);
    if (!answer || TrimBlanks(*answer).isEmpty())
      break;
    const QString typed = TrimBlanks(*answer);
    const FileNameCheck check = CheckTypedFileName(typed);
    if (check == FileNameCheck::Invalid) {
      refuse(QStringLiteral("Dateiname ungültig!"));
      break;
    }
    if (check == FileNameCheck::TooLong) {
      refuse(QStringLiteral("Dateiname zu lang!"));
      break;
    }
    const QString renamed = WithLogExtension(typed);
    if (QFileInfo::exists(logsPath(renamed))) {
      refuse(QStringLiteral("Datei existiert bereits!"));
      break;
    }
    const bool done = RunStep(p, [&] {
      QFile f(logsPath(old));
      if (!f.rename(logsPath(renamed)))
        throw VkError(QStringLiteral("Die Datei %1 kann nicht umbenannt werden (%2).").arg(old, f.errorString()));
    });
    if (!done)
      break;
    if (m_lastUsed == old)
      setLastUsed(renamed);
  }
  // Refreshed on every way out, so the list never shows a name that is gone.
  refresh();
}

void LogNewOpenLogic::deleteSelected(const QList<int>& rows) {
  if (m_files.isEmpty())
    return;
  Prompter& p = *m_s.prompter;
  const QStringList names = m_files;
  for (int row : selectedInOrder(rows)) {
    const QString name = names[row];
    const Answer a = p.message(QStringLiteral("Möchtest du das Log\n") + name + QStringLiteral("\nwirklich löschen?"),
                               Icon::Question, Buttons::YesNoCancel);
    if (a == Answer::Cancel)
      break;
    if (a == Answer::No) {
      p.beep();
      continue;
    }
    const bool done = RunStep(p, [&] {
      QFile f(logsPath(name));
      if (!f.remove())
        throw VkError(QStringLiteral("Die Datei %1 kann nicht gelöscht werden (%2).").arg(name, f.errorString()));
    });
    if (!done)
      break;
    if (m_lastUsed == name)
      setLastUsed(QString());
  }
  refresh();
}

void LogNewOpenLogic::copySelected(const QList<int>& rows) {
  if (m_files.isEmpty())
    return;
  Prompter& p = *m_s.prompter;
  std::optional<BusyPointer> busy(std::in_place, p);
  QString target = p.browseFolder(QStringLiteral("Ordner wählen"), QString());
  if (target.isEmpty())
    return;
  target = WithTrailingSlash(target);
  const QStringList names = m_files;
  int copied = 0;
  for (int row : selectedInOrder(rows)) {
    const QString name = names[row];
    const QString source = logsPath(name);
    const QString dest = target + name;
    // Copying a log onto itself would delete it before the copy.
    const QString canonicalSource = QFileInfo(source).canonicalFilePath();
    if (!canonicalSource.isEmpty() && canonicalSource == QFileInfo(dest).canonicalFilePath()) {
      p.message(QStringLiteral("Fehler beim Kopieren! Kopieren abgebrochen"), Icon::Critical, Buttons::Ok);
      continue;
    }
    if (QFileInfo::exists(dest)) {
      const Answer a =
          p.message(QStringLiteral("Datei existiert bereits. Überschreiben?"), Icon::Information, Buttons::YesNoCancel);
      if (a == Answer::Cancel)
        break;
      if (a == Answer::No)
        continue;
      const bool removed = RunStep(p, [&] {
        QFile f(dest);
        if (!f.remove())
          throw VkError(QStringLiteral("Die Datei %1 kann nicht gelöscht werden (%2).").arg(dest, f.errorString()));
      });
      if (!removed) {
        refresh();
        return;
      }
    }
    if (!CopyFileTo(source, dest, true)) {
      p.message(QStringLiteral("Fehler beim Kopieren! Kopieren abgebrochen"), Icon::Critical, Buttons::Ok);
      continue;
    }
    ++copied;
  }
  refresh();
  busy.reset();
  p.message(QStringLiteral("Es wurde(n) '") + QString::number(copied) + QStringLiteral("' Datei(en) Kopiert"),
            Icon::Information, Buttons::Ok);
}

bool LogNewOpenLogic::newLog(const NewLogRunner& runStationLog) {
  if (m_mode != LogDialogMode::StartUp)
    return false;
  switch (AskSameDayQuestion(m_s)) {
  case SameDayAnswer::LoadLast:
    choose(LastLogName(m_s));
    return true;
  case SameDayAnswer::Back:
    return false;
  case SameDayAnswer::NewLog:
  case SameDayAnswer::NotAsked:
    break;
  }
  const std::optional<QString> saved = runStationLog ? runStationLog() : std::nullopt;
  if (!saved || !existsInLogs(*saved))
    return false;
  choose(*saved);
  return true;
}

} // namespace vk
