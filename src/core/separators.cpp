#include "core/separators.h"


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

// Splits "12:30:05" into at most three numbers; any single non-digit
// separates. Returns the count, 0 for anything else. (No allocation: the
// recount reads every stored time this way.)
int SplitNumbers(QStringView text, int (&parts)[3]) {
  text = text.trimmed();
  int count = 0;
  int value = -1;
  for (QChar c : text) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
      value = (value < 0 ? 0 : value) * 10 + (c.unicode() - '0');
      if (value > 100000)
        return 0;
    } else {
      if (value < 0 || count == 3)
        return 0;
      parts[count++] = value;
      value = -1;
    }
  }
  if (value < 0 || count == 3)
    return 0;
  parts[count++] = value;
  return count;
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
  int parts[3] = {0, 0, 0};
  const int n = SplitNumbers(text, parts);
  if (n < 2) // a bare number is no time
    return std::nullopt;
  QTime t(parts[0], parts[1], n > 2 ? parts[2] : 0);
  if (!t.isValid())
    return std::nullopt;
  return t;
}

std::optional<QDate> ParseDate(QStringView text) {
  int parts[3] = {0, 0, 0};
  if (SplitNumbers(text, parts) != 3)
    return std::nullopt;
  int y = parts[2];
  if (y < 100)
    y += y < 30 ? 2000 : 1900;
  QDate d(y, parts[1], parts[0]);
  if (!d.isValid())
    return std::nullopt;
  return d;
}

} // namespace vk
