#include "floodfill.h"

#include <vector>

namespace vk {

namespace {

// Brings the image into a 32-bit format the fill can address directly.
void EnsureFillableFormat(QImage& image) {
  switch (image.format()) {
  case QImage::Format_RGB32:
  case QImage::Format_ARGB32:
  case QImage::Format_ARGB32_Premultiplied:
    return;
  default:
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  }
}

// The value as stored in the image's pixel memory.
quint32 StoredValue(const QImage& image, QRgb colour) {
  switch (image.format()) {
  case QImage::Format_RGB32:
    return colour | 0xff000000u;
  case QImage::Format_ARGB32_Premultiplied:
    return qPremultiply(colour);
  default:
    return colour;
  }
}

} // namespace

int FloodFill4(QImage& image, QPoint seed, QRgb fillColour) {
  if (image.isNull() || !image.rect().contains(seed))
    return 0;
  EnsureFillableFormat(image);

  const int width = image.width();
  const int height = image.height();
  // bits() detaches a shared image once; scanLine() per row would check
  // (and on the first call copy) every time.
  uchar* const base = image.bits();
  const qsizetype stride = image.bytesPerLine();
  auto row = [base, stride](int y) { return reinterpret_cast<quint32*>(base + y * stride); };

  const quint32 target = row(seed.y())[seed.x()];
  const quint32 fill = StoredValue(image, fillColour);
  if (target == fill)
    return 0;

  int changed = 0;
  std::vector<QPoint> stack;
  stack.push_back(seed);

  // Looks for runs of target pixels on row y between x0 and x1 and pushes
  // one seed per run.
  auto pushRuns = [&](int y, int x0, int x1) {
    if (y < 0 || y >= height)
      return;
    const quint32* line = row(y);
    bool inRun = false;
    for (int x = x0; x <= x1; ++x) {
      const bool isTarget = line[x] == target;
      if (isTarget && !inRun)
        stack.emplace_back(x, y);
      inRun = isTarget;
    }
  };

  while (!stack.empty()) {
    const QPoint p = stack.back();
    stack.pop_back();
    quint32* line = row(p.y());
    if (line[p.x()] != target)
      continue; // filled meanwhile through another run

    int left = p.x();
    while (left > 0 && line[left - 1] == target)
      --left;
    int right = p.x();
    while (right < width - 1 && line[right + 1] == target)
      ++right;

    for (int x = left; x <= right; ++x)
      line[x] = fill;
    changed += right - left + 1;

    pushRuns(p.y() - 1, left, right);
    pushRuns(p.y() + 1, left, right);
  }
  return changed;
}

} // namespace vk
