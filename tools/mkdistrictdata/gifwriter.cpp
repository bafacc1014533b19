#include "gifwriter.h"

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace mkdd {

namespace {

int AppendToByteArray(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}

struct ColorMapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

} // namespace

QByteArray EncodeThreeColourGif(const QImage& source, const std::array<QRgb, 3>& palette, QString* error) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  const int width = image.width();
  const int height = image.height();

  std::vector<GifPixelType> indices(size_t(width) * height);
  for (int y = 0; y < height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      int index = -1;
      for (int i = 0; i < 3; ++i)
        if ((line[x] | 0xff000000u) == (palette[i] | 0xff000000u))
          index = i;
      if (index < 0) {
        *error = QStringLiteral("pixel %1,%2 has colour #%3, not one of the palette")
                     .arg(x)
                     .arg(y)
                     .arg(line[x] & 0xffffff, 6, 16, QChar(u'0'));
        return {};
      }
      indices[size_t(y) * width + x] = GifPixelType(index);
    }
  }

  GifColorType colours[4];
  for (int i = 0; i < 4; ++i) {
    const QRgb c = i < 3 ? palette[i] : palette[0];
    colours[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
  }
  std::unique_ptr<ColorMapObject, ColorMapDeleter> colourMap(GifMakeMapObject(4, colours));

  QByteArray bytes;
  int gifError = 0;
  GifFileType* gif = EGifOpen(&bytes, AppendToByteArray, &gifError);
  if (!gif) {
    *error = QString::fromUtf8(GifErrorString(gifError));
    return {};
  }
  bool ok = EGifPutScreenDesc(gif, width, height, 2, 0, colourMap.get()) == GIF_OK &&
            EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < height; ++y)
    ok = EGifPutLine(gif, &indices[size_t(y) * width], width) == GIF_OK;
  if (!ok)
    *error = QString::fromUtf8(GifErrorString(gif->Error));
  if (EGifCloseFile(gif, &gifError) != GIF_OK && ok) {
    *error = QString::fromUtf8(GifErrorString(gifError));
    ok = false;
  }
  return ok ? bytes : QByteArray();
}

} // namespace mkdd
