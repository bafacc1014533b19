#include "entry/entryrules.h"

#include <gtest/gtest.h>

using namespace vk;

namespace {
const DateTimeSeparators kSeps;
}

TEST(EntryRules, KeyFiltersOfTheFields) {
  const struct {
    EntryField field;
    char ch;
    bool shift;
    bool pass;
    const char* text;
    EntryField jump;
  } cases[] = {
      {EntryField::Call, 'o', false, true, "O", EntryField::None},
      {EntryField::Call, '-', false, true, "/", EntryField::None},
      {EntryField::Call, '7', false, true, "7", EntryField::None},
      {EntryField::Call, '#', false, false, "#", EntryField::None},
      {EntryField::Call, ' ', false, false, " ", EntryField::District},
      {EntryField::RstSent, '5', false, true, "5", EntryField::None},
      {EntryField::RstSent, 'a', false, false, "a", EntryField::None},
      {EntryField::RstRcvd, ' ', false, false, " ", EntryField::District},
      {EntryField::RstRcvd, ' ', true, false, " ", EntryField::Call},
      {EntryField::District, 'w', false, true, "W", EntryField::None},
      {EntryField::District, ' ', false, false, " ", EntryField::Call},
      {EntryField::Time, ':', false, true, ":", EntryField::None},
      {EntryField::Time, '.', false, false, ".", EntryField::None},
      {EntryField::Time, ' ', true, false, " ", EntryField::District},
      {EntryField::Date, '.', false, true, ".", EntryField::None},
      {EntryField::Date, 'x', false, false, "x", EntryField::None},
      {EntryField::Band, ' ', false, false, " ", EntryField::Call},
      {EntryField::Note, ' ', false, true, " ", EntryField::None},
      {EntryField::Operator, 'k', false, true, "K", EntryField::None},
  };
  for (const auto& c : cases) {
    const KeyDecision d = EntryKeyRule(c.field, QLatin1Char(c.ch), c.shift, kSeps);
    SCOPED_TRACE(std::string(1, c.ch) + " in field " + std::to_string(int(c.field)));
    EXPECT_EQ(d.pass, c.pass);
    if (d.pass) {
      EXPECT_EQ(d.text, QString::fromLatin1(c.text));
    }
    EXPECT_EQ(d.jumpTo, c.jump);
  }
  EXPECT_TRUE(EntryKeyRule(EntryField::Time, QLatin1Char('1'), false, kSeps).stopClock);
  EXPECT_FALSE(EntryKeyRule(EntryField::Call, QLatin1Char('1'), false, kSeps).stopClock);
}

TEST(EntryRules, NormaliseTime) {
  const std::pair<const char*, const char*> cases[] = {
      {"930", "09:30"}, {"12", "00:12"}, {"12:5", "12:5"}, {"1745", "17:45"}, {"7", "00:07"}, {"09:30", "09:30"}};
  for (const auto& [in, out] : cases)
    EXPECT_EQ(NormaliseTime(QString::fromLatin1(in), QLatin1Char(':')), QString::fromLatin1(out)) << in;
}

TEST(EntryRules, TabJumpsCloseTheCircle) {
  EXPECT_EQ(NextAfterDistrict(true, false), EntryField::Date);
  EXPECT_EQ(NextAfterDistrict(true, true), EntryField::Qsl);
  EXPECT_EQ(NextAfterDistrict(false, false), EntryField::Time);
  EXPECT_EQ(NextAfterDistrict(false, true), EntryField::Band);
  EXPECT_EQ(NextAfterNote(false), EntryField::Time);
  EXPECT_EQ(NextAfterNote(true), EntryField::Band);
}

TEST(EntryRules, CountdownTexts) {
  const QString blanks(20, QLatin1Char(' '));
  const struct {
    QTime t;
    const char* text;
  } cases[] = {
      {QTime(4, 0, 0), "01:00:00 bis Contest-Beginn"},
      {QTime(5, 0, 0), "00:00:00"},
      {QTime(7, 59, 30), "00:00:30 bis Ende Periode 1"},
      {QTime(8, 0, 0), "00:00:00"},
      {QTime(8, 1, 30), "05:58:30 bis Beginn Periode 2"},
      {QTime(14, 0, 0), "00:00:00"},
      {QTime(16, 0, 1), "00:59:59 bis Contest-Ende"},
      {QTime(17, 30, 0), "00:00:00"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Countdown(c.t, QLatin1Char(':'), false, false, false).text, blanks + QString::fromLatin1(c.text))
        << c.t.toString().toStdString();
}

TEST(EntryRules, AutomaticSubmissionTriggers) {
  EXPECT_TRUE(Countdown(QTime(8, 1, 30), QLatin1Char(':'), true, false, false).submitPeriod1);
  EXPECT_FALSE(Countdown(QTime(8, 1, 30), QLatin1Char(':'), true, true, false).submitPeriod1);  // already sent
  EXPECT_FALSE(Countdown(QTime(8, 1, 30), QLatin1Char(':'), false, false, false).submitPeriod1); // empty log
  EXPECT_FALSE(Countdown(QTime(8, 1, 0), QLatin1Char(':'), true, false, false).submitPeriod1);
  EXPECT_FALSE(Countdown(QTime(8, 2, 0), QLatin1Char(':'), true, false, false).submitPeriod1);
  EXPECT_TRUE(Countdown(QTime(17, 1, 30), QLatin1Char(':'), true, false, false).submitPeriod2);
  EXPECT_FALSE(Countdown(QTime(17, 1, 30), QLatin1Char(':'), true, false, true).submitPeriod2);
  EXPECT_FALSE(Countdown(QTime(17, 1, 30), QLatin1Char(':'), true, false, false).submitPeriod1);

  EXPECT_TRUE(SubmitAtExit(QDate(2026, 5, 1), true, false, false));
  EXPECT_FALSE(SubmitAtExit(QDate(2026, 5, 2), true, false, false));
  EXPECT_FALSE(SubmitAtExit(QDate(2026, 5, 1), false, false, false));
  EXPECT_FALSE(SubmitAtExit(QDate(2026, 5, 1), true, true, false));
}

TEST(EntryRules, ClockOffsetCaptions) {
  EXPECT_EQ(ClockOffsetCaption(0), QStringLiteral("-12:00h"));
  EXPECT_EQ(ClockOffsetCaption(11), QStringLiteral("-01:00h"));
  EXPECT_EQ(ClockOffsetCaption(12), QStringLiteral("-00:00h"));
  EXPECT_EQ(ClockOffsetCaption(13), QStringLiteral("+01:00h"));
  EXPECT_EQ(ClockOffsetCaption(24), QStringLiteral("+12:00h"));
}
