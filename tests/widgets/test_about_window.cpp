// The About window: the creature's walk, drawn from a scripted random source,
// and its timer, which runs only while the window is open.
#include "app/main_window.h"
#include "app_fixture.h"
#include "chart/content_window.h"
#include "components/smooth_show.h"
#include "dialogs/about_window.h"

#include <QScreen>
#include <QTest>
#include <deque>

using namespace testing_support;

namespace {

class About : public AppFixture {
protected:
  void SetUp() override {
    AppFixture::SetUp();
    env->environment().random = [this](int n) {
      asked.push_back(n);
      int value = n - 1; // unscripted: the largest step
      if (!script.empty()) {
        value = script.front();
        script.pop_front();
      }
      EXPECT_GE(value, 0);
      EXPECT_LT(value, n);
      return value;
    };
  }
  QPoint creature() {
    EXPECT_EQ(windows->about().creatureWingsUp->pos(), windows->about().creatureWingsDown->pos())
        << "the frames share one place";
    return windows->about().creatureWingsDown->pos();
  }
  QString frameShown() {
    const bool one = windows->about().creatureWingsUp->isVisibleTo(&windows->about()),
               two = windows->about().creatureWingsDown->isVisibleTo(&windows->about());
    return one && two ? "both" : one ? "wings up" : two ? "wings down" : "none";
  }

  std::deque<int> script;
  std::vector<int> asked;
};

TEST_F(About, TheCreatureAlternatesItsFramesAndDriftsDownAndRight) {
  EXPECT_EQ(frameShown(), "none");
  EXPECT_EQ(creature(), QPoint(232, 134));
  struct Tick {
    std::vector<int> draws;
    std::vector<int> asked; // the ranges drawn from
    const char *shown;
    QPoint at;
  };
  const Tick ticks[] = {
      {{3, 2}, {10, 5}, "wings up", {234, 137}},
      {{7, 9}, {10, 10}, "wings down", {243, 144}},
      {{0, 0}, {10, 5}, "wings up", {243, 144}},
      {{9, 4}, {10, 10}, "wings down", {247, 153}},
  };
  for (const Tick &t : ticks) {
    script.assign(t.draws.begin(), t.draws.end());
    asked.clear();
    windows->about().moveCreature();
    EXPECT_EQ(asked, t.asked);
    EXPECT_EQ(frameShown(), t.shown);
    EXPECT_EQ(creature(), t.at);
  }
}

TEST_F(About, PastTheLowerOrRightEdgeItComesBackAtARandomPlace) {
  struct Case {
    QPoint from;
    const char *shown; // before the tick
    std::vector<int> asked;
    QPoint at;
  };
  const Case cases[] = {
      // Leaving is seen only on the way to the second frame.
      {{100, 343}, "wings up", {362, 416, 10, 10}, {50 + 4, 200 + 3}},
      {{398, 20}, "wings up", {362, 416, 10, 10}, {50 + 4, 200 + 3}},
      {{397, 342}, "wings up", {10, 10}, {397 + 4, 342 + 3}},
      {{100, 343}, "wings down", {10, 5}, {100 + 4, 343 + 3}},
  };
  for (const Case &c : cases) {
    windows->about().creatureWingsUp->move(c.from);
    windows->about().creatureWingsDown->move(c.from);
    windows->about().creatureWingsUp->setVisible(QString(c.shown) == "wings up");
    windows->about().creatureWingsDown->setVisible(QString(c.shown) == "wings down");
    // Top, then left, then the sink and the drift of the tick.
    script = c.asked.size() == 4 ? std::deque<int>{200, 50, 3, 4} : std::deque<int>{3, 4};
    asked.clear();
    windows->about().moveCreature();
    EXPECT_EQ(asked, c.asked) << c.from.x() << "," << c.from.y() << " " << c.shown;
    EXPECT_EQ(creature(), c.at) << c.from.x() << "," << c.from.y() << " " << c.shown;
  }
}

TEST_F(About, FliesOnlyWhileOpenAndKeepsItsPlaceBetweenOpenings) {
  windows->main().openAbout();
  ASSERT_TRUE(windows->about().isVisible());
  EXPECT_TRUE(windows->about().creatureTimer->isActive());
  const QRect screen = windows->about().screen()->geometry();
  EXPECT_EQ(windows->about().geometry().center(), screen.center());
  windows->about().moveCreature();
  windows->about().moveCreature();
  const QPoint flown = creature();
  ASSERT_NE(flown, QPoint(232, 134));

  // Hidden with the other windows: no more ticks until it is opened again.
  windows->about().move(10, 10);
  windows->main().hideAllWindows();
  EXPECT_FALSE(windows->about().isVisible());
  EXPECT_FALSE(windows->about().creatureTimer->isActive());

  // The About command closes the content window and centres the About window again.
  windows->main().openTodayPower();
  ASSERT_TRUE(windows->content().isVisible());
  windows->main().openAbout();
  EXPECT_FALSE(windows->content().isVisible());
  EXPECT_TRUE(windows->about().isVisible());
  EXPECT_TRUE(windows->about().creatureTimer->isActive());
  EXPECT_EQ(windows->about().geometry().center(), screen.center());
  EXPECT_EQ(creature(), flown);

  // A click on a tray icon opens the content window beside it.
  windows->main().trayIconClicked();
  EXPECT_TRUE(windows->content().isVisible());
  EXPECT_TRUE(windows->about().isVisible());

  // Any "X" stops the creature and closes the window.
  QTest::mouseClick(windows->about().bottomRightCloseCorner, Qt::LeftButton, {}, {10, 10});
  EXPECT_FALSE(windows->about().isVisible());
  EXPECT_FALSE(windows->about().creatureTimer->isActive());
}

TEST_F(About, TheAboutCommandOnAnOpenWindowReplaysTheOpening) {
  auto *animation = windows->about().findChild<SmoothShow *>("showAnimation");
  ASSERT_TRUE(animation);
  for (int opening = 1; opening <= 2; ++opening) {
    windows->main().openAbout();
    ASSERT_TRUE(animation->running()) << opening;
    EXPECT_EQ(animation->framesDrawn().first(), animation->smallRect()) << "growing " << opening;
    QTRY_VERIFY_WITH_TIMEOUT(!animation->running(), 10000);
    EXPECT_TRUE(windows->about().isVisible());
  }
}

} // namespace
