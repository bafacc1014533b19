#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QString>

#include <array>

namespace mkdd {

// Encodes an image that uses only the three given colours as a single-frame
// GIF. A GIF colour table has a power-of-two size, so the table has four
// entries; the fourth repeats the first and no pixel uses it. Returns an
// empty array and sets *error if a pixel has another colour or giflib fails.
QByteArray EncodeThreeColourGif(const QImage& image, const std::array<QRgb, 3>& palette, QString* error);

} // namespace mkdd
