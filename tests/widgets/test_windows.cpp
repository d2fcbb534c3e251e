// The owner of the windows: what the tray reads needs no window, the icons
// follow the content window's closing, and the chart's levels reach the tray.
#include "app/main_window.h"
#include "app_fixture.h"
#include "chart/content_window.h"

#include <QCoreApplication>
#include <QTest>

using namespace testing_support;

namespace {

class WindowsTest : public AppFixture {
protected:
  QString emotionalTip() {
    const platform::NotifyRecord *record = env->notifyArea.shown(windows->main().emotionalTrayIcon);
    return record ? record->tip : QString();
  }
  QString emotionalPicture() {
    const platform::NotifyRecord *record = env->notifyArea.shown(windows->main().emotionalTrayIcon);
    return record ? pictureNameOf(record->icon) : QString();
  }
  void load(const QByteArray &birth) {
    writeConfig("\r\nAnna\r\n" + birth + "\r\n0\r\n");
    windows->main().loadAtStart();
    QCoreApplication::processEvents();
  }
};

TEST_F(WindowsTest, LoadingRefreshingAndSavingNeverMakeTheContentWindow) {
  load("08/01/2000");
  EXPECT_TRUE(emotionalTip().startsWith("Dear Anna, you have ")) << emotionalTip().toStdString();
  windows->main().hourlyRefresh();
  env->today = core::addDays(env->today, 1);
  windows->main().dayMayHaveChanged();
  EXPECT_TRUE(emotionalTip().startsWith("Dear Anna, you have ")) << emotionalTip().toStdString();
  windows->main().blinkingAction->setChecked(false);
  windows->main().saveFromTray();
  EXPECT_EQ(readConfig(), "2000-01-08\r\nAnna\r\n08/01/2000\r\n1\r\n");
  EXPECT_EQ(windows->contentIfMade(), nullptr);
}

TEST_F(WindowsTest, TheIconsRefreshWhenTheContentWindowHidesForGood) {
  load("08/01/2000");
  windows->main().openTodayPower();
  ContentWindow &content = windows->content();
  // Hidden and shown again within one handler, as the chart does: no refresh.
  content.firstNameField->setText("Bob");
  content.hide();
  content.showCentred();
  QCoreApplication::processEvents();
  EXPECT_TRUE(emotionalTip().startsWith("Dear Anna")) << emotionalTip().toStdString();
  // Closed: the icons follow without anyone asking.
  content.closeCornerClicked();
  EXPECT_TRUE(QTest::qWaitFor([this] { return emotionalTip().startsWith("Dear Bob"); }, 5000))
      << emotionalTip().toStdString();
  EXPECT_FALSE(windows->refreshArmed());
}

TEST_F(WindowsTest, TheChartsLevelsReachTheBlinking) {
  // Born 08/01/2000: on 12/05/2024 the emotional level is in the middle band.
  load("08/01/2000");
  windows->main().blinkStep();
  EXPECT_TRUE(emotionalPicture().startsWith("emotio")) << emotionalPicture().toStdString();
  // The chart from 10/01/2000 ends on a day of emotional level 81: the last to compute wins.
  windows->main().openProjection();
  windows->content().projectionDateField->setText("10/01/2000");
  windows->content().showMe();
  windows->content().drawPreparedChart();
  windows->main().blinkStep();
  EXPECT_EQ(emotionalPicture(), "happy");
}

TEST_F(WindowsTest, ALoadReachesAContentWindowAlreadyMade) {
  windows->main().openSetup();
  ContentWindow &content = windows->content();
  load("08/01/2000");
  EXPECT_EQ(content.firstNameField->text(), "Anna");
  EXPECT_EQ(content.birthDateField->text(), "08/01/2000");
  EXPECT_EQ(content.emotionalGauge->progress(), 39);
  // Typing in a field is what the next save writes.
  content.firstNameField->setText("Bob");
  windows->main().saveFromTray(); // refused while the window shows
  content.hide();
  windows->main().saveFromTray();
  EXPECT_EQ(readConfig(), "2000-01-08\r\nBob\r\n08/01/2000\r\n0\r\n");
}

} // namespace
