// The district file and the district map installed with the program.
#include "core/districts.h"
#include "scoring/ui/floodfill.h"
#include "support/fixtures.h"
#include "support/scriptedprompter.h"

#include <QFile>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

const QString kData = QStringLiteral(VK_SOURCE_DIR "/data/");

struct CsvDistrict {
  QString name;
  int state = 0;
  QString code;
};

// data/source/districts.csv: gkz,name,state,code,code_source (UTF-8).
std::vector<CsvDistrict> ReadDistrictsCsv() {
  QFile f(kData + QStringLiteral("source/districts.csv"));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  std::vector<CsvDistrict> rows;
  const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QStringList f2 = lines[i].trimmed().split(QLatin1Char(','));
    rows.push_back({f2[1], f2[2].toInt(), f2[3]});
  }
  return rows;
}

// data/source/fill_pixels.csv: gkz,code,pixels as recorded by the generator.
QHash<QString, int> ReadFillPixels() {
  QFile f(kData + QStringLiteral("source/fill_pixels.csv"));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  QHash<QString, int> pixels;
  const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QStringList f2 = lines[i].trimmed().split(QLatin1Char(','));
    pixels.insert(f2[1], f2[2].toInt());
  }
  return pixels;
}

} // namespace

TEST(ShippedData, DistrictFileMatchesTheSourceTable) {
  ScriptedPrompter prompter;
  DistrictTable t;
  ASSERT_TRUE(LoadDistricts(kData + QStringLiteral("bez_koord.txt"), t, prompter));
  const auto csv = ReadDistrictsCsv();
  ASSERT_EQ(t.count(), 94);
  ASSERT_EQ(csv.size(), 94u);
  QSet<QString> codes;
  for (int i = 1; i <= t.count(); ++i) {
    const DistrictEntry& d = t[i];
    SCOPED_TRACE(d.Code.toStdString());
    EXPECT_EQ(d.Code.size(), 2);
    EXPECT_TRUE(d.Code[0].isUpper() && d.Code[1].isUpper());
    codes.insert(d.Code);
    EXPECT_EQ(d.Code, csv[size_t(i - 1)].code);
    EXPECT_EQ(d.Name, csv[size_t(i - 1)].name);
    EXPECT_EQ(d.State, csv[size_t(i - 1)].state);
    EXPECT_EQ(t.DistrictIndex(d.Code), i);
  }
  EXPECT_EQ(codes.size(), 94);
  // Districts in two parts carry the second part's point.
  for (const char* code : {"AM", "WB", "RE"})
    EXPECT_EQ(t[t.DistrictIndex(QString::fromLatin1(code))].ExtraPoints.size(), 1u) << code;
  // The file is Windows-1252 with CR LF.
  QFile f(kData + QStringLiteral("bez_koord.txt"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  EXPECT_EQ(bytes.count("\r\n"), 94);
  EXPECT_EQ(bytes.count('\n'), 94);
  EXPECT_TRUE(bytes.contains("G\xFCssing"));
}

TEST(ShippedData, EveryDistrictFillsItsOwnAreaOnTheMap) {
  ScriptedPrompter prompter;
  DistrictTable t;
  ASSERT_TRUE(LoadDistricts(kData + QStringLiteral("bez_koord.txt"), t, prompter));
  QImage map(kData + QStringLiteral("BZ_Karte.gif"));
  ASSERT_FALSE(map.isNull());
  EXPECT_GE(map.width(), 1000);
  EXPECT_LE(map.width(), 1600);
  const auto recorded = ReadFillPixels();

  QImage work = map.convertToFormat(QImage::Format_RGB32);
  // Three colours only: fill, border, outside.
  QSet<QRgb> colours;
  for (int y = 0; y < work.height(); ++y)
    for (int x = 0; x < work.width(); ++x)
      colours.insert(work.pixel(x, y));
  EXPECT_EQ(colours.size(), 3);

  const QRgb districtColour = work.pixel(t[1].MapX, t[1].MapY);
  // Each district gets its own test colour; a fill that leaked would take
  // another district's point with it and that district would find its point
  // already coloured.
  for (int i = 1; i <= t.count(); ++i) {
    const DistrictEntry& d = t[i];
    SCOPED_TRACE(d.Code.toStdString());
    const QRgb testColour = qRgb(i, 255 - i, 100);
    std::vector<QPoint> points{QPoint(d.MapX, d.MapY)};
    points.insert(points.end(), d.ExtraPoints.begin(), d.ExtraPoints.end());
    int filled = 0;
    for (const QPoint& p : points) {
      ASSERT_TRUE(work.rect().contains(p));
      const QRgb before = work.pixel(p);
      EXPECT_TRUE(before == districtColour || before == testColour) << "point " << p.x() << "," << p.y();
      filled += FloodFill4(work, p, testColour);
    }
    EXPECT_GE(filled, recorded.value(d.Code, INT_MAX));
  }
  // No district's point was taken over by another district's fill.
  for (int i = 1; i <= t.count(); ++i)
    EXPECT_EQ(work.pixel(t[i].MapX, t[i].MapY), qRgb(i, 255 - i, 100)) << t[i].Code.toStdString();
}
