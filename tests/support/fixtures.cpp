#include "support/fixtures.h"

#include "core/contest.h"

#include <QFile>

namespace vk::test {

QString TempFolder::write(const QString& name, const QByteArray& bytes) const {
  const QString p = path(name);
  QFile f(p);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << p.toStdString();
  f.write(bytes);
  return p;
}

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly))
    return {};
  return f.readAll();
}

QsoRecord Qso(const QString& call, int band, const QString& district, const QString& time, const QString& mode,
              int status) {
  QsoRecord r;
  r.Call = call;
  r.Band = std::int16_t(band);
  r.District = FitDistrict(district);
  r.QsoDate = QStringLiteral("01.05.2026");
  r.QsoTime = time;
  r.RstSent = DefaultReport(mode);
  r.RstRcvd = DefaultReport(mode);
  r.Mode = mode;
  r.Mode2 = mode;
  r.Status = std::int16_t(status);
  r.OpCall = QStringLiteral("OE0AAA");
  r.Reserved13 = QStringLiteral("0");
  r.FreqKhz = DefaultFrequencyKhz(band);
  return r;
}

StationHeader Header(const QString& call) {
  StationHeader h;
  h.MyCall = call;
  h.OpCall = call;
  h.MyBz = QStringLiteral("WI");
  h.ExamDate = QStringLiteral("00.00.2000");
  return h;
}

QString TestData(const QString& name) { return QStringLiteral(VK_SOURCE_DIR "/tests/data/") + name; }

} // namespace vk::test
