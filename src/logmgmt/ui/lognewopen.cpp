#include "logmgmt/ui/lognewopen.h"

#include "entry/session.h"
#include "logmgmt/ui/clicklabel.h"
#include "station/ui/stationlog.h"

#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace vk {

LogNewOpen::LogNewOpen(Session& session, LogDialogMode mode, QWidget* parent,
                       LogNewOpenLogic::NewLogRunner runStationLog)
    : QDialog(parent), m_s(session), m_logic(session, mode), m_runStationLog(std::move(runStationLog)) {
  if (!m_runStationLog)
    m_runStationLog = [this] { return RunStationLogNew(m_s, this); };
  // Returning from the operator settings window activates this window again.
  m_runStationLog = [this, run = std::move(m_runStationLog)] {
    std::optional<QString> saved = run();
    m_returnedFromWindow = true;
    return saved;
  };
  setObjectName(QStringLiteral("LogNewOpen"));
  setWindowTitle(QStringLiteral("VelkaKDRW"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  build();
  m_logic.load();
  m_heading->setText(m_logic.heading());
  refreshList();
  showLastUsed();
}

void LogNewOpen::build() {
  auto* root = new QHBoxLayout(this);
  root->setSizeConstraint(QLayout::SetFixedSize);
  auto* left = new QVBoxLayout;
  root->addLayout(left);

  auto* top = new QHBoxLayout;
  m_heading = new QLabel(this);
  m_heading->setObjectName(QStringLiteral("Label1"));
  m_heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_toggle = new QPushButton(QStringLiteral(">>"), this);
  m_toggle->setObjectName(QStringLiteral("Command5"));
  m_toggle->setToolTip(QStringLiteral("Log-Erweitert"));
  m_toggle->setFixedWidth(36);
  top->addWidget(m_heading, 1);
  top->addWidget(m_toggle, 0, Qt::AlignBottom);
  left->addLayout(top);

  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("File1"));
  m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_list->setToolTip(QStringLiteral("Log Öffnen (DOPPELKLICK)"));
  m_list->setFixedSize(360, 220);
  left->addWidget(m_list);

  auto* caption = new QLabel(QStringLiteral("Zuletzt verwendetes Log"), this);
  caption->setObjectName(QStringLiteral("Label3"));
  left->addWidget(caption);
  m_lastUsed = new ClickLabel(this);
  m_lastUsed->setObjectName(QStringLiteral("Label2"));
  m_lastUsed->setToolTip(QStringLiteral("Zuletzt verwendetes Log Öffnen"));
  m_lastUsed->setCursor(Qt::PointingHandCursor);
  m_lastUsed->setFrameShape(QFrame::Box);
  m_lastUsed->setAutoFillBackground(true);
  m_lastUsed->setStyleSheet(QStringLiteral("QLabel { background-color: #d6d36b; color: black; padding: 2px; }"));
  QFont f = m_lastUsed->font();
  f.setPointSize(11);
  m_lastUsed->setFont(f);
  m_lastUsed->setFixedWidth(360);
  m_lastUsed->setMinimumHeight(QFontMetrics(f).height() + 8);
  left->addWidget(m_lastUsed);

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  left->addWidget(line);

  m_newLog = new QPushButton(QStringLiteral("&Neues Log"), this);
  m_newLog->setObjectName(QStringLiteral("Command4"));
  QFont big = m_newLog->font();
  big.setPointSize(big.pointSize() + 5);
  big.setBold(true);
  m_newLog->setFont(big);
  m_newLog->setMinimumHeight(44);
  left->addWidget(m_newLog);

  m_frame = new QGroupBox(QStringLiteral("Log-Erweitert"), this);
  m_frame->setObjectName(QStringLiteral("Frame1"));
  auto* fl = new QVBoxLayout(m_frame);
  auto* rename = new QPushButton(QStringLiteral("&Umbenennen"), this);
  rename->setObjectName(QStringLiteral("Command1"));
  auto* remove = new QPushButton(QStringLiteral("&Löschen"), this);
  remove->setObjectName(QStringLiteral("Command2"));
  auto* copy = new QPushButton(QStringLiteral("&Kopieren nach..."), this);
  copy->setObjectName(QStringLiteral("Command3"));
  for (QPushButton* b : {rename, remove, copy})
    fl->addWidget(b);
  fl->addStretch();
  root->addWidget(m_frame);
  m_frame->hide();

  for (QPushButton* b : findChildren<QPushButton*>())
    b->setAutoDefault(false);

  const bool startUp = m_logic.mode() == LogDialogMode::StartUp;
  m_newLog->setEnabled(startUp);
  m_toggle->setVisible(startUp);

  connect(m_toggle, &QPushButton::clicked, this, &LogNewOpen::toggleExtended);
  connect(m_list, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { closeIfChosen(m_logic.openEntry(m_list->row(item))); });
  connect(m_lastUsed, &ClickLabel::clicked, this, [this] { closeIfChosen(m_logic.openLastUsed()); });
  connect(m_newLog, &QPushButton::clicked, this, [this] {
    m_returnedFromWindow = false;
    closeIfChosen(m_logic.newLog(m_runStationLog));
    if (m_returnedFromWindow)
      onActivated();
  });
  connect(rename, &QPushButton::clicked, this, [this] {
    m_logic.renameSelected(selectedRows());
    refreshList();
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    m_logic.deleteSelected(selectedRows());
    refreshList();
  });
  connect(copy, &QPushButton::clicked, this, [this] {
    m_logic.copySelected(selectedRows());
    refreshList();
  });
}

bool LogNewOpen::extended() const { return m_frame->isVisible(); }

void LogNewOpen::toggleExtended() {
  const bool expand = m_toggle->text() == QLatin1String(">>");
  m_toggle->setText(expand ? QStringLiteral("<<") : QStringLiteral(">>"));
  m_frame->setVisible(expand);
}

void LogNewOpen::refreshList() {
  m_list->clear();
  m_list->addItems(m_logic.files());
  showLastUsed();
}

void LogNewOpen::showLastUsed() { m_lastUsed->setText(m_logic.lastUsed()); }

QList<int> LogNewOpen::selectedRows() const {
  QList<int> rows;
  for (const QModelIndex& i : m_list->selectionModel()->selectedRows())
    rows << i.row();
  return rows;
}

void LogNewOpen::closeIfChosen(bool chosen) {
  showLastUsed();
  if (chosen)
    accept();
}

void LogNewOpen::onActivated() {
  if (isVisible() && !m_logic.chosen())
    closeIfChosen(m_logic.activated());
}

void LogNewOpen::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  // The dialog becomes active when it is shown and when the operator settings
  // window returns; message and input boxes do not count. Showing is taken as
  // the activation, since without a window manager the window may never become
  // active at all.
  QTimer::singleShot(0, this, &LogNewOpen::onActivated);
  m_list->setFocus(Qt::OtherFocusReason);
}

std::optional<QString> RunLogNewOpen(Session& session, LogDialogMode mode, QWidget* parent) {
  LogNewOpen dialog(session, mode, parent);
  dialog.exec();
  return dialog.chosen();
}

bool ChooseStartLog(Session& session, QWidget* parent) {
  const std::optional<QString> chosen = RunLogNewOpen(session, LogDialogMode::StartUp, parent);
  if (!chosen || chosen->isEmpty() || !QFileInfo(session.folders.logsFolder + *chosen).isFile())
    return false;
  session.CurrentLogName = *chosen;
  return true;
}

} // namespace vk
