#pragma once

#include "logmgmt/lognewopen_logic.h"

#include <QDialog>

#include <functional>
#include <optional>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vk {

struct Session;
class ClickLabel;

// Shows the log file dialog modally. Returns the file name of the chosen log
// (with extension, without folder), or nullopt when it was closed without a
// choice. The chosen log is recorded as "LastLogFile". `CurrentLogName` is not
// changed here: the caller sets it once the log is loaded.
std::optional<QString> RunLogNewOpen(Session& session, LogDialogMode mode, QWidget* parent);

// Start-up step: the dialog in start-up mode. Sets `CurrentLogName` and returns
// true when a log was chosen whose file exists in the logs folder; false means
// the program ends.
bool ChooseStartLog(Session& session, QWidget* parent);

// The window `LogNewOpen`. Its rules are in LogNewOpenLogic.
class LogNewOpen : public QDialog {
  Q_OBJECT
public:
  // `runStationLog` shows the operator settings window in new-log mode; the
  // default is the real window.
  LogNewOpen(Session& session, LogDialogMode mode, QWidget* parent = nullptr,
             LogNewOpenLogic::NewLogRunner runStationLog = {});

  LogNewOpenLogic& logic() { return m_logic; }
  const std::optional<QString>& chosen() const { return m_logic.chosen(); }
  bool extended() const;

protected:
  void showEvent(QShowEvent* e) override;

private:
  void build();
  void refreshList();
  void showLastUsed();
  QList<int> selectedRows() const;
  void closeIfChosen(bool chosen);
  void toggleExtended();
  void onActivated();

  Session& m_s;
  LogNewOpenLogic m_logic;
  LogNewOpenLogic::NewLogRunner m_runStationLog;
  QLabel* m_heading = nullptr;      // Label1
  QPushButton* m_toggle = nullptr;  // Command5
  QListWidget* m_list = nullptr;    // File1
  ClickLabel* m_lastUsed = nullptr; // Label2
  QPushButton* m_newLog = nullptr;  // Command4
  QGroupBox* m_frame = nullptr;     // Frame1
  bool m_returnedFromWindow = false;
};

} // namespace vk
