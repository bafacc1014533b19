#include "station/stationlog_logic.h"

#include "core/codepage.h"
#include "core/contest.h"
#include "core/errorbox.h"
#include "core/logfile.h"
#include "core/numbers.h"
#include "core/prompter.h"
#include "core/vkerror.h"
#include "entry/session.h"
#include "logmgmt/filenames.h"
#include "logmgmt/lognewopen_logic.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <array>

namespace vk {

namespace {

const QString kPathe = QStringLiteral("Pathe");
const QString kOpCalls = QStringLiteral("OPCALLs");

QString Crlf(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text;
}

QString Lf(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

// Splits a stored date such as "1.5.2024" into its three numbers.
std::optional<std::array<int, 3>> DateNumbers(const QString& text) {
  std::array<int, 3> n{};
  int count = 0;
  int value = -1;
  for (QChar c : text.trimmed() + QLatin1Char(' ')) {
    if (c.isDigit() && c.unicode() < 128) {
      value = (value < 0 ? 0 : value) * 10 + (c.unicode() - '0');
      if (value > 99999)
        return std::nullopt;
    } else if (value >= 0) {
      if (count == 3)
        return std::nullopt;
      n[size_t(count++)] = value;
      value = -1;
    }
  }
  if (count != 3)
    return std::nullopt;
  return n;
}

// An option index read from a header or a file; nullopt when it is no option.
std::optional<int> OptionIndex(const QString& value, int count) {
  if (!IsNumeric(value))
    return std::nullopt;
  const double v = RoundHalfEven(LeadingNumber(value));
  if (v < 0 || v >= count)
    return std::nullopt;
  return int(v);
}

} // namespace

std::optional<QChar> FilterCallKey(QChar key) {
  const char16_t u = key.unicode();
  if (u == 3 || u == 8 || u == 24)
    return key;
  if ((u >= u'0' && u <= u'9') || u == u'/')
    return key;
  if (u >= u'a' && u <= u'z')
    return QChar(char16_t(u - 32));
  if (u >= u'A' && u <= u'Z')
    return key;
  if (u == u'-')
    return QChar(u'/');
  return std::nullopt;
}

QString FilterCallText(const QString& text) {
  QString out;
  for (QChar c : text) {
    if (c.unicode() < 32)
      continue;
    if (const auto f = FilterCallKey(c))
      out += *f;
  }
  return out;
}

QString RebreakText(const QStringList& displayedLines) {
  QString text;
  for (const QString& line : displayedLines)
    text += line + QStringLiteral("\r\n");
  while (text.endsWith(QStringLiteral("\r\n")))
    text.chop(2);
  return text + QStringLiteral("\r\n");
}

QString EmergencyPowerText() {
  return QStringLiteral("Die Station wurde in beiden Contestperioden unabhängig vom öffentlichen Stromnetz betrieben. "
                        "Dies zählt +2 Multiplikatorpunkte.\n"
                        "Bei Notstrombetrieb sind Fotos der Anlage an ") +
         kContestManagerEmail + QStringLiteral(" zu senden.");
}

// --- operator-call list editor ---------------------------------------------------

OpCallListEditor::OpCallListEditor(Prompter& prompter, QStringList calls) : m_p(prompter), m_calls(std::move(calls)) {}

bool OpCallListEditor::startNew() {
  if (m_calls.size() >= kMaxOpCalls) {
    m_p.message(QStringLiteral("Es sind maximal 10 Rufzeichen möglich.\n"
                               "Du must zuerst ein Rufzeichen löschen um ein neues eingeben zu können!"),
                Icon::Information, Buttons::Ok);
    return false;
  }
  m_editing = true;
  m_row.reset();
  m_editText.clear();
  return true;
}

bool OpCallListEditor::startEdit(const QList<int>& selectedRows) {
  QList<int> rows;
  for (int r : selectedRows)
    if (r >= 0 && r < m_calls.size())
      rows << r;
  if (rows.isEmpty()) {
    m_p.message(QStringLiteral("Kein Rufzeichen ausgewählt!"), Icon::Information, Buttons::Ok);
    return false;
  }
  const int row = *std::min_element(rows.begin(), rows.end());
  m_editing = true;
  m_row = row;
  m_editText = m_calls[row];
  return true;
}

bool OpCallListEditor::accept(const QString& text) {
  const QString call = text.trimmed().toUpper();
  if (call.size() < 3) {
    m_p.message(QStringLiteral("Rufzeichen muss mindestens 3 Zeichen lang sein!"), Icon::Critical, Buttons::Ok);
    return false;
  }
  if (m_row && *m_row < m_calls.size())
    m_calls[*m_row] = call;
  else
    m_calls << call;
  cancelEdit();
  return true;
}

void OpCallListEditor::cancelEdit() {
  m_editing = false;
  m_row.reset();
  m_editText.clear();
}

void OpCallListEditor::remove(const QList<int>& selectedRows) {
  QList<int> rows;
  for (int r : selectedRows)
    if (r >= 0 && r < m_calls.size() && !rows.contains(r))
      rows << r;
  if (rows.isEmpty()) {
    m_p.message(QStringLiteral("Kein Rufzeichen ausgewählt!"), Icon::Information, Buttons::Ok);
    return;
  }
  std::sort(rows.begin(), rows.end());
  QList<int> removed;
  for (int r : rows) {
    const Answer a =
        m_p.message(QStringLiteral("Möchtest du '") + m_calls[r] + QStringLiteral("' wirklich aus der Liste löschen?"),
                    Icon::Question, Buttons::YesNoCancel);
    if (a == Answer::Cancel)
      break;
    if (a == Answer::No) {
      m_p.beep();
      continue;
    }
    removed << r;
  }
  for (auto it = removed.crbegin(); it != removed.crend(); ++it)
    m_calls.removeAt(*it);
}

// --- the window's rules ---------------------------------------------------------------

StationLogLogic::StationLogLogic(Session& session, StationLogMode mode)
    : m_s(session), m_mode(mode), m_newHeader(session.store.Header) {
  QStringList calls = m_s.settings.ReadSection(kOpCalls);
  if (!calls.isEmpty())
    calls.removeLast(); // the final empty element
  m_opCalls = calls;
  if (m_mode == StationLogMode::Settings)
    m_fileName = m_s.CurrentLogName;
}

QDate StationLogLogic::today() const { return m_s.clock->now().date(); }

StationHeader& StationLogLogic::editedHeader() {
  return m_mode == StationLogMode::Settings ? m_s.store.Header : m_newHeader;
}

const StationHeader& StationLogLogic::header() const {
  return m_mode == StationLogMode::Settings ? m_s.store.Header : m_newHeader;
}

QStringList StationLogLogic::districtEntries() const {
  QStringList entries;
  for (int i = 1; i <= m_s.districts.count(); ++i)
    entries << m_s.districts[i].Code + QStringLiteral(" - ") + m_s.districts[i].Name;
  entries.sort();
  return entries;
}

QStringList StationLogLogic::monthNames() const {
  QStringList names;
  const QLocale locale = QLocale::system();
  for (int m = 1; m <= 12; ++m)
    names << locale.monthName(m, QLocale::LongFormat);
  return names;
}

QStringList StationLogLogic::yearEntries() const {
  QStringList years;
  const int y = today().year();
  for (int i = 0; i <= 3; ++i)
    years << QString::number(y - i);
  return years;
}

StationForm StationLogLogic::initialForm() const {
  StationForm f;
  const StationHeader& h = header();
  f.emergency = h.EmergencyPower != 0 ? 1 : 0;
  if (m_mode != StationLogMode::Settings)
    return f;
  f.call = h.MyCall;
  f.locator = h.MyLocator;
  for (const QString& entry : districtEntries())
    if (entry.left(2) == h.MyBz) {
      f.district = entry;
      break;
    }
  f.omYl = OptionIndex(QString::number(h.OmYl), 2).value_or(0);
  f.opCall = h.OpCall;
  f.name = h.OpName;
  f.address = h.Address;
  f.plz = h.Plz;
  f.city = h.City;
  f.email = h.Email;
  f.entryClass = OptionIndex(QString::number(h.EntryClass), 5).value_or(kClassSsb);
  f.powerClass = OptionIndex(QString::number(h.PowerClass), 2).value_or(0);
  f.station = Lf(h.Station);
  f.comment = Lf(h.Comment);
  if (ExamFrameVisible(f.entryClass)) {
    if (const auto d = DateNumbers(h.ExamDate)) {
      const auto [day, month, year] = *d;
      if (day >= 1 && day <= 31)
        f.examDay = QString::number(day);
      if (month >= 1 && month <= 12)
        f.examMonth = monthNames()[month - 1];
      if (yearEntries().contains(QString::number(year)))
        f.examYear = QString::number(year);
    }
  }
  f.opClass = OptionIndex(QString::number(h.OpClass), 3).value_or(0);
  return f;
}

void StationLogLogic::setEmergencyPower(int option) { editedHeader().EmergencyPower = option == 1 ? 2 : 0; }

StationFocus StationLogLogic::namePrompt(const QString& call) {
  Prompter& p = *m_s.prompter;
  const QString trimmed = call.trimmed();
  if (trimmed.size() < 3) {
    p.message(QStringLiteral("Bitte zuerst das Stationsrufzeichen eingeben!"), Icon::Information, Buttons::Ok);
    return StationFocus::Call;
  }
  QString proposal =
      QStringLiteral("KDRW_") + today().toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('_') + trimmed.toUpper();
  proposal.replace(QLatin1Char('/'), QLatin1Char('_'));
  for (;;) {
    const std::optional<QString> answer =
        p.input(QStringLiteral("Namen für neues Log eingeben"), QStringLiteral("Dateiname"), proposal);
    if (!answer || answer->isEmpty())
      return StationFocus::None;
    QString name = *answer;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (!IsAcceptableFileName(name)) {
      p.message(QStringLiteral("Dateiname ungültig"), Icon::None, Buttons::Ok);
      return StationFocus::None;
    }
    const QString file = name + kLogExtension;
    // An existing file is only replaced when the new log is saved; cancelling
    // the window leaves it as it is.
    if (QFileInfo::exists(m_s.folders.logsFolder + file) &&
        p.message(QStringLiteral("Datei existiert bereits! Überschreiben?"), Icon::Question, Buttons::YesNo,
                  DefaultButton::Second) != Answer::Yes)
      continue;
    m_fileName = file;
    return StationFocus::None;
  }
}

bool StationLogLogic::importLastLog(StationForm& form) {
  const QString last = LastLogName(m_s);
  const QString path = m_s.folders.logsFolder + last;
  if (last.isEmpty() || !QFileInfo(path).isFile())
    return false;
  QByteArray bytes;
  if (!RunStep(*m_s.prompter, [&] {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
          throw VkError(QStringLiteral("Die Datei %1 kann nicht gelesen werden (%2).").arg(path, f.errorString()));
        bytes = f.readAll();
      }))
    return false;
  const QString text = FromCp1252(bytes);

  enum class Target {
    Call,
    Locator,
    District,
    OmYl,
    OpCall,
    Name,
    Address,
    Email,
    Class,
    Power,
    Station,
    Comment,
    ExamDate,
    OpClass,
    Plz,
    City,
    NPower
  };
  const std::pair<const char*, Target> tags[] = {
      {"[MYCALL:", Target::Call},        {"[MYLOCATOR:", Target::Locator}, {"[MYBZ:", Target::District},
      {"[MYOMYL:", Target::OmYl},        {"[MYOPCALL:", Target::OpCall},   {"[MYOPNAME:", Target::Name},
      {"[MYADRESS:", Target::Address},   {"[MYEMAIL:", Target::Email},     {"[MYWERTUNGSST:", Target::Class},
      {"[MYPWR:", Target::Power},        {"[MYSTATION:", Target::Station}, {"[MYKOMMENT:", Target::Comment},
      {"[MYEXAMDAT:", Target::ExamDate}, {"[MYOPKLASS:", Target::OpClass}, {"[MYPLZ:", Target::Plz},
      {"[MYCITY:", Target::City},        {"[MYNPOWER:", Target::NPower}};

  for (const auto& [tag, target] : tags) {
    const QString t = QLatin1String(tag);
    const qsizetype at = text.indexOf(t);
    if (at < 0)
      continue;
    const qsizetype lengthStart = at + t.size();
    const qsizetype close = text.indexOf(QLatin1Char(']'), lengthStart);
    const QString lengthText = close < 0 ? QString() : text.mid(lengthStart, close - lengthStart);
    if (close < 0 || !IsNumeric(lengthText)) {
      if (target == Target::NPower) {
        form.emergency = 0;
        setEmergencyPower(0);
        return true;
      }
      m_s.prompter->message(RefusedLogText(path), Icon::Critical, Buttons::Ok);
      return false;
    }
    const double length = RoundHalfEven(LeadingNumber(lengthText));
    if (length < 1)
      continue;
    const QString value = text.mid(close + 1, length > double(text.size()) ? text.size() : qsizetype(length));
    auto option = [&](int& field, int count) {
      if (const auto i = OptionIndex(value, count))
        field = *i;
    };
    switch (target) {
    case Target::Call:
      form.call = value;
      break;
    case Target::Locator:
      form.locator = value;
      break;
    case Target::OmYl:
      option(form.omYl, 2);
      break;
    case Target::OpCall:
      form.opCall = value;
      break;
    case Target::Name:
      form.name = value;
      break;
    case Target::Address:
      form.address = value;
      break;
    case Target::Email:
      form.email = value;
      break;
    case Target::Class:
      option(form.entryClass, 5);
      break;
    case Target::Power:
      option(form.powerClass, 2);
      break;
    case Target::Station:
      form.station = Lf(value);
      break;
    case Target::Comment:
      form.comment = Lf(value);
      break;
    case Target::OpClass:
      option(form.opClass, 3);
      break;
    case Target::Plz:
      form.plz = value;
      break;
    case Target::City:
      form.city = value;
      break;
    case Target::NPower:
      form.emergency = LeadingNumber(value) != 0 ? 1 : 0;
      setEmergencyPower(form.emergency);
      break;
    case Target::District:
    case Target::ExamDate:
      break; // checked for form, not taken over
    }
  }
  return true;
}

QString StationLogLogic::examDateText(const StationForm& form) const {
  const int month = int(monthNames().indexOf(form.examMonth)) + 1;
  const QChar sep = m_s.seps.date;
  return QString::number(form.examDay.toInt()) + sep + QString::number(month) + sep + form.examYear;
}

StationLogLogic::SaveResult StationLogLogic::save(StationForm& form, const QStringList& stationLines,
                                                  const QStringList& commentLines) {
  Prompter& p = *m_s.prompter;
  auto refuse = [&](const QString& text, StationFocus focus) {
    p.message(text, Icon::Critical, Buttons::Ok);
    return SaveResult{false, focus};
  };

  const QString call = form.call.trimmed();
  if (call.size() < 3)
    return refuse(QStringLiteral("Bitte ein gültiges Stationsrufzeichen eingeben!"), StationFocus::Call);
  const bool stateStation = IsStateStation(call.toUpper());
  if (stateStation && form.entryClass != kClassStateStation)
    return refuse(QStringLiteral("Für eine Staatsfunkstelle muss die Wertungsklasse 'Staatsfunkstelle' "
                                 "ausgewählt werden!"),
                  StationFocus::EntryClass);
  if (!stateStation && form.entryClass == kClassStateStation)
    return refuse(QStringLiteral("Wertungsklasse 'Staatsfunkstelle' mit diesem Rufzeichen nicht möglich!"),
                  StationFocus::Call);
  if (m_fileName.isEmpty()) {
    p.message(QStringLiteral("Kein Name für die Logdatei angegeben!"), Icon::Critical, Buttons::Ok);
    return SaveResult{false, namePrompt(form.call)};
  }
  if (form.opCall.trimmed().size() < 3)
    return refuse(QStringLiteral("Bitte ein gültiges Operatorrufzeichen eingeben!"), StationFocus::OpCall);
  if (form.district.size() < 2)
    return refuse(QStringLiteral("Bitte den eigenen Bezirk auswählen!"), StationFocus::District);
  const bool examVisible = ExamFrameVisible(form.entryClass);
  if (examVisible) {
    const int month = int(monthNames().indexOf(form.examMonth)) + 1;
    const bool filled = !form.examDay.isEmpty() && month >= 1 && !form.examYear.isEmpty();
    if (!filled || !QDate(form.examYear.toInt(), month, form.examDay.toInt()).isValid())
      return refuse(QStringLiteral("Du hast kein gültiges Datum für deine Lizenzprüfung angegeben!"),
                    StationFocus::None);
  }
  if (!form.email.contains(QLatin1Char('@')) &&
      p.message(QStringLiteral("Du hast deine eMail-Adresse nicht angegeben!\nBitte gib sie zwecks Rückfragen ein!"),
                Icon::None, Buttons::YesNo) == Answer::Yes)
    return SaveResult{false, StationFocus::Email};

  BusyPointer busy(p);
  form.station = Lf(RebreakText(stationLines));
  form.comment = Lf(RebreakText(commentLines));
  form.call = call;
  form.opCall = form.opCall.trimmed();
  form.locator = form.locator.trimmed();
  form.name = form.name.trimmed();
  form.address = form.address.trimmed();
  form.email = form.email.trimmed();
  form.plz = form.plz.trimmed();
  form.city = form.city.trimmed();

  StationHeader& h = editedHeader();
  h.MyCall = form.call.toUpper();
  h.OpCall = form.opCall.toUpper();
  h.MyBz = form.district.trimmed().toUpper().left(2);
  h.OmYl = std::int16_t(form.omYl);
  h.EntryClass = std::int16_t(form.entryClass);
  h.PowerClass = std::int16_t(form.powerClass);
  h.OpClass = std::int16_t(form.opClass);
  if (examVisible)
    h.ExamDate = examDateText(form);
  h.Email = form.email;
  h.MyLocator = form.locator.toUpper();
  h.OpName = form.name;
  h.Address = form.address;
  h.Plz = form.plz.toUpper();
  h.City = form.city;
  h.Station = Crlf(form.station);
  h.Comment = Crlf(form.comment);
  h.EmergencyPower = form.emergency == 1 ? 2 : 0;

  const QString path = m_s.folders.logsFolder + m_fileName;
  const int year = today().year();
  bool written = false;
  if (m_mode == StationLogMode::Settings) {
    BuildLogText(m_s.store, false, year);
    written = RunStep(p, [&] { SaveFileAtomically(path, m_s.store.LogBytes()); });
  } else {
    // A new log holds the header and no QSO line.
    LogStore fresh;
    fresh.Clear(m_s.seps);
    fresh.Header = h;
    BuildLogText(fresh, false, year);
    written = RunStep(p, [&] { SaveFileAtomically(path, fresh.LogBytes()); });
  }
  if (!written)
    return SaveResult{false, StationFocus::None};

  if (m_mode == StationLogMode::Settings) {
    if (!m_opCalls.contains(h.OpCall))
      m_opCalls << h.OpCall;
    while (m_opCalls.size() > kMaxOpCalls)
      m_opCalls.removeLast();
  }
  m_s.settings.DeleteSection(kOpCalls);
  if (!m_opCalls.isEmpty())
    m_s.settings.WriteSection(kOpCalls, m_opCalls);

  if (m_mode == StationLogMode::NewLog) {
    m_s.settings.WriteText(kPathe, QStringLiteral("LastNewLogFile"), m_fileName);
    m_s.settings.WriteText(kPathe, QStringLiteral("LastNewLogDate"), today().toString(QStringLiteral("yyyyMMdd")));
  }
  m_s.windows.requestRefresh(WindowId::StatistikForm);
  return SaveResult{true, StationFocus::None};
}

} // namespace vk
