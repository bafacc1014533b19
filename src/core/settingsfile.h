#pragma once

#include "core/prompter.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vk {

// An INI file with the semantics of the Windows private-profile functions:
// section and key names are compared without regard to case, section names are
// written in upper case, a section may hold plain lines without "=", values are
// trimmed. The file is read anew by every call and written whole (atomically) in
// Windows-1252 with CR LF line ends.
class SettingsFile {
public:
  SettingsFile() = default;
  SettingsFile(QString path, Prompter& prompter) : m_path(std::move(path)), m_prompter(&prompter) {}

  const QString& path() const { return m_path; }
  void setPath(const QString& path) { m_path = path; }
  void setPrompter(Prompter& prompter) { m_prompter = &prompter; }

  // The value as a whole number (0 when missing or not a number).
  int ReadNumber(const QString& section, const QString& key) const;
  // The value as text (empty when missing), at most 32767 characters.
  QString ReadText(const QString& section, const QString& key) const;
  // Writes the value under the upper-cased section; creates file and section.
  void WriteText(const QString& section, const QString& key, const QString& value) const;
  // All lines of the section in file order followed by one empty element.
  QStringList ReadSection(const QString& section) const;
  // Replaces the whole section by the lines.
  void WriteSection(const QString& section, const QStringList& lines) const;
  // Removes the section with all its lines (only when the file exists).
  void DeleteSection(const QString& section) const;

  bool exists() const;

private:
  struct Content;
  // The trimmed value of a key; nullopt (after a beep for empty names or a
  // missing file) when there is none.
  std::optional<QString> value(const QString& section, const QString& key, const QString& errorText) const;
  bool load(Content& content, const QString& errorText) const;
  bool store(const Content& content, const QString& errorText) const;
  void beep() const;
  void fail(const QString& text, int code) const;

  QString m_path;
  Prompter* m_prompter = nullptr;
};

// The error texts of the settings operations.
QString IniReadNumberError();
QString IniReadError();
QString IniWriteError();
QString IniDeleteError();

} // namespace vk
