#include "geodata.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <stdexcept>

namespace mkdd {

namespace {

[[noreturn]] void Fail(const QString& message) { throw std::runtime_error(message.toStdString()); }

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    Fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
  return file.readAll();
}

// Plain comma-separated UTF-8 with a header row; the source tables use no
// quoting, so a quote is an error rather than something to interpret.
std::vector<QStringList> ReadCsv(const QString& path, const QStringList& header) {
  const QString text = QString::fromUtf8(ReadFile(path));
  QStringList lines = text.split(u'\n');
  std::vector<QStringList> rows;
  bool headerSeen = false;
  for (int i = 0; i < lines.size(); ++i) {
    QString line = lines[i];
    if (line.endsWith(u'\r'))
      line.chop(1);
    if (line.isEmpty())
      continue;
    if (line.contains(u'"'))
      Fail(QStringLiteral("%1:%2: quoted fields are not supported").arg(path).arg(i + 1));
    const QStringList fields = line.split(u',');
    if (fields.size() != header.size())
      Fail(QStringLiteral("%1:%2: expected %3 fields").arg(path).arg(i + 1).arg(header.size()));
    if (!headerSeen) {
      if (fields != header)
        Fail(QStringLiteral("%1: unexpected header '%2'").arg(path, line));
      headerSeen = true;
      continue;
    }
    rows.push_back(fields);
  }
  return rows;
}

int ToInt(const QString& text, const QString& what) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok)
    Fail(QStringLiteral("%1: '%2' is not a number").arg(what, text));
  return value;
}

double ToDouble(const QString& text, const QString& what) {
  bool ok = false;
  const double value = text.toDouble(&ok);
  if (!ok)
    Fail(QStringLiteral("%1: '%2' is not a number").arg(what, text));
  return value;
}

Ring ToRing(const QJsonArray& coordinates) {
  Ring ring;
  ring.reserve(coordinates.size());
  for (const QJsonValue& position : coordinates) {
    const QJsonArray lonLat = position.toArray();
    if (lonLat.size() < 2)
      Fail(QStringLiteral("GeoJSON: malformed position"));
    ring.emplace_back(lonLat[0].toDouble(), lonLat[1].toDouble());
  }
  if (ring.size() < 4 || ring.front() != ring.back())
    Fail(QStringLiteral("GeoJSON: ring not closed"));
  return ring;
}

std::vector<Polygon> ToPolygons(const QJsonObject& geometry) {
  std::vector<Polygon> polygons;
  const QString type = geometry[u"type"].toString();
  const QJsonArray coordinates = geometry[u"coordinates"].toArray();
  auto addPolygon = [&polygons](const QJsonArray& rings) {
    Polygon polygon;
    for (const QJsonValue& ring : rings)
      polygon.push_back(ToRing(ring.toArray()));
    polygons.push_back(std::move(polygon));
  };
  if (type == u"MultiPolygon") {
    for (const QJsonValue& polygon : coordinates)
      addPolygon(polygon.toArray());
  } else if (type == u"Polygon") {
    addPolygon(coordinates);
  } else {
    Fail(QStringLiteral("GeoJSON: unsupported geometry type %1").arg(type));
  }
  return polygons;
}

bool IsViennaMunicipalDistrict(int iso) { return iso >= 901 && iso <= 923; }

} // namespace

std::vector<District> LoadDistricts(const QString& districtsCsv, const QString& pointsCsv, const QString& geoJson) {
  std::map<int, District> byGkz;
  for (const QStringList& row : ReadCsv(districtsCsv, {"gkz", "name", "state", "code", "code_source"})) {
    District d;
    d.gkz = ToInt(row[0], districtsCsv);
    d.name = row[1];
    d.state = ToInt(row[2], districtsCsv);
    d.code = row[3];
    if (d.state < 1 || d.state > 9 || d.gkz / 100 != d.state)
      Fail(QStringLiteral("%1: district %2 has state %3").arg(districtsCsv).arg(d.gkz).arg(d.state));
    if (!byGkz.emplace(d.gkz, d).second)
      Fail(QStringLiteral("%1: district %2 twice").arg(districtsCsv).arg(d.gkz));
  }

  for (const QStringList& row : ReadCsv(pointsCsv, {"gkz", "part", "lon", "lat", "part_area_km2", "clearance_km"})) {
    const int gkz = ToInt(row[0], pointsCsv);
    const int part = ToInt(row[1], pointsCsv);
    auto it = byGkz.find(gkz);
    if (it == byGkz.end())
      Fail(QStringLiteral("%1: unknown district %2").arg(pointsCsv).arg(gkz));
    // Parts must come in order 1, 2, ... so that points[0] is the main part.
    if (part != int(it->second.points.size()) + 1)
      Fail(QStringLiteral("%1: district %2 part %3 out of order").arg(pointsCsv).arg(gkz).arg(part));
    it->second.points.emplace_back(ToDouble(row[2], pointsCsv), ToDouble(row[3], pointsCsv));
  }

  QJsonParseError parseError;
  const QJsonDocument doc = QJsonDocument::fromJson(ReadFile(geoJson), &parseError);
  if (doc.isNull())
    Fail(QStringLiteral("%1: %2").arg(geoJson, parseError.errorString()));
  for (const QJsonValue& value : doc.object()[u"features"].toArray()) {
    const QJsonObject feature = value.toObject();
    const int iso = ToInt(feature[u"properties"][u"iso"].toString(), geoJson);
    if (IsViennaMunicipalDistrict(iso))
      continue;
    auto it = byGkz.find(iso);
    if (it == byGkz.end())
      Fail(QStringLiteral("%1: feature %2 is no known district").arg(geoJson).arg(iso));
    if (!it->second.polygons.empty())
      Fail(QStringLiteral("%1: feature %2 twice").arg(geoJson).arg(iso));
    it->second.polygons = ToPolygons(feature[u"geometry"].toObject());
  }

  std::vector<District> districts;
  for (auto& [gkz, d] : byGkz) {
    if (d.points.empty())
      Fail(QStringLiteral("district %1 has no interior point").arg(gkz));
    if (d.polygons.empty())
      Fail(QStringLiteral("district %1 has no boundary").arg(gkz));
    districts.push_back(std::move(d));
  }
  return districts;
}

Projection Projection::Fit(const std::vector<District>& districts, int width, int margin) {
  double lonMin = std::numeric_limits<double>::max(), lonMax = -lonMin;
  double latMin = lonMin, latMax = -lonMin;
  for (const District& d : districts)
    for (const Polygon& polygon : d.polygons)
      for (const QPointF& p : polygon.front()) {
        lonMin = std::min(lonMin, p.x());
        lonMax = std::max(lonMax, p.x());
        latMin = std::min(latMin, p.y());
        latMax = std::max(latMax, p.y());
      }

  Projection proj;
  proj.lonFactor_ = std::cos(47.6 * std::numbers::pi / 180.0);
  proj.lonMin_ = lonMin;
  proj.latMax_ = latMax;
  proj.margin_ = margin;
  // Pixel i covers [i, i+1); the easternmost point lands in the last
  // column before the right margin.
  proj.pixelsPerDegree_ = (width - 2 * margin - 1) / ((lonMax - lonMin) * proj.lonFactor_);
  const int height = int(std::ceil((latMax - latMin) * proj.pixelsPerDegree_)) + 2 * margin + 1;
  proj.size_ = QSize(width, height);
  return proj;
}

QPointF Projection::Project(QPointF lonLat) const {
  return {margin_ + (lonLat.x() - lonMin_) * lonFactor_ * pixelsPerDegree_,
          margin_ + (latMax_ - lonLat.y()) * pixelsPerDegree_};
}

QPoint Projection::Pixel(QPointF lonLat) const {
  const QPointF p = Project(lonLat);
  return {int(std::floor(p.x())), int(std::floor(p.y()))};
}

double Projection::KmPerPixel() const {
  // One degree of latitude is about 111.2 km.
  return 111.2 / pixelsPerDegree_;
}

QString Projection::Describe() const {
  return QStringLiteral("%1 x %2 px, x = %3 + (lon - %4) * cos(47.6 deg) * %5, "
                        "y = %3 + (%6 - lat) * %5, about %7 km per pixel")
      .arg(size_.width())
      .arg(size_.height())
      .arg(margin_)
      .arg(lonMin_, 0, 'f', 6)
      .arg(pixelsPerDegree_, 0, 'f', 4)
      .arg(latMax_, 0, 'f', 6)
      .arg(KmPerPixel(), 0, 'f', 3);
}

} // namespace mkdd
