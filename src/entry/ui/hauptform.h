#pragma once

#include "entry/acceptance.h"
#include "entry/entryrules.h"
#include "entry/loggrid.h"
#include "entry/session.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <array>
#include <functional>
#include <optional>

namespace vk {

class LogGridModel;
class Statistik;

// Sets the text limit of an editable combo (n <= 0: no limit); with `cut` a
// longer current text is cut to n characters, the cursor after it.
void LimitComboLength(QComboBox* combo, int n, bool cut);

// The main window: the log grid on top, the entry line below it, the menus,
// the program clock and the countdown. Its rules live in the logic classes
// (acceptance, entry rules, log grid, dupe check); this class binds widgets.
class HauptForm : public QMainWindow {
  Q_OBJECT
public:
  // What the window needs from the rest of the program; every hook may be empty.
  struct Services {
    // The log file dialog at start-up: the chosen log's file name, or nothing.
    std::function<std::optional<QString>(HauptForm&)> chooseLog;
    // "&Neues Log" and "Log &Öffnen": returns true when another log was loaded
    // into the session (the window then refills its grid).
    std::function<bool(HauptForm&)> newLog;
    std::function<bool(HauptForm&)> openLog;
    // "&Operator-Einstellungen": returns true when the station data were saved.
    std::function<bool(HauptForm&)> stationSettings;
    // "Zusätzliches &Sichern" settings; "&Ordner 'Sicherung' Öffnen".
    std::function<void(HauptForm&)> backupSettings;
    std::function<void(HauptForm&)> openBackupFolder;
    // The automatic backup one second after a change, and the additional backup.
    std::function<void(Session&)> automaticBackup;
    std::function<void(Session&)> additionalBackup;
    // The log submission (automatic after each period and at exit).
    std::function<void(HauptForm&)> submitLog;
    // Opens a file or address with the desktop's program.
    std::function<void(const QString&)> openUrl;
  };

  HauptForm(Session& session, Services services, QWidget* parent = nullptr);
  ~HauptForm() override;

  // The start-up sequence. Returns false when the program should end (no log
  // chosen, or the log could not be loaded).
  bool startUp();

  Session& session() { return m_s; }
  LogGrid& grid() { return m_grid; }
  QTableView* gridView() const { return m_view; }

  // Entry-line access for tests and the other windows.
  QWidget* field(EntryField f) const;
  QString fieldText(EntryField f) const;
  QLabel* statusLine() const { return m_status; }
  QLabel* hintLabel() const { return m_hint; }
  QPushButton* dupeButton() const { return m_dupe; }
  QAction* countdownAction() const { return m_countdown; }
  QAction* menuAction(const QString& caption) const;

  // Runs the acceptance of the entry line (Enter in any field).
  void uebernehmen();
  // Empties callsign, note and district, restores the reports, restarts the clock.
  void resetEntryLine();
  // Refills the grid from the store and recounts the tallies.
  void refillGrid();
  // Sort the grid (1..6).
  void sortGrid(int mode);
  // The record indices in the grid's order.
  std::vector<int> displayOrder() const { return m_grid.displayOrder(m_s.store); }
  // Own-station display after a log was loaded or its header changed.
  void showLogIdentity();

  // The timers' work, callable directly by tests.
  void clockTick();
  void countdownTick();
  void blinkTick();
  bool clockRunning() const { return m_timer1.isActive(); }
  bool backupPending() const { return m_timer3.isActive(); }

  // Toggles of the menu "&Fenster" for the result window.
  void toggleResultWindow();
  Statistik* resultWindow() const;

  // Twips of a pixel count and back (15 twips per pixel at 96 dpi).
  static int ToTwips(int px) { return px * 15; }
  static int FromTwips(int tw) { return tw / 15; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void buildWidgets();
  void buildMenus();
  void setupField(QWidget* w, EntryField f);
  EntryField fieldOf(QObject* o) const;
  void focusField(EntryField f);
  void setStatus(const QString& text);
  void onCallChanged();
  void runLiveDupeCheck(const QString& call);
  void showDupeWarning(const DupeCheckResult& r);
  void hideDupeWarning();
  void onBandChosen();
  void onModeChosen();
  void onQslToggled(bool on);
  void addOperator();
  void operatorChosen(int index);
  void saveOperators();
  void setExtendedEntry(bool on);
  void setDateTimeLocked(bool locked);
  void setManualDateTime(bool manual);
  void applyDateTimeColours();
  void setFieldColour(QWidget* w, const QColor& c);
  void chooseClockOffset(int index);
  void scrollToLastRow();
  void resetWindowPositions();
  void restorePosition();
  void unload();
  void showGridMenu(const QPoint& pos);
  bool fieldLocked(EntryField f) const;

  Session& m_s;
  Services m_services;
  LogGrid m_grid;
  LogGridModel* m_model = nullptr;
  QTableView* m_view = nullptr;

  // Entry line.
  QLineEdit* m_date = nullptr;
  QLineEdit* m_time = nullptr;
  QComboBox* m_band = nullptr;
  QComboBox* m_mode = nullptr;
  QLineEdit* m_call = nullptr;
  QLineEdit* m_rstSent = nullptr;
  QLineEdit* m_rstRcvd = nullptr;
  QComboBox* m_district = nullptr;
  QPushButton* m_qsl = nullptr;
  QLineEdit* m_note = nullptr;
  QComboBox* m_operator = nullptr;
  QWidget* m_entryPanel = nullptr;
  QWidget* m_secondRow = nullptr;
  QLabel* m_status = nullptr;
  QLabel* m_hint = nullptr;
  QPushButton* m_dupe = nullptr;
  QGroupBox* m_frame = nullptr;
  QLabel* m_ownDistrict = nullptr;
  QWidget* m_messagePanel = nullptr;

  // Menu entries with state.
  std::array<QAction*, 25> m_offset{};
  QAction* m_lockAction = nullptr;
  QAction* m_manualAction = nullptr;
  QAction* m_callPrefill = nullptr;
  QAction* m_extended = nullptr;
  QAction* m_lastLogOpen = nullptr;
  QAction* m_countdownToggle = nullptr;
  QAction* m_additionalBackup = nullptr;
  QAction* m_helpPdf = nullptr;
  QAction* m_countdown = nullptr;
  QAction* m_resultToggle = nullptr;
  QMenu* m_gridMenu = nullptr;

  QTimer m_timer1; // clock
  QTimer m_timer2; // dupe blink
  QTimer m_timer3; // backup one second after a change
  QTimer m_timer4; // countdown

  QPointer<Statistik> m_result;

  bool m_shift = false;
  bool m_blinkRed = false;
  bool m_inUebernehmen = false;
  bool m_choosingOperator = false;
  bool m_ownStateStation = false;
  bool m_loaded = false;
};

} // namespace vk
