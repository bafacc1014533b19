#pragma once

#include "station/stationlog_logic.h"

#include <QDialog>

#include <memory>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace vk {

struct Session;
class ClickLabel;

// Shows the operator settings window in new-log mode; returns the file name of
// the log it saved (the file then exists in the logs folder), or nullopt.
std::optional<QString> RunStationLogNew(Session& session, QWidget* parent);

// Shows it in settings mode for the open log; true when the operator saved.
bool RunStationLogSettings(Session& session, QWidget* parent);

// The window `StationLog` ("Operator-Einstellungen"). Its rules are in
// StationLogLogic; this class binds the widgets.
class StationLog : public QDialog {
  Q_OBJECT
public:
  StationLog(Session& session, StationLogMode mode, QWidget* parent = nullptr);
  ~StationLog() override;

  StationLogLogic& logic() { return m_logic; }
  // The fields as the widgets hold them, and back.
  StationForm form() const;
  void setForm(const StationForm& form);
  // The lines the description or comment box shows, soft wraps included.
  static QStringList DisplayedLines(const QPlainTextEdit* box);

  bool saved() const { return m_saved; }

protected:
  void showEvent(QShowEvent* e) override;

private:
  void build();
  void load();
  void onSave();
  void onNamePrompt();
  void onImport();
  void focusOn(StationFocus focus);
  void updateExamFrame();
  void openListEditor();
  void closeListEditor(bool take);
  void showEditBox(bool show);
  void refreshEditorList();
  void setFileNameLabel();

  Session& m_s;
  StationLogLogic m_logic;
  std::unique_ptr<OpCallListEditor> m_editor;
  bool m_saved = false;

  QGroupBox* m_required = nullptr;
  QGroupBox* m_optional = nullptr;
  QLineEdit* m_call = nullptr;         // Text1
  QComboBox* m_opCall = nullptr;       // Combo5
  QToolButton* m_listButton = nullptr; // Command5
  QComboBox* m_district = nullptr;     // Combo1
  QButtonGroup* m_omYl = nullptr;      // Option1
  QButtonGroup* m_class = nullptr;     // Option2
  QButtonGroup* m_power = nullptr;     // Option3
  QButtonGroup* m_opClass = nullptr;   // Option4
  QButtonGroup* m_emergency = nullptr; // Option5
  QGroupBox* m_examFrame = nullptr;
  QComboBox* m_examDay = nullptr;      // Combo2
  QComboBox* m_examMonth = nullptr;    // Combo3
  QComboBox* m_examYear = nullptr;     // Combo4
  QLineEdit* m_email = nullptr;        // Text6
  QLineEdit* m_locator = nullptr;      // Text3
  QLineEdit* m_name = nullptr;         // Text4
  QLineEdit* m_address = nullptr;      // Text5
  QLineEdit* m_plz = nullptr;          // Text9
  QLineEdit* m_city = nullptr;         // Text10
  QPlainTextEdit* m_station = nullptr; // Text7
  QPlainTextEdit* m_comment = nullptr; // Text8
  QLabel* m_emergencyText = nullptr;
  ClickLabel* m_fileName = nullptr;      // Label10
  QToolButton* m_fileButton = nullptr;   // Command3
  QPushButton* m_import = nullptr;       // Command13
  QPushButton* m_cancel = nullptr;       // Command1
  QPushButton* m_saveNew = nullptr;      // Command2
  QPushButton* m_saveSettings = nullptr; // Command4

  QGroupBox* m_listFrame = nullptr;
  QListWidget* m_list = nullptr;
  QLineEdit* m_editBox = nullptr;
  QToolButton* m_editAccept = nullptr;
  QToolButton* m_editCancel = nullptr;
  QPushButton* m_listNew = nullptr;
  QPushButton* m_listEdit = nullptr;
  QPushButton* m_listDelete = nullptr;
  QPushButton* m_listOk = nullptr;
  QPushButton* m_listCancel = nullptr;
};

} // namespace vk
