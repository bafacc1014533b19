#pragma once

#include "core/prompter.h"
#include "core/settingsfile.h"

#include <QString>

namespace vk {

// The per-user application-data folder ($XDG_DATA_HOME, default ~/.local/share)
// or the all-users one, with a trailing "/".
QString DataFolderPath(bool perUser);

// True when the path names an existing entry (folder or file, hidden ones too).
bool FolderExists(const QString& path);

// Copies a file; with overwrite false an existing target is left alone.
bool CopyFileTo(const QString& source, const QString& target, bool overwrite);

// Ensures a trailing "/"; "\" becomes "/".
QString WithTrailingSlash(QString path);

// The program's folders. Every path ends with "/".
struct DataFolder {
  QString programFolder; // folder of the running program
  QString programName;   // file name of the program without extension
  QString dataFolder;    // <data home>/<last component of programFolder>/
  QString logsFolder;    // dataFolder + "Logs/"
  QString backupFolder;  // dataFolder + "Sicherung/"
  QString tmpFolder;     // dataFolder + "Tmp/"
  QString settingsFile;  // dataFolder + programName + ".INI"

  // Resolves the folders from the program's full path (no folder is created).
  static DataFolder Resolve(const QString& programPath, const QString& dataHome = DataFolderPath(true));

  QString districtFile() const { return dataFolder + QStringLiteral("bez_koord.txt"); }
  QString callListFile() const { return dataFolder + QStringLiteral("OeCallList.txt"); }
  QString helpFile() const { return dataFolder + QStringLiteral("VKDRZHilfe.pdf"); }
};

// The installed version as a whole number: major * 100000 + minor * 1000 + revision.
int VersionNumber(int major, int minor, int revision);
int ProgramVersionNumber();
// Seven digits with leading zeros.
QString VersionDigits(int number);

// The first steps of the start-up: creates the data folder, records the version
// under "<PROGRAM>.EXE" and "<PROGRAM>.BIN" when either differs, and creates
// "Logs", "Sicherung" and "Tmp". A folder that cannot be created raises the
// common error box; returns false when the user cancels it.
bool PrepareDataFolder(const DataFolder& folders, const SettingsFile& settings, Prompter& prompter,
                       int versionNumber = ProgramVersionNumber());

} // namespace vk
