#include "logmgmt/backup.h"

#include "core/datafolder.h"
#include "core/errorbox.h"
#include "core/vkerror.h"
#include "entry/session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace vk {

namespace {

const QString kAlt = QStringLiteral(".ALT");

void RemoveFile(const QString& path) {
  QFile f(path);
  if (!f.remove())
    throw VkError(QStringLiteral("Die Datei %1 kann nicht gelöscht werden (%2).").arg(path, f.errorString()));
}

void RenameFile(const QString& from, const QString& to) {
  QFile f(from);
  if (!f.rename(to))
    throw VkError(QStringLiteral("Die Datei %1 kann nicht umbenannt werden (%2).").arg(from, f.errorString()));
}

bool SameFile(const QString& a, const QString& b) {
  const QString ca = QFileInfo(a).canonicalFilePath();
  return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

QString BackupNotReadyText() { return QStringLiteral("Fehler... Sicherungs-Laufwerk nicht bereit!"); }

QString BackupTooLittleSpaceText() {
  return QStringLiteral("Zu wenig freier Speicher auf dem Sicherungsmedium!\nBitte Speicherplatz freigeben.\n\n"
                        "Sichern abgebrochen!");
}

QString BackupNoValidPathText() { return QStringLiteral("Kein gültiger Pfad zum Sichern! Sichern abgebrochen!"); }

std::optional<std::uintmax_t> FreeSpaceOfVolume(const QString& folder) {
  if (folder.isEmpty())
    return std::nullopt;
  std::filesystem::path p(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()).toStdString());
  std::error_code ec;
  // A folder that is gone still lies on a volume: ask its nearest existing parent.
  while (!std::filesystem::exists(p, ec)) {
    if (!p.has_relative_path())
      return std::nullopt;
    p = p.parent_path();
  }
  const std::filesystem::space_info info = std::filesystem::space(p, ec);
  if (ec || info.available == static_cast<std::uintmax_t>(-1))
    return std::nullopt;
  return info.available;
}

bool BackupLog(Prompter& prompter, const QString& source, const QString& target, const FreeSpaceQuery& freeSpace) {
  const QString targetFolder = QFileInfo(target).absolutePath();

  const std::optional<std::uintmax_t> free = freeSpace ? freeSpace(targetFolder) : std::nullopt;
  if (!free) {
    prompter.message(BackupNotReadyText(), Icon::None, Buttons::Ok);
    return false;
  }
  const std::uintmax_t size = std::uintmax_t(std::max<qint64>(0, QFileInfo(source).size()));
  if (2 * size >= *free) {
    prompter.message(BackupTooLittleSpaceText(), Icon::Information, Buttons::Ok);
    return false;
  }
  // The folder of this copy must exist; a copy onto the log itself would move
  // the log away to ".ALT".
  if (!FolderExists(targetFolder) || SameFile(source, target)) {
    prompter.message(BackupNoValidPathText(), Icon::Information, Buttons::Ok);
    return false;
  }

  const QString alt = target + kAlt;
  if (!RunStep(prompter, [&] {
        if (QFileInfo::exists(alt))
          RemoveFile(alt);
      }))
    return false;
  if (!RunStep(prompter, [&] {
        if (QFileInfo::exists(target))
          RenameFile(target, alt);
      }))
    return false;
  if (!CopyFileTo(source, target, true)) {
    prompter.message(BackupNoValidPathText(), Icon::Critical, Buttons::Ok);
    return false;
  }
  return RunStep(prompter, [&] {
    if (QFileInfo::exists(alt))
      RemoveFile(alt);
  });
}

bool AutomaticBackup(Session& session, const FreeSpaceQuery& freeSpace) {
  if (session.CurrentLogName.isEmpty())
    return false;
  return BackupLog(*session.prompter, session.currentLogPath(), session.folders.backupFolder + session.CurrentLogName,
                   freeSpace);
}

bool AdditionalBackup(Session& session, const FreeSpaceQuery& freeSpace) {
  if (!session.additionalBackupOn || session.additionalBackupFolder.isEmpty() || session.CurrentLogName.isEmpty())
    return false;
  return BackupLog(*session.prompter, session.currentLogPath(),
                   WithTrailingSlash(session.additionalBackupFolder) + session.CurrentLogName, freeSpace);
}

void LoadAdditionalBackupSettings(Session& session) {
  const QString folder = session.settings.ReadText(QStringLiteral("PATHE"), QStringLiteral("SicherungsPath"));
  session.additionalBackupFolder.clear();
  session.additionalBackupOn = false;
  if (folder.isEmpty() || !FolderExists(folder))
    return;
  session.additionalBackupFolder = WithTrailingSlash(folder);
  session.additionalBackupOn =
      session.settings.ReadNumber(QStringLiteral("Einstellungen"), QStringLiteral("SichernEA")) == 1;
}

} // namespace vk
