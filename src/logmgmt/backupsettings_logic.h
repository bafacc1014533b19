#pragma once

#include <QString>

#include <optional>

namespace vk {

struct Session;

// The rules of the window `SichernEinstellungen`: which folder may be chosen,
// the new-folder command and OK. The window only binds widgets to it.
class BackupSettingsLogic {
public:
  explicit BackupSettingsLogic(Session& session);

  // Load: the check box from "SichernEA" and the stored folder when it exists.
  void load();

  bool switchedOn() const { return m_on; }
  void setSwitchedOn(bool on) { m_on = on; }
  // The folder shown in the read-only field; empty when none is chosen.
  const QString& folder() const { return m_folder; }

  // The folder chosen in the tree. The data folder's "Logs" and "Sicherung"
  // are refused with a message; the result is then the data folder, to which
  // the tree must move. Otherwise the folder is taken and nullopt returned.
  std::optional<QString> chooseFolder(const QString& path);

  // "&Neuer Ordner" inside `current` (the tree's current folder, empty when it
  // has none). Returns the created folder's path.
  std::optional<QString> newFolder(const QString& current);

  // "&OK": stores the folder and the switch. False when the window must stay open.
  bool ok();

  // The folder itself, without trailing "/" and with links resolved where possible.
  static QString Normalised(const QString& path);

private:
  Session& m_s;
  bool m_on = false;
  QString m_folder;
};

} // namespace vk
