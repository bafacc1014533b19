#include "entry/ui/hauptform.h"

#include "core/codepage.h"
#include "core/contest.h"
#include "core/errorbox.h"
#include "core/logfile.h"
#include "entry/ui/loggridmodel.h"
#include "exchange/ui/exportcommands.h"
#include "scoring/ui/resultwindow.h"
#include "version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

namespace vk {

namespace {

const QColor kFocusColour(0, 255, 255);
const QColor kLockedColour(192, 192, 192);
const QColor kManualColour(128, 255, 128);
const QString kSettings = QStringLiteral("Einstellungen");
const QString kPositions = QStringLiteral("FensterPos");

// Heights of the entry panel and tops of the status row in twips.
constexpr int kEntryPanelShort = 540;
constexpr int kEntryPanelTall = 1080;

QFont FieldFont() {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPointSize(13);
  return f;
}

} // namespace

void LimitComboLength(QComboBox* combo, int n, bool cut) {
  if (!combo || !combo->lineEdit())
    return;
  if (n < 0)
    n = 0;
  combo->lineEdit()->setMaxLength(n == 0 ? 32767 : n);
  if (cut && n > 0 && combo->currentText().size() > n) {
    combo->setEditText(combo->currentText().left(n));
    combo->lineEdit()->setCursorPosition(n);
  }
}

HauptForm::HauptForm(Session& session, Services services, QWidget* parent)
    : QMainWindow(parent), m_s(session), m_services(std::move(services)) {
  setWindowTitle(QStringLiteral("VelkaKDRW"));
  buildWidgets();
  buildMenus();
  setExtendedEntry(false);

  m_timer1.setInterval(100);
  connect(&m_timer1, &QTimer::timeout, this, &HauptForm::clockTick);
  m_timer2.setInterval(500);
  connect(&m_timer2, &QTimer::timeout, this, &HauptForm::blinkTick);
  m_timer3.setInterval(1000);
  m_timer3.setSingleShot(true);
  connect(&m_timer3, &QTimer::timeout, this, [this] {
    if (m_services.automaticBackup && !m_s.CurrentLogName.isEmpty())
      m_services.automaticBackup(m_s);
  });
  m_timer4.setInterval(100);
  connect(&m_timer4, &QTimer::timeout, this, &HauptForm::countdownTick);
}

HauptForm::~HauptForm() {
  if (m_result)
    delete m_result.data();
}

// ---------------------------------------------------------------------------
// Widgets

void HauptForm::buildWidgets() {
  auto* central = new QWidget(this);
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  m_model = new LogGridModel(m_grid, this);
  m_view = new QTableView(central);
  m_view->setModel(m_model);
  m_view->setObjectName(QStringLiteral("MSFlexGrid1"));
  m_view->verticalHeader()->hide();
  QFont gridFont(QStringLiteral("Liberation Sans"));
  gridFont.setPointSize(8);
  m_view->setFont(gridFont);
  // Cells as tight as the designed column widths need.
  m_view->setStyleSheet(QStringLiteral("QTableView::item { padding: 0px; margin: 0px; }"));
  m_view->setWordWrap(false);
  m_view->setTextElideMode(Qt::ElideNone);
  m_view->verticalHeader()->setDefaultSectionSize(18);
  m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_view->setSelectionMode(QAbstractItemView::SingleSelection);
  m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_view->setFocusPolicy(Qt::ClickFocus);
  m_view->setContextMenuPolicy(Qt::CustomContextMenu);
  m_view->horizontalHeader()->setHighlightSections(false);
  for (int c = 0; c < kGridColumns; ++c) {
    const int w = FromTwips(GridColumns()[size_t(c)].widthTwips);
    if (w == 0)
      m_view->setColumnHidden(c, true);
    else
      m_view->setColumnWidth(c, w);
  }
  connect(m_view, &QWidget::customContextMenuRequested, this, &HauptForm::showGridMenu);
  connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex&) {
    // Editing an entry comes with its own window.
  });
  outer->addWidget(m_view, 1);

  // Bottom panel: header strip, entry rows and status row on the left, the
  // own-station frame on the right.
  auto* bottom = new QWidget(central);
  bottom->setObjectName(QStringLiteral("Picture1"));
  auto* bottomLayout = new QHBoxLayout(bottom);
  bottomLayout->setContentsMargins(2, 2, 2, 2);
  bottomLayout->setSpacing(4);
  auto* left = new QWidget(bottom);
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->setSpacing(1);

  const QFont font = FieldFont();
  struct Col {
    const char* caption;
    int width;
  };
  const Col cols[] = {{"Zeit/Datum", 100}, {"Band", 66}, {"Mode", 66}, {"Rufzeichen", 150},
                      {"RSTs", 52},        {"RSTe", 52}, {"Bezirk", 56}};
  auto* header = new QWidget(left);
  header->setObjectName(QStringLiteral("Picture2"));
  auto* headerLayout = new QHBoxLayout(header);
  headerLayout->setContentsMargins(0, 0, 0, 0);
  headerLayout->setSpacing(2);
  for (const Col& c : cols) {
    auto* l = new QLabel(QString::fromUtf8(c.caption), header);
    l->setFixedWidth(c.width);
    l->setAlignment(Qt::AlignCenter);
    headerLayout->addWidget(l);
  }
  headerLayout->addStretch();
  leftLayout->addWidget(header);

  m_entryPanel = new QWidget(left);
  m_entryPanel->setObjectName(QStringLiteral("Picture3"));
  auto* entryLayout = new QVBoxLayout(m_entryPanel);
  entryLayout->setContentsMargins(0, 0, 0, 0);
  entryLayout->setSpacing(2);
  auto* row1 = new QWidget(m_entryPanel);
  auto* row1Layout = new QHBoxLayout(row1);
  row1Layout->setContentsMargins(0, 0, 0, 0);
  row1Layout->setSpacing(2);

  auto lineEdit = [&](QWidget* parent, int width, int maxLength, const QString& text, const QString& tip,
                      bool centred, EntryField f) {
    auto* e = new QLineEdit(text, parent);
    e->setFont(font);
    e->setMaxLength(maxLength);
    e->setToolTip(tip);
    if (width > 0)
      e->setFixedWidth(width);
    if (centred)
      e->setAlignment(Qt::AlignCenter);
    setupField(e, f);
    return e;
  };
  auto combo = [&](QWidget* parent, int width, bool editable, const QString& tip, EntryField f) {
    auto* c = new QComboBox(parent);
    c->setFont(font);
    c->setEditable(editable);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setToolTip(tip);
    c->setFixedWidth(width);
    setupField(c, f);
    if (c->lineEdit())
      setupField(c->lineEdit(), f);
    return c;
  };

  m_time = lineEdit(row1, cols[0].width, 5, QStringLiteral("00:00"), QStringLiteral("Uhrzeit"), true, EntryField::Time);
  m_time->setObjectName(QStringLiteral("Text2"));
  m_band = combo(row1, cols[1].width, false, QStringLiteral("TX Band"), EntryField::Band);
  m_band->addItems(BandNames());
  m_band->setObjectName(QStringLiteral("Combo1"));
  m_mode = combo(row1, cols[2].width, false, QStringLiteral("TX Mode"), EntryField::Mode);
  m_mode->addItems(ModeNames());
  m_mode->setObjectName(QStringLiteral("Combo2"));
  m_call = lineEdit(row1, cols[3].width, 13, kCallPrefill, QStringLiteral("Rufzeichen der Gegenstation"), false,
                    EntryField::Call);
  m_call->setObjectName(QStringLiteral("Text3"));
  m_rstSent = lineEdit(row1, cols[4].width, 3, QStringLiteral("599"), QStringLiteral("RST gesendet"), true,
                       EntryField::RstSent);
  m_rstSent->setObjectName(QStringLiteral("Text4"));
  m_rstRcvd = lineEdit(row1, cols[5].width, 3, QStringLiteral("599"), QStringLiteral("RST empfangen"), true,
                       EntryField::RstRcvd);
  m_rstRcvd->setObjectName(QStringLiteral("Text5"));
  m_district = combo(row1, cols[6].width, true, QStringLiteral("BEZIRK empfangen"), EntryField::District);
  LimitComboLength(m_district, 2, true);
  m_district->setObjectName(QStringLiteral("Combo5"));
  for (QWidget* w : std::initializer_list<QWidget*>{m_time, m_band, m_mode, m_call, m_rstSent, m_rstRcvd, m_district})
    row1Layout->addWidget(w);
  row1Layout->addStretch();
  entryLayout->addWidget(row1);

  m_secondRow = new QWidget(m_entryPanel);
  m_secondRow->setObjectName(QStringLiteral("Picture4"));
  auto* row2Layout = new QHBoxLayout(m_secondRow);
  row2Layout->setContentsMargins(0, 0, 0, 0);
  row2Layout->setSpacing(2);
  m_date = lineEdit(m_secondRow, 110, 10, QStringLiteral("00.00.0000"), QStringLiteral("Datum"), true, EntryField::Date);
  m_date->setObjectName(QStringLiteral("Text1"));
  m_qsl = new QPushButton(QStringLiteral("QSL NEIN"), m_secondRow);
  m_qsl->setObjectName(QStringLiteral("Check1"));
  m_qsl->setCheckable(true);
  m_qsl->setToolTip(QStringLiteral("QSL JA/NEIN"));
  m_qsl->setFixedWidth(80);
  setupField(m_qsl, EntryField::Qsl);
  connect(m_qsl, &QPushButton::toggled, this, &HauptForm::onQslToggled);
  auto* noteLabel = new QLabel(QStringLiteral("Notiz:"), m_secondRow);
  m_note = lineEdit(m_secondRow, 0, 250, QString(), QStringLiteral("Bemerkungen"), false, EntryField::Note);
  m_note->setObjectName(QStringLiteral("Text8"));
  row2Layout->addWidget(m_date);
  row2Layout->addWidget(m_qsl);
  row2Layout->addWidget(noteLabel);
  row2Layout->addWidget(m_note, 1);
  entryLayout->addWidget(m_secondRow);
  leftLayout->addWidget(m_entryPanel);

  auto* statusRow = new QWidget(left);
  statusRow->setObjectName(QStringLiteral("Picture5"));
  auto* statusLayout = new QHBoxLayout(statusRow);
  statusLayout->setContentsMargins(0, 0, 0, 0);
  statusLayout->setSpacing(4);
  m_status = new QLabel(statusRow);
  m_status->setObjectName(QStringLiteral("Label13"));
  QFont statusFont = font;
  m_status->setFont(statusFont);
  m_status->setAutoFillBackground(true);
  m_status->setStyleSheet(QStringLiteral("background-color: rgb(255,255,0);"));
  m_status->setMinimumHeight(24);
  m_hint = new QLabel(statusRow);
  m_hint->setObjectName(QStringLiteral("Label10"));
  m_hint->setStyleSheet(QStringLiteral("background-color: rgb(255,255,0);"));
  m_hint->hide();
  m_dupe = new QPushButton(QStringLiteral("DUPE"), statusRow);
  m_dupe->setObjectName(QStringLiteral("DUPCommand1"));
  m_dupe->setFocusPolicy(Qt::NoFocus);
  m_dupe->setFixedWidth(60);
  m_dupe->hide();
  connect(m_dupe, &QPushButton::clicked, this, [this] {
    hideDupeWarning();
    m_call->setFocus();
  });
  statusLayout->addWidget(m_status, 1);
  statusLayout->addWidget(m_hint);
  statusLayout->addWidget(m_dupe);
  leftLayout->addWidget(statusRow);
  bottomLayout->addWidget(left, 1);

  m_frame = new QGroupBox(QStringLiteral("Eigener Bezirk"), bottom);
  m_frame->setObjectName(QStringLiteral("Frame1"));
  auto* frameLayout = new QVBoxLayout(m_frame);
  frameLayout->setContentsMargins(4, 2, 4, 2);
  frameLayout->setSpacing(2);
  m_ownDistrict = new QLabel(m_frame);
  m_ownDistrict->setObjectName(QStringLiteral("Label12"));
  m_ownDistrict->setToolTip(QStringLiteral("Eigener Bezirk"));
  m_ownDistrict->setAlignment(Qt::AlignCenter);
  QFont big = font;
  big.setPointSize(18);
  big.setBold(true);
  m_ownDistrict->setFont(big);
  m_ownDistrict->setStyleSheet(QStringLiteral("color: white; background-color: palette(highlight);"));
  frameLayout->addWidget(m_ownDistrict);
  frameLayout->addWidget(new QLabel(QStringLiteral("Aktueller Operator"), m_frame));
  m_operator = combo(m_frame, 130, true, QStringLiteral("Call des aktuellen Operators"), EntryField::Operator);
  LimitComboLength(m_operator, 13, true);
  m_operator->setObjectName(QStringLiteral("Combo6"));
  connect(m_operator, qOverload<int>(&QComboBox::activated), this, &HauptForm::operatorChosen);
  frameLayout->addWidget(m_operator);
  bottomLayout->addWidget(m_frame);
  outer->addWidget(bottom);

  // The hidden message panel of the log submission.
  m_messagePanel = new QWidget(central);
  m_messagePanel->setObjectName(QStringLiteral("Picture10"));
  auto* messageLayout = new QHBoxLayout(m_messagePanel);
  auto* messageLabel = new QLabel(m_messagePanel);
  messageLabel->setObjectName(QStringLiteral("Label22"));
  messageLayout->addWidget(messageLabel);
  m_messagePanel->hide();
  outer->addWidget(m_messagePanel);

  setCentralWidget(central);

  connect(m_call, &QLineEdit::textChanged, this, &HauptForm::onCallChanged);
  connect(m_band, qOverload<int>(&QComboBox::activated), this, &HauptForm::onBandChosen);
  connect(m_mode, qOverload<int>(&QComboBox::activated), this, &HauptForm::onModeChosen);
  for (QLineEdit* e : {m_date, m_time})
    connect(e, &QLineEdit::textEdited, this, [this] {
      if (!m_timer1.isActive())
        setStatus(QString());
    });
  connect(m_note, &QLineEdit::textEdited, this, [this] { setStatus(QString()); });
  // Text set from outside (the dupe check, a reload) is held to the limits too.
  connect(m_district, &QComboBox::editTextChanged, this, [this] { LimitComboLength(m_district, 2, true); });
  connect(m_operator, &QComboBox::editTextChanged, this, [this] { LimitComboLength(m_operator, 13, true); });

  resize(FromTwips(10248), FromTwips(4704));
}

void HauptForm::setupField(QWidget* w, EntryField f) {
  w->setProperty("vkField", int(f));
  w->installEventFilter(this);
  w->setAutoFillBackground(true);
}

EntryField HauptForm::fieldOf(QObject* o) const {
  const QVariant v = o->property("vkField");
  return v.isValid() ? EntryField(v.toInt()) : EntryField::None;
}

QWidget* HauptForm::field(EntryField f) const {
  switch (f) {
  case EntryField::Date: return m_date;
  case EntryField::Time: return m_time;
  case EntryField::Band: return m_band;
  case EntryField::Mode: return m_mode;
  case EntryField::Call: return m_call;
  case EntryField::RstSent: return m_rstSent;
  case EntryField::RstRcvd: return m_rstRcvd;
  case EntryField::District: return m_district;
  case EntryField::Qsl: return m_qsl;
  case EntryField::Note: return m_note;
  case EntryField::Operator: return m_operator;
  case EntryField::None: break;
  }
  return nullptr;
}

QString HauptForm::fieldText(EntryField f) const {
  QWidget* w = field(f);
  if (auto* e = qobject_cast<QLineEdit*>(w))
    return e->text();
  if (auto* c = qobject_cast<QComboBox*>(w))
    return c->currentText();
  if (auto* b = qobject_cast<QPushButton*>(w))
    return b->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
  return {};
}

void HauptForm::focusField(EntryField f) {
  if (QWidget* w = field(f); w && w->isVisible() && w->isEnabled())
    w->setFocus(Qt::OtherFocusReason);
  else if (QWidget* w2 = field(f))
    w2->setFocus(Qt::OtherFocusReason);
}

void HauptForm::setFieldColour(QWidget* w, const QColor& c) {
  QWidget* target = w;
  if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
    target = combo->lineEdit();
  QPalette p = target->palette();
  p.setColor(QPalette::Base, c);
  p.setColor(QPalette::Button, c);
  target->setPalette(p);
}

bool HauptForm::fieldLocked(EntryField f) const {
  return (f == EntryField::Date || f == EntryField::Time) && m_lockAction && m_lockAction->isChecked();
}

void HauptForm::applyDateTimeColours() {
  const bool locked = m_lockAction && m_lockAction->isChecked();
  const bool manual = m_manualAction && m_manualAction->isChecked();
  for (QLineEdit* e : {m_date, m_time}) {
    e->setReadOnly(locked);
    if (manual)
      setFieldColour(e, kManualColour);
    else if (locked)
      setFieldColour(e, kLockedColour);
    else
      setFieldColour(e, e->hasFocus() ? kFocusColour : Qt::white);
  }
}

// ---------------------------------------------------------------------------
// Menus

QAction* HauptForm::menuAction(const QString& caption) const {
  for (QAction* a : findChildren<QAction*>())
    if (a->text() == caption)
      return a;
  return nullptr;
}

void HauptForm::buildMenus() {
  QMenuBar* bar = menuBar();
  auto later = [](QAction* a) {
    a->setEnabled(false);
    return a;
  };

  QMenu* file = bar->addMenu(QStringLiteral("&Datei"));
  QAction* newLog = file->addAction(QStringLiteral("&Neues Log"));
  connect(newLog, &QAction::triggered, this, [this] {
    if (m_services.newLog && m_services.newLog(*this)) {
      refillGrid();
      showLogIdentity();
      resetEntryLine();
    }
  });
  newLog->setEnabled(bool(m_services.newLog));
  QAction* openLog = file->addAction(QStringLiteral("Log &Öffnen"));
  connect(openLog, &QAction::triggered, this, [this] {
    if (m_services.openLog && m_services.openLog(*this)) {
      refillGrid();
      showLogIdentity();
      resetEntryLine();
    }
  });
  openLog->setEnabled(bool(m_services.openLog));
  later(file->addAction(QStringLiteral("Log &Drucken")));
  QAction* backupFolder = file->addAction(QStringLiteral("&Ordner 'Sicherung' Öffnen"));
  connect(backupFolder, &QAction::triggered, this, [this] {
    if (m_services.openBackupFolder)
      m_services.openBackupFolder(*this);
  });
  backupFolder->setEnabled(bool(m_services.openBackupFolder));
  file->addSeparator();
  connect(file->addAction(QStringLiteral("B&eenden")), &QAction::triggered, this, &QWidget::close);

  QMenu* settings = bar->addMenu(QStringLiteral("&Einstellungen"));
  QAction* station = settings->addAction(QStringLiteral("&Operator-Einstellungen"));
  connect(station, &QAction::triggered, this, [this] {
    if (!m_services.stationSettings || !m_services.stationSettings(*this))
      return;
    // The header and the operator list may have changed; the file was written.
    QStringList ops = m_s.settings.ReadSection(QStringLiteral("OPCALLs"));
    if (!ops.isEmpty())
      ops.removeLast();
    const QString current = m_operator->currentText();
    m_operator->clear();
    m_operator->addItems(ops);
    m_operator->setEditText(current);
    showLogIdentity();
    m_timer3.start();
    if (m_services.additionalBackup)
      m_services.additionalBackup(m_s);
  });
  station->setEnabled(bool(m_services.stationSettings));
  QMenu* time = settings->addMenu(QStringLiteral("Ze&it"));
  QMenu* offsets = time->addMenu(QStringLiteral("&Zeit +/-"));
  for (int i = 0; i < kClockOffsetEntries; ++i) {
    m_offset[size_t(i)] = offsets->addAction(ClockOffsetCaption(i));
    m_offset[size_t(i)]->setCheckable(true);
    connect(m_offset[size_t(i)], &QAction::triggered, this, [this, i] { chooseClockOffset(i); });
  }
  m_lockAction = time->addAction(QStringLiteral("&Datum/Zeit editierbar"));
  m_lockAction->setCheckable(true);
  connect(m_lockAction, &QAction::triggered, this, [this] {
    // The action's check state flipped already; act on the state before.
    const bool wasLocked = !m_lockAction->isChecked();
    setDateTimeLocked(!wasLocked);
  });
  m_manualAction = time->addAction(QStringLiteral("Datum/Zeit &manuell"));
  m_manualAction->setCheckable(true);
  connect(m_manualAction, &QAction::triggered, this, [this] {
    const bool wasManual = !m_manualAction->isChecked();
    setManualDateTime(!wasManual);
  });
  m_callPrefill = settings->addAction(QStringLiteral("&Callfeld 'OE' als Vorgabe"));
  m_callPrefill->setCheckable(true);
  connect(m_callPrefill, &QAction::triggered, this, [this](bool on) {
    if (!on) {
      if (m_call->text() == kCallPrefill)
        m_call->clear();
    } else if (m_call->text().isEmpty()) {
      m_call->setText(kCallPrefill);
      m_call->setCursorPosition(m_call->text().size());
    }
    m_s.settings.WriteText(kSettings, QStringLiteral("CallVorgabe"), on ? QStringLiteral("-1") : QStringLiteral("0"));
  });
  m_extended = settings->addAction(QStringLiteral("Erweiterte &Eingabe"));
  m_extended->setCheckable(true);
  connect(m_extended, &QAction::triggered, this, [this] {
    setExtendedEntry(!m_secondRow->isVisibleTo(m_entryPanel));
    if (!m_secondRow->isVisibleTo(m_entryPanel))
      m_call->setFocus();
  });
  m_lastLogOpen = settings->addAction(QStringLiteral("Zuletzt geöffnetes Log beim Start &öffnen"));
  m_lastLogOpen->setCheckable(true);
  connect(m_lastLogOpen, &QAction::triggered, this, [this](bool on) {
    m_s.settings.WriteText(kSettings, QStringLiteral("LastLogOpen"), on ? QStringLiteral("-1") : QStringLiteral("0"));
  });
  m_countdownToggle = settings->addAction(QStringLiteral("Countdown Ein/Aus"));
  m_countdownToggle->setCheckable(true);
  connect(m_countdownToggle, &QAction::triggered, this, [this](bool on) {
    m_countdown->setVisible(on);
    m_s.settings.WriteText(kSettings, QStringLiteral("Countdown"), on ? QStringLiteral("-1") : QStringLiteral("0"));
  });
  m_additionalBackup = settings->addAction(QStringLiteral("Zusätzliches &Sichern"));
  m_additionalBackup->setCheckable(true);
  connect(m_additionalBackup, &QAction::triggered, this, [this] {
    if (m_services.backupSettings)
      m_services.backupSettings(*this);
    m_additionalBackup->setChecked(m_s.additionalBackupOn && !m_s.additionalBackupFolder.isEmpty());
  });
  m_additionalBackup->setEnabled(bool(m_services.backupSettings));
  connect(settings->addAction(QStringLiteral("Reset Fenster Pos+Größe")), &QAction::triggered, this,
          &HauptForm::resetWindowPositions);

  QMenu* extras = bar->addMenu(QStringLiteral("E&xtras"));
  later(extras->addAction(QStringLiteral("Log nachträglich &ändern")));
  connect(extras->addAction(QStringLiteral("&ADIF-Datei erzeugen")), &QAction::triggered, this,
          [this] { ExportAdif(m_s, displayOrder(), this); });
  connect(extras->addAction(QStringLiteral("&Cabrillo-Datei erzeugen")), &QAction::triggered, this,
          [this] { ExportCabrillo(m_s, displayOrder(), this); });
  later(extras->addAction(QStringLiteral("Ca&brillo-Datei einsenden")));
  QAction* adifImport = later(extras->addAction(QStringLiteral("AD&IF-Datei importieren")));
  adifImport->setVisible(false);

  QMenu* windows = bar->addMenu(QStringLiteral("&Fenster"));
  QAction* map = later(windows->addAction(QStringLiteral("Bezirke &Karte")));
  map->setShortcut(Qt::Key_F5);
  later(windows->addAction(QStringLiteral("&Bezirke Liste")));
  later(windows->addAction(QStringLiteral("Multiplikatoren &Tabelle")))->setShortcut(Qt::Key_F6);
  later(windows->addAction(QStringLiteral("&Frequenz Einstellung")))->setShortcut(Qt::Key_F7);
  m_resultToggle = windows->addAction(QStringLiteral("Ergebni&s"));
  m_resultToggle->setShortcut(Qt::Key_F8);
  m_resultToggle->setCheckable(true);
  connect(m_resultToggle, &QAction::triggered, this, [this] {
    // Work from the state before the click.
    m_resultToggle->setChecked(!m_resultToggle->isChecked());
    toggleResultWindow();
  });
  later(windows->addAction(QStringLiteral("Rufzeichen &Check")))->setShortcut(Qt::Key_F9);
  later(windows->addAction(QStringLiteral("&Teilrufzeichen")))->setShortcut(Qt::Key_F12);
  later(windows->addAction(QStringLiteral("T&ransceiver Steuerung")));

  QMenu* submit = bar->addMenu(QStringLiteral("Ein&reichen"));
  later(submit->addAction(QStringLiteral("Aktuelles Log ein&senden")));
  later(submit->addAction(QStringLiteral("Verbindungs&test zum Log-Server")));

  QMenu* help = bar->addMenu(QStringLiteral("&Hilfe"));
  m_helpPdf = help->addAction(QStringLiteral("&Anleitung als pdf"));
  m_helpPdf->setShortcut(Qt::Key_F1);
  m_helpPdf->setVisible(false);
  connect(m_helpPdf, &QAction::triggered, this, [this] {
    if (m_services.openUrl)
      m_services.openUrl(m_s.folders.helpFile());
  });
  later(help->addAction(QStringLiteral("&Regeln")));
  later(help->addAction(QStringLiteral("Eingesendete Logs Anzeigen")));
  later(help->addAction(QStringLiteral("Auf &Updates prüfen")));
  later(help->addAction(QStringLiteral("&Info")));

  m_countdown = bar->addAction(QString(20, QLatin1Char(' ')));
  m_countdown->setObjectName(QStringLiteral("MnZeitTimer"));
  m_countdown->setVisible(false);

  // The hidden pop-up of the grid.
  m_gridMenu = new QMenu(QStringLiteral("MnVersteckt"), this);
  later(m_gridMenu->addAction(QStringLiteral("&Löschen")));
  later(m_gridMenu->addAction(QStringLiteral("&Bearbeiten")));
  QMenu* sort = m_gridMenu->addMenu(QStringLiteral("Sortieren"));
  const std::pair<const char*, int> sorts[] = {
      {"nach Zeit aufsteigend", kTimeAsc},          {"nach Zeit absteigend", kTimeDesc},
      {"nach Rufzeichen aufsteigend", kCallAsc},    {"nach Rufzeichen absteigend", kCallDesc},
      {"nach Bezirk aufsteigend", kDistrictAsc},    {"nach Bezirk absteigend", kDistrictDesc},
  };
  for (const auto& [caption, mode] : sorts)
    connect(sort->addAction(QString::fromUtf8(caption)), &QAction::triggered, this, [this, m = mode] { sortGrid(m); });
}

void HauptForm::showGridMenu(const QPoint& pos) {
  const QModelIndex index = m_view->indexAt(pos);
  if (!index.isValid() || m_grid.rowCount() == 0)
    return;
  m_view->setFocus();
  m_view->selectRow(index.row());
  m_gridMenu->popup(m_view->viewport()->mapToGlobal(pos));
}

void HauptForm::sortGrid(int mode) {
  m_grid.sort(mode);
  scrollToLastRow();
}

// ---------------------------------------------------------------------------
// Start-up and shutdown

bool HauptForm::startUp() {
  Prompter& p = *m_s.prompter;
  if (!PrepareDataFolder(m_s.folders, m_s.settings, p))
    return false;
  LoadDistricts(m_s.folders.districtFile(), m_s.districts, p);
  show();

  std::optional<QString> name;
  if (m_services.chooseLog)
    name = m_services.chooseLog(*this);
  if (!name || name->isEmpty() || !QFileInfo::exists(m_s.folders.logsFolder + *name))
    return false;
  m_s.CurrentLogName = *name;
  setWindowTitle(QStringLiteral("VelkaKDRW (") + *name + QLatin1Char(')'));
  restorePosition();
  m_call->setFocus();

  for (int i = 1; i <= m_s.districts.count(); ++i)
    m_district->addItem(m_s.districts[i].Code);
  m_district->setCurrentIndex(-1);
  m_district->setEditText(QString());

  QStringList ops = m_s.settings.ReadSection(QStringLiteral("OPCALLs"));
  if (!ops.isEmpty())
    ops.removeLast();
  m_operator->clear();
  m_operator->addItems(ops);

  const int bandIndex = m_s.settings.ReadNumber(kSettings, QStringLiteral("Band"));
  const int modeIndex = m_s.settings.ReadNumber(kSettings, QStringLiteral("Mode"));
  m_band->setCurrentIndex(bandIndex >= 0 && bandIndex < m_band->count() ? bandIndex : 0);
  m_mode->setCurrentIndex(modeIndex >= 0 && modeIndex < m_mode->count() ? modeIndex : 0);
  const QString report = DefaultReport(m_mode->currentText());
  m_rstSent->setText(report);
  m_rstRcvd->setText(report);

  setExtendedEntry(m_s.settings.ReadNumber(kSettings, QStringLiteral("ErwEeingabe")) != 0);
  const int offsetIndex = m_s.settings.ReadNumber(kSettings, QStringLiteral("ZeitPM"));
  chooseClockOffset(offsetIndex >= 0 && offsetIndex < kClockOffsetEntries ? offsetIndex : 0);
  setDateTimeLocked(m_s.settings.ReadNumber(kSettings, QStringLiteral("DateTimeLock")) != 0);
  const bool prefill = m_s.settings.ReadNumber(kSettings, QStringLiteral("CallVorgabe")) != 0;
  m_callPrefill->setChecked(prefill);
  m_call->setText(prefill ? kCallPrefill : QString());

  const QString path = m_s.currentLogPath();
  if (ReadLogFile(m_s.store, path, p, m_s.seps) != ReadResult::Loaded) {
    p.message(RefusedLogText(path), Icon::Critical, Buttons::Ok);
    m_s.settings.WriteText(kSettings, QStringLiteral("LastLogOpen"), QStringLiteral("0"));
    m_s.CurrentLogName.clear();
    return false;
  }
  if (QFile f(m_s.folders.callListFile()); f.open(QIODevice::ReadOnly))
    m_s.callListText = FromCp1252(f.readAll());
  m_helpPdf->setVisible(QFileInfo::exists(m_s.folders.helpFile()));
  refillGrid();

  if (m_s.settings.ReadNumber(kSettings, WindowSettingsKey(WindowId::StatistikForm)) != 0) {
    m_resultToggle->setChecked(false);
    toggleResultWindow();
  }

  activateWindow();
  m_call->setFocus();
  m_call->setCursorPosition(m_call->text().size());
  showLogIdentity();

  m_timer3.start();
  m_s.additionalBackupFolder.clear();
  m_s.additionalBackupOn = false;
  const QString extra = m_s.settings.ReadText(QStringLiteral("PATHE"), QStringLiteral("SicherungsPath"));
  if (!extra.isEmpty() && FolderExists(extra))
    m_s.additionalBackupFolder = extra;
  m_s.additionalBackupOn = m_s.settings.ReadNumber(kSettings, QStringLiteral("SichernEA")) == 1;
  m_additionalBackup->setChecked(!m_s.additionalBackupFolder.isEmpty() && m_s.additionalBackupOn);
  m_lastLogOpen->setChecked(m_s.settings.ReadNumber(kSettings, QStringLiteral("LastLogOpen")) == -1);
  const bool countdown = m_s.settings.ReadNumber(kSettings, QStringLiteral("Countdown")) == -1;
  m_countdownToggle->setChecked(countdown);
  m_countdown->setVisible(countdown);

  m_timer1.start();
  clockTick();
  m_timer4.start();
  m_loaded = true;
  return true;
}

void HauptForm::showLogIdentity() {
  const StationHeader& h = m_s.store.Header;
  m_ownDistrict->setText(h.MyBz);
  m_frame->setTitle(h.MyCall.isEmpty() ? QStringLiteral("Eigener Bezirk") : h.MyCall);
  m_ownStateStation = h.EntryClass == kEntryClassStateStation;
  m_operator->setEditText(h.OpCall);
  if (!h.OpCall.isEmpty() && m_operator->findText(h.OpCall) < 0)
    m_operator->addItem(h.OpCall);
  m_operator->setEditText(h.OpCall);
}

void HauptForm::restorePosition() {
  const QRect screen = this->screen() ? this->screen()->geometry() : QRect(0, 0, 1280, 1024);
  int top = m_s.settings.ReadNumber(kPositions, QStringLiteral("HauptFormTop"));
  int left = m_s.settings.ReadNumber(kPositions, QStringLiteral("HauptFormLeft"));
  const int height = m_s.settings.ReadNumber(kPositions, QStringLiteral("HauptFormHeight"));
  QPoint pos = this->pos();
  if (top >= 0 && FromTwips(top) < screen.height())
    pos.setY(FromTwips(top));
  if (left >= 0 && FromTwips(left) < screen.width())
    pos.setX(FromTwips(left));
  move(pos);
  if (FromTwips(height) <= screen.height() && FromTwips(height) >= FromTwips(4704))
    resize(width(), FromTwips(height));
}

void HauptForm::refillGrid() {
  m_grid.clear();
  DatenInGrid1Neu(m_s, m_grid);
  m_s.windows.requestRefresh(WindowId::StatistikForm);
  scrollToLastRow();
}

void HauptForm::scrollToLastRow() {
  if (m_grid.rowCount() == 0)
    return;
  const QModelIndex last = m_model->index(m_grid.rowCount() - 1, 0);
  m_view->setCurrentIndex(last);
  m_view->scrollTo(last, QAbstractItemView::PositionAtBottom);
}

void HauptForm::closeEvent(QCloseEvent* event) {
  unload();
  event->accept();
}

void HauptForm::unload() {
  if (!m_loaded)
    return;
  m_loaded = false;
  m_timer1.stop();
  m_timer4.stop();
  if (m_s.CurrentLogName.isEmpty())
    return;
  if (m_operator->count() > 0)
    saveOperators();
  m_s.settings.WriteText(kSettings, QStringLiteral("Band"), QString::number(m_band->currentIndex()));
  m_s.settings.WriteText(kSettings, QStringLiteral("Mode"), QString::number(m_mode->currentIndex()));
  m_s.settings.WriteText(kSettings, QStringLiteral("ErwEeingabe"),
                         m_secondRow->isVisibleTo(m_entryPanel) ? QStringLiteral("-1") : QStringLiteral("0"));
  for (WindowId id : {WindowId::GridKarte, WindowId::BZKarte, WindowId::FrequenzForm, WindowId::StatistikForm,
                      WindowId::TransceiverForm, WindowId::LogTracker, WindowId::DBLog}) {
    const bool open = m_s.windows.isOpen(id);
    m_s.settings.WriteText(kSettings, WindowSettingsKey(id), open ? QStringLiteral("-1") : QStringLiteral("0"));
  }
  if (m_result)
    m_result->close();
  m_s.settings.WriteText(kPositions, QStringLiteral("HauptFormTop"), QString::number(ToTwips(y())));
  m_s.settings.WriteText(kPositions, QStringLiteral("HauptFormLeft"), QString::number(ToTwips(x())));
  m_s.settings.WriteText(kPositions, QStringLiteral("HauptFormHeight"), QString::number(ToTwips(height())));
  m_s.settings.WriteText(kSettings, QStringLiteral("DateTimeLock"),
                         m_lockAction->isChecked() ? QStringLiteral("-1") : QStringLiteral("0"));
  if (SubmitAtExit(m_s.contestClock.now().date(), m_grid.rowCount() > 0, m_s.SubmittedPeriod1, m_s.SubmittedPeriod2) &&
      m_services.submitLog)
    m_services.submitLog(*this);
}

void HauptForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange && m_result) {
    if (isMinimized())
      m_result->hide();
    else
      m_result->show();
  }
  QMainWindow::changeEvent(event);
}

// ---------------------------------------------------------------------------
// Timers

void HauptForm::clockTick() {
  // A stopped clock leaves what the operator typed alone.
  if (!m_timer1.isActive() || m_manualAction->isChecked())
    return;
  const QDateTime now = m_s.contestClock.now();
  const QString time = m_s.seps.FormatShortTime(now.time());
  const QString date = m_s.seps.FormatDate(now.date());
  if (m_time->text() != time)
    m_time->setText(time);
  if (m_date->text() != date)
    m_date->setText(date);
}

void HauptForm::countdownTick() {
  const CountdownTick tick = Countdown(m_s.contestClock.now().time(), m_s.seps.time, m_grid.rowCount() > 0,
                                       m_s.SubmittedPeriod1, m_s.SubmittedPeriod2);
  if (m_countdown->text() != tick.text)
    m_countdown->setText(tick.text);
  if (tick.submitPeriod1 || tick.submitPeriod2) {
    if (tick.submitPeriod1)
      m_s.SubmittedPeriod1 = true;
    if (tick.submitPeriod2)
      m_s.SubmittedPeriod2 = true;
    if (m_services.submitLog)
      m_services.submitLog(*this);
  }
}

void HauptForm::blinkTick() {
  m_blinkRed = !m_blinkRed;
  m_dupe->setStyleSheet(m_blinkRed ? QStringLiteral("background-color: rgb(255,0,0);") : QString());
}

// ---------------------------------------------------------------------------
// Menu toggles

void HauptForm::chooseClockOffset(int index) {
  for (int i = 0; i < kClockOffsetEntries; ++i)
    m_offset[size_t(i)]->setChecked(i == index);
  m_s.contestClock.setOffsetIndex(index);
  m_s.settings.WriteText(kSettings, QStringLiteral("ZeitPM"), QString::number(index));
  clockTick();
}

void HauptForm::setDateTimeLocked(bool locked) {
  if (locked)
    m_manualAction->setChecked(false);
  m_lockAction->setChecked(locked);
  m_lockAction->setText(locked ? QStringLiteral("&Datum/Zeit gesperrt") : QStringLiteral("&Datum/Zeit editierbar"));
  applyDateTimeColours();
}

void HauptForm::setManualDateTime(bool manual) {
  if (!manual) {
    m_manualAction->setChecked(false);
    setDateTimeLocked(true);
  } else {
    if (m_lockAction->isChecked())
      setDateTimeLocked(false);
    m_manualAction->setChecked(true);
    applyDateTimeColours();
  }
}

void HauptForm::setExtendedEntry(bool on) {
  m_secondRow->setVisible(on);
  m_extended->setChecked(on);
  m_entryPanel->setFixedHeight(FromTwips(on ? kEntryPanelTall : kEntryPanelShort));
}

void HauptForm::resetWindowPositions() {
  if (m_s.prompter->message(
          QStringLiteral("Soll die Position und Größe aller Fenster wirklich auf die Grundeinstellung zurückgesetzt werden?"),
          Icon::Question, Buttons::YesNo) != Answer::Yes)
    return;
  move(FromTwips(5226), FromTwips(6292));
  resize(FromTwips(10543), FromTwips(5000));
  const struct {
    const char* top;
    const char* left;
    int t, l;
  } windows[] = {{"BZGridTop", "BZGridLeft", 6409, 78},         {"BZKarteTop", "BZKarteLeft", 0, 10},
                 {"FrequenzTop", "FrequenzLeft", 2561, 5200},   {"StatistikTop", "StatistikLeft", 2327, 7436},
                 {"TransceiverTop", "TransceiverLeft", 0, 0},   {"LogTrackerTop", "LogTrackerLeft", 2639, 2301},
                 {"DBLogTop", "DBLogLeft", 468, 4446}};
  for (const auto& w : windows) {
    m_s.settings.WriteText(kPositions, QString::fromLatin1(w.top), QString::number(w.t));
    m_s.settings.WriteText(kPositions, QString::fromLatin1(w.left), QString::number(w.l));
  }
  if (m_result)
    m_result->move(FromTwips(7436), FromTwips(2327));
}

void HauptForm::toggleResultWindow() {
  if (m_resultToggle->isChecked()) {
    if (m_result)
      m_result->close();
    m_resultToggle->setChecked(false);
    return;
  }
  m_resultToggle->setChecked(true);
  if (!m_result) {
    m_result = new Statistik(m_s, this);
    m_result->setWindowFlag(Qt::Window);
    connect(m_result, &Statistik::closed, this, [this] { m_resultToggle->setChecked(false); });
    m_result->show();
  }
  activateWindow();
  m_call->setFocus();
}

Statistik* HauptForm::resultWindow() const { return m_result.data(); }

// ---------------------------------------------------------------------------
// Entry line

void HauptForm::setStatus(const QString& text) {
  m_status->setText(text);
  // An emptied status line takes the dupe warning with it.
  if (text.isEmpty() && m_dupe->isVisible()) {
    hideDupeWarning();
    m_district->setEditText(QString());
  }
}

void HauptForm::hideDupeWarning() {
  m_timer2.stop();
  m_dupe->setStyleSheet(QString());
  m_dupe->hide();
}

void HauptForm::showDupeWarning(const DupeCheckResult& r) {
  m_hint->hide();
  m_status->setText(DupeWarningText(r.earlierTime));
  m_blinkRed = true;
  m_dupe->setStyleSheet(QStringLiteral("background-color: rgb(255,0,0);"));
  m_dupe->show();
  m_timer2.start();
}

void HauptForm::runLiveDupeCheck(const QString& call) {
  DupeCheckResult r;
  if (!RunStep(*m_s.prompter, [&] {
        r = CallExistTest(m_s.store, call, m_band->currentText(), m_mode->currentText(), m_time->text(), m_s.seps);
      }))
    return;
  if (r.districtFound)
    m_district->setEditText(r.district);
  if (r.dupe)
    showDupeWarning(r);
}

void HauptForm::onCallChanged() {
  m_hint->hide();
  setStatus(QString());
  const QString text = m_call->text();
  if (text.size() <= 3)
    return;
  runLiveDupeCheck(text.trimmed());
  const QString hint = CallListHint(m_s.callListText, text);
  if (!hint.isEmpty() && !m_dupe->isVisible()) {
    m_hint->setText(hint);
    m_hint->show();
  }
}

void HauptForm::onBandChosen() {
  setStatus(QString());
  if (m_call->text().trimmed().size() > 2)
    runLiveDupeCheck(m_call->text().trimmed());
  m_call->setFocus();
}

void HauptForm::onModeChosen() {
  setStatus(QString());
  const QString report = DefaultReport(m_mode->currentText());
  m_rstSent->setText(report);
  m_rstRcvd->setText(report);
  if (m_call->text().trimmed().size() > 2)
    runLiveDupeCheck(m_call->text().trimmed());
  m_call->setFocus();
}

void HauptForm::onQslToggled(bool on) {
  m_qsl->setText(on ? QStringLiteral("QSL JA") : QStringLiteral("QSL NEIN"));
  QPalette p = m_qsl->palette();
  p.setColor(QPalette::Button, on ? palette().color(QPalette::Highlight) : palette().color(QPalette::Button));
  m_qsl->setPalette(p);
}

void HauptForm::addOperator() {
  const QString op = m_operator->currentText().trimmed().toUpper();
  if (op.isEmpty())
    return;
  m_choosingOperator = true;
  const int existing = m_operator->findText(op, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  if (existing >= 0)
    m_operator->removeItem(existing);
  m_operator->insertItem(0, op);
  m_operator->setCurrentIndex(0);
  m_choosingOperator = false;
  saveOperators();
}

void HauptForm::operatorChosen(int index) {
  if (m_choosingOperator || index < 0)
    return;
  m_choosingOperator = true;
  const QString op = m_operator->itemText(index);
  m_operator->removeItem(index);
  m_operator->insertItem(0, op);
  m_operator->setCurrentIndex(0);
  m_choosingOperator = false;
}

void HauptForm::saveOperators() {
  QStringList ops;
  for (int i = 0; i < m_operator->count() && i < 10; ++i)
    ops << m_operator->itemText(i);
  m_s.settings.DeleteSection(QStringLiteral("OPCALLs"));
  m_s.settings.WriteSection(QStringLiteral("OPCALLs"), ops);
}

void HauptForm::resetEntryLine() {
  m_call->setText(m_callPrefill->isChecked() ? kCallPrefill : QString());
  m_call->setCursorPosition(m_call->text().size());
  const QString report = DefaultReport(m_mode->currentText());
  m_rstSent->setText(report);
  m_rstRcvd->setText(report);
  m_note->clear();
  m_district->setEditText(QString());
  m_call->setFocus();
  if (m_loaded)
    m_timer1.start();
  clockTick();
}

void HauptForm::uebernehmen() {
  if (m_inUebernehmen)
    return;
  m_inUebernehmen = true;
  EntryValues e;
  e.date = m_date->text();
  e.time = m_time->text();
  e.bandText = m_band->currentText();
  e.bandIndex = m_band->currentIndex();
  e.modeText = m_mode->currentText();
  e.call = m_call->text();
  e.rstSent = m_rstSent->text();
  e.rstRcvd = m_rstRcvd->text();
  e.district = m_district->currentText();
  e.qsl = m_qsl->isChecked() ? 1 : 0;
  e.note = m_note->text();
  e.opCall = m_operator->currentText();

  AcceptHooks hooks;
  hooks.startBackupTimer = [this] { m_timer3.start(); };
  hooks.additionalBackup = [this] {
    if (m_additionalBackup->isChecked() && !m_s.additionalBackupFolder.isEmpty() && m_services.additionalBackup)
      m_services.additionalBackup(m_s);
  };
  const AcceptOutcome out = Uebernehmen(m_s, e, m_grid, m_ownStateStation, hooks);
  switch (out.kind) {
  case AcceptOutcome::Refused:
    if (!out.status.isEmpty())
      setStatus(out.status);
    focusField(out.focus);
    break;
  case AcceptOutcome::DupeDeclined:
    if (out.dupeCheck.dupe && !m_dupe->isVisible())
      showDupeWarning(out.dupeCheck);
    focusField(EntryField::Call);
    break;
  case AcceptOutcome::SaveCancelled:
    focusField(EntryField::Call);
    break;
  case AcceptOutcome::Accepted:
    scrollToLastRow();
    setStatus(QString());
    resetEntryLine();
    scrollToLastRow();
    break;
  }
  m_inUebernehmen = false;
}

bool HauptForm::eventFilter(QObject* watched, QEvent* event) {
  const EntryField f = fieldOf(watched);
  if (f == EntryField::None)
    return QMainWindow::eventFilter(watched, event);
  QWidget* w = field(f);

  switch (event->type()) {
  case QEvent::KeyPress: {
    auto* k = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = k->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (mods == Qt::ShiftModifier)
      m_shift = true;
    if ((mods & (Qt::ControlModifier | Qt::AltModifier)) && (k->key() == Qt::Key_W || k->key() == Qt::Key_F10)) {
      resetEntryLine();
      return true;
    }
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
      // A held Enter repeats: only the first press counts.
      if (k->isAutoRepeat())
        return true;
      if (f == EntryField::Operator)
        addOperator();
      else
        uebernehmen();
      return true;
    }
    if (k->key() == Qt::Key_Tab && mods == Qt::NoModifier) {
      if (f == EntryField::District) {
        focusField(NextAfterDistrict(m_secondRow->isVisibleTo(m_entryPanel), m_lockAction->isChecked()));
        return true;
      }
      if (f == EntryField::Note) {
        focusField(NextAfterNote(m_lockAction->isChecked()));
        return true;
      }
    }
    if (k->key() == Qt::Key_Backtab && f == EntryField::Time && m_note->isVisible()) {
      focusField(EntryField::Note);
      return true;
    }
    if ((mods & Qt::ControlModifier) && k->key() == Qt::Key_V &&
        f != EntryField::Note && f != EntryField::District && f != EntryField::Operator)
      return true; // no paste into filtered fields
    const QString text = k->text();
    if (text.size() != 1 || !text[0].isPrint() || (mods & (Qt::ControlModifier | Qt::AltModifier)))
      return false;
    const KeyDecision d = EntryKeyRule(f, text[0], m_shift, m_s.seps);
    if (d.stopClock && !fieldLocked(f))
      m_timer1.stop();
    if (!d.pass) {
      if (d.jumpTo != EntryField::None)
        focusField(d.jumpTo);
      return true;
    }
    if (d.text != text) {
      QLineEdit* edit = qobject_cast<QLineEdit*>(watched);
      if (!edit)
        if (auto* c = qobject_cast<QComboBox*>(watched))
          edit = c->lineEdit();
      if (edit) {
        edit->insert(d.text);
        return true;
      }
    }
    return false;
  }
  case QEvent::KeyRelease:
    m_shift = false;
    return false;
  case QEvent::FocusIn:
    if (watched == w || (qobject_cast<QComboBox*>(w) && watched == static_cast<QComboBox*>(w)->lineEdit())) {
      if ((f == EntryField::Date || f == EntryField::Time) &&
          (m_lockAction->isChecked() || m_manualAction->isChecked()))
        break;
      setFieldColour(w, kFocusColour);
      if (f == EntryField::RstSent || f == EntryField::RstRcvd)
        QTimer::singleShot(0, static_cast<QLineEdit*>(w), &QLineEdit::selectAll);
    }
    break;
  case QEvent::FocusOut:
    if (watched == w || (qobject_cast<QComboBox*>(w) && watched == static_cast<QComboBox*>(w)->lineEdit())) {
      if (f == EntryField::Time && !m_time->text().isEmpty() && !m_timer1.isActive()) {
        const QString t = NormaliseTime(m_time->text(), m_s.seps.time);
        if (!t.isEmpty())
          m_time->setText(t);
      }
      if (f == EntryField::Call && m_call->text().trimmed().size() > 2 && !m_inUebernehmen)
        runLiveDupeCheck(m_call->text().trimmed());
      if (f == EntryField::Date || f == EntryField::Time)
        applyDateTimeColours();
      else
        setFieldColour(w, Qt::white);
    }
    break;
  default:
    break;
  }
  return QMainWindow::eventFilter(watched, event);
}

} // namespace vk
