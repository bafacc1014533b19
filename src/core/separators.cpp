#include "core/separators.h"

#include <vector>

namespace vk {
namespace {

QChar FirstNonDigit(const QString& text, QChar fallback) {
  for (QChar c : text) {
    if (c.isDigit())
      continue;
    return c.isPunct() ? c : fallback;
  }
  return fallback;
}

QString Two(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

// Splits "12:30:05" into numbers; any single non-digit separates.
std::optional<std::vector<int>> SplitNumbers(QStringView text) {
  text = text.trimmed();
  std::vector<int> parts;
  int value = -1;
  for (QChar c : text) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
      value = (value < 0 ? 0 : value) * 10 + (c.unicode() - '0');
      if (value > 100000)
        return std::nullopt;
    } else {
      if (value < 0)
        return std::nullopt;
      parts.push_back(value);
      value = -1;
    }
  }
  if (value < 0)
    return std::nullopt;
  parts.push_back(value);
  return parts;
}

} // namespace

DateTimeSeparators DateTimeSeparators::FromLocale(const QLocale& locale) {
  DateTimeSeparators s;
  s.date = FirstNonDigit(QDate(2000, 11, 22).toString(locale.dateFormat(QLocale::ShortFormat)),
                         QLatin1Char('.'));
  s.time = FirstNonDigit(QTime(11, 22, 33).toString(locale.timeFormat(QLocale::ShortFormat)),
                         QLatin1Char(':'));
  return s;
}

QString DateTimeSeparators::FormatDate(QDate d) const {
  return Two(d.day()) + date + Two(d.month()) + date + QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0'));
}

QString DateTimeSeparators::FormatTime(QTime t) const {
  return Two(t.hour()) + time + Two(t.minute()) + time + Two(t.second());
}

QString DateTimeSeparators::FormatShortTime(QTime t) const { return Two(t.hour()) + time + Two(t.minute()); }

QString DateTimeSeparators::EmptyExamDate() const {
  return QStringLiteral("00") + date + QStringLiteral("00") + date + QStringLiteral("2000");
}

std::optional<QTime> ParseTimeOfDay(QStringView text) {
  auto parts = SplitNumbers(text);
  if (!parts || parts->empty() || parts->size() > 3)
    return std::nullopt;
  const int h = (*parts)[0];
  const int m = parts->size() > 1 ? (*parts)[1] : 0;
  const int s = parts->size() > 2 ? (*parts)[2] : 0;
  if (parts->size() == 1)
    return std::nullopt; // a bare number is no time
  QTime t(h, m, s);
  if (!t.isValid())
    return std::nullopt;
  return t;
}

std::optional<QDate> ParseDate(QStringView text) {
  auto parts = SplitNumbers(text);
  if (!parts || parts->size() != 3)
    return std::nullopt;
  int y = (*parts)[2];
  if (y < 100)
    y += y < 30 ? 2000 : 1900;
  QDate d(y, (*parts)[1], (*parts)[0]);
  if (!d.isValid())
    return std::nullopt;
  return d;
}

} // namespace vk
