#include "maprender.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <utility>

namespace mkdd {

namespace {

// Boundary vertices are snapped to pixels first, so that the filled area
// (pixel centres inside the path) and the border line (the pixels between the
// snapped vertices) agree on which side of a border a pixel lies.
QPoint SnappedVertex(const Projection& proj, QPointF lonLat) { return proj.Pixel(lonLat); }

QPointF PixelCentre(QPoint p) { return QPointF(p.x() + 0.5, p.y() + 0.5); }

QPainterPath DistrictPath(const District& d, const Projection& proj) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill); // holes (statutory cities, enclaves) stay out
  for (const Polygon& polygon : d.polygons)
    for (const Ring& ring : polygon) {
      path.moveTo(PixelCentre(SnappedVertex(proj, ring.front())));
      for (size_t i = 1; i < ring.size(); ++i)
        path.lineTo(PixelCentre(SnappedVertex(proj, ring[i])));
      path.closeSubpath();
    }
  return path;
}

void DrawRing(QPainter& painter, const Ring& ring, const Projection& proj) {
  for (size_t i = 1; i < ring.size(); ++i) {
    QPoint a = SnappedVertex(proj, ring[i - 1]);
    QPoint b = SnappedVertex(proj, ring[i]);
    // A shared border is drawn once from each side; drawing it in one
    // fixed direction gives the same pixels both times.
    if (std::make_pair(b.x(), b.y()) < std::make_pair(a.x(), a.y()))
      std::swap(a, b);
    painter.drawLine(a, b);
    painter.drawPoint(a); // the ends, whatever the line's end-point rule
    painter.drawPoint(b);
  }
}

} // namespace

QImage RenderMap(const std::vector<District>& districts, const Projection& proj) {
  QImage image(proj.ImageSize(), QImage::Format_RGB32);
  image.fill(kOutside);

  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const District& d : districts)
    painter.fillPath(DistrictPath(d, proj), QColor::fromRgb(kFill));

  QPen pen(QColor::fromRgb(kBorder));
  pen.setWidth(0); // cosmetic: exactly one pixel
  painter.setPen(pen);
  for (const District& d : districts)
    for (const Polygon& polygon : d.polygons)
      for (const Ring& ring : polygon)
        DrawRing(painter, ring, proj);
  painter.end();
  return image;
}

DistrictLabels RenderDistrictLabels(const std::vector<District>& districts, const Projection& proj) {
  DistrictLabels labels;
  labels.size = proj.ImageSize();
  labels.label.assign(size_t(labels.size.width()) * labels.size.height(), -1);

  QImage alone(labels.size, QImage::Format_RGB32);
  for (size_t i = 0; i < districts.size(); ++i) {
    const QPainterPath path = DistrictPath(districts[i], proj);
    alone.fill(Qt::black);
    QPainter painter(&alone);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(path, Qt::white);
    painter.end();

    const QRect box = path.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1).intersected(alone.rect());
    for (int y = box.top(); y <= box.bottom(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(alone.constScanLine(y));
      for (int x = box.left(); x <= box.right(); ++x) {
        if (line[x] != 0xffffffffu)
          continue;
        int& owner = labels.label[size_t(y) * labels.size.width() + x];
        if (owner >= 0)
          ++labels.overlapPixels;
        else
          owner = int(i);
      }
    }
  }
  return labels;
}

} // namespace mkdd
