#include "core/codepage.h"

#include <gtest/gtest.h>

using namespace vk;

TEST(CodePage, EveryByteSurvivesTheRoundTrip) {
  QByteArray all;
  for (int b = 0; b < 256; ++b)
    all.append(char(b));
  EXPECT_EQ(ToCp1252(FromCp1252(all)), all);
}

TEST(CodePage, MapsTheSpecialCharactersOfTheLogFile) {
  EXPECT_EQ(ToCp1252(QStringLiteral("¶©äöüßÄÖÜ€")), QByteArray("\xB6\xA9\xE4\xF6\xFC\xDF\xC4\xD6\xDC\x80"));
  EXPECT_EQ(FromCp1252(QByteArray("\x80\x9A\xB6")), QStringLiteral("€š¶"));
}

TEST(CodePage, UnrepresentableCharactersBecomeQuestionMarks) {
  // ✓, ā and the call index mark × ... × is Latin-1 (0xD7) and stays.
  EXPECT_EQ(ToCp1252(QStringLiteral("a✓bāc×")), QByteArray("a?b?c\xD7"));
  // A character outside the basic plane is one character: one "?".
  EXPECT_EQ(ToCp1252(QString::fromUtf8("x\xF0\x9F\x93\xBBy")), QByteArray("x?y"));
  EXPECT_FALSE(IsCp1252Representable(QChar(0x2713)));
  EXPECT_TRUE(IsCp1252Representable(QChar(0x20AC)));
}
