#pragma once

#include <QString>
#include <QStringView>

namespace vk {

// Longest file or folder name the operator may type.
inline constexpr qsizetype kMaxTypedFileName = 250;

enum class FileNameCheck {
  Ok,
  Invalid, // a control character, one of " * / : < > ? \ |, or a character Windows-1252 lacks
  TooLong, // more than 250 characters
};

// The rule for names the operator types for a log (new log, rename) or a new
// backup folder. Characters are checked before the length.
FileNameCheck CheckTypedFileName(QStringView name);
inline bool IsAcceptableFileName(QStringView name) { return CheckTypedFileName(name) == FileNameCheck::Ok; }

// The extension of log files.
inline const QString kLogExtension = QStringLiteral(".VKDRZ");

// True when the name ends in ".VKDRZ", in any letter case.
bool HasLogExtension(QStringView name);
// The name with ".VKDRZ" appended unless it already ends in it (any case).
QString WithLogExtension(const QString& name);

} // namespace vk
