// Quit requests from outside: each of the three signals arrives as one request in the event
// loop instead of ending the process, and an open box is closed first, the request coming
// only once the box's own loop has returned.

#include "event_order.h"
#include "platform/quit_requests.h"

#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

namespace {

class QuitRequestsTest : public ::testing::TestWithParam<int> {};

TEST_P(QuitRequestsTest, ASignalBecomesOneRequest) {
  platform::QuitRequests requests;
  QSignalSpy spy(&requests, &platform::QuitRequests::requested);
  std::raise(GetParam());
  std::raise(GetParam()); // a second one while the first is pending changes nothing
  EXPECT_TRUE(spy.wait(2000));
  // A second delivery would have been due with the first.
  ASSERT_TRUE(test_support::runTimersDueWithin(100));
  EXPECT_EQ(spy.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Signals, QuitRequestsTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

TEST(QuitRequests, AnOpenBoxIsClosedAndTheRequestComesAfterItsLoop) {
  platform::QuitRequests requests;
  int levelAtRequest = -1;
  bool boxReturned = false;
  QObject::connect(&requests, &platform::QuitRequests::requested,
                   [&] { levelAtRequest = QThread::currentThread()->loopLevel(); });
  QTimer::singleShot(0, [&] {
    QMessageBox box(QMessageBox::Warning, "Warning", "text", QMessageBox::Ok);
    QTimer::singleShot(50, [] { std::raise(SIGTERM); });
    box.exec();
    boxReturned = true;
  });
  QEventLoop loop; // stands for the program's main loop
  QObject::connect(&requests, &platform::QuitRequests::requested, &loop, &QEventLoop::quit);
  QTimer::singleShot(3000, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_TRUE(boxReturned);
  EXPECT_EQ(levelAtRequest, 1);
}

TEST(QuitRequests, TheDefaultActionIsBackOnceReleased) {
  { platform::QuitRequests requests; }
  struct sigaction current = {};
  ::sigaction(SIGTERM, nullptr, &current);
  EXPECT_EQ(current.sa_handler, SIG_DFL);
}

} // namespace
