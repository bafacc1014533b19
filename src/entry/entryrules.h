#pragma once

#include "core/separators.h"

#include <QChar>
#include <QString>
#include <QTime>

#include <optional>

namespace vk {

// The fields of the entry line.
enum class EntryField { None, Date, Time, Band, Mode, Call, RstSent, RstRcvd, District, Qsl, Note, Operator };

// What the entry line does with one typed character.
struct KeyDecision {
  bool pass = true;          // the character reaches the field
  QString text;              // the text typed instead (upper case, "-" as "/")
  EntryField jumpTo = EntryField::None; // focus target of a swallowed space
  bool stopClock = false;    // typing into date or time stops the clock
};

// The key rule of a field for a printable character (Enter, Tab and the editing
// keys are handled by the window). `shift` is the Shift flag: set by a key
// pressed with exactly Shift, cleared by any key release.
KeyDecision EntryKeyRule(EntryField field, QChar ch, bool shift, const DateTimeSeparators& seps);

// A time typed without separator: "930" gives "09:30", "12" gives "00:12";
// a text that holds the separator stays as it is.
QString NormaliseTime(const QString& text, QChar timeSeparator);

// Where Tab without Shift goes from the last field of a row.
EntryField NextAfterDistrict(bool secondRowVisible, bool dateTimeLocked);
EntryField NextAfterNote(bool dateTimeLocked);

// The countdown of the menu bar and the automatic submission after each period.
struct CountdownTick {
  QString text;             // 20 blanks, then hh:mm:ss and the text after it
  bool submitPeriod1 = false; // between 08:01 and 08:02
  bool submitPeriod2 = false; // between 17:01 and 17:02
};

// `hasQsos`: the grid holds a QSO; the flags say whether the automatic
// submission of that period already happened.
CountdownTick Countdown(QTime t, QChar timeSeparator, bool hasQsos, bool submittedPeriod1, bool submittedPeriod2);

// Whether the log is submitted when the program closes: on 1 May, with QSOs,
// unless an automatic submission happened since the last accepted QSO.
bool SubmitAtExit(QDate contestClockDate, bool hasQsos, bool submittedPeriod1, bool submittedPeriod2);

// Captions of the clock-offset menu: "-12:00h" ... "-01:00h", "-00:00h", "+01:00h" ... "+12:00h".
QString ClockOffsetCaption(int index);

} // namespace vk
