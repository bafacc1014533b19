#include "core/settingsfile.h"

#include "core/codepage.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>
#include <vector>

namespace vk {

QString IniReadNumberError() {
  return QStringLiteral("Es ist beim Lesen einer Zahl aus der INI-Datei ein FEHLER aufgetreten!");
}
QString IniReadError() { return QStringLiteral("Es ist beim lesen in einer INI-Datei ein FEHLER aufgetreten!"); }
QString IniWriteError() {
  return QStringLiteral("Es ist beim schreiben in einer INI-Datei ein FEHLER aufgetreten!");
}
QString IniDeleteError() {
  return QStringLiteral("Es ist beim löschen in einer INI-Datei ein FEHLER aufgetreten!");
}

struct SettingsFile::Content {
  std::vector<QString> lines; // without line ends

  static bool isHeader(const QString& line) { return line.trimmed().startsWith(QLatin1Char('[')); }
  static QString headerName(const QString& line) {
    const QString t = line.trimmed();
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
  }
  // Index of the header line of the section, or -1.
  qsizetype findSection(const QString& section) const {
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i)
      if (isHeader(lines[i]) && headerName(lines[i]).compare(section.trimmed(), Qt::CaseInsensitive) == 0)
        return i;
    return -1;
  }
  // One past the last non-empty line of the section whose header is at h.
  qsizetype contentEnd(qsizetype h) const {
    qsizetype at = sectionEnd(h);
    while (at > h + 1 && lines[size_t(at - 1)].trimmed().isEmpty())
      --at;
    return at;
  }
  // One past the last line of the section whose header is at h.
  qsizetype sectionEnd(qsizetype h) const {
    qsizetype i = h + 1;
    while (i < qsizetype(lines.size()) && !isHeader(lines[i]))
      ++i;
    return i;
  }
  static std::optional<std::pair<QString, QString>> splitKey(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
      return std::nullopt;
    return std::make_pair(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
  }
  // Index of the key's line inside the section at h, or -1.
  qsizetype findKey(qsizetype h, const QString& key) const {
    const qsizetype end = sectionEnd(h);
    for (qsizetype i = h + 1; i < end; ++i) {
      auto kv = splitKey(lines[i]);
      if (kv && kv->first.compare(key.trimmed(), Qt::CaseInsensitive) == 0)
        return i;
    }
    return -1;
  }
};

bool SettingsFile::exists() const { return !m_path.isEmpty() && QFileInfo(m_path).isFile(); }

void SettingsFile::beep() const {
  if (m_prompter)
    m_prompter->beep();
}

void SettingsFile::fail(const QString& text, int code) const {
  if (m_prompter)
    m_prompter->message(text + QStringLiteral("\nFehlercode: ") + QString::number(code), Icon::Critical,
                        Buttons::Ok, DefaultButton::First, QStringLiteral("Fehler"));
}

bool SettingsFile::load(Content& content, const QString& errorText) const {
  QFile f(m_path);
  if (!f.open(QIODevice::ReadOnly)) {
    fail(errorText, int(f.error()));
    return false;
  }
  const QString text = FromCp1252(f.readAll());
  if (f.error() != QFileDevice::NoError) {
    fail(errorText, int(f.error()));
    return false;
  }
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype nl = text.indexOf(QLatin1Char('\n'), start);
    if (nl < 0)
      nl = text.size();
    QString line = text.mid(start, nl - start);
    if (line.endsWith(QLatin1Char('\r')))
      line.chop(1);
    content.lines.push_back(line);
    start = nl + 1;
  }
  return true;
}

bool SettingsFile::store(const Content& content, const QString& errorText) const {
  QString text;
  for (const QString& line : content.lines)
    text += line + QStringLiteral("\r\n");
  QSaveFile f(m_path);
  if (!f.open(QIODevice::WriteOnly)) {
    fail(errorText, int(f.error()));
    return false;
  }
  f.write(ToCp1252(text));
  if (!f.commit()) {
    fail(errorText, int(f.error()));
    return false;
  }
  return true;
}

std::optional<QString> SettingsFile::value(const QString& section, const QString& key,
                                          const QString& errorText) const {
  if (section.isEmpty() || key.isEmpty() || !exists()) {
    beep();
    return std::nullopt;
  }
  BusyPointer busy(m_prompter);
  Content c;
  if (!load(c, errorText))
    return std::nullopt;
  const qsizetype h = c.findSection(section);
  const qsizetype k = h < 0 ? -1 : c.findKey(h, key);
  if (k < 0)
    return std::nullopt;
  return Content::splitKey(c.lines[k])->second;
}

int SettingsFile::ReadNumber(const QString& section, const QString& key) const {
  const std::optional<QString> found = value(section, key, IniReadNumberError());
  if (!found)
    return 0;
  // Like the Windows integer read: optional "-", then decimal digits.
  const QString& v = *found;
  qsizetype i = 0;
  bool negative = false;
  if (i < v.size() && (v[i] == QLatin1Char('-') || v[i] == QLatin1Char('+'))) {
    negative = v[i] == QLatin1Char('-');
    ++i;
  }
  qint64 n = 0;
  for (; i < v.size() && v[i] >= QLatin1Char('0') && v[i] <= QLatin1Char('9'); ++i)
    n = (n * 10 + (v[i].unicode() - '0')) & 0xFFFFFFFF;
  const auto u = static_cast<quint32>(n);
  return negative ? -static_cast<int>(u) : static_cast<int>(u);
}

QString SettingsFile::ReadText(const QString& section, const QString& key) const {
  QString v = value(section, key, IniReadError()).value_or(QString());
  if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) && v.back() == v.front())
    v = v.mid(1, v.size() - 2);
  return v.left(32767);
}

void SettingsFile::WriteText(const QString& section, const QString& key, const QString& value) const {
  if (m_path.isEmpty() || section.isEmpty() || key.isEmpty()) {
    beep();
    return;
  }
  BusyPointer busy(m_prompter);
  Content c;
  if (exists() && !load(c, IniWriteError()))
    return;
  const QString line = key + QLatin1Char('=') + value;
  qsizetype h = c.findSection(section);
  if (h < 0) {
    c.lines.push_back(QLatin1Char('[') + section.toUpper() + QLatin1Char(']'));
    c.lines.push_back(line);
  } else if (const qsizetype k = c.findKey(h, key); k >= 0) {
    c.lines[k] = line;
  } else {
    c.lines.insert(c.lines.begin() + c.contentEnd(h), line);
  }
  store(c, IniWriteError());
}

QStringList SettingsFile::ReadSection(const QString& section) const {
  QStringList result;
  if (section.isEmpty() || !exists()) {
    beep();
    result << QString();
    return result;
  }
  BusyPointer busy(m_prompter);
  Content c;
  if (load(c, IniReadError())) {
    const qsizetype h = c.findSection(section);
    if (h >= 0) {
      for (qsizetype i = h + 1; i < c.sectionEnd(h); ++i) {
        const QString t = c.lines[i].trimmed();
        if (!t.isEmpty())
          result << t;
      }
    }
  }
  result << QString();
  return result;
}

void SettingsFile::WriteSection(const QString& section, const QStringList& lines) const {
  if (m_path.isEmpty() || section.isEmpty()) {
    beep();
    return;
  }
  BusyPointer busy(m_prompter);
  Content c;
  if (exists() && !load(c, IniWriteError()))
    return;
  std::vector<QString> body;
  for (const QString& l : lines)
    if (!l.isEmpty())
      body.push_back(l);
  qsizetype h = c.findSection(section);
  if (h < 0) {
    c.lines.push_back(QLatin1Char('[') + section.toUpper() + QLatin1Char(']'));
    c.lines.insert(c.lines.end(), body.begin(), body.end());
  } else {
    c.lines.erase(c.lines.begin() + h + 1, c.lines.begin() + c.contentEnd(h));
    c.lines.insert(c.lines.begin() + h + 1, body.begin(), body.end());
  }
  store(c, IniWriteError());
}

void SettingsFile::DeleteSection(const QString& section) const {
  if (!exists() || section.isEmpty()) {
    beep();
    return;
  }
  Content c;
  if (!load(c, IniDeleteError()))
    return;
  const qsizetype h = c.findSection(section);
  if (h < 0)
    return;
  c.lines.erase(c.lines.begin() + h, c.lines.begin() + c.sectionEnd(h));
  store(c, IniDeleteError());
}

} // namespace vk
