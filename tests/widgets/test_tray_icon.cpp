// TrayIcon against a recording tray: what reaches the tray and when, the events, the menu,
// the animation and the minimise/restore chain.

#include "components/tray_icon.h"
#include "platform/app_shell.h"
#include "test_environment.h"

#include <QApplication>
#include <QCursor>
#include <QPixmap>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using platform::TrayMouse;
using testing_support::NotifyCall;
using testing_support::NotifyOp;
using testing_support::TestEnvironment;

namespace {

QIcon solidIcon(QColor color) {
  QPixmap pixmap(32, 32);
  pixmap.fill(color);
  return QIcon(pixmap);
}

QColor colorOf(const QIcon &icon) {
  if (icon.isNull())
    return QColor();
  return icon.pixmap(32, 32).toImage().pixelColor(16, 16);
}

class TrayIconTest : public ::testing::Test {
protected:
  void TearDown() override {
    QApplication::setWindowIcon(QIcon());
    platform::AppShell::instance().setMainWindow(nullptr);
  }
  void processEvents() { QCoreApplication::processEvents(); }

  TestEnvironment env;
  QObject owner;
};

TEST_F(TrayIconTest, SettingActiveToItsValueSendsNothing) {
  TrayIcon tray(&owner, &env.notifyArea);
  tray.setIcon(solidIcon(Qt::red));
  tray.setToolTip("tip");
  tray.setActive(false);
  EXPECT_TRUE(env.notifyArea.calls.isEmpty());

  tray.setActive(true);
  env.notifyArea.clear();
  tray.setActive(true);
  processEvents();
  EXPECT_TRUE(env.notifyArea.calls.isEmpty());
  EXPECT_TRUE(env.notifyArea.isShown(&tray));
}

TEST_F(TrayIconTest, WhileInactiveIconAndToolTipWaitForTheNextAdd) {
  TrayIcon tray(&owner, &env.notifyArea);
  tray.setIcon(solidIcon(Qt::red));
  tray.setToolTip("Dear Anna");
  EXPECT_TRUE(env.notifyArea.calls.isEmpty());

  tray.setActive(true);
  processEvents();
  ASSERT_EQ(env.notifyArea.calls.size(), 1);
  const NotifyCall &add = env.notifyArea.calls[0];
  EXPECT_EQ(add.op, NotifyOp::Add);
  EXPECT_TRUE(add.result);
  EXPECT_EQ(add.record.flags, platform::nifMessage | platform::nifIcon | platform::nifTip);
  EXPECT_EQ(add.record.owner, &tray);
  EXPECT_EQ(add.record.id, 0u);
  EXPECT_EQ(add.record.callbackMessage, TrayIcon::callbackMessage());
  EXPECT_EQ(colorOf(add.record.icon), QColor(Qt::red));
  EXPECT_EQ(add.record.tip, "Dear Anna");

  // Removing and adding again carries the same picture and tip.
  tray.setActive(false);
  tray.setActive(true);
  ASSERT_EQ(env.notifyArea.calls.size(), 3);
  EXPECT_EQ(env.notifyArea.calls[1].op, NotifyOp::Remove);
  EXPECT_TRUE(env.notifyArea.calls[1].result);
  EXPECT_EQ(env.notifyArea.calls[2].record.tip, "Dear Anna");
}

TEST_F(TrayIconTest, AddingWithoutIconShowsTheApplicationIcon) {
  QApplication::setWindowIcon(solidIcon(Qt::blue));
  TrayIcon tray(&owner, &env.notifyArea);
  tray.setToolTip("tip");
  tray.setActive(true);
  EXPECT_EQ(colorOf(tray.icon()), QColor(Qt::blue));
  const platform::NotifyRecord *shown = env.notifyArea.shown(&tray);
  ASSERT_TRUE(shown);
  EXPECT_EQ(colorOf(shown->icon), QColor(Qt::blue));
  // The icon part went out first, before the icon was there, and failed harmlessly.
  ASSERT_EQ(env.notifyArea.calls.size(), 2);
  EXPECT_EQ(env.notifyArea.calls[0].op, NotifyOp::Modify);
  EXPECT_FALSE(env.notifyArea.calls[0].result);
  EXPECT_EQ(env.notifyArea.calls[1].op, NotifyOp::Add);
}

TEST_F(TrayIconTest, AddingWithoutToolTipIsFollowedByOneModifyOnceEventsRun) {
  TrayIcon tray(&owner, &env.notifyArea);
  tray.setIcon(solidIcon(Qt::red));
  tray.setActive(true);
  ASSERT_EQ(env.notifyArea.calls.size(), 1);

  // Set while the window is still being built: the picture goes out at once, the tip with the
  // reset.
  tray.setIcon(solidIcon(Qt::green));
  env.notifyArea.clear();
  processEvents();
  ASSERT_EQ(env.notifyArea.calls.size(), 1);
  const NotifyCall &reset = env.notifyArea.calls[0];
  EXPECT_EQ(reset.op, NotifyOp::Modify);
  EXPECT_EQ(reset.record.flags, platform::nifIcon | platform::nifTip);
  EXPECT_EQ(colorOf(reset.record.icon), QColor(Qt::green));
  EXPECT_EQ(reset.record.tip, "");
  processEvents();
  EXPECT_EQ(env.notifyArea.calls.size(), 1);
}

TEST_F(TrayIconTest, ToolTipKeepsItsFirst62Characters) {
  TrayIcon tray(&owner, &env.notifyArea);
  tray.setIcon(solidIcon(Qt::red));
  tray.setActive(true);
  const QString text =
      QString("Dear Maximiliane-Josephine, you have 100 % of your emotional power");
  ASSERT_EQ(text.size(), 66);
  const QString seventy = text + "abcd";
  tray.setToolTip(seventy);
  EXPECT_EQ(tray.toolTip(), seventy.left(62));
  EXPECT_EQ(env.notifyArea.shown(&tray)->tip, seventy.left(62));
  tray.setToolTip("short");
  EXPECT_EQ(tray.toolTip(), "short");
}

TEST_F(TrayIconTest, AnimationShowsPictures1Then2Then0Then1AndRestoresTheIcon) {
  IconList images;
  images.add(solidIcon(Qt::red));
  images.add(solidIcon(Qt::green));
  images.add(solidIcon(Qt::blue));
  TrayIcon tray(&owner, &env.notifyArea);
  tray.setIcon(solidIcon(Qt::yellow));
  tray.setToolTip("tip");
  tray.setImages(&images);

  tray.setAnimate(true); // not in the tray: ignored
  EXPECT_FALSE(tray.isAnimated());
  tray.setActive(true);
  tray.setAnimate(true);
  ASSERT_TRUE(tray.isAnimated());
  auto *timer = tray.findChild<QTimer *>("animationTimer");
  ASSERT_TRUE(timer);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 100);
  tray.setAnimateInterval(0);
  tray.setAnimateInterval(-5);
  EXPECT_EQ(timer->interval(), 100);
  tray.setAnimateInterval(250);
  EXPECT_EQ(timer->interval(), 250);
  EXPECT_EQ(tray.animateInterval(), 250);

  QList<QColor> shown;
  for (int i = 0; i < 4; ++i) {
    tray.animateTick();
    shown.append(colorOf(env.notifyArea.shown(&tray)->icon));
  }
  EXPECT_EQ(shown, (QList<QColor>{Qt::green, Qt::blue, Qt::red, Qt::green}));

  tray.setAnimate(false);
  EXPECT_FALSE(timer->isActive());
  EXPECT_EQ(colorOf(tray.icon()), QColor(Qt::yellow));
  EXPECT_EQ(colorOf(env.notifyArea.shown(&tray)->icon), QColor(Qt::yellow));

  // Switching off again leaves the icon as it is.
  tray.setIcon(solidIcon(Qt::cyan));
  tray.setAnimate(false);
  EXPECT_EQ(colorOf(tray.icon()), QColor(Qt::cyan));
}

TEST_F(TrayIconTest, AnimationWithOnePictureShowsPicture0AndNeedsPictures) {
  IconList images;
  TrayIcon tray(&owner, &env.notifyArea);
  tray.setIcon(solidIcon(Qt::yellow));
  tray.setActive(true);
  tray.setAnimate(true); // no image list
  EXPECT_FALSE(tray.isAnimated());
  tray.setImages(&images);
  tray.setAnimate(true); // an empty one
  EXPECT_FALSE(tray.isAnimated());
  images.add(solidIcon(Qt::magenta));
  tray.setAnimate(true);
  ASSERT_TRUE(tray.isAnimated());
  tray.animateTick();
  tray.animateTick();
  EXPECT_EQ(colorOf(tray.icon()), QColor(Qt::magenta));
}

TEST_F(TrayIconTest, DestroyedImageListStopsTheAnimation) {
  auto images = std::make_unique<IconList>();
  images->add(solidIcon(Qt::red));
  images->add(solidIcon(Qt::green));
  TrayIcon tray(&owner, &env.notifyArea);
  tray.setIcon(solidIcon(Qt::yellow));
  tray.setActive(true);
  tray.setImages(images.get());
  tray.setAnimate(true);
  tray.animateTick();
  images.reset();
  EXPECT_EQ(tray.images(), nullptr);
  EXPECT_FALSE(tray.isAnimated());
  EXPECT_FALSE(tray.findChild<QTimer *>("animationTimer")->isActive());
  EXPECT_EQ(colorOf(tray.icon()), QColor(Qt::yellow));
  tray.animateTick(); // a late tick finds no pictures
  EXPECT_EQ(colorOf(tray.icon()), QColor(Qt::yellow));
}

TEST_F(TrayIconTest, ThreeInstancesGetTheirOwnSignals) {
  QStringList events;
  std::unique_ptr<TrayIcon> trays[3];
  const char *names[3] = {"emotional", "intellectual", "physical"};
  for (int i = 0; i < 3; ++i) {
    trays[i] = std::make_unique<TrayIcon>(&owner, &env.notifyArea);
    TrayIcon *t = trays[i].get();
    const QString name = names[i];
    QObject::connect(t, &TrayIcon::clicked, [&events, name] { events << "click " + name; });
    QObject::connect(t, &TrayIcon::doubleClicked,
                     [&events, name] { events << "dblclick " + name; });
    QObject::connect(t, &TrayIcon::middleClicked, [&events, name] { events << "middle " + name; });
    t->setIcon(solidIcon(Qt::red));
    t->setActive(true);
  }
  env.notifyArea.mouse(trays[1].get(), TrayMouse::LeftUp);
  env.notifyArea.mouse(trays[1].get(), TrayMouse::LeftDoubleClick);
  env.notifyArea.mouse(trays[1].get(), TrayMouse::LeftUp);
  env.notifyArea.mouse(trays[2].get(), TrayMouse::LeftUp);
  env.notifyArea.mouse(trays[0].get(), TrayMouse::LeftDown);   // not a click
  env.notifyArea.mouse(trays[0].get(), TrayMouse::MiddleDown); // not a click
  env.notifyArea.mouse(trays[0].get(), TrayMouse::MiddleUp);
  env.notifyArea.mouse(trays[0].get(), TrayMouse::Move);
  processEvents();
  EXPECT_EQ(events, (QStringList{"click intellectual", "dblclick intellectual",
                                 "click intellectual", "click physical", "middle emotional"}));
}

TEST_F(TrayIconTest, RightClickShowsTheMenuAtTheCursorThenSignals) {
  QCursor::setPos(300, 200);
  const QPoint cursor = QCursor::pos();
  QMenu menu;
  menu.addAction("Quit");
  QStringList events;
  QPoint menuAt;
  QObject::connect(&menu, &QMenu::aboutToShow, [&] {
    events << "menu";
    QTimer::singleShot(0, &menu, [&] {
      menuAt = menu.pos();
      menu.close();
    });
  });
  TrayIcon tray(&owner, &env.notifyArea);
  tray.setPopupMenu(&menu);
  tray.setIcon(solidIcon(Qt::red));
  tray.setActive(true);
  QObject::connect(&tray, &TrayIcon::rightClicked, [&](QPoint at) {
    events << "right";
    EXPECT_EQ(at, cursor);
  });
  env.notifyArea.mouse(&tray, TrayMouse::RightUp);
  processEvents();
  EXPECT_EQ(events, (QStringList{"menu", "right"}));
  EXPECT_EQ(menuAt, cursor);
}

TEST_F(TrayIconTest, DestroyedMenuIsNeverShown) {
  auto menu = std::make_unique<QMenu>();
  bool shown = false;
  QObject::connect(menu.get(), &QMenu::aboutToShow, [&] { shown = true; });
  TrayIcon tray(&owner, &env.notifyArea);
  QSignalSpy rightClicks(&tray, &TrayIcon::rightClicked);
  tray.setPopupMenu(menu.get());
  tray.setIcon(solidIcon(Qt::red));
  tray.setActive(true);
  menu.reset();
  EXPECT_EQ(tray.popupMenu(), nullptr);
  env.notifyArea.mouse(&tray, TrayMouse::RightUp);
  processEvents();
  EXPECT_FALSE(shown);
  EXPECT_EQ(rightClicks.count(), 1);
}

TEST_F(TrayIconTest, DestroyedComponentIsNeverCalled) {
  int clicks = 0;
  auto tray = std::make_unique<TrayIcon>(&owner, &env.notifyArea);
  QObject::connect(tray.get(), &TrayIcon::clicked, [&] { ++clicks; });
  tray->setActive(true); // posts the tooltip reset too
  env.notifyArea.mouse(tray.get(), TrayMouse::LeftUp);
  const TrayIcon *gone = tray.get();
  tray.reset();
  env.notifyArea.clear();
  processEvents();
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(env.notifyArea.calls.isEmpty()); // the reset died with it
  EXPECT_FALSE(env.notifyArea.isShown(gone));
}

TEST_F(TrayIconTest, DestroyingAnActiveIconRemovesIt) {
  auto tray = std::make_unique<TrayIcon>(&owner, &env.notifyArea);
  tray->setActive(true);
  const TrayIcon *gone = tray.get();
  tray.reset();
  EXPECT_FALSE(env.notifyArea.isShown(gone));
  EXPECT_EQ(env.notifyArea.calls.last().op, NotifyOp::Remove);
  EXPECT_TRUE(env.notifyArea.calls.last().result);
}

TEST_F(TrayIconTest, MinimisingHidesIntoTheTrayAndDoubleClickRestores) {
  platform::AppShell &shell = platform::AppShell::instance();
  QWidget main;
  main.show();
  shell.setMainWindow(&main);
  TrayIcon tray(&owner, &env.notifyArea);
  tray.setIcon(solidIcon(Qt::red));
  tray.setMinimizeApp(true);
  processEvents();

  shell.minimize();
  processEvents(); // the window system's answers to the state change
  EXPECT_FALSE(main.isVisible());
  EXPECT_TRUE(tray.isActive());
  EXPECT_TRUE(env.notifyArea.isShown(&tray));

  env.notifyArea.mouse(&tray, TrayMouse::LeftDoubleClick);
  processEvents();
  EXPECT_TRUE(main.isVisible());
  EXPECT_FALSE(main.isMinimized());
  EXPECT_FALSE(tray.isActive());
  EXPECT_FALSE(env.notifyArea.isShown(&tray));

  // A receiver of doubleClicked replaces the restore.
  QSignalSpy own(&tray, &TrayIcon::doubleClicked);
  processEvents();
  shell.minimize();
  processEvents();
  env.notifyArea.mouse(&tray, TrayMouse::LeftDoubleClick);
  processEvents();
  EXPECT_EQ(own.count(), 1);
  EXPECT_FALSE(main.isVisible());
  EXPECT_TRUE(tray.isActive());
}

TEST_F(TrayIconTest, MinimiseWithoutMainWindowClearsShowMainWindow) {
  platform::AppShell &shell = platform::AppShell::instance();
  shell.setShowMainWindow(true);
  TrayIcon tray(&owner, &env.notifyArea);
  tray.setMinimizeApp(true);
  shell.minimize();
  EXPECT_FALSE(shell.showMainWindow());
  EXPECT_TRUE(tray.isActive());
  shell.setShowMainWindow(true);
}

TEST_F(TrayIconTest, EveryReceiverOfMinimisedRunsOnceInTheOrderConnected) {
  platform::AppShell &shell = platform::AppShell::instance();
  std::unique_ptr<TrayIcon> first, second;
  QStringList calls;
  QObject receivers;
  auto receiver = [&](const char *name) {
    return [&, name] {
      calls << QStringLiteral("%1 %2 %3")
                   .arg(name)
                   .arg(first && first->isActive())
                   .arg(second && second->isActive());
    };
  };
  QObject::connect(&shell, &platform::AppShell::minimized, &receivers, receiver("before"));
  first = std::make_unique<TrayIcon>(&owner, &env.notifyArea);
  second = std::make_unique<TrayIcon>(&owner, &env.notifyArea);
  first->setMinimizeApp(true);
  second->setMinimizeApp(true);
  QObject::connect(&shell, &platform::AppShell::minimized, &receivers, receiver("after"));

  shell.minimize();
  EXPECT_EQ(calls, (QStringList{"before 0 0", "after 1 1"}));

  // A component that is gone no longer receives; the others still do.
  first.reset();
  second->setActive(false);
  calls.clear();
  shell.minimize();
  EXPECT_EQ(calls, (QStringList{"before 0 0", "after 0 1"}));

  // Without MinimizeApp a component stays out of the tray.
  second.reset();
  TrayIcon third(&owner, &env.notifyArea);
  shell.minimize();
  EXPECT_EQ(calls.size(), 4);
  EXPECT_FALSE(third.isActive());
}

} // namespace
