#include "logmgmt/filenames.h"

#include <gtest/gtest.h>

using namespace vk;

TEST(TypedFileName, RefusesForbiddenCharactersBeforeTheLength) {
  const struct {
    QString name;
    FileNameCheck expected;
  } cases[] = {
      {QStringLiteral("KDRW_20260501_OE0AAA"), FileNameCheck::Ok},
      {QStringLiteral("Übung mit € und ß"), FileNameCheck::Ok},
      {QStringLiteral("a/b"), FileNameCheck::Invalid},
      {QStringLiteral("a\\b"), FileNameCheck::Invalid},
      {QStringLiteral("a:b"), FileNameCheck::Invalid},
      {QStringLiteral("a<b"), FileNameCheck::Invalid},
      {QStringLiteral("a>b"), FileNameCheck::Invalid},
      {QStringLiteral("a?b"), FileNameCheck::Invalid},
      {QStringLiteral("a|b"), FileNameCheck::Invalid},
      {QStringLiteral("a\"b"), FileNameCheck::Invalid},
      {QStringLiteral("a*b"), FileNameCheck::Invalid},
      {QStringLiteral("a\tb"), FileNameCheck::Invalid},
      {QStringLiteral("a") + QChar(1), FileNameCheck::Invalid},
      {QStringLiteral("a") + QChar(31), FileNameCheck::Invalid},
      {QStringLiteral("a") + QChar(0), FileNameCheck::Invalid},
      {QStringLiteral("Logā"), FileNameCheck::Invalid}, // not in Windows-1252
      {QStringLiteral("Log ✓"), FileNameCheck::Invalid},
      {QString::fromUtf8("Log \xF0\x9F\x93\xBB"), FileNameCheck::Invalid}, // outside the BMP
      {QString(250, QLatin1Char('x')), FileNameCheck::Ok},
      {QString(251, QLatin1Char('x')), FileNameCheck::TooLong},
      {QString(251, QLatin1Char('x')) + QLatin1Char(':'), FileNameCheck::Invalid},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CheckTypedFileName(c.name), c.expected) << c.name.toStdString();
}

TEST(TypedFileName, LogExtensionIsAppendedUnlessPresentInAnyCase) {
  EXPECT_EQ(WithLogExtension(QStringLiteral("neu")), QStringLiteral("neu.VKDRZ"));
  EXPECT_EQ(WithLogExtension(QStringLiteral("neu.vkdrz")), QStringLiteral("neu.vkdrz"));
  EXPECT_EQ(WithLogExtension(QStringLiteral("neu.VkDrZ")), QStringLiteral("neu.VkDrZ"));
  EXPECT_EQ(WithLogExtension(QStringLiteral("neu.VKDRZ.txt")), QStringLiteral("neu.VKDRZ.txt.VKDRZ"));
  EXPECT_EQ(WithLogExtension(QStringLiteral("neuVKDRZ")), QStringLiteral("neuVKDRZ.VKDRZ"));
}
