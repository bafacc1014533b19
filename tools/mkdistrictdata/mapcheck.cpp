#include "mapcheck.h"

#include "scoring/ui/floodfill.h"

#include <QColor>

namespace mkdd {

namespace {

constexpr QRgb kMarker = 0xffff00ff; // not in the map's palette

std::vector<QPoint> Seeds(const District& d, const Projection& proj) {
  std::vector<QPoint> seeds;
  for (const QPointF& lonLat : d.points)
    seeds.push_back(proj.Pixel(lonLat));
  return seeds;
}

QString Where(QPoint p) { return QStringLiteral("%1,%2").arg(p.x()).arg(p.y()); }

} // namespace

std::vector<DistrictCheck> CheckMap(const QImage& map, const std::vector<District>& districts, const Projection& proj,
                                    const DistrictLabels& labels) {
  const QImage base = map.convertToFormat(QImage::Format_RGB32);
  std::vector<DistrictCheck> checks(districts.size());

  for (int y = 0; y < base.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(base.constScanLine(y));
    for (int x = 0; x < base.width(); ++x) {
      const int owner = labels.at({x, y});
      if (line[x] == kFill && owner >= 0)
        ++checks[owner].interior;
    }
  }

  for (size_t i = 0; i < districts.size(); ++i) {
    DistrictCheck& check = checks[i];
    QImage work = base; // shared until the fill writes to it
    for (const QPoint& seed : Seeds(districts[i], proj)) {
      if (!base.rect().contains(seed) || base.pixel(seed) != kFill) {
        check.problems << QStringLiteral("point %1 is not on the fill colour").arg(Where(seed));
        continue;
      }
      check.filled += vk::FloodFill4(work, seed, kMarker);
    }
    if (check.filled == 0)
      continue;

    for (size_t j = 0; j < districts.size(); ++j) {
      if (j == i)
        continue;
      for (const QPoint& other : Seeds(districts[j], proj))
        if (work.rect().contains(other) && work.pixel(other) == kMarker)
          check.problems << QStringLiteral("fill reaches the point %1 of %2").arg(Where(other), districts[j].code);
    }

    for (int y = 0; y < work.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(work.constScanLine(y));
      for (int x = 0; x < work.width(); ++x)
        if (line[x] == kMarker && labels.at({x, y}) != int(i))
          ++check.leaked;
    }
    if (check.leaked > 0)
      check.problems << QStringLiteral("%1 filled pixels lie outside the district").arg(check.leaked);
  }
  return checks;
}

QImage RenderFilledPreview(const QImage& map, const std::vector<District>& districts, const Projection& proj) {
  QImage preview = map.convertToFormat(QImage::Format_RGB32);
  for (size_t i = 0; i < districts.size(); ++i) {
    // Spread the hues so that neighbours rarely look alike.
    const QColor colour = QColor::fromHsv(int(i * 137 % 360), 110 + int(i * 53 % 100), 170 + int(i * 31 % 60));
    for (const QPoint& seed : Seeds(districts[i], proj))
      vk::FloodFill4(preview, seed, colour.rgb());
  }
  return preview;
}

} // namespace mkdd
