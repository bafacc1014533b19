#include "core/numbers.h"
#include "core/separators.h"
#include "core/vkerror.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace vk;

TEST(Numbers, LeadingNumberReadsLikeADecimalReader) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"80", 80},   {"  40m", 40},  {"-3", -3},      {"3500.5kHz", 3500.5}, {"abc", 0}, {"", 0},
      {"1 2", 12},  {"\t7", 7},     {"7,5", 7},      {"+4", 4},             {".5", 0.5}, {"1.2.3", 1.2},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromLatin1(c.text)), c.value) << c.text;
    EXPECT_DOUBLE_EQ(LeadingNumber(QByteArrayView(c.text)), c.value) << c.text;
  }
}

TEST(Numbers, RoundingGoesHalfToEven) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.51), 3);
  EXPECT_EQ(ToInt16(12.5), 12);
  EXPECT_EQ(ToInt16(13.5), 14);
}

TEST(Numbers, SixteenBitConversionAndCountersOverflow) {
  EXPECT_EQ(ToInt16(32767), 32767);
  EXPECT_THROW(ToInt16(32768), VkError);
  std::int16_t c = 32766;
  Increment(c);
  EXPECT_EQ(c, 32767);
  try {
    Increment(c);
    FAIL() << "no overflow";
  } catch (const VkError& e) {
    EXPECT_EQ(e.description(), QStringLiteral("Überlauf"));
  }
}

TEST(Separators, TakenFromTheLocaleWithAFallbackForBlanks) {
  const auto de = DateTimeSeparators::FromLocale(QLocale(QLocale::German, QLocale::Austria));
  EXPECT_EQ(de.date, QLatin1Char('.'));
  EXPECT_EQ(de.time, QLatin1Char(':'));
  // The C locale's short date is "d MMM yyyy": a blank is no separator.
  const auto c = DateTimeSeparators::FromLocale(QLocale::c());
  EXPECT_EQ(c.date, QLatin1Char('.'));
  EXPECT_EQ(c.time, QLatin1Char(':'));
  const auto us = DateTimeSeparators::FromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(us.date, QLatin1Char('/'));
  EXPECT_EQ(us.FormatDate(QDate(2026, 5, 1)), QStringLiteral("01/05/2026"));
  EXPECT_EQ(de.FormatTime(QTime(8, 5, 0)), QStringLiteral("08:05:00"));
}

TEST(Separators, TimesAndDatesAreReadWithAnySeparator) {
  EXPECT_EQ(ParseTimeOfDay(u"08:15:00"), QTime(8, 15, 0));
  EXPECT_EQ(ParseTimeOfDay(u"12.00"), QTime(12, 0));
  EXPECT_EQ(ParseTimeOfDay(u"25:00:00"), std::nullopt);
  EXPECT_EQ(ParseTimeOfDay(u"abc"), std::nullopt);
  EXPECT_EQ(ParseTimeOfDay(u"0815"), std::nullopt);
  EXPECT_EQ(ParseDate(u"01.05.2026"), QDate(2026, 5, 1));
  EXPECT_EQ(ParseDate(u"31.02.2026"), std::nullopt);
}
