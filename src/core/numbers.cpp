#include "core/numbers.h"

#include "core/vkerror.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace vk {
namespace {

template <typename CharAt>
double ReadLeading(qsizetype size, CharAt at) {
  qsizetype i = 0;
  auto skipBlanks = [&] {
    while (i < size && (at(i) == ' ' || at(i) == '\t'))
      ++i;
  };
  skipBlanks();
  bool negative = false;
  if (i < size && (at(i) == '-' || at(i) == '+')) {
    negative = at(i) == '-';
    ++i;
  }
  double value = 0;
  bool fraction = false;
  double scale = 1;
  for (; i < size; ++i) {
    const char16_t c = at(i);
    if (c == ' ' || c == '\t')
      continue;
    if (c >= '0' && c <= '9') {
      if (fraction) {
        scale /= 10;
        value += (c - '0') * scale;
      } else {
        value = value * 10 + (c - '0');
      }
    } else if (c == '.' && !fraction) {
      fraction = true;
    } else {
      break;
    }
  }
  return negative ? -value : value;
}

} // namespace

double LeadingNumber(QStringView text) {
  return ReadLeading(text.size(), [&](qsizetype i) { return text[i].unicode(); });
}

double LeadingNumber(QByteArrayView text) {
  return ReadLeading(text.size(), [&](qsizetype i) { return char16_t(static_cast<unsigned char>(text[i])); });
}

double RoundHalfEven(double v) {
  const double r = std::round(v);
  if (std::fabs(v - std::trunc(v)) == 0.5)
    return 2.0 * std::round(v / 2.0);
  return r;
}

std::int16_t ToInt16(double v) {
  const double r = RoundHalfEven(v);
  if (!(r >= std::numeric_limits<std::int16_t>::min() && r <= std::numeric_limits<std::int16_t>::max()))
    throw VkError(OverflowText());
  return static_cast<std::int16_t>(r);
}

bool IsNumeric(QStringView text) {
  text = text.trimmed();
  if (text.isEmpty())
    return false;
  qsizetype i = 0;
  if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+'))
    ++i;
  bool digits = false, dot = false;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isDigit() && c.unicode() < 128)
      digits = true;
    else if (c == QLatin1Char('.') && !dot)
      dot = true;
    else
      return false;
  }
  return digits;
}

void Increment(std::int16_t& counter) {
  if (counter == std::numeric_limits<std::int16_t>::max())
    throw VkError(OverflowText());
  ++counter;
}

void Decrement(std::int16_t& counter) {
  if (counter == std::numeric_limits<std::int16_t>::min())
    throw VkError(OverflowText());
  --counter;
}

} // namespace vk
