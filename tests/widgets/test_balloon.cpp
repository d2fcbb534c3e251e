// The balloon hint: its numbers, its outline, its pixels over the screen's
// picture, and how it comes, goes and hands the hints back.
#include "components/balloon_drawing.h"
#include "components/balloon_hint.h"
#include "components/balloon_window.h"
#include "event_order.h"
#include "platform/hint_display.h"
#include "platform/region.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace balloon;
using P = BalloonPosition;

namespace {

// A rectangle given as left, top, right, bottom (right and bottom outside).
QRect ltrb(int l, int t, int r, int b) {
  return QRect(l, t, r - l, b - t);
}

const QRect kScreen(0, 0, 1024, 768);

} // namespace

TEST(BalloonGeometry, TheNumbersOfOneBalloon) {
  // Shadow 8, text measured 100 x 13, above and right of the cursor.
  const QSize size = windowSize({100, 13}, 8);
  EXPECT_EQ(size, QSize(141, 59));
  const Geometry g = geometry(size, P::bpAboveRight, 8);
  EXPECT_EQ(g.body, ltrb(15, 0, 133, 32));
  EXPECT_EQ(g.tail[0], QPoint(0, 51));
  EXPECT_EQ(g.tail[1], QPoint(21, 31));
  EXPECT_EQ(g.tail[2], QPoint(41, 31));
  EXPECT_EQ(g.text, ltrb(24, 9, 124, 23));
  const Placement placed = placeOnScreen(P::bpAboveRight, {500, 400}, size, kScreen);
  EXPECT_EQ(placed.position, P::bpAboveRight);
  EXPECT_EQ(placed.topLeft, QPoint(500, 341));
  // A very short text still makes a balloon 59 wide.
  EXPECT_EQ(windowSize({4, 13}, 8).width(), 59);
  EXPECT_EQ(windowSize({4, 13}, 0).width(), 59);
}

TEST(BalloonGeometry, FlipsAwayFromTheScreenEdges) {
  const QSize size(141, 59);
  struct Case {
    const char *what;
    P preferred;
    QPoint cursor;
    P position;
    QPoint topLeft;
  } cases[] = {
      {"room everywhere", P::bpAboveRight, {500, 400}, P::bpAboveRight, {500, 341}},
      {"right edge", P::bpAboveRight, {1000, 400}, P::bpAboveLeft, {859, 341}},
      {"top edge", P::bpAboveRight, {500, 30}, P::bpBelowRight, {501, 31}},
      {"top right corner", P::bpAboveRight, {1000, 30}, P::bpBelowLeft, {859, 30}},
      {"left edge", P::bpAboveLeft, {100, 400}, P::bpAboveRight, {100, 341}},
      {"bottom edge", P::bpBelowRight, {500, 740}, P::bpAboveRight, {500, 681}},
      {"bottom left corner", P::bpBelowLeft, {20, 740}, P::bpAboveRight, {20, 681}},
      {"on the last column", P::bpAboveRight, {1023, 400}, P::bpAboveLeft, {882, 341}},
  };
  for (const Case &c : cases) {
    const Placement placed = placeOnScreen(c.preferred, c.cursor, size, kScreen);
    EXPECT_EQ(placed.position, c.position) << c.what;
    EXPECT_EQ(placed.topLeft, c.topLeft) << c.what;
  }
}

TEST(BalloonGeometry, TooBigForEitherSideStaysOnTheScreen) {
  // 700 x 500 fits neither left nor right of 512, nor above or below 384.
  const Placement placed = placeOnScreen(P::bpAboveRight, {512, 384}, {700, 500}, kScreen);
  EXPECT_TRUE(kScreen.contains(QRect(placed.topLeft, QSize(700, 500))));
  // Larger than the screen: its top-left corner stays on it.
  EXPECT_EQ(placeOnScreen(P::bpBelowRight, {512, 384}, {2000, 900}, kScreen).topLeft, QPoint(0, 0));
  // A screen that does not start at the origin.
  const QRect second(1024, 0, 800, 600);
  const Placement there = placeOnScreen(P::bpAboveLeft, {1030, 300}, {141, 59}, second);
  EXPECT_EQ(there.position, P::bpAboveRight);
  EXPECT_EQ(there.topLeft, QPoint(1030, 241));
}

TEST(BalloonGeometry, MaxWidthInPixels) {
  EXPECT_EQ(maxWidthPixels(-4, 1024), 256);
  EXPECT_EQ(maxWidthPixels(5000, 1024), 1024);
  EXPECT_EQ(maxWidthPixels(0, 1024), 1024);
  EXPECT_EQ(maxWidthPixels(300, 1024), 300);
  EXPECT_EQ(maxWidthPixels(INT_MIN, 1024), 0);
  // Text is wrapped to the wider side of the cursor, within the maximum.
  EXPECT_EQ(measuringWidth(900, kScreen, 256, 8), 256 - 8 - 33);
  EXPECT_EQ(measuringWidth(900, kScreen, 2000, 8), 900 - 8 - 33);
  EXPECT_EQ(measuringWidth(100, kScreen, 2000, 0), 924 - 33);
  // A maximum smaller than the margins still wraps at one pixel.
  EXPECT_EQ(measuringWidth(500, kScreen, 10, 16), 1);
}

TEST(BalloonRegion, ShadowIsPartOfTheWindowsOutline) {
  const QSize size(141, 59);
  const Geometry g = geometry(size, P::bpAboveRight, 8);
  const QRegion balloon = balloonRegion(g, BalloonShape::bsRoundRect, 0, size);
  EXPECT_TRUE(balloon.contains(QPoint(0, 51))) << "the tail's tip";
  EXPECT_TRUE(balloon.contains(QPoint(21, 31)));
  EXPECT_TRUE(balloon.contains(QPoint(70, 0))) << "the body's top";
  EXPECT_FALSE(balloon.contains(QPoint(15, 0))) << "a rounded corner";
  EXPECT_FALSE(balloon.contains(QPoint(70, 32))) << "below the body";
  EXPECT_TRUE(balloonRegion(g, BalloonShape::bsRectangle, 0, size).contains(QPoint(15, 0)));

  const QRegion shaded = windowRegion(g, BalloonShape::bsRoundRect, 8, size);
  EXPECT_EQ(shaded, balloon.united(balloon.translated(8, 8)));
  EXPECT_TRUE(shaded.contains(QPoint(136, 36)));
  EXPECT_FALSE(shaded.contains(QPoint(140, 2)));
  // Without a shadow the outline is the balloon alone.
  const Geometry flat = geometry({133, 51}, P::bpAboveRight, 0);
  EXPECT_EQ(windowRegion(flat, BalloonShape::bsRoundRect, 0, {133, 51}),
            balloonRegion(flat, BalloonShape::bsRoundRect, 0, {133, 51}));
}

namespace {

// A balloon painted over a background of known colours.
QImage rendered(BalloonShadowStyle style, int shadowDepth = 8) {
  QImage back(141, 59, QImage::Format_RGB32);
  back.fill(QColor(40, 160, 220));
  Picture p;
  p.client = back.size();
  p.shadowDepth = shadowDepth;
  p.shadowStyle = style;
  p.look = {defaultHintFont(), Qt::black, QColor(255, 255, 225), QColor(10, 20, 30)};
  p.background = QPixmap::fromImage(back);
  p.text = QStringLiteral("Hint");
  QImage out(back.size(), QImage::Format_RGB32);
  out.fill(Qt::magenta);
  QPainter painter(&out);
  paintBalloon(painter, p);
  return out;
}

// Outside the balloon: the screen's picture, black on every other pixel of
// the shadow (x + y even) with the shaded style, black all over with the solid
// one. Returns the number of shadow pixels seen.
int checkAroundTheBalloon(const QImage &image, int shadowDepth, BalloonShadowStyle style) {
  const QColor back(40, 160, 220);
  const QSize size = image.size();
  const QRegion balloon = balloonRegion(geometry(size, P::bpAboveRight, shadowDepth),
                                        BalloonShape::bsRoundRect, 0, size);
  const QRegion shadow = shadowDepth ? balloon.translated(shadowDepth, shadowDepth) : QRegion();
  int shadowPixels = 0;
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) {
      const QColor seen = image.pixelColor(x, y);
      if (balloon.contains(QPoint(x, y)))
        continue;
      QColor expected = back;
      if (shadow.contains(QPoint(x, y))) {
        ++shadowPixels;
        if (style == BalloonShadowStyle::ssSolid || (x + y) % 2 == 0)
          expected = Qt::black;
      }
      EXPECT_EQ(seen, expected) << x << "," << y;
      if (seen != expected)
        return -1;
    }
  return shadowPixels;
}

} // namespace

TEST(BalloonPaint, ShadowOverThePictureOfTheScreen) {
  const QImage shaded = rendered(BalloonShadowStyle::ssShaded);
  EXPECT_GT(checkAroundTheBalloon(shaded, 8, BalloonShadowStyle::ssShaded), 300);
  // The body: outline at its edge, fill inside.
  EXPECT_EQ(shaded.pixelColor(70, 0), QColor(10, 20, 30));
  EXPECT_EQ(shaded.pixelColor(70, 2), QColor(255, 255, 225));
  EXPECT_EQ(shaded.pixelColor(0, 51), QColor(10, 20, 30));
  const QRect text = geometry(shaded.size(), P::bpAboveRight, 8).text;
  int ink = 0;
  for (int y = text.top(); y <= text.bottom(); ++y)
    for (int x = text.left(); x <= text.right(); ++x)
      ink += qGray(shaded.pixel(x, y)) < 128;
  EXPECT_GT(ink, 10) << "the text";

  EXPECT_GT(
      checkAroundTheBalloon(rendered(BalloonShadowStyle::ssSolid), 8, BalloonShadowStyle::ssSolid),
      300);
  EXPECT_EQ(checkAroundTheBalloon(rendered(BalloonShadowStyle::ssShaded, 0), 0,
                                  BalloonShadowStyle::ssShaded),
            0);
}

namespace {

struct BalloonHintTest : ::testing::Test {
  BalloonHint hint;
  BalloonHintWindow *window() { return hint.hintWindow(); }
  // Somewhere with room on every side of the offscreen screen.
  const QPoint cursor{300, 300};
};

} // namespace

TEST_F(BalloonHintTest, ShowsTheTextAtTheCursorCutToItsShape) {
  QWidget under;
  under.setGeometry(250, 150, 300, 300);
  under.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&under));
  window()->activateHint(QStringLiteral("Click here and drag to move the mixer..."), cursor);
  ASSERT_TRUE(window()->isVisible());
  const QRect shown = window()->geometry();
  EXPECT_EQ(shown.bottomLeft() + QPoint(0, 1), cursor) << "above and right of the cursor";
  EXPECT_EQ(window()->currentPosition(), P::bpAboveRight);
  const Geometry g = geometry(shown.size(), P::bpAboveRight, 8);
  EXPECT_EQ(platform::windowRegion(window())->toQRegion(),
            windowRegion(g, BalloonShape::bsRoundRect, 8, shown.size()));
  // Cut to its shape it shows the screen as it is: a repaint beneath leaves it.
  under.repaint();
  ASSERT_TRUE(test_support::runQueued());
  EXPECT_TRUE(window()->isVisible());
  // Text longer than the buffer is cut.
  window()->activateHint(QString(300, QLatin1Char('x')), cursor);
  EXPECT_EQ(window()->text().size(), 255);
  window()->releaseHint();
  EXPECT_FALSE(window()->isVisible());
  EXPECT_FALSE(BalloonWindow::hookInstalled());
}

TEST_F(BalloonHintTest, WrapsLongTextsToTheMaximumWidth) {
  const int screen = BalloonSettings::screenWidth();
  hint.setMaxWidth(5000);
  EXPECT_EQ(hint.maxWidth(), screen);
  hint.setMaxWidth(-4);
  EXPECT_EQ(hint.maxWidthPixels(), screen / 4);
  const QString words = QStringLiteral("word ").repeated(60);
  window()->activateHint(words, cursor);
  EXPECT_LE(window()->width(), screen / 4);
  EXPECT_GT(window()->height(), 59 + 13) << "wrapped onto several lines";
  // One word wider than the maximum is not broken.
  window()->activateHint(QString(60, QLatin1Char('W')), cursor);
  EXPECT_GT(window()->width(), screen / 4);
  // 0: as wide as the screen allows.
  hint.setMaxWidth(0);
  window()->activateHint(words, cursor);
  EXPECT_GT(window()->width(), screen / 4);
  EXPECT_LE(window()->width(), screen);
}

TEST_F(BalloonHintTest, NoHintWhileAMouseButtonIsDown) {
  QWidget other;
  other.resize(100, 100);
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
  QTest::mousePress(&other, Qt::LeftButton, {}, {50, 50});
  window()->activateHint(QStringLiteral("hint"), cursor);
  EXPECT_FALSE(window()->isVisible());
  BalloonBehaviors allowed = hint.behavior();
  allowed.setFlag(BalloonBehavior::bbNoShowMouseDown, false);
  hint.setBehavior(allowed);
  window()->activateHint(QStringLiteral("hint"), cursor);
  EXPECT_TRUE(window()->isVisible());
  QTest::mouseRelease(&other, Qt::LeftButton, {}, {50, 50});
}

TEST_F(BalloonHintTest, WithoutRegionsOneHookCancelsOnClicksAndRepaints) {
  hint.setBehavior(BalloonBehavior::bbHideOnPaint);
  QWidget under;
  under.setGeometry(250, 150, 300, 300);
  under.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&under));

  window()->activateHint(QStringLiteral("first"), cursor);
  window()->activateHint(QStringLiteral("second, without hiding"), cursor);
  EXPECT_FALSE(platform::windowRegion(window())) << "a whole rectangle";
  EXPECT_EQ(BalloonWindow::shownBalloon(), window());
  EXPECT_TRUE(BalloonWindow::hookInstalled());
  // A repaint of the window under it: gone at the next turn of the loop.
  under.repaint();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window()->isVisible(); }, 2000));
  EXPECT_FALSE(BalloonWindow::hookInstalled());
  EXPECT_EQ(BalloonWindow::shownBalloon(), nullptr);

  // A repaint away from it leaves it; a click anywhere takes it away.
  window()->activateHint(QStringLiteral("third"), cursor);
  under.repaint(QRect(250, 250, 10, 10));
  ASSERT_TRUE(test_support::runQueued());
  EXPECT_TRUE(window()->isVisible());
  QTest::mouseClick(&under, Qt::RightButton, {}, {290, 290});
  EXPECT_FALSE(window()->isVisible());
  EXPECT_FALSE(BalloonWindow::hookInstalled());
}

TEST_F(BalloonHintTest, StylesChooseFontAndColours) {
  hint.setStyle(HintStyle::hsCustom);
  hint.setFont(QFont(QStringLiteral("Liberation Serif"), 14));
  hint.setColor(platform::clLime);
  hint.setBorderColor(platform::clRed);
  window()->activateHint(QStringLiteral("custom"), cursor);
  EXPECT_EQ(window()->look().font.family(), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(window()->look().fill, QColor(0, 255, 0));
  EXPECT_EQ(window()->look().outline, QColor(255, 0, 0));

  // The desktop's status font when it has one, else the default hint font.
  hint.setStyle(HintStyle::hsSystem);
  window()->activateHint(QStringLiteral("system"), cursor);
  EXPECT_EQ(window()->look().font, defaultHintFont());
  const QFont general = QApplication::font();
  QFont status(QStringLiteral("Liberation Mono"), 11);
  QApplication::setFont(status, "QStatusBar");
  window()->activateHint(QStringLiteral("system"), cursor);
  QApplication::setFont(general, "QStatusBar");
  EXPECT_EQ(window()->look().font.family(), QStringLiteral("Liberation Mono"));
  EXPECT_EQ(window()->look().fill, platform::toQColor(platform::clInfoBk));
}

TEST_F(BalloonHintTest, TheDefaultOutlineIsTheWindowFrameColour) {
  window()->activateHint(QStringLiteral("outline"), cursor);
  const QImage shown = window()->grab().toImage();
  const Geometry g = geometry(shown.size(), window()->currentPosition(), hint.shadowDepth());
  // The window frame colour of a light scheme, as the application's palette is here.
  const QColor frame(Qt::black);
  EXPECT_EQ(shown.pixelColor(g.body.center().x(), g.body.top()), frame);
  EXPECT_EQ(shown.pixelColor(g.body.left(), g.body.center().y()), frame);
  EXPECT_NE(shown.pixelColor(g.body.center().x(), g.body.top() + 1), frame) << "one pixel wide";
}

TEST_F(BalloonHintTest, TakesOverEveryHintWhileActive) {
  QWidget control;
  control.setGeometry(250, 250, 100, 100);
  control.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&control));
  const platform::HintRequest request{&control, QStringLiteral("a hint"), cursor};
  platform::showHint(request);
  ASSERT_TRUE(window()->isVisible());
  const QRect first = window()->geometry();
  // Resting again on the same control leaves the balloon where it is.
  platform::showHint({&control, QStringLiteral("a hint"), cursor + QPoint(20, 20)});
  EXPECT_EQ(window()->geometry(), first);
  // A key press takes it away, as the plain hint goes.
  QTest::keyClick(&control, Qt::Key_A);
  EXPECT_FALSE(window()->isVisible());

  // So does the cursor leaving the control, judged in its window's own
  // coordinates; moving within it leaves the balloon.
  QWidget top;
  top.setGeometry(100, 100, 200, 200);
  auto *child = new QWidget(&top);
  child->setGeometry(20, 20, 50, 50);
  top.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
  platform::showHint({child, QStringLiteral("child"), cursor});
  QTest::mouseMove(top.windowHandle(), QPoint(40, 40));
  EXPECT_TRUE(window()->isVisible());
  QTest::mouseMove(top.windowHandle(), QPoint(120, 40));
  EXPECT_FALSE(window()->isVisible());

  platform::showHint(request);
  QPointer<BalloonHintWindow> old = window();
  hint.setActive(false);
  EXPECT_FALSE(hint.isActive());
  EXPECT_EQ(hint.hintWindow(), nullptr);
  EXPECT_TRUE(!old || !old->isVisible()) << "the hint on screen goes";
  platform::showHint(request);
  EXPECT_TRUE(QToolTip::isVisible()) << "the plain hint is back";
  hint.setActive(true);
  EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
  ASSERT_NE(hint.hintWindow(), nullptr);
  EXPECT_EQ(hint.hintWindow()->settings(), &hint);
  platform::showHint(request);
  EXPECT_TRUE(window()->isVisible());
}
