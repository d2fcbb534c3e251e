// Named colours and window fonts.

#include "platform/colors.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

using namespace platform;

TEST(Colors, ClassicIntegersAreBlueGreenRed) {
  EXPECT_EQ(toQColor(14548991), QColor(255, 255, 221));
  EXPECT_EQ(toQColor(clRed), QColor(255, 0, 0));
  EXPECT_EQ(toQColor(clNavy), QColor(0, 0, 128));
  EXPECT_EQ(toQColor(clOlive), QColor(128, 128, 0));
  EXPECT_EQ(toQColor(clTeal), QColor(0, 128, 128));
  EXPECT_EQ(toQColor(clLime), QColor(0, 255, 0));
  EXPECT_EQ(toQColor(clSilver), QColor(192, 192, 192));
  EXPECT_EQ(toQColor(clAqua), QColor(0, 255, 255));
}

TEST(Colors, SystemColoursComeFromThePalette) {
  QPalette p;
  p.setColor(QPalette::Button, QColor(1, 2, 3));
  p.setColor(QPalette::Highlight, QColor(4, 5, 6));
  p.setColor(QPalette::HighlightedText, QColor(7, 8, 9));
  p.setColor(QPalette::ToolTipBase, QColor(10, 11, 12));
  p.setColor(QPalette::ToolTipText, QColor(13, 14, 15));
  p.setColor(QPalette::Base, QColor(16, 17, 18));
  EXPECT_EQ(toQColor(clBtnFace, p), QColor(1, 2, 3));
  EXPECT_EQ(toQColor(clHighlight, p), QColor(4, 5, 6));
  EXPECT_EQ(toQColor(clHighlightText, p), QColor(7, 8, 9));
  EXPECT_EQ(toQColor(clInfoBk, p), QColor(10, 11, 12));
  EXPECT_EQ(toQColor(clInfoText, p), QColor(13, 14, 15));
  EXPECT_EQ(toQColor(clWindow, p), QColor(16, 17, 18));
  EXPECT_EQ(toQColor(clBtnFace), QApplication::palette().color(QPalette::Button));
}

TEST(Colors, NamesLookUpTheTable) {
  EXPECT_EQ(colorByName("clSilver"), clSilver);
  EXPECT_EQ(colorByName("clbtnface"), clBtnFace);
  EXPECT_EQ(colorByName("clWindowFrame"), clWindowFrame);
  EXPECT_FALSE(colorByName("clNoSuchColour").has_value());
}

TEST(Fonts, NegativeHeightIsAnEmInPixels) {
  const QFont f = font("Arial", -11, fsBold | fsItalic);
  EXPECT_EQ(f.pixelSize(), 11);
  EXPECT_TRUE(f.bold());
  EXPECT_TRUE(f.italic());
  EXPECT_FALSE(f.underline());
}

TEST(Fonts, PositiveHeightIsTheWholeCell) {
  for (int height : {13, 16, 24}) {
    const QFont f = font("Arial", height);
    EXPECT_LE(QFontMetrics(f).height(), height);
    EXPECT_GE(f.pixelSize(), height * 2 / 3);
  }
}

TEST(Fonts, WindowFamiliesMapToInstalledLookAlikes) {
  installFontSubstitutions();
  struct Case {
    const char *asked;
    const char *got;
  };
  for (const Case &c :
       {Case{"MS Sans Serif", "Liberation Sans"}, Case{"Arial", "Liberation Sans"},
        Case{"Times New Roman", "Liberation Serif"}, Case{"Book Antiqua", "P052"}}) {
    SCOPED_TRACE(c.asked);
    EXPECT_TRUE(QFontInfo(font(c.asked, -12)).family().startsWith(c.got))
        << QFontInfo(font(c.asked, -12)).family().toStdString();
  }
}

} // namespace
