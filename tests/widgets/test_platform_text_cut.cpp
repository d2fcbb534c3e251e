// Texts cut to the tray's and the balloons' length limits.

#include "platform/text_cut.h"

#include <gtest/gtest.h>

namespace {

TEST(LeftWhole, CutsAtTheLimitButNeverInsideACharacter) {
  const QString clef = QString::fromUcs4(U"\U0001D11E"); // two UTF-16 units
  ASSERT_EQ(clef.size(), 2);
  EXPECT_EQ(platform::leftWhole(QStringLiteral("abcdef"), 4), QStringLiteral("abcd"));
  EXPECT_EQ(platform::leftWhole(QStringLiteral("abc"), 4), QStringLiteral("abc"));
  // The limit falls between the two halves: the whole character goes.
  EXPECT_EQ(platform::leftWhole(QStringLiteral("abc") + clef + u'd', 4), QStringLiteral("abc"));
  // The character ends at the limit, or the text does: it stays.
  EXPECT_EQ(platform::leftWhole(QStringLiteral("ab") + clef + u'd', 4),
            QStringLiteral("ab") + clef);
  EXPECT_EQ(platform::leftWhole(QStringLiteral("ab") + clef, 4), QStringLiteral("ab") + clef);
  EXPECT_EQ(platform::leftWhole(clef + clef, 3), clef);
}

} // namespace
