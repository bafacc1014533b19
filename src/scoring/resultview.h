#pragma once

#include "core/districts.h"
#include "core/stationheader.h"
#include "scoring/tally.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace vk {

// What the result window shows after one refresh: the summary and the rows of
// its five grids. Band cells are those in the grid's band columns (40/80/30 m).
struct ResultView {
  ScoreSummary summary;
  std::vector<QStringList> prefixRows;   // prefix, 80m, 30m
  std::vector<QStringList> districtRows; // code, 40m, 80m, 30m
  std::vector<QStringList> stateRows;    // "OE1".."OE9", 40m, 80m, 30m
  std::vector<QStringList> modeRows;     // "SSB"/"CW", 40m, 80m, 30m, Ges
  std::vector<QStringList> periodRows;   // "SSB-Vm".."CW-Nm", 40m, 80m, 30m, Ges
};

ResultView BuildResultView(const ScoreTally& tally, const DistrictTable& districts, const StationHeader& header);

// Tooltips of the period grid's rows 1 to 4.
QString PeriodRowTooltip(int row);

// Plain decimal text of a figure, without decimal places.
QString FigureText(double value);

// Window positions are stored in twips, 15 to the pixel.
inline constexpr int kTwipsPerPixel = 15;
// The stored position in pixels when it lies on the screen (stored value below
// the screen's extent in twips), else nullopt.
std::optional<int> StoredPositionPixels(int storedTwips, int screenExtentPixels);

} // namespace vk
