#pragma once

// Drawing the district map and the per-district reference areas.

#include "geodata.h"

#include <QImage>
#include <QRgb>

#include <array>
#include <vector>

namespace mkdd {

// The three colours of the map. Everything the program fills is kFill; the
// fill stops at kBorder; kOutside is neither, so a fill never spreads into it.
inline constexpr QRgb kOutside = 0xffc8d4e1; // light grey-blue
inline constexpr QRgb kBorder = 0xff000000;  // black
inline constexpr QRgb kFill = 0xffffffff;    // white
inline constexpr std::array<QRgb, 3> kPalette{kOutside, kBorder, kFill};

// Renders the map into an RGB32 image holding only the three colours:
// districts filled, then every ring drawn as a closed 1-pixel line without
// antialiasing. Consecutive pixels of such a line touch at least at a corner,
// so a 4-connected fill can never cross it.
QImage RenderMap(const std::vector<District>& districts, const Projection& proj);

// For every pixel the index into districts of the district whose own area
// (rendered alone, same rules as the map fill) covers it, or -1.
// overlapPixels counts pixels claimed by more than one district.
struct DistrictLabels {
  QSize size;
  std::vector<int> label;
  int overlapPixels = 0;
  int at(QPoint p) const { return label[size_t(p.y()) * size.width() + p.x()]; }
};
DistrictLabels RenderDistrictLabels(const std::vector<District>& districts, const Projection& proj);

} // namespace mkdd
