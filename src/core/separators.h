#pragma once

#include <QChar>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

namespace vk {

// Separators of stored dates ("dd.mm.yyyy") and times ("hh:mm:ss"): the first
// non-digit character of the system's short date and short time format. Where
// that is no punctuation (the C locale's short date gives a blank), "." and ":"
// are used.
struct DateTimeSeparators {
  QChar date = QLatin1Char('.');
  QChar time = QLatin1Char(':');

  static DateTimeSeparators FromLocale(const QLocale& locale);
  static DateTimeSeparators FromSystem() { return FromLocale(QLocale::system()); }

  QString FormatDate(QDate d) const;         // dd.mm.yyyy
  QString FormatTime(QTime t) const;         // hh:mm:ss
  QString FormatShortTime(QTime t) const;    // hh:mm
  // The default licence-exam date: "00", separator, "00", separator, "2000".
  QString EmptyExamDate() const;
};

// Reads a time of day the way the program reads its stored times: hours,
// optionally minutes and seconds, separated by any single non-digit character.
// Blanks around it are ignored. Returns nullopt for anything else.
std::optional<QTime> ParseTimeOfDay(QStringView text);
// Same for a date: day, month, year (two- or four-digit year).
std::optional<QDate> ParseDate(QStringView text);

} // namespace vk
