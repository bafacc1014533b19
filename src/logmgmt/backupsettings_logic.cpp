#include "logmgmt/backupsettings_logic.h"

#include "core/datafolder.h"
#include "core/errorbox.h"
#include "core/vkerror.h"
#include "entry/session.h"
#include "logmgmt/filenames.h"

#include <QDir>
#include <QFileInfo>

namespace vk {

namespace {
const QString kEinstellungen = QStringLiteral("Einstellungen");
const QString kPathe = QStringLiteral("PATHE");
const QString kSichernEA = QStringLiteral("SichernEA");
const QString kSicherungsPath = QStringLiteral("SicherungsPath");
} // namespace

BackupSettingsLogic::BackupSettingsLogic(Session& session) : m_s(session) {}

QString BackupSettingsLogic::Normalised(const QString& path) {
  if (path.isEmpty())
    return {};
  const QFileInfo info(path);
  QString p = info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
  while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
    p.chop(1);
  return p;
}

void BackupSettingsLogic::load() {
  m_on = m_s.settings.ReadNumber(kEinstellungen, kSichernEA) == 1;
  const QString stored = m_s.settings.ReadText(kPathe, kSicherungsPath);
  m_folder.clear();
  if (!stored.isEmpty() && FolderExists(stored))
    m_folder = stored;
}

std::optional<QString> BackupSettingsLogic::chooseFolder(const QString& path) {
  const QString chosen = Normalised(path);
  for (const QString& forbidden : {m_s.folders.logsFolder, m_s.folders.backupFolder}) {
    if (!forbidden.isEmpty() && chosen == Normalised(forbidden)) {
      m_s.prompter->message(QStringLiteral("Dieser Ordner ist nicht erlaubt!"), Icon::Information, Buttons::Ok);
      return Normalised(m_s.folders.dataFolder);
    }
  }
  m_folder = path;
  return std::nullopt;
}

std::optional<QString> BackupSettingsLogic::newFolder(const QString& current) {
  Prompter& p = *m_s.prompter;
  const std::optional<QString> name =
      p.input(QStringLiteral("Bitte den Namen für den neuen Ordner eingeben"), QStringLiteral("Ordnername"), {});
  if (!name || name->isEmpty())
    return std::nullopt;
  if (!IsAcceptableFileName(*name)) {
    p.message(QStringLiteral("Ordnername ungültig"), Icon::None, Buttons::Ok);
    return std::nullopt;
  }
  if (current.isEmpty())
    return std::nullopt;
  const QString created = QDir(current).filePath(*name);
  if (QFileInfo::exists(created)) {
    p.message(QStringLiteral("Ordner existiert bereits!"), Icon::Information, Buttons::Ok);
    return std::nullopt;
  }
  const bool done = RunStep(p, [&] {
    if (!QDir(current).mkdir(*name))
      throw VkError(QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(created));
  });
  if (!done)
    return std::nullopt;
  return created;
}

bool BackupSettingsLogic::ok() {
  if (m_folder.isEmpty() && m_on) {
    m_s.prompter->message(QStringLiteral("Bitte einen Ordner auswählen!"), Icon::Information, Buttons::Ok);
    return false;
  }
  QString text = m_folder;
  if (!text.endsWith(QLatin1Char('/')))
    text += QLatin1Char('/');
  m_s.additionalBackupFolder = text;
  m_s.settings.WriteText(kPathe, kSicherungsPath, text);
  m_s.settings.WriteText(kEinstellungen, kSichernEA, m_on ? QStringLiteral("1") : QStringLiteral("0"));
  m_s.additionalBackupOn = m_on;
  return true;
}

} // namespace vk
