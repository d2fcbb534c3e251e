// What the content window, the About window, the date chooser and the splash give back once
// hidden, and that the next opening shows and draws them as before.
#include "app/main_window.h"
#include "app_fixture.h"
#include "chart/content_window.h"
#include "dialogs/about_window.h"
#include "dialogs/date_chooser.h"

#include <QMenu>
#include <QTest>

using namespace testing_support;

namespace {

class WindowRelease : public AppFixture {
protected:
  void load() {
    writeConfig("\r\nAnna\r\n25/05/2001\r\n0\r\n");
    windows->main().loadAtStart();
  }
  ContentWindow &content() { return windows->content(); }
  void showChart() {
    content().projectionDateField->setText(QStringLiteral("01/06/2001"));
    content().showMe();
    content().drawPreparedChart();
  }
  static bool made(const QWidget &w) { return w.testAttribute(Qt::WA_WState_Created); }
  static int loadedPictures(const QWidget &w) {
    int loaded = 0;
    for (const PictureView *view : w.findChildren<PictureView *>())
      loaded += view->isPictureLoaded() ? 1 : 0;
    return loaded;
  }
  // Hidden by the program, then left alone until the release has run by itself.
  static void hideAndWaitForRelease(BorderlessWindow &w) {
    w.hide();
    QTRY_VERIFY_WITH_TIMEOUT(!made(w), 20000);
  }
};

TEST_F(WindowRelease, APanelGivesBackItsPicturesAndWindowAndLooksTheSameWhenOpenedAgain) {
  load();
  windows->main().openTodayPower();
  const QImage before = content().grab().toImage();
  ASSERT_TRUE(made(content()));
  ASSERT_GT(loadedPictures(content()), 0);

  hideAndWaitForRelease(content());
  EXPECT_EQ(content().windowHandle(), nullptr);
  EXPECT_EQ(loadedPictures(content()), 0);
  EXPECT_TRUE(content().surface().isNull());

  windows->main().openTodayPower();
  EXPECT_TRUE(content().isVisible());
  EXPECT_TRUE(made(content()));
  EXPECT_TRUE(content().stayOnTop());
  EXPECT_EQ(content().grab().toImage(), before);
}

TEST_F(WindowRelease, TheChartSurfaceGoesWhenHiddenAndTheNextChartIsDrawnAsBefore) {
  load();
  windows->main().openProjection();
  showChart();
  const QImage chart = content().grab().toImage();
  ASSERT_FALSE(content().surface().isNull());

  // Visible (a command hides and shows it again in one handler): nothing is released.
  content().releaseWhileHidden();
  EXPECT_FALSE(content().surface().isNull());
  EXPECT_TRUE(made(content()));

  hideAndWaitForRelease(content());
  EXPECT_TRUE(content().surface().isNull());

  windows->main().openProjection();
  showChart();
  EXPECT_EQ(content().size(), QSize(ContentWindow::kChartWidth, ContentWindow::kChartHeight));
  EXPECT_EQ(content().grab().toImage(), chart);
}

TEST_F(WindowRelease, AChartStillToBeDrawnIsNotDrawnForAHiddenWindow) {
  load();
  windows->main().openProjection();
  content().projectionDateField->setText(QStringLiteral("01/06/2001"));
  content().showMe();
  ASSERT_TRUE(content().chartDrawTimer->isActive());
  content().hide();
  content().releaseWhileHidden();
  EXPECT_FALSE(content().chartDrawTimer->isActive());
  EXPECT_TRUE(content().surface().isNull());
}

TEST_F(WindowRelease, AboutAndChooserGiveBackTheirPicturesAndWindows) {
  load();
  windows->main().openAbout();
  AboutWindow &about = windows->about();
  const QImage aboutBefore = about.grab().toImage();
  ASSERT_GT(loadedPictures(about), 0);
  hideAndWaitForRelease(about);
  EXPECT_EQ(loadedPictures(about), 0);
  about.openCentred();
  EXPECT_TRUE(made(about));
  EXPECT_EQ(about.grab().toImage(), aboutBefore);
  about.hide();

  windows->main().openSetup();
  content().openCalendarForBirthDate();
  DateChooser &chooser = windows->chooser();
  ASSERT_TRUE(chooser.isVisible());
  const QImage chooserBefore = chooser.grab().toImage();
  const QPoint place = chooser.pos() + QPoint(7, 5);
  chooser.move(place);
  hideAndWaitForRelease(chooser);
  EXPECT_EQ(loadedPictures(chooser), 0);
  content().openCalendarForBirthDate();
  EXPECT_TRUE(made(chooser));
  // Where the user left it, as before the release.
  EXPECT_EQ(chooser.pos(), place);
  EXPECT_EQ(chooser.grab().toImage(), chooserBefore);
}

} // namespace
