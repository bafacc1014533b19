#include "entry/entryrules.h"

#include "core/contest.h"

namespace vk {

namespace {

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool IsLetter(QChar c) { return c.isLetter(); }

} // namespace

KeyDecision EntryKeyRule(EntryField field, QChar ch, bool shift, const DateTimeSeparators& seps) {
  KeyDecision d;
  d.text = ch;
  const bool space = ch == QLatin1Char(' ');
  switch (field) {
  case EntryField::Date:
  case EntryField::Time:
    d.stopClock = true;
    if (space) {
      d.pass = false;
      d.jumpTo = shift ? EntryField::District : EntryField::Call;
      return d;
    }
    d.pass = IsDigit(ch) || ch == (field == EntryField::Date ? seps.date : seps.time);
    return d;
  case EntryField::Band:
  case EntryField::Mode:
  case EntryField::Qsl:
    if (space) {
      d.pass = false;
      d.jumpTo = shift ? EntryField::District : EntryField::Call;
    }
    return d;
  case EntryField::Call:
    if (space) {
      d.pass = false;
      d.jumpTo = EntryField::District;
      return d;
    }
    if (ch == QLatin1Char('-')) {
      d.text = QStringLiteral("/");
      return d;
    }
    if (ch == QLatin1Char('/') || IsDigit(ch)) {
      return d;
    }
    if (IsLetter(ch)) {
      d.text = QString(ch).toUpper();
      return d;
    }
    d.pass = false;
    return d;
  case EntryField::RstSent:
  case EntryField::RstRcvd:
    if (space) {
      d.pass = false;
      d.jumpTo = shift ? EntryField::Call : EntryField::District;
      return d;
    }
    d.pass = IsDigit(ch);
    return d;
  case EntryField::District:
    if (space) {
      d.pass = false;
      d.jumpTo = EntryField::Call;
      return d;
    }
    d.text = QString(ch).toUpper();
    return d;
  case EntryField::Operator:
    d.text = QString(ch).toUpper();
    return d;
  case EntryField::Note:
  case EntryField::None:
    return d;
  }
  return d;
}

QString NormaliseTime(const QString& text, QChar timeSeparator) {
  QString t = text;
  if (t.size() < 5)
    t = t.rightJustified(4, QLatin1Char('0'));
  if (t.contains(timeSeparator))
    return t;
  return t.left(t.size() - 2) + timeSeparator + t.right(2);
}

EntryField NextAfterDistrict(bool secondRowVisible, bool dateTimeLocked) {
  if (secondRowVisible)
    return dateTimeLocked ? EntryField::Qsl : EntryField::Date;
  return dateTimeLocked ? EntryField::Band : EntryField::Time;
}

EntryField NextAfterNote(bool dateTimeLocked) { return dateTimeLocked ? EntryField::Band : EntryField::Time; }

CountdownTick Countdown(QTime t, QChar sep, bool hasQsos, bool submitted1, bool submitted2) {
  CountdownTick tick;
  const int s = t.hour() * 3600 + t.minute() * 60 + t.second();
  auto at = [](int h, int m = 0, int sec = 0) { return h * 3600 + m * 60 + sec; };
  int target = -1;
  QString after;
  if (s < at(5)) {
    target = at(5);
    after = QStringLiteral(" bis Contest-Beginn");
  } else if (s > at(5) && s < at(8)) {
    target = at(8);
    after = QStringLiteral(" bis Ende Periode 1");
  } else if (s > at(8) && s <= at(14)) {
    if (s < at(14))
      target = at(14);
    after = QStringLiteral(" bis Beginn Periode 2");
    tick.submitPeriod1 = s > at(8, 1) && s < at(8, 2) && hasQsos && !submitted1;
  } else if (s > at(14)) {
    if (s < at(17))
      target = at(17);
    after = QStringLiteral(" bis Contest-Ende");
    tick.submitPeriod2 = s > at(17, 1) && s < at(17, 2) && hasQsos && !submitted2;
  }
  tick.text = QString(20, QLatin1Char(' '));
  if (target >= 0 && target - s >= 1) {
    const int r = target - s;
    tick.text += QStringLiteral("%1:%2:%3")
                     .arg(r / 3600, 2, 10, QLatin1Char('0'))
                     .arg((r / 60) % 60, 2, 10, QLatin1Char('0'))
                     .arg(r % 60, 2, 10, QLatin1Char('0')) +
                 after;
  } else {
    tick.text += QStringLiteral("00") + sep + QStringLiteral("00") + sep + QStringLiteral("00");
  }
  return tick;
}

bool SubmitAtExit(QDate date, bool hasQsos, bool submitted1, bool submitted2) {
  return IsContestDay(date) && hasQsos && !submitted1 && !submitted2;
}

QString ClockOffsetCaption(int index) {
  const int offset = index - 12;
  return QStringLiteral("%1%2:00h").arg(offset > 0 ? QLatin1Char('+') : QLatin1Char('-')).arg(std::abs(offset), 2, 10,
                                                                                              QLatin1Char('0'));
}

} // namespace vk
