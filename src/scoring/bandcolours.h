#pragma once

#include "core/settingsfile.h"

namespace vk {

// Colour values as the settings store them: 0x00BBGGRR (blue-green-red bytes).
inline constexpr int kWhiteColourValue = 0xFFFFFF;

// The band colours of the result window, section "Farben", keys "40mFarbe",
// "80mFarbe", "30mFarbe". A value that reads as 0 (missing) is white.
struct BandColours {
  int band40 = kWhiteColourValue;
  int band80 = kWhiteColourValue;
  int band30 = kWhiteColourValue;

  // By band column: 0 = 40 m, 1 = 80 m, 2 = 30 m.
  int column(int c) const { return c == 0 ? band40 : c == 1 ? band80 : band30; }
};

BandColours FarbenLaden(const SettingsFile& settings);

// Red, green and blue of a stored colour value.
struct Rgb {
  int r = 0, g = 0, b = 0;
};
Rgb ColourValueToRgb(int value);

} // namespace vk
