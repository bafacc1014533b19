#include "core/codepage.h"

#include <array>

namespace vk {
namespace {

// Code points of bytes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int EncodeChar(char16_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
    return u;
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == u)
      return 0x80 + i;
  return -1;
}

} // namespace

QChar Cp1252ToChar(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0)
    return QChar(kHigh[byte - 0x80]);
  return QChar(byte);
}

bool IsCp1252Representable(QChar ch) { return EncodeChar(ch.unicode()) >= 0; }

QByteArray ToCp1252(QStringView text) {
  QByteArray out;
  out.resize(text.size());
  char* dst = out.data();
  qsizetype n = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t u = text[i].unicode();
    int b = EncodeChar(u);
    if (b < 0) {
      b = '?';
      // A surrogate pair is one character: one "?" for both halves.
      if (QChar::isHighSurrogate(u) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode()))
        ++i;
    }
    dst[n++] = static_cast<char>(b);
  }
  out.truncate(n);
  return out;
}

QString FromCp1252(QByteArrayView bytes) {
  QString out(bytes.size(), Qt::Uninitialized);
  QChar* dst = out.data();
  const auto* src = reinterpret_cast<const unsigned char*>(bytes.data());
  for (qsizetype i = 0; i < bytes.size(); ++i)
    dst[i] = Cp1252ToChar(src[i]);
  return out;
}

} // namespace vk
