#include "core/datafolder.h"

#include "core/errorbox.h"
#include "version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vk {

QString WithTrailingSlash(QString path) {
  path.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (!path.endsWith(QLatin1Char('/')))
    path += QLatin1Char('/');
  return path;
}

QString DataFolderPath(bool perUser) {
  if (perUser) {
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty())
      home = QDir::homePath() + QStringLiteral("/.local/share");
    return WithTrailingSlash(home);
  }
  const QStringList dirs = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
  return WithTrailingSlash(dirs.size() > 1 ? dirs.last() : QStringLiteral("/usr/local/share"));
}

bool FolderExists(const QString& path) {
  if (path.isEmpty())
    return false;
  QString p = path;
  while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
    p.chop(1);
  return QFileInfo::exists(p);
}

bool CopyFileTo(const QString& source, const QString& target, bool overwrite) {
  if (QFileInfo::exists(target)) {
    if (!overwrite)
      return false;
    if (!QFile::remove(target))
      return false;
  }
  return QFile::copy(source, target);
}

DataFolder DataFolder::Resolve(const QString& programPath, const QString& dataHome) {
  DataFolder d;
  const QFileInfo info(programPath);
  d.programFolder = WithTrailingSlash(info.absolutePath());
  d.programName = info.completeBaseName();
  QString folder = d.programFolder;
  folder.chop(1);
  const QString last = folder.mid(folder.lastIndexOf(QLatin1Char('/')) + 1);
  d.dataFolder = WithTrailingSlash(dataHome) + last + QLatin1Char('/');
  d.logsFolder = d.dataFolder + QStringLiteral("Logs/");
  d.backupFolder = d.dataFolder + QStringLiteral("Sicherung/");
  d.tmpFolder = d.dataFolder + QStringLiteral("Tmp/");
  d.settingsFile = d.dataFolder + d.programName + QStringLiteral(".INI");
  return d;
}

int VersionNumber(int major, int minor, int revision) { return major * 100000 + minor * 1000 + revision; }

int ProgramVersionNumber() { return VersionNumber(kVersionMajor, kVersionMinor, kVersionRevision); }

QString VersionDigits(int number) { return QStringLiteral("%1").arg(number, 7, 10, QLatin1Char('0')); }

namespace {

bool MakeFolder(const QString& path, Prompter& prompter) {
  return RunStep(prompter, [&] {
    if (!FolderExists(path) && !QDir().mkpath(path))
      throw VkError(QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(path));
  });
}

} // namespace

bool PrepareDataFolder(const DataFolder& folders, const SettingsFile& settings, Prompter& prompter,
                       int versionNumber) {
  if (!MakeFolder(folders.dataFolder, prompter))
    return false;
  const QString exe = folders.programName.toUpper() + QStringLiteral(".EXE");
  const QString bin = folders.programName.toUpper() + QStringLiteral(".BIN");
  const QString version = QStringLiteral("Version");
  if (settings.ReadNumber(exe, version) != versionNumber || settings.ReadNumber(bin, version) != versionNumber) {
    settings.WriteText(exe, version, VersionDigits(versionNumber));
    settings.WriteText(bin, version, VersionDigits(versionNumber));
  }
  for (const QString& sub : {folders.logsFolder, folders.backupFolder, folders.tmpFolder})
    if (!MakeFolder(sub, prompter))
      return false;
  return true;
}

} // namespace vk
