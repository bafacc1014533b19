#include "scoring/bandcolours.h"

namespace vk {

BandColours FarbenLaden(const SettingsFile& settings) {
  auto read = [&](const char* key) {
    const int v = settings.ReadNumber(QStringLiteral("Farben"), QString::fromLatin1(key));
    return v == 0 ? kWhiteColourValue : v;
  };
  BandColours c;
  c.band40 = read("40mFarbe");
  c.band80 = read("80mFarbe");
  c.band30 = read("30mFarbe");
  return c;
}

Rgb ColourValueToRgb(int value) {
  const unsigned v = unsigned(value);
  return {int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF)};
}

} // namespace vk
