#pragma once

// Checking the rendered map the way the program will use it: flood-filling
// each district from its interior points.

#include "geodata.h"
#include "maprender.h"

#include <QImage>
#include <QStringList>

#include <vector>

namespace mkdd {

struct DistrictCheck {
  int filled = 0;   // pixels reached from the district's points
  int interior = 0; // fill-coloured pixels of the district's own area
  int leaked = 0;   // filled pixels that belong to another district's area or none
  QStringList problems;
  double Coverage() const { return interior > 0 ? double(filled) / interior : 0.0; }
};

// One entry per district, same order. A district fails if one of its points
// is not on the fill colour, if its fill reaches another district's point, or
// if its fill leaves its own area.
std::vector<DistrictCheck> CheckMap(const QImage& map, const std::vector<District>& districts, const Projection& proj,
                                    const DistrictLabels& labels);

// The map with every district flood-filled from its points in its own
// colour; what stays white was not reached.
QImage RenderFilledPreview(const QImage& map, const std::vector<District>& districts, const Projection& proj);

} // namespace mkdd
