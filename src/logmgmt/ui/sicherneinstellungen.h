#pragma once

#include "logmgmt/backupsettings_logic.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace vk {

struct Session;

// "Zusätzliches &Sichern": shows the window modally. True after OK; the caller
// then sets the menu's check mark to `session.additionalBackupOn`.
bool RunSichernEinstellungen(Session& session, QWidget* parent);

// The window `SichernEinstellungen`: a volume list, a folder tree, "&Neuer
// Ordner", the chosen folder, the switch, "&Abbrechen" and "&OK".
class SichernEinstellungen : public QDialog {
  Q_OBJECT
public:
  SichernEinstellungen(Session& session, QWidget* parent = nullptr);

  BackupSettingsLogic& logic() { return m_logic; }
  // Moves the tree to a folder, as a click on it does.
  void openFolder(const QString& path);
  // The tree's current folder; empty when none.
  QString currentFolder() const;

private:
  void build();
  void fillVolumes();
  void showVolume(const QString& root);
  void onFolderChanged();
  void onNewFolder();
  void onOk();

  Session& m_s;
  BackupSettingsLogic m_logic;
  QComboBox* m_volumes = nullptr;
  QTreeView* m_tree = nullptr;
  QFileSystemModel* m_model = nullptr;
  QLineEdit* m_folder = nullptr;
  QCheckBox* m_on = nullptr;
  bool m_moving = false;
};

} // namespace vk
