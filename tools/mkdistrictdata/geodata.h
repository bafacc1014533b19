#pragma once

// Loading the district tables and boundaries, and the map projection.

#include <QPointF>
#include <QSize>
#include <QString>

#include <vector>

namespace mkdd {

using Ring = std::vector<QPointF>; // longitude, latitude; closed (first == last)
using Polygon = std::vector<Ring>; // outer ring followed by its holes

struct District {
  int gkz = 0; // official district number
  QString name;
  int state = 0;                 // federal state 1..9
  QString code;                  // two capital letters
  std::vector<QPointF> points;   // interior point per part (lon, lat), main part first
  std::vector<Polygon> polygons; // boundary, all parts
};

// Reads districts.csv, interior_points.csv and the GeoJSON boundaries and
// joins them on the district number. Vienna's municipal districts (901..923)
// are dropped; Vienna stays one district (900). Throws std::runtime_error on
// anything unexpected. The result is sorted by district number.
std::vector<District> LoadDistricts(const QString& districtsCsv, const QString& pointsCsv, const QString& geoJson);

// Equirectangular projection with longitude scaled by cos(47.6 deg), fitted
// so that all districts fill the given image width less a margin.
class Projection {
public:
  static Projection Fit(const std::vector<District>& districts, int width, int margin);

  QPointF Project(QPointF lonLat) const; // continuous pixel coordinates
  QPoint Pixel(QPointF lonLat) const;    // the pixel containing the point
  QSize ImageSize() const { return size_; }
  double KmPerPixel() const;
  QString Describe() const;

private:
  double lonMin_ = 0, latMax_ = 0, pixelsPerDegree_ = 1, lonFactor_ = 1;
  int margin_ = 0;
  QSize size_;
};

} // namespace mkdd
