#include "entry/dupecheck.h"

#include "core/contest.h"
#include "core/numbers.h"
#include "core/vkerror.h"

namespace vk {

DupeCheckResult CallExistTest(const LogStore& store, QStringView call, QStringView bandText, QStringView modeText,
                              QStringView timeText, const DateTimeSeparators& seps) {
  DupeCheckResult result;
  qsizetype pos = store.FindCall(call);
  if (pos == 0)
    return result;
  const auto newTime = ParseTimeOfDay(timeText);
  if (!newTime)
    throw VkError(TypeMismatchText());
  const bool newAfternoon = IsAfternoon(*newTime);
  const int band = int(LeadingNumber(bandText));
  while (pos != 0) {
    const IndexEntry entry = store.DecodeIndexEntry(pos);
    if (entry.call != call)
      return result;
    if (entry.index >= 0 && size_t(entry.index) < store.Records.size()) {
      const QsoRecord& r = store.Records[size_t(entry.index)];
      result.districtFound = true;
      result.district = r.District;
      if (r.Call == call && r.Band == band && r.Mode == modeText && r.Status != kStatusDeleted &&
          r.Status != kStatusDupe) {
        const auto t = ParseTimeOfDay(r.QsoTime);
        if (!t)
          throw VkError(TypeMismatchText());
        if (IsAfternoon(*t) == newAfternoon) {
          result.dupe = true;
          result.earlierTime = seps.FormatShortTime(*t);
          result.recordIndex = entry.index;
          return result;
        }
      }
    }
    pos = store.FindCallFrom(call, pos + 1);
  }
  return result;
}

QString DupeWarningText(const QString& earlierTime) {
  return QStringLiteral("Station bereits um ") + earlierTime + QStringLiteral(" Uhr gearbeitet!");
}

QString CallListHint(QStringView callListText, QStringView fieldText) {
  QString c = fieldText.trimmed().toString().toUpper();
  const qsizetype slash = c.indexOf(QLatin1Char('/'));
  if (slash >= 3)
    c.truncate(slash);
  if (c.isEmpty())
    return {};

  // End of the line holding a position (a CR before the LF is left out).
  auto lineEnd = [&](qsizetype from) {
    qsizetype lf = callListText.indexOf(QLatin1Char('\n'), from);
    if (lf < 0)
      lf = callListText.size();
    if (lf > from && callListText[lf - 1] == QLatin1Char('\r'))
      --lf;
    return lf;
  };

  const QString key = QLatin1Char(';') + c;
  qsizetype p = callListText.indexOf(key);
  if (p >= 0) {
    // A blank, then the text after the ";" up to the end of the line.
    const qsizetype e = lineEnd(p);
    return QLatin1Char(' ') + callListText.mid(p + 1, e - p - 1).toString();
  }

  qsizetype lastDigit = -1;
  for (qsizetype i = 0; i < c.size(); ++i)
    if (c[i].unicode() < ':')
      lastDigit = i;
  if (lastDigit < 0)
    return {};
  const QString suffix = c.mid(lastDigit + 1);
  if (suffix.isEmpty())
    return {};
  p = callListText.indexOf(QLatin1Char(';') + suffix);
  if (p < 0 || p == 0 || callListText[p - 1].unicode() >= ':' || !callListText[p - 1].isDigit())
    return {};
  const qsizetype lf = callListText.lastIndexOf(QLatin1Char('\n'), p - 1);
  const qsizetype start = lf < 0 ? 1 : lf + 1;
  const qsizetype e = lineEnd(p);
  return callListText.mid(start, p - start).toString() + QLatin1Char(' ') +
         callListText.mid(p + 1, e - p - 1).toString();
}

} // namespace vk
