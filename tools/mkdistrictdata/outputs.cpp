#include "outputs.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace mkdd {

std::optional<QByteArray> ToWindows1252(const QString& text, QString* error) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (const QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u > 0xff || (u >= 0x80 && u <= 0x9f)) {
      *error = QStringLiteral("'%1' has the character U+%2, which is not written as a "
                              "Latin-1 byte in Windows-1252")
                   .arg(text)
                   .arg(int(u), 4, 16, QChar(u'0'));
      return std::nullopt;
    }
    bytes.append(char(u));
  }
  return bytes;
}

std::optional<QByteArray> DistrictFileContents(const std::vector<District>& districts, const Projection& proj,
                                               QString* error) {
  QByteArray out;
  for (const District& d : districts) {
    if (d.name.contains(u';') || d.code.contains(u';')) {
      *error = QStringLiteral("district %1: ';' in a field").arg(d.gkz);
      return std::nullopt;
    }
    const QPoint main = proj.Pixel(d.points.front());
    QString line = QStringLiteral("%1;%2;%3;%4;%5;").arg(d.code).arg(main.x()).arg(main.y()).arg(d.name).arg(d.state);
    for (size_t part = 1; part < d.points.size(); ++part) {
      const QPoint p = proj.Pixel(d.points[part]);
      line += QStringLiteral("%1;%2;").arg(p.x()).arg(p.y());
    }
    const std::optional<QByteArray> bytes = ToWindows1252(line, error);
    if (!bytes)
      return std::nullopt;
    out += *bytes + "\r\n";
  }
  return out;
}

QByteArray FillCountsCsv(const std::vector<District>& districts, const std::vector<DistrictCheck>& checks) {
  QByteArray out = "gkz,code,pixels\n";
  for (size_t i = 0; i < districts.size(); ++i)
    out += QStringLiteral("%1,%2,%3\n").arg(districts[i].gkz).arg(districts[i].code).arg(checks[i].filled).toUtf8();
  return out;
}

bool WriteFile(const QString& path, const QByteArray& bytes, QString* error) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}

} // namespace mkdd
