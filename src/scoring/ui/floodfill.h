#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>

namespace vk {

// Fills the 4-connected area of pixels that have exactly the seed pixel's
// colour with fillColour and returns the number of pixels changed.
//
// 4-connected means that the fill spreads only left, right, up and down, never
// diagonally, so a 1-pixel border line drawn without antialiasing (an
// 8-connected line) always stops it.
//
// Returns 0 and leaves the image untouched if the image is null, the seed lies
// outside the image, or the seed pixel already has fillColour.
//
// Pixel formats: the fill works on 32-bit pixels. RGB32, ARGB32 and
// ARGB32_Premultiplied images are filled in place (fillColour is premultiplied
// for the latter; for RGB32 its alpha is ignored). Any other format, including
// indexed images as loaded from a GIF, is first converted in place to ARGB32
// (if it has an alpha channel) or RGB32, so after the call image.format() may
// differ from before. Convert once before filling many times.
int FloodFill4(QImage& image, QPoint seed, QRgb fillColour);

} // namespace vk
