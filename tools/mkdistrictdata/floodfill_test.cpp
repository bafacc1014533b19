// Tests of vk::FloodFill4, the fill used by the map window and by the
// generator's map check.

#include "scoring/ui/floodfill.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <queue>

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kRed = 0xffff0000;

// Straightforward breadth-first 4-connected fill as the reference.
int ReferenceFill(QImage& image, QPoint seed, QRgb fill) {
  const QRgb target = image.pixel(seed);
  if (target == fill)
    return 0;
  int count = 0;
  std::queue<QPoint> queue;
  queue.push(seed);
  image.setPixel(seed, fill);
  while (!queue.empty()) {
    const QPoint p = queue.front();
    queue.pop();
    ++count;
    for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
      const QPoint q = p + d;
      if (image.rect().contains(q) && image.pixel(q) == target) {
        image.setPixel(q, fill);
        queue.push(q);
      }
    }
  }
  return count;
}

int CountColour(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      n += image.pixel(x, y) == colour;
  return n;
}

} // namespace

class FloodFillTest : public QObject {
  Q_OBJECT

private slots:
  // Random black/white images have every shape of run the scanline fill
  // must handle: overhangs, pockets reached only from below, single pixels.
  void matchesBreadthFirstFillOnRandomImages() {
    QRandomGenerator rng(4711);
    for (int round = 0; round < 40; ++round) {
      QImage image(37, 23, QImage::Format_RGB32);
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          image.setPixel(x, y, rng.bounded(100) < 42 ? kBlack : kWhite);
      const QPoint seed(rng.bounded(image.width()), rng.bounded(image.height()));

      QImage expected = image.copy();
      const int expectedCount = ReferenceFill(expected, seed, kRed);
      QImage actual = image.copy();
      QCOMPARE(vk::FloodFill4(actual, seed, kRed), expectedCount);
      QCOMPARE(actual, expected);
    }
  }

  // The map's borders are 1-pixel lines drawn without antialiasing; where
  // they run diagonally, neighbouring pixels touch only at corners. The fill
  // must not slip through those corners.
  void stopsAtDiagonalOnePixelBorder() {
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    painter.setPen(QPen(QColor::fromRgb(kBlack), 0));
    const QPolygon diamond({QPoint(30, 3), QPoint(57, 30), QPoint(30, 57), QPoint(3, 30)});
    painter.drawPolygon(diamond);
    painter.end();
    QImage outsideOnly = image.copy();
    const int outside = ReferenceFill(outsideOnly, QPoint(0, 0), kRed);

    const int inside = vk::FloodFill4(image, QPoint(30, 30), kRed);
    QVERIFY(inside > 1000);
    QCOMPARE(image.pixel(0, 0), kWhite);
    QCOMPARE(image.pixel(59, 59), kWhite);
    QCOMPARE(CountColour(image, kWhite), outside);
    QCOMPARE(CountColour(image, kRed), inside);
  }

  void leavesImageAloneWhenNothingToFill_data() {
    QTest::addColumn<QPoint>("seed");
    QTest::addColumn<QRgb>("fill");
    QTest::newRow("left of image") << QPoint(-1, 2) << kRed;
    QTest::newRow("below image") << QPoint(2, 5) << kRed;
    QTest::newRow("right of image") << QPoint(8, 0) << kRed;
    QTest::newRow("seed already fill colour") << QPoint(1, 1) << kWhite;
  }
  void leavesImageAloneWhenNothingToFill() {
    QFETCH(QPoint, seed);
    QFETCH(QRgb, fill);
    QImage image(8, 5, QImage::Format_RGB32);
    image.fill(kWhite);
    const QImage before = image.copy();
    QCOMPARE(vk::FloodFill4(image, seed, fill), 0);
    QCOMPARE(image, before);

    QImage null;
    QCOMPARE(vk::FloodFill4(null, QPoint(0, 0), kRed), 0);
  }

  // A filled copy must not change the image it was copied from; the map
  // window fills copies of one loaded map.
  void fillingSharedCopyLeavesOriginal() {
    QImage original(10, 10, QImage::Format_RGB32);
    original.fill(kWhite);
    QImage copy = original;
    QCOMPARE(vk::FloodFill4(copy, QPoint(5, 5), kRed), 100);
    QCOMPARE(CountColour(original, kWhite), 100);
    QCOMPARE(CountColour(copy, kRed), 100);
  }

  void fillsOtherFormats_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QRgb>("fill");
    QTest::addColumn<QRgb>("expectedPixel");
    // A GIF loads as an indexed image: it is converted first.
    QTest::newRow("indexed") << int(QImage::Format_Indexed8) << kRed << kRed;
    QTest::newRow("RGB32 ignores alpha") << int(QImage::Format_RGB32) << 0x00ff0000u << kRed;
    QTest::newRow("ARGB32") << int(QImage::Format_ARGB32) << 0x80ff0000u << 0x80ff0000u;
    QTest::newRow("premultiplied") << int(QImage::Format_ARGB32_Premultiplied) << 0x80ff0000u << 0x80ff0000u;
    QTest::newRow("RGB888") << int(QImage::Format_RGB888) << kRed << kRed;
  }
  void fillsOtherFormats() {
    QFETCH(int, format);
    QFETCH(QRgb, fill);
    QFETCH(QRgb, expectedPixel);
    // White with a black vertical wall at x == 3: only the left side fills.
    QImage image(7, 4, QImage::Format_RGB32);
    image.fill(kWhite);
    for (int y = 0; y < 4; ++y)
      image.setPixel(3, y, kBlack);
    image = image.convertToFormat(QImage::Format(format));

    QCOMPARE(vk::FloodFill4(image, QPoint(1, 2), fill), 12);
    QCOMPARE(image.depth(), 32);
    // pixelColor() undoes premultiplication, pixel() would not.
    QCOMPARE(image.pixelColor(0, 0).rgba(), expectedPixel);
    QCOMPARE(image.pixelColor(4, 0).rgba(), kWhite);
    QCOMPARE(image.pixelColor(3, 0).rgba(), kBlack);
  }
};

QTEST_APPLESS_MAIN(FloodFillTest)
#include "floodfill_test.moc"
