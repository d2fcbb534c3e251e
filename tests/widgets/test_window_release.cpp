// What the content window, the About window, the date chooser and the splash give back once
// hidden, and that the next opening shows and draws them as before. The fonts go once the last
// window with text has been hidden (their files are no longer mapped) and are loaded again by
// the next opening; they stay while another window with text is shown.
#include "app/main_window.h"
#include "app_fixture.h"
#include "chart/content_window.h"
#include "dialogs/about_window.h"
#include "dialogs/date_chooser.h"

#include <QBackingStore>
#include <QFile>
#include <QMenu>
#include <QSet>
#include <QStringList>
#include <QTest>

#include <string>

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
  // Left alone until the release has run by itself.
  static void waitForReleaseOf(const BorderlessWindow &w) {
    QTRY_VERIFY_WITH_TIMEOUT(!made(w), 20000);
  }
  // Hidden by the program, then left alone until the release has run by itself.
  static void hideAndWaitForRelease(BorderlessWindow &w) {
    w.hide();
    waitForReleaseOf(w);
  }
  // Font files the process has mapped, sorted: a loaded font engine keeps its file mapped.
  static QStringList mappedFontFiles() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
      return {QStringLiteral("(no maps)")};
    QSet<QString> files;
    for (const QByteArray &line : maps.readAll().split('\n')) {
      if (!line.contains('/'))
        continue;
      const QString path = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
      for (const char *type : {".ttf", ".otf", ".ttc", ".pfb"})
        if (path.endsWith(QLatin1String(type)))
          files.insert(path);
    }
    QStringList sorted(files.begin(), files.end());
    sorted.sort();
    return sorted;
  }
  static std::string text(const QStringList &files) {
    return files.join(QLatin1Char(' ')).toStdString();
  }
  // The help text's view (a text edit, made with the window) holds its one font until it is
  // deleted: at most that file stays mapped.
  static void expectFontsLetGo(const QStringList &before) {
    const QStringList after = mappedFontFiles();
    EXPECT_LE(after.size(), 1) << text(after);
    EXPECT_LT(after.size(), before.size()) << text(after);
  }
  // The About window's lines of text, above its creature (which moves while it is shown).
  QImage aboutText() {
    return windows->about().grab(QRect(0, 0, windows->about().width(), 80)).toImage();
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

TEST_F(WindowRelease, TheLastWindowHiddenLetsItsFontsGoAndTheNextOpeningDrawsTheSameText) {
  load();
  windows->main().openTodayPower();
  const QImage power = content().grab().toImage();
  const QStringList loaded = mappedFontFiles();
  ASSERT_GT(loaded.size(), 1) << text(loaded);

  content().hide();
  waitForReleaseOf(content());
  expectFontsLetGo(loaded);

  windows->main().openTodayPower();
  EXPECT_EQ(content().grab().toImage(), power);
  EXPECT_GT(mappedFontFiles().size(), 1) << "loaded again";

  // The setup panel: its fields keep text layouts of their own.
  windows->main().openSetup();
  const QImage setup = content().grab().toImage();
  const QStringList setupFonts = mappedFontFiles();
  content().hide();
  waitForReleaseOf(content());
  expectFontsLetGo(setupFonts);
  windows->main().openSetup();
  EXPECT_EQ(content().grab().toImage(), setup);
}

TEST_F(WindowRelease, FontsStayWhileAnotherWindowWithTextIsShown) {
  load();
  windows->main().openTodayPower();
  content().grab();
  // The About command hides the content window and shows the About window.
  windows->main().openAbout();
  ASSERT_TRUE(windows->about().isVisible());
  const QImage about = aboutText();
  const QStringList fonts = mappedFontFiles();
  waitForReleaseOf(content());
  EXPECT_EQ(text(mappedFontFiles()), text(fonts));

  windows->about().hide();
  waitForReleaseOf(windows->about());
  expectFontsLetGo(fonts);
  windows->main().openAbout();
  EXPECT_EQ(aboutText(), about);
}

TEST_F(WindowRelease, TheSplashsImageIsGivenBackButNotItsWindow) {
  MainWindow &main = windows->main();
  main.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
  ASSERT_TRUE(QTest::qWaitFor([&] { return main.backingStore()->size() == main.size(); }, 5000));
  main.endSplash();
  EXPECT_TRUE(QTest::qWaitFor([&] { return main.backingStore()->size().width() <= 1; }, 5000))
      << "the hidden splash keeps a window-size image";
  // The X tray icons blink quietly only while the main window has its platform window.
  EXPECT_TRUE(main.testAttribute(Qt::WA_WState_Created));
}

} // namespace
