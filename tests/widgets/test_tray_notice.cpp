// Starting without a notification area: one information box after the delay, none when a
// tray is there by then, and none once the owner is gone; once per login where the login has a
// runtime folder.

#include "app/tray_notice.h"
#include "event_order.h"
#include "platform/login_marker.h"
#include "test_environment.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace testing_support;

namespace {

struct Case {
  bool host;
  bool ownerGone;
  int boxes;
};

class TrayNotice : public ::testing::TestWithParam<Case> {};

TEST_P(TrayNotice, TellsOnceWhenNoTrayIsThere) {
  TestEnvironment env;
  env.notifyArea.host = GetParam().host;
  auto owner = std::make_unique<QObject>();
  armMissingTrayNotice(owner.get(), 10, &env.notifyArea, &env.messageBoxes);
  if (GetParam().ownerGone)
    owner.reset();
  // The notice is due 10 ms after it was armed.
  ASSERT_TRUE(test_support::runTimersDueWithin(50));
  ASSERT_EQ(env.messageBoxes.shown.size(), GetParam().boxes);
  if (GetParam().boxes) {
    EXPECT_EQ(env.messageBoxes.shown[0].caption, "Information");
    EXPECT_EQ(env.messageBoxes.shown[0].text, missingTrayText());
  }
}

TEST(TrayNoticeGoes, WhenATrayRegistersWhileItIsUp) {
  TestEnvironment env;
  env.notifyArea.host = false;
  env.messageBoxes.whileShown = [&] { env.notifyArea.appear(); };
  QObject owner;
  armMissingTrayNotice(&owner, 0, &env.notifyArea, &env.messageBoxes);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !env.messageBoxes.shown.isEmpty(); }, 2000));
  EXPECT_EQ(env.messageBoxes.dismissed, QStringList{missingTrayText()});
  // Once closed, a tray that comes back later has no box to close.
  env.notifyArea.appear();
  EXPECT_EQ(env.messageBoxes.dismissed.size(), 1);
}

TEST(TrayNoticeOncePerLogin, ComesAtTheFirstStartOfALoginOnly) {
  QTemporaryDir login;
  ASSERT_TRUE(login.isValid());
  // Runtime folders: the login's, and none (or an unusable one), where every start tells.
  for (const QString &runtime : {login.path(), QString(), QStringLiteral("relative")}) {
    SCOPED_TRACE(runtime.toStdString());
    TestEnvironment env;
    env.notifyArea.host = false;
    for (int start = 0; start < 2; ++start) {
      QObject owner;
      armMissingTrayNotice(&owner, 0, &env.notifyArea, &env.messageBoxes, [&runtime] {
        return platform::firstTimeThisLogin(runtime.toStdString(), "tray-notice");
      });
      // Timers of one delay fire in the order they were started.
      bool armed = false;
      QTimer::singleShot(0, &owner, [&armed] { armed = true; });
      ASSERT_TRUE(QTest::qWaitFor([&armed] { return armed; }, 2000));
    }
    EXPECT_EQ(env.messageBoxes.shown.size(), runtime == login.path() ? 1 : 2);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, TrayNotice,
                         ::testing::Values(Case{false, false, 1}, Case{true, false, 0},
                                           Case{false, true, 0}));

} // namespace
