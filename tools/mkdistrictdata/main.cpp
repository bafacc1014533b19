// mkdistrictdata: makes the shipped district file (bez_koord.txt) and the
// district map (BZ_Karte.gif) from the boundary data in data/source, and checks
// that every district of the map can be flood-filled from its points.

#include "geodata.h"
#include "gifwriter.h"
#include "mapcheck.h"
#include "maprender.h"
#include "outputs.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTextStream>

#include <algorithm>
#include <stdexcept>

namespace {

QTextStream& Out() {
  static QTextStream out(stdout);
  return out;
}

QTextStream& Err() {
  static QTextStream err(stderr);
  return err;
}

struct Options {
  QString sourceDir;
  QString coordsPath;
  QString mapPath;
  QString fillCountsPath;
  QString previewPath;
  int width = 1200;
  double minCoverage = 0.90;
  bool dryRun = false;
};

Options ParseOptions(const QCoreApplication& app) {
  const QString data = QDir(QStringLiteral(MKDD_REPO_ROOT)).filePath(QStringLiteral("data"));
  Options o;
  o.sourceDir = data + QStringLiteral("/source");
  o.coordsPath = data + QStringLiteral("/bez_koord.txt");
  o.mapPath = data + QStringLiteral("/BZ_Karte.gif");

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Makes the district file and the district map from the boundary data and "
                     "checks the map by flood-filling every district."));
  parser.addHelpOption();
  const QCommandLineOption sourceOpt("source",
                                     "Folder with bezirke_995_geo.json, districts.csv, "
                                     "interior_points.csv.",
                                     "dir", o.sourceDir);
  const QCommandLineOption coordsOpt("coords", "District file to write.", "file", o.coordsPath);
  const QCommandLineOption mapOpt("map", "Map GIF to write.", "file", o.mapPath);
  const QCommandLineOption countsOpt("fill-counts",
                                     "Fill pixel counts to write "
                                     "(default: fill_pixels.csv in the source folder).",
                                     "file");
  const QCommandLineOption widthOpt("width", "Map width in pixels.", "px", QString::number(o.width));
  const QCommandLineOption coverageOpt("min-coverage",
                                       "Smallest share of a district's area "
                                       "its fill must reach, in percent.",
                                       "percent", "90");
  const QCommandLineOption previewOpt("preview",
                                      "Also write a PNG with every district filled "
                                      "in its own colour (written even if checks fail).",
                                      "file");
  const QCommandLineOption dryRunOpt("dry-run", "Check only; write no data files.");
  parser.addOptions({sourceOpt, coordsOpt, mapOpt, countsOpt, widthOpt, coverageOpt, previewOpt, dryRunOpt});
  parser.process(app);

  o.sourceDir = parser.value(sourceOpt);
  o.coordsPath = parser.value(coordsOpt);
  o.mapPath = parser.value(mapOpt);
  o.fillCountsPath =
      parser.isSet(countsOpt) ? parser.value(countsOpt) : QDir(o.sourceDir).filePath(QStringLiteral("fill_pixels.csv"));
  o.previewPath = parser.value(previewOpt);
  o.dryRun = parser.isSet(dryRunOpt);
  bool ok = false;
  o.width = parser.value(widthOpt).toInt(&ok);
  if (!ok || o.width < 200 || o.width > 10000)
    parser.showHelp(2);
  o.minCoverage = parser.value(coverageOpt).toDouble(&ok) / 100.0;
  if (!ok)
    parser.showHelp(2);
  return o;
}

// Prints the per-district table and returns whether every district passed.
bool Report(const std::vector<mkdd::District>& districts, const std::vector<mkdd::DistrictCheck>& checks,
            double minCoverage) {
  bool allOk = true;
  double lowest = 1.0;
  QString lowestCode;
  Out() << "gkz code  area  filled coverage\n";
  for (size_t i = 0; i < districts.size(); ++i) {
    const mkdd::DistrictCheck& c = checks[i];
    const bool covered = c.Coverage() >= minCoverage;
    Out() << QStringLiteral("%1 %2 %3 %4 %5 %  %6\n")
                 .arg(districts[i].gkz)
                 .arg(districts[i].code, -4)
                 .arg(c.interior, 6)
                 .arg(c.filled, 6)
                 .arg(100.0 * c.Coverage(), 6, 'f', 1)
                 .arg(districts[i].name);
    for (const QString& problem : c.problems)
      Err() << "FAIL " << districts[i].code << ": " << problem << "\n";
    if (!covered)
      Err() << "FAIL " << districts[i].code << ": coverage below " << 100.0 * minCoverage << " %\n";
    allOk = allOk && covered && c.problems.isEmpty();
    if (c.Coverage() < lowest) {
      lowest = c.Coverage();
      lowestCode = districts[i].code;
    }
  }
  Out() << QStringLiteral("lowest coverage: %1 % (%2)\n").arg(100.0 * lowest, 0, 'f', 1).arg(lowestCode);
  return allOk;
}

int Run(const Options& o) {
  const QDir source(o.sourceDir);
  const std::vector<mkdd::District> districts = mkdd::LoadDistricts(
      source.filePath(QStringLiteral("districts.csv")), source.filePath(QStringLiteral("interior_points.csv")),
      source.filePath(QStringLiteral("bezirke_995_geo.json")));
  const mkdd::Projection proj = mkdd::Projection::Fit(districts, o.width, 4);
  Out() << districts.size() << " districts; map " << proj.Describe() << "\n";

  const QImage rendered = mkdd::RenderMap(districts, proj);
  QString error;
  const QByteArray gif = mkdd::EncodeThreeColourGif(rendered, mkdd::kPalette, &error);
  if (gif.isEmpty()) {
    Err() << "GIF: " << error << "\n";
    return 1;
  }
  // Check the map as a reader will see it, not as it was drawn.
  QImage map;
  if (!map.loadFromData(gif, "GIF")) {
    Err() << "Qt cannot read the GIF just written\n";
    return 1;
  }
  map.convertTo(QImage::Format_RGB32);
  if (map != rendered) {
    Err() << "the GIF read back differs from the rendered map\n";
    return 1;
  }

  const mkdd::DistrictLabels labels = mkdd::RenderDistrictLabels(districts, proj);
  Out() << "pixels claimed by two districts: " << labels.overlapPixels << "\n";
  const std::vector<mkdd::DistrictCheck> checks = mkdd::CheckMap(map, districts, proj, labels);
  const bool ok = Report(districts, checks, o.minCoverage);

  if (!o.previewPath.isEmpty() && !mkdd::RenderFilledPreview(map, districts, proj).save(o.previewPath, "PNG")) {
    Err() << "cannot write " << o.previewPath << "\n";
    return 1;
  }
  if (!ok) {
    Err() << "checks failed; no data files written\n";
    return 1;
  }
  if (o.dryRun)
    return 0;

  const std::optional<QByteArray> coords = mkdd::DistrictFileContents(districts, proj, &error);
  if (!coords) {
    Err() << error << "\n";
    return 1;
  }
  if (!mkdd::WriteFile(o.mapPath, gif, &error) || !mkdd::WriteFile(o.coordsPath, *coords, &error) ||
      !mkdd::WriteFile(o.fillCountsPath, mkdd::FillCountsCsv(districts, checks), &error)) {
    Err() << error << "\n";
    return 1;
  }
  Out() << "wrote " << o.mapPath << ", " << o.coordsPath << ", " << o.fillCountsPath << "\n";
  return 0;
}

} // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("mkdistrictdata"));
  const Options options = ParseOptions(app);
  try {
    return Run(options);
  } catch (const std::exception& e) {
    Err() << e.what() << "\n";
    return 1;
  }
}
