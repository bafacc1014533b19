#pragma once

#include "entry/session.h"
#include "exchange/exportcommand.h"
#include "scoring/bandcolours.h"
#include "scoring/tally.h"

#include <QHash>
#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;
class QTableWidget;
class QPushButton;

namespace vk {

// The result window "Ergebnis": the tallies and the score of the open log in
// five grids and a set of counter labels, and the button that writes the
// result as a text file.
//
// Usage from the main window: `new Statistik(session, this)` and show() it;
// close() it to take it away. Closing deletes the window and emits closed()
// (clear the menu check mark there). While shown, the window is registered as
// WindowId::StatistikForm: Session::windows.requestRefresh() asks it for one
// refresh. Position keys "StatistikTop"/"StatistikLeft" (section "FensterPos")
// are read on creation and written when the window is closed or destroyed.
class Statistik : public QWidget {
  Q_OBJECT

public:
  explicit Statistik(Session& session, QWidget* parent = nullptr);
  ~Statistik() override;

  // Asks for one refresh on the next turn of the event loop.
  void requestRefresh();
  // Reloads the band colours (after they were changed elsewhere) and refreshes.
  void reloadColours();
  // Whether a requested refresh has not run yet.
  bool refreshPending() const { return m_timer.isActive(); }
  // The summary the window shows now.
  const ScoreSummary& shownSummary() const { return m_shown; }
  // The final sum as the window shows it.
  QString finalSumText() const;

  // How a written result file is opened (the desktop's program by default).
  void setOpenFile(OpenFileFn open) { m_open = std::move(open); }

  // The save button's command: asks for the file and writes the result text.
  void saveResultText();

signals:
  void closed();

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void RefreshResult();
  void fill();
  void unload();
  QLabel* counter(const char* name, const QString& tooltip);

  Session& m_s;
  QTimer m_timer;
  BandColours m_colours;
  ScoreSummary m_shown;
  OpenFileFn m_open;
  bool m_registered = false;
  bool m_unloaded = false;

  QHash<QString, QLabel*> m_labels; // counter labels by name
  QTableWidget* m_prefixGrid = nullptr;
  QTableWidget* m_districtGrid = nullptr;
  QTableWidget* m_stateGrid = nullptr;
  QTableWidget* m_modeGrid = nullptr;
  QTableWidget* m_periodGrid = nullptr;
  QPushButton* m_saveButton = nullptr;
};

} // namespace vk
