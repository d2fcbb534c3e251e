// The smooth show animation: its frames, the window kept invisible meanwhile,
// and runs cut short.
#include "components/smooth_show.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct Smooth : ::testing::Test {
  QWidget window{nullptr, Qt::Window | Qt::FramelessWindowHint};
  SmoothShow *smooth = new SmoothShow(&window);

  Smooth() {
    window.setGeometry(312, 234, 400, 300);
    smooth->setScreenSize(QSize(1024, 768));
    smooth->setColor(Qt::green);
  }
  bool windowInvisible() const {
    const auto region = platform::windowRegion(&window);
    return region && region->isEmpty();
  }
  void runToEnd() {
    QPointer<SmoothShow> alive(smooth);
    for (int i = 0; i < 20 && alive && alive->running(); ++i)
      alive->step();
  }
};

const QList<QRect> kShowing = {
    {512, 384, 0, 0},     {508, 381, 8, 6},     {502, 377, 20, 15},   {494, 371, 36, 27},
    {482, 362, 60, 45},   {464, 348, 96, 72},   {436, 327, 152, 114}, {394, 296, 236, 177},
    {332, 249, 360, 270}, {312, 234, 400, 300},
};
const QList<QRect> kHiding = {
    {312, 234, 400, 300}, {316, 237, 392, 294}, {322, 241, 380, 285}, {330, 247, 364, 273},
    {342, 256, 340, 255}, {360, 270, 304, 228}, {388, 291, 248, 186}, {430, 322, 164, 123},
    {492, 369, 40, 30},   {512, 384, 0, 0},
};

} // namespace

TEST_F(Smooth, Defaults) {
  SmoothShow plain(nullptr);
  EXPECT_EQ(plain.control(), nullptr);
  EXPECT_EQ(plain.color(), QColor(0, 0, 0));
  EXPECT_EQ(plain.borderWidth(), 1);
  EXPECT_EQ(plain.delay(), 50);
  EXPECT_TRUE(plain.isEnabled());
  EXPECT_FALSE(plain.isReversed());
  EXPECT_EQ(plain.minLocation(), MinLocation::mlCenter);
  EXPECT_EQ(plain.maxLocation(), MaxLocation::xlDefault);
  EXPECT_EQ(QRect(plain.minLeft(), plain.minTop(), plain.minWidth(), plain.minHeight()),
            QRect(0, 0, 27, 27));
  EXPECT_EQ(QRect(plain.maxLeft(), plain.maxTop(), plain.maxWidth(), plain.maxHeight()),
            QRect(100, 100, 127, 127));
  EXPECT_EQ(smooth->control(), &window);
  plain.execute(); // no control: nothing
  EXPECT_FALSE(plain.running());
}

TEST_F(Smooth, ShowingDrawsTheTenFramesThenTheWindow) {
  smooth->execute();
  ASSERT_TRUE(smooth->running());
  EXPECT_EQ(smooth->framesDrawn(), kShowing.mid(0, 1)) << "Execute draws the first step";
  EXPECT_TRUE(windowInvisible());
  runToEnd();
  EXPECT_FALSE(smooth->running());
  EXPECT_EQ(smooth->framesDrawn(), kShowing);
  EXPECT_EQ(smooth->frameWindow(), nullptr);
  EXPECT_FALSE(platform::windowRegion(&window).has_value()) << "whole again";
}

TEST_F(Smooth, HidingDrawsTheSameProgressFromTheOtherEnd) {
  smooth->setReverse(true);
  smooth->execute();
  runToEnd();
  EXPECT_EQ(smooth->framesDrawn(), kHiding);
}

TEST_F(Smooth, FrameIsAHollowColouredWindowThatTakesNoFocus) {
  window.show();
  auto *edit = new QLineEdit(&window);
  edit->show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  edit->setFocus();
  smooth->setBorderWidth(3);
  smooth->execute();
  for (int i = 0; i < 3; ++i)
    smooth->step(); // 36 x 27 now
  QWidget *frame = smooth->frameWindow();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->isVisible());
  EXPECT_TRUE(frame->windowFlags().testFlag(Qt::ToolTip));
  EXPECT_EQ(frame->geometry(), QRect(494, 371, 36, 27));
  EXPECT_EQ(frame->mask(), QRegion(0, 0, 36, 27).subtracted(QRegion(3, 3, 30, 21)));
  EXPECT_EQ(frame->palette().color(QPalette::Window), QColor(Qt::green));
  EXPECT_EQ(frame->grab().toImage().pixelColor(1, 1), QColor(Qt::green));
  EXPECT_TRUE(edit->hasFocus());
  EXPECT_EQ(QApplication::activeWindow(), &window);
  runToEnd();
}

TEST_F(Smooth, FrameNarrowerThanTwoBordersIsFilled) {
  smooth->setBorderWidth(5);
  smooth->execute();
  smooth->step(); // 8 x 6
  EXPECT_EQ(smooth->frameWindow()->mask(), QRegion(0, 0, 8, 6));
  runToEnd();
}

TEST_F(Smooth, ExecuteAndControlChangesWhileRunningAreIgnored) {
  QWidget other;
  smooth->execute();
  smooth->step();
  smooth->setReverse(true);
  smooth->execute();
  smooth->setControl(&other);
  EXPECT_EQ(smooth->control(), &window);
  EXPECT_EQ(smooth->framesDrawn().size(), 2);
  runToEnd();
  EXPECT_EQ(smooth->framesDrawn(), kShowing);
  smooth->setControl(&other);
  EXPECT_EQ(smooth->control(), &other);
}

TEST_F(Smooth, DisabledLeavesTheWindowAlone) {
  smooth->setEnabled(false);
  smooth->execute();
  EXPECT_FALSE(smooth->running());
  EXPECT_TRUE(smooth->framesDrawn().isEmpty());
  EXPECT_TRUE(window.mask().isEmpty());
}

TEST_F(Smooth, WindowGetsItsOwnRegionBack) {
  const auto shape = platform::Region::roundRect(0, 0, 400, 300, 40, 40);
  platform::setWindowRegion(&window, shape);
  smooth->execute();
  EXPECT_TRUE(windowInvisible());
  runToEnd();
  ASSERT_TRUE(platform::windowRegion(&window).has_value());
  EXPECT_EQ(*platform::windowRegion(&window), shape);
  EXPECT_EQ(window.mask(), shape.toQRegion());
}

TEST_F(Smooth, SignalsComeWithTheFrameStillUpAndThenWithTheWindowBack) {
  int finishing = 0, finish = 0;
  QObject::connect(smooth, &SmoothShow::finishing, [&] {
    ++finishing;
    EXPECT_NE(smooth->frameWindow(), nullptr);
    EXPECT_TRUE(windowInvisible());
    EXPECT_EQ(finish, 0);
  });
  QObject::connect(smooth, &SmoothShow::finished, [&] {
    ++finish;
    EXPECT_EQ(smooth->frameWindow(), nullptr);
    EXPECT_FALSE(platform::windowRegion(&window).has_value());
    EXPECT_FALSE(smooth->running());
  });
  smooth->execute();
  EXPECT_EQ(finishing, 0);
  runToEnd();
  EXPECT_EQ(finishing, 1);
  EXPECT_EQ(finish, 1);
}

TEST_F(Smooth, ZeroDelayFinishesAtOnce) {
  smooth->setDelay(0);
  QSignalSpy finish(smooth, &SmoothShow::finished);
  smooth->execute();
  EXPECT_FALSE(smooth->running());
  EXPECT_EQ(smooth->framesDrawn(), kShowing);
  EXPECT_EQ(finish.count(), 1);
  EXPECT_FALSE(platform::windowRegion(&window).has_value());
}

TEST_F(Smooth, RunOnTheTimerReachesTheEnd) {
  smooth->setDelay(1);
  smooth->execute();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !smooth->running(); }, 5000));
  EXPECT_EQ(smooth->framesDrawn(), kShowing);
}

TEST_F(Smooth, DestroyedControlIsNotTouchedAndTheFrameGoes) {
  auto *control = new QWidget;
  control->setGeometry(10, 10, 50, 50);
  SmoothShow other(nullptr);
  other.setControl(control);
  other.execute();
  other.step();
  QPointer<QWidget> frame = other.frameWindow();
  ASSERT_TRUE(frame);
  delete control;
  EXPECT_EQ(other.control(), nullptr);
  EXPECT_FALSE(other.running());
  EXPECT_FALSE(frame);
  other.step(); // a late tick does nothing
}

TEST_F(Smooth, OwnerDestroyedDuringARun) {
  auto *owner = new QWidget;
  auto *component = new SmoothShow(owner);
  component->execute();
  QPointer<QWidget> frame = component->frameWindow();
  ASSERT_TRUE(frame);
  delete owner; // takes the component with it
  EXPECT_FALSE(frame);
}

TEST_F(Smooth, DestroyedComponentUndoesItsRun) {
  const auto shape = platform::Region(QRect(0, 0, 100, 100));
  platform::setWindowRegion(&window, shape);
  smooth->execute();
  smooth->step();
  QPointer<QWidget> frame = smooth->frameWindow();
  ASSERT_TRUE(windowInvisible());
  delete smooth;
  EXPECT_FALSE(frame);
  ASSERT_TRUE(platform::windowRegion(&window).has_value());
  EXPECT_EQ(*platform::windowRegion(&window), shape);
}

TEST_F(Smooth, ComponentDeletedFromItsOwnSignal) {
  QPointer<QWidget> frame;
  QObject::connect(smooth, &SmoothShow::finishing, [&] {
    frame = smooth->frameWindow();
    delete smooth;
  });
  smooth->execute();
  runToEnd();
  EXPECT_FALSE(frame);
  EXPECT_FALSE(platform::windowRegion(&window).has_value());
}

TEST_F(Smooth, SmallAndLargeRectangles) {
  const struct {
    MinLocation where;
    QRect expected;
  } cases[] = {
      {MinLocation::mlCenter, {512, 384, 0, 0}},       {MinLocation::mlTopLeft, {0, 0, 0, 0}},
      {MinLocation::mlTopRight, {1024, 0, 0, 0}},      {MinLocation::mlBottomLeft, {0, 768, 0, 0}},
      {MinLocation::mlBottomRight, {1024, 768, 0, 0}}, {MinLocation::mlCustom, {0, 0, 27, 27}},
  };
  for (const auto &c : cases) {
    smooth->setMinLocation(c.where);
    EXPECT_EQ(smooth->smallRect(), c.expected) << static_cast<int>(c.where);
  }
  smooth->setScreenSize(QSize(1023, 767));
  smooth->setMinLocation(MinLocation::mlCenter);
  EXPECT_EQ(smooth->smallRect(), QRect(511, 383, 0, 0));

  EXPECT_EQ(smooth->largeRect(), QRect(312, 234, 400, 300));
  smooth->setMaxLocation(MaxLocation::xlCustom);
  EXPECT_EQ(smooth->largeRect(), QRect(100, 100, 127, 127));
  // A child control is measured from its place on the screen.
  smooth->setMaxLocation(MaxLocation::xlDefault);
  auto *child = new QWidget(&window);
  child->setGeometry(20, 30, 40, 50);
  smooth->setControl(child);
  EXPECT_EQ(smooth->largeRect(), QRect(332, 264, 40, 50));
}

TEST_F(Smooth, ExtremeCustomRectanglesDoNotOverflow) {
  smooth->setMinLocation(MinLocation::mlCustom);
  smooth->setMinLeft(INT32_MIN);
  smooth->setMinTop(INT32_MAX);
  smooth->setMaxLocation(MaxLocation::xlCustom);
  smooth->setMaxLeft(INT32_MAX);
  smooth->setMaxTop(INT32_MIN);
  smooth->setBorderWidth(INT32_MAX);
  smooth->setDelay(0);
  smooth->execute();
  ASSERT_EQ(smooth->framesDrawn().size(), 10);
  // Places beyond any screen are held at a billion pixels.
  const int far = 1 << 30;
  EXPECT_EQ(smooth->framesDrawn().first().topLeft(), QPoint(-far, far));
  EXPECT_EQ(smooth->framesDrawn().last().topLeft(), QPoint(far, -far));
  EXPECT_EQ(smooth->framesDrawn()[1].left(), -far + int(int64_t(2) * 2 * far / 100));
}
