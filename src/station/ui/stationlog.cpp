#include "station/ui/stationlog.h"

#include "entry/session.h"
#include "logmgmt/ui/clicklabel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vk {

namespace {

// Key filter of the callsign fields: digits, "/" and letters (upper case),
// "-" as "/", copy, backspace and cut; every other character key is dropped.
// Keys without a character (arrows, Delete, Tab) are left alone.
class CallKeyFilter : public QObject {
public:
  CallKeyFilter(QObject* parent, bool passReturn) : QObject(parent), m_passReturn(passReturn) {}

protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() != QEvent::KeyPress)
      return QObject::eventFilter(watched, e);
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Escape || k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab ||
        k->key() == Qt::Key_Delete)
      return false;
    if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && m_passReturn)
      return false;
    QString text = k->text();
    if (k->key() == Qt::Key_Backspace)
      text = QString(QChar(8));
    if (text.isEmpty()) {
      // Paste is a key the filter drops; the rest carry no character.
      return k->matches(QKeySequence::Paste);
    }
    if (text.size() != 1)
      return true;
    const std::optional<QChar> f = FilterCallKey(text[0]);
    if (!f)
      return true;
    if (*f == text[0])
      return false;
    // Deliver the mapped character instead ("-" as "/", letters in upper case).
    QKeyEvent mapped(QEvent::KeyPress, k->key(), k->modifiers(), QString(*f), k->isAutoRepeat(), k->count());
    QCoreApplication::sendEvent(watched, &mapped);
    return true;
  }

private:
  bool m_passReturn;
};

// Keeps a line edit's text to the callsign characters when text is pasted.
void FilterPastedText(QLineEdit* edit) {
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
    const QString filtered = FilterCallText(text);
    if (filtered != text) {
      const int pos = edit->cursorPosition() - int(text.size() - filtered.size());
      edit->setText(filtered);
      edit->setCursorPosition(std::max(0, pos));
    }
  });
}

void LimitPlainText(QPlainTextEdit* box, int maxLength) {
  QObject::connect(box, &QPlainTextEdit::textChanged, box, [box, maxLength] {
    const QString text = box->toPlainText();
    if (text.size() <= maxLength)
      return;
    QTextCursor c = box->textCursor();
    const int pos = std::min(c.position(), maxLength);
    box->setPlainText(text.left(maxLength));
    c = box->textCursor();
    c.setPosition(pos);
    box->setTextCursor(c);
  });
}

QButtonGroup* Options(QWidget* owner, QBoxLayout* layout, const QList<std::pair<int, QString>>& options,
                      const QString& namePrefix) {
  auto* group = new QButtonGroup(owner);
  for (const auto& [id, caption] : options) {
    auto* b = new QRadioButton(caption, owner);
    b->setObjectName(namePrefix + QString::number(id));
    group->addButton(b, id);
    layout->addWidget(b);
  }
  group->button(options.front().first)->setChecked(true);
  return group;
}

void Check(QButtonGroup* group, int id) {
  if (QAbstractButton* b = group->button(id))
    b->setChecked(true);
}

QLineEdit* LineEdit(QWidget* owner, const QString& name, int maxLength) {
  auto* e = new QLineEdit(owner);
  e->setObjectName(name);
  e->setMaxLength(maxLength);
  return e;
}

void SelectText(QComboBox* combo, const QString& text) { combo->setCurrentIndex(combo->findText(text)); }

} // namespace

StationLog::StationLog(Session& session, StationLogMode mode, QWidget* parent)
    : QDialog(parent), m_s(session), m_logic(session, mode) {
  setObjectName(QStringLiteral("StationLog"));
  setWindowTitle(QStringLiteral("Operator-Einstellungen"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  build();
  load();
}

StationLog::~StationLog() = default;

void StationLog::build() {
  auto* root = new QHBoxLayout(this);
  root->setSizeConstraint(QLayout::SetFixedSize);
  auto* main = new QVBoxLayout;
  root->addLayout(main);

  // --- Pflichtfelder --------------------------------------------------------------
  m_required = new QGroupBox(QStringLiteral("Pflichtfelder"), this);
  auto* req = new QGridLayout(m_required);
  m_call = LineEdit(this, QStringLiteral("Text1"), kCallMaxLength);
  m_opCall = new QComboBox(this);
  m_opCall->setObjectName(QStringLiteral("Combo5"));
  m_opCall->setEditable(true);
  m_opCall->setInsertPolicy(QComboBox::NoInsert);
  m_opCall->lineEdit()->setMaxLength(kCallMaxLength);
  m_listButton = new QToolButton(this);
  m_listButton->setObjectName(QStringLiteral("Command5"));
  m_listButton->setText(QStringLiteral("..."));
  m_listButton->setToolTip(QStringLiteral("Operatorrufzeichenliste bearbeiten"));
  m_district = new QComboBox(this);
  m_district->setObjectName(QStringLiteral("Combo1"));
  m_district->setMinimumWidth(220);

  req->addWidget(new QLabel(QStringLiteral("Stationsrufzeichen"), this), 0, 0);
  req->addWidget(m_call, 1, 0);
  req->addWidget(new QLabel(QStringLiteral("Operatorrufzeichen"), this), 0, 1);
  auto* opRow = new QHBoxLayout;
  opRow->addWidget(m_opCall, 1);
  opRow->addWidget(m_listButton);
  req->addLayout(opRow, 1, 1);
  req->addWidget(new QLabel(QStringLiteral("Eigener Bezirkskenner"), this), 0, 2);
  req->addWidget(m_district, 1, 2);

  auto* omRow = new QHBoxLayout;
  m_omYl = Options(this, omRow, {{0, QStringLiteral("OM")}, {1, QStringLiteral("YL")}}, QStringLiteral("Option1_"));
  omRow->addStretch();
  req->addLayout(omRow, 2, 0);

  auto* classFrame = new QGroupBox(QStringLiteral("Wertungsklasse"), this);
  auto* classBox = new QVBoxLayout(classFrame);
  m_class = Options(this, classBox,
                    {{kClassSsb, QStringLiteral("SSB")},
                     {kClassCw, QStringLiteral("CW")},
                     {kClassMix, QStringLiteral("MIX")},
                     {kClassNewcomer, QStringLiteral("Newcomer")},
                     {kClassStateStation, QStringLiteral("Staatsfunkstelle")}},
                    QStringLiteral("Option2_"));
  req->addWidget(classFrame, 3, 0, 2, 1);

  auto* powerFrame = new QGroupBox(QStringLiteral("Leistungsklasse"), this);
  auto* powerBox = new QVBoxLayout(powerFrame);
  m_power =
      Options(this, powerBox,
              {{0, QStringLiteral("Low-Power (max. 100 Watt)")}, {1, QStringLiteral("High-Power (über 100 Watt)")}},
              QStringLiteral("Option3_"));
  req->addWidget(powerFrame, 3, 1);

  auto* opClassFrame = new QFrame(this);
  opClassFrame->setFrameShape(QFrame::StyledPanel);
  auto* opClassBox = new QVBoxLayout(opClassFrame);
  m_opClass =
      Options(this, opClassBox,
              {{0, QStringLiteral("Single-OP")}, {1, QStringLiteral("Multi-OP")}, {2, QStringLiteral("Checklog")}},
              QStringLiteral("Option4_"));
  req->addWidget(opClassFrame, 3, 2);

  m_examFrame = new QGroupBox(QStringLiteral("Datum der Lizenzprüfung (max. vor 3 Jahren)"), this);
  m_examFrame->setObjectName(QStringLiteral("ExamFrame"));
  auto* examRow = new QHBoxLayout(m_examFrame);
  m_examDay = new QComboBox(this);
  m_examDay->setObjectName(QStringLiteral("Combo2"));
  m_examMonth = new QComboBox(this);
  m_examMonth->setObjectName(QStringLiteral("Combo3"));
  m_examYear = new QComboBox(this);
  m_examYear->setObjectName(QStringLiteral("Combo4"));
  examRow->addWidget(m_examDay);
  examRow->addWidget(m_examMonth, 1);
  examRow->addWidget(m_examYear);
  req->addWidget(m_examFrame, 4, 1, 1, 2);

  req->addWidget(new QLabel(QStringLiteral("Email Adresse (Bitte angeben zwecks Rückfragen)"), this), 5, 0, 1, 3);
  m_email = LineEdit(this, QStringLiteral("Text6"), kEmailMaxLength);
  req->addWidget(m_email, 6, 0, 1, 3);
  main->addWidget(m_required);

  // --- Optionale Angaben -----------------------------------------------------------
  m_optional = new QGroupBox(QStringLiteral("Optionale Angaben"), this);
  auto* opt = new QGridLayout(m_optional);
  m_locator = LineEdit(this, QStringLiteral("Text3"), kLocatorMaxLength);
  m_locator->setAlignment(Qt::AlignCenter);
  m_name = LineEdit(this, QStringLiteral("Text4"), kNameMaxLength);
  m_address = LineEdit(this, QStringLiteral("Text5"), kNameMaxLength);
  m_plz = LineEdit(this, QStringLiteral("Text9"), kPlzMaxLength);
  m_plz->setAlignment(Qt::AlignCenter);
  m_city = LineEdit(this, QStringLiteral("Text10"), kNameMaxLength);
  m_locator->setFixedWidth(110);
  m_plz->setFixedWidth(110);
  opt->setColumnStretch(1, 1);
  opt->addWidget(new QLabel(QStringLiteral("eigener Locator"), this), 0, 0);
  opt->addWidget(m_locator, 1, 0);
  opt->addWidget(new QLabel(QStringLiteral("Name"), this), 0, 1, 1, 2);
  opt->addWidget(m_name, 1, 1, 1, 2);
  opt->addWidget(new QLabel(QStringLiteral("Adresse"), this), 2, 0, 1, 3);
  opt->addWidget(m_address, 3, 0, 1, 3);
  opt->addWidget(new QLabel(QStringLiteral("PLZ"), this), 4, 0);
  opt->addWidget(m_plz, 5, 0);
  opt->addWidget(new QLabel(QStringLiteral("Ort"), this), 4, 1, 1, 2);
  opt->addWidget(m_city, 5, 1, 1, 2);
  m_station = new QPlainTextEdit(this);
  m_station->setObjectName(QStringLiteral("Text7"));
  m_comment = new QPlainTextEdit(this);
  m_comment->setObjectName(QStringLiteral("Text8"));
  for (QPlainTextEdit* box : {m_station, m_comment}) {
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setFixedHeight(72);
    box->setTabChangesFocus(true);
    LimitPlainText(box, kMultiLineMaxLength);
  }
  opt->addWidget(new QLabel(QStringLiteral("Stationsbeschreibung"), this), 6, 0, 1, 3);
  opt->addWidget(m_station, 7, 0, 1, 3);
  opt->addWidget(new QLabel(QStringLiteral("Kommentar"), this), 8, 0, 1, 3);
  opt->addWidget(m_comment, 9, 0, 1, 3);
  main->addWidget(m_optional);

  // --- emergency power -----------------------------------------------------------------
  auto* npFrame = new QFrame(this);
  npFrame->setFrameShape(QFrame::StyledPanel);
  auto* npRow = new QHBoxLayout(npFrame);
  auto* npOptions = new QVBoxLayout;
  m_emergency =
      Options(this, npOptions, {{0, QStringLiteral("Nein")}, {1, QStringLiteral("Ja")}}, QStringLiteral("Option5_"));
  npRow->addLayout(npOptions);
  m_emergencyText = new QLabel(this);
  m_emergencyText->setObjectName(QStringLiteral("EmergencyText"));
  m_emergencyText->setWordWrap(true);
  npRow->addWidget(m_emergencyText, 1);
  main->addWidget(npFrame);

  // --- file name and buttons -----------------------------------------------------------
  auto* fileRow = new QGridLayout;
  fileRow->addWidget(new QLabel(QStringLiteral("Name der Logdatei"), this), 0, 0, 1, 2);
  m_fileName = new ClickLabel(this);
  m_fileName->setObjectName(QStringLiteral("Label10"));
  m_fileName->setFrameShape(QFrame::Panel);
  m_fileName->setFrameShadow(QFrame::Sunken);
  m_fileName->setMinimumWidth(300);
  m_fileName->setCursor(Qt::PointingHandCursor);
  m_fileName->setAutoFillBackground(true);
  m_fileName->setBackgroundRole(QPalette::Base);
  m_fileButton = new QToolButton(this);
  m_fileButton->setObjectName(QStringLiteral("Command3"));
  m_fileButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
  m_fileButton->setText(QStringLiteral("..."));
  fileRow->addWidget(m_fileName, 1, 0);
  fileRow->addWidget(m_fileButton, 1, 1);
  fileRow->setColumnStretch(0, 1);
  main->addLayout(fileRow);

  auto* buttons = new QHBoxLayout;
  m_import = new QPushButton(QStringLiteral("Daten aus letztem Log importieren"), this);
  m_import->setObjectName(QStringLiteral("Command13"));
  m_cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
  m_cancel->setObjectName(QStringLiteral("Command1"));
  m_saveNew = new QPushButton(QStringLiteral("&Speichern"), this);
  m_saveNew->setObjectName(QStringLiteral("Command2"));
  m_saveSettings = new QPushButton(QStringLiteral("&Speichern"), this);
  m_saveSettings->setObjectName(QStringLiteral("Command4"));
  buttons->addWidget(m_import);
  buttons->addStretch();
  buttons->addWidget(m_cancel);
  buttons->addWidget(m_saveNew);
  buttons->addWidget(m_saveSettings);
  main->addLayout(buttons);

  // --- operator-call list editor (shown on demand) ---------------------------------------
  m_listFrame = new QGroupBox(QStringLiteral("Operatorrufzeichenliste bearbeiten..."), this);
  m_listFrame->setObjectName(QStringLiteral("ListFrame"));
  auto* lf = new QVBoxLayout(m_listFrame);
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("OpCallList"));
  m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lf->addWidget(m_list);
  auto* editRow = new QHBoxLayout;
  m_editBox = LineEdit(this, QStringLiteral("OpCallEdit"), kCallMaxLength);
  m_editAccept = new QToolButton(this);
  m_editAccept->setObjectName(QStringLiteral("OpCallAccept"));
  m_editAccept->setText(QStringLiteral("✓"));
  m_editAccept->setToolTip(QStringLiteral("Übernehmen"));
  m_editCancel = new QToolButton(this);
  m_editCancel->setObjectName(QStringLiteral("OpCallCancel"));
  m_editCancel->setText(QStringLiteral("✗"));
  m_editCancel->setToolTip(QStringLiteral("Abbrechen"));
  editRow->addWidget(m_editBox, 1);
  editRow->addWidget(m_editAccept);
  editRow->addWidget(m_editCancel);
  lf->addLayout(editRow);
  auto* listButtons = new QGridLayout;
  m_listNew = new QPushButton(QStringLiteral("&Neu"), this);
  m_listNew->setObjectName(QStringLiteral("ListNew"));
  m_listEdit = new QPushButton(QStringLiteral("&Bearbeiten"), this);
  m_listEdit->setObjectName(QStringLiteral("ListEdit"));
  m_listDelete = new QPushButton(QStringLiteral("&Löschen"), this);
  m_listDelete->setObjectName(QStringLiteral("ListDelete"));
  m_listOk = new QPushButton(QStringLiteral("&OK"), this);
  m_listOk->setObjectName(QStringLiteral("ListOk"));
  m_listCancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
  m_listCancel->setObjectName(QStringLiteral("ListCancel"));
  listButtons->addWidget(m_listNew, 0, 0);
  listButtons->addWidget(m_listEdit, 0, 1);
  listButtons->addWidget(m_listDelete, 0, 2);
  listButtons->addWidget(m_listOk, 1, 1);
  listButtons->addWidget(m_listCancel, 1, 2);
  lf->addLayout(listButtons);
  m_listFrame->setMinimumWidth(240);
  m_listFrame->hide();
  root->addWidget(m_listFrame, 0, Qt::AlignTop);

  // No button reacts to Enter in a field: a save happens only on purpose.
  for (QPushButton* b : findChildren<QPushButton*>()) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }

  // --- filters and reactions ---------------------------------------------------------------
  m_call->installEventFilter(new CallKeyFilter(this, false));
  m_opCall->lineEdit()->installEventFilter(new CallKeyFilter(this, false));
  m_editBox->installEventFilter(new CallKeyFilter(this, true));
  FilterPastedText(m_call);
  FilterPastedText(m_opCall->lineEdit());
  FilterPastedText(m_editBox);
  connect(m_locator, &QLineEdit::textEdited, this, [this](const QString& text) {
    const int pos = m_locator->cursorPosition();
    m_locator->setText(text.toUpper());
    m_locator->setCursorPosition(pos);
  });

  connect(m_class, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked)
      updateExamFrame();
  });
  connect(m_emergency, &QButtonGroup::idClicked, this, [this](int id) { m_logic.setEmergencyPower(id); });
  connect(m_fileName, &ClickLabel::clicked, this, &StationLog::onNamePrompt);
  connect(m_fileButton, &QToolButton::clicked, this, &StationLog::onNamePrompt);
  connect(m_import, &QPushButton::clicked, this, &StationLog::onImport);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_saveNew, &QPushButton::clicked, this, &StationLog::onSave);
  connect(m_saveSettings, &QPushButton::clicked, this, &StationLog::onSave);

  connect(m_listButton, &QToolButton::clicked, this, &StationLog::openListEditor);
  connect(m_listNew, &QPushButton::clicked, this, [this] {
    if (m_editor && m_editor->startNew())
      showEditBox(true);
  });
  auto startEdit = [this] {
    if (!m_editor)
      return;
    QList<int> rows;
    for (const QModelIndex& i : m_list->selectionModel()->selectedRows())
      rows << i.row();
    if (m_editor->startEdit(rows))
      showEditBox(true);
  };
  connect(m_listEdit, &QPushButton::clicked, this, startEdit);
  connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    if (m_editor && m_editor->startEdit({m_list->row(item)}))
      showEditBox(true);
  });
  auto accept = [this] {
    if (m_editor && m_editor->accept(m_editBox->text())) {
      showEditBox(false);
      refreshEditorList();
    }
  };
  connect(m_editAccept, &QToolButton::clicked, this, accept);
  connect(m_editBox, &QLineEdit::returnPressed, this, accept);
  connect(m_editCancel, &QToolButton::clicked, this, [this] {
    if (m_editor)
      m_editor->cancelEdit();
    showEditBox(false);
  });
  connect(m_listDelete, &QPushButton::clicked, this, [this] {
    if (!m_editor)
      return;
    QList<int> rows;
    for (const QModelIndex& i : m_list->selectionModel()->selectedRows())
      rows << i.row();
    m_editor->remove(rows);
    refreshEditorList();
  });
  connect(m_listOk, &QPushButton::clicked, this, [this] { closeListEditor(true); });
  connect(m_listCancel, &QPushButton::clicked, this, [this] { closeListEditor(false); });
}

void StationLog::load() {
  m_district->addItems(m_logic.districtEntries());
  for (int d = 1; d <= 31; ++d)
    m_examDay->addItem(QString::number(d));
  m_examMonth->addItems(m_logic.monthNames());
  m_examYear->addItems(m_logic.yearEntries());
  m_opCall->addItems(m_logic.opCalls());
  m_emergencyText->setText(EmergencyPowerText());

  const bool settings = m_logic.mode() == StationLogMode::Settings;
  m_saveNew->setVisible(!settings);
  m_saveSettings->setVisible(settings);
  m_import->setVisible(!settings);
  m_fileButton->setEnabled(!settings);
  m_fileName->setEnabled(!settings);
  setForm(m_logic.initialForm());
  setFileNameLabel();
}

void StationLog::setFileNameLabel() { m_fileName->setText(m_logic.fileName()); }

StationForm StationLog::form() const {
  StationForm f;
  f.call = m_call->text();
  f.opCall = m_opCall->currentText();
  f.district = m_district->currentText();
  f.omYl = m_omYl->checkedId();
  f.entryClass = m_class->checkedId();
  f.powerClass = m_power->checkedId();
  f.opClass = m_opClass->checkedId();
  f.examDay = m_examDay->currentText();
  f.examMonth = m_examMonth->currentText();
  f.examYear = m_examYear->currentText();
  f.email = m_email->text();
  f.locator = m_locator->text();
  f.name = m_name->text();
  f.address = m_address->text();
  f.plz = m_plz->text();
  f.city = m_city->text();
  f.station = m_station->toPlainText();
  f.comment = m_comment->toPlainText();
  f.emergency = m_emergency->checkedId();
  return f;
}

void StationLog::setForm(const StationForm& f) {
  m_call->setText(f.call);
  m_opCall->setEditText(f.opCall);
  SelectText(m_district, f.district);
  Check(m_omYl, f.omYl);
  Check(m_class, f.entryClass);
  Check(m_power, f.powerClass);
  Check(m_opClass, f.opClass);
  SelectText(m_examDay, f.examDay);
  SelectText(m_examMonth, f.examMonth);
  SelectText(m_examYear, f.examYear);
  m_email->setText(f.email);
  m_locator->setText(f.locator);
  m_name->setText(f.name);
  m_address->setText(f.address);
  m_plz->setText(f.plz);
  m_city->setText(f.city);
  if (m_station->toPlainText() != f.station)
    m_station->setPlainText(f.station);
  if (m_comment->toPlainText() != f.comment)
    m_comment->setPlainText(f.comment);
  Check(m_emergency, f.emergency);
  updateExamFrame();
}

QStringList StationLog::DisplayedLines(const QPlainTextEdit* box) {
  // The lines as the box wraps them: each paragraph laid out at the width the
  // box gives its text.
  const qreal width = box->viewport()->width() - 2 * box->document()->documentMargin();
  QTextOption option = box->document()->defaultTextOption();
  option.setWrapMode(box->wordWrapMode());
  QStringList lines;
  for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    if (text.isEmpty() || width <= 0) {
      lines << text;
      continue;
    }
    QTextLayout layout(text, box->font());
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width);
      lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
  }
  return lines;
}

void StationLog::updateExamFrame() { m_examFrame->setVisible(StationLogLogic::ExamFrameVisible(m_class->checkedId())); }

void StationLog::focusOn(StationFocus focus) {
  QWidget* w = nullptr;
  switch (focus) {
  case StationFocus::Call:
    w = m_call;
    break;
  case StationFocus::OpCall:
    w = m_opCall;
    break;
  case StationFocus::District:
    w = m_district;
    break;
  case StationFocus::EntryClass:
    w = m_class->button(kClassStateStation);
    break;
  case StationFocus::Email:
    w = m_email;
    break;
  case StationFocus::None:
    break;
  }
  if (w)
    w->setFocus(Qt::OtherFocusReason);
}

void StationLog::onNamePrompt() {
  if (m_logic.mode() != StationLogMode::NewLog)
    return;
  focusOn(m_logic.namePrompt(m_call->text()));
  setFileNameLabel();
}

void StationLog::onImport() {
  StationForm f = form();
  m_logic.importLastLog(f);
  setForm(f);
}

void StationLog::onSave() {
  StationForm f = form();
  const StationLogLogic::SaveResult r = m_logic.save(f, DisplayedLines(m_station), DisplayedLines(m_comment));
  setForm(f);
  setFileNameLabel();
  if (!r.saved) {
    focusOn(r.focus);
    return;
  }
  m_saved = true;
  accept();
}

void StationLog::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // The callsign field gets the focus when the window comes up. Focus is set in
  // code: without a window manager the window may never become active. Later
  // activations (after a message box) keep the focus where the last step put it.
  m_call->setFocus(Qt::OtherFocusReason);
}

void StationLog::openListEditor() {
  QStringList calls;
  for (int i = 0; i < m_opCall->count(); ++i)
    calls << m_opCall->itemText(i);
  m_editor = std::make_unique<OpCallListEditor>(*m_s.prompter, calls);
  for (QWidget* w :
       std::initializer_list<QWidget*>{m_required, m_optional, m_saveNew, m_saveSettings, m_fileButton, m_fileName})
    w->setEnabled(false);
  refreshEditorList();
  showEditBox(false);
  m_listFrame->show();
  m_list->setFocus(Qt::OtherFocusReason);
}

void StationLog::closeListEditor(bool take) {
  if (take && m_editor) {
    const QString text = m_opCall->currentText();
    m_opCall->clear();
    m_opCall->addItems(m_editor->calls());
    m_opCall->setEditText(text);
    m_logic.setOpCalls(m_editor->calls());
  }
  m_editor.reset();
  m_listFrame->hide();
  const bool newLog = m_logic.mode() == StationLogMode::NewLog;
  for (QWidget* w : std::initializer_list<QWidget*>{m_required, m_optional, m_saveNew, m_saveSettings})
    w->setEnabled(true);
  m_fileButton->setEnabled(newLog);
  m_fileName->setEnabled(newLog);
}

void StationLog::showEditBox(bool show) {
  m_editBox->setVisible(show);
  m_editAccept->setVisible(show);
  m_editCancel->setVisible(show);
  if (show && m_editor) {
    m_editBox->setText(m_editor->editText());
    m_editBox->setCursorPosition(int(m_editBox->text().size()));
    m_editBox->setFocus(Qt::OtherFocusReason);
  }
}

void StationLog::refreshEditorList() {
  m_list->clear();
  if (m_editor)
    m_list->addItems(m_editor->calls());
}

std::optional<QString> RunStationLogNew(Session& session, QWidget* parent) {
  StationLog w(session, StationLogMode::NewLog, parent);
  w.exec();
  if (!w.saved())
    return std::nullopt;
  return w.logic().fileName();
}

bool RunStationLogSettings(Session& session, QWidget* parent) {
  StationLog w(session, StationLogMode::Settings, parent);
  w.exec();
  return w.saved();
}

} // namespace vk
