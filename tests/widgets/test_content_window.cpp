// The content window in panel mode: its frame and panels, the tray commands
// that open it, the setup's OK, moving it and what it shows.
#include "app/main_window.h"
#include "app_fixture.h"
#include "chart/content_window.h"
#include "core/biorhythm.h"
#include "core/errors.h"
#include "dialogs/about_window.h"
#include "dialogs/date_chooser.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using namespace testing_support;

namespace {

class ContentWindowTest : public AppFixture {
protected:
  void load(const QByteArray &file = "\r\nAnna\r\n11/05/2024\r\n0\r\n") {
    writeConfig(file);
    mainWindow->loadAtStart();
    QCoreApplication::processEvents();
  }
  QPoint centredOrigin() const {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {screen.x() + (screen.width() - contentWindow->width()) / 2,
            screen.y() + (screen.height() - contentWindow->height()) / 2};
  }
  void expectPanelMode() {
    EXPECT_EQ(contentWindow->size(), QSize(385, 248));
    EXPECT_EQ(contentWindow->topLeftCloseCorner->pos(), QPoint(0, 0));
    EXPECT_EQ(contentWindow->topRightCloseCorner->pos(), QPoint(365, 0));
    EXPECT_EQ(contentWindow->bottomLeftCloseCorner->pos(), QPoint(0, 228));
    EXPECT_EQ(contentWindow->bottomRightCloseCorner->pos(), QPoint(365, 228));
  }
  QColor pixel(const QImage &image, int x, int y) { return image.pixelColor(x, y); }
};

TEST_F(ContentWindowTest, IsCreatedHiddenWithItsFrameCornersAndPanelsInPlace) {
  EXPECT_FALSE(contentWindow->isVisible());
  expectPanelMode();
  for (BevelPanel *p :
       {contentWindow->powerPanel, contentWindow->setupPanel, contentWindow->explanationPanel,
        contentWindow->guidePanel, contentWindow->projectionPanel})
    EXPECT_EQ(p->geometry(), QRect(10, 10, 365, 228)) << p->objectName().toStdString();
  EXPECT_EQ(contentWindow->topFrameBar->geometry(), QRect(0, 0, 385, 10));
  EXPECT_EQ(contentWindow->bottomFrameBar->geometry(), QRect(0, 238, 385, 10));
  EXPECT_EQ(contentWindow->rightFrameBar->geometry(), QRect(375, 10, 10, 228));
  EXPECT_EQ(contentWindow->leftFrameBar->geometry(), QRect(0, 10, 10, 228));
  EXPECT_TRUE(contentWindow->stayOnTop());
  EXPECT_EQ(contentWindow->explanationText->lines().size(), 105);
  EXPECT_EQ(contentWindow->explanationText->lines().first(), "Biorhythm means rhythm of life.");
  EXPECT_TRUE(contentWindow->explanationText->lines().last().isEmpty());
  EXPECT_TRUE(contentWindow->explanationText->isReadOnly());
}

TEST_F(ContentWindowTest, TheCriticalDaysOfTheExplanationAreTheCrossingsAlone) {
  // The icons mark the low and high bands, not the crossings: the section
  // that defines critical days must not tie them to the icons.
  const QStringList lines = contentWindow->explanationText->lines();
  const qsizetype start = lines.indexOf("Critical Days.");
  ASSERT_GE(start, 0);
  EXPECT_EQ(lines.value(start + 1), "Critical days are those during which a cycle");
  EXPECT_EQ(lines.value(start + 2), "crosses from plus to minus (or minus to plus).");
  for (qsizetype i = start; i < lines.size() && !lines[i].isEmpty(); ++i)
    EXPECT_FALSE(lines[i].contains("icon", Qt::CaseInsensitive)) << lines[i].toStdString();
}

TEST_F(ContentWindowTest, TheCornerRuleFollowsEverySizeChange) {
  contentWindow->setOuterSize(634, 440);
  EXPECT_EQ(contentWindow->topRightCloseCorner->pos(), QPoint(614, 0));
  EXPECT_EQ(contentWindow->bottomLeftCloseCorner->pos(), QPoint(0, 420));
  EXPECT_EQ(contentWindow->bottomRightCloseCorner->pos(), QPoint(614, 420));
  EXPECT_EQ(contentWindow->bottomFrameBar->geometry(), QRect(0, 430, 634, 10));
  EXPECT_EQ(contentWindow->rightFrameBar->geometry(), QRect(624, 10, 10, 420));
}

TEST_F(ContentWindowTest, EachMenuCommandOpensItsPanelCentredAndArmsTheRefresh) {
  load();
  const struct {
    void (MainWindow::*command)();
    BevelPanel *ContentWindow::*panel;
    const char *name;
  } cases[] = {{&MainWindow::openTodayPower, &ContentWindow::powerPanel, "power"},
               {&MainWindow::openProjection, &ContentWindow::projectionPanel, "details"},
               {&MainWindow::openSetup, &ContentWindow::setupPanel, "setup"},
               {&MainWindow::openExplanation, &ContentWindow::explanationPanel, "what"},
               {&MainWindow::openGuide, &ContentWindow::guidePanel, "help"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    mainWindow->refreshOnCloseTimer->stop();
    aboutWindow->show();
    contentWindow->move(5, 5); // dragged aside: the command brings it back
    (mainWindow->*c.command)();
    EXPECT_TRUE(contentWindow->isVisible());
    EXPECT_EQ(contentWindow->visiblePanel(), contentWindow.get()->*c.panel);
    expectPanelMode();
    EXPECT_EQ(contentWindow->pos(), centredOrigin());
    EXPECT_TRUE(mainWindow->refreshOnCloseTimer->isActive());
    EXPECT_FALSE(aboutWindow->isVisible());
  }
}

TEST_F(ContentWindowTest, ACommandFromChartSizeGoesBackToPanelSize) {
  load();
  contentWindow->setOuterSize(634, 440);
  mainWindow->openTodayPower();
  expectPanelMode();
}

TEST_F(ContentWindowTest, AClickOnAnIconOpensPowerOnlyWhenTheWindowIsHidden) {
  load();
  aboutWindow->show();
  mainWindow->trayIconClicked();
  EXPECT_TRUE(contentWindow->isVisible());
  EXPECT_EQ(contentWindow->visiblePanel(), contentWindow->powerPanel);
  EXPECT_TRUE(aboutWindow->isVisible()); // a click leaves the About window alone

  mainWindow->openSetup();
  contentWindow->move(7, 9);
  mainWindow->trayIconClicked();
  EXPECT_EQ(contentWindow->visiblePanel(), contentWindow->setupPanel);
  EXPECT_EQ(contentWindow->pos(), QPoint(7, 9));
}

TEST_F(ContentWindowTest, TheTrayMouseReachesTheCommandsThroughTheIcons) {
  load();
  ASSERT_TRUE(env->notifyArea.mouse(mainWindow->physicalTrayIcon, platform::TrayMouse::LeftUp));
  QCoreApplication::processEvents();
  EXPECT_EQ(contentWindow->visiblePanel(), contentWindow->powerPanel);
  ASSERT_TRUE(env->notifyArea.mouse(mainWindow->intellectualTrayIcon,
                                    platform::TrayMouse::LeftDoubleClick));
  QCoreApplication::processEvents();
  EXPECT_EQ(contentWindow->visiblePanel(), contentWindow->guidePanel);
}

TEST_F(ContentWindowTest, ADoubleClickShowsTheGuideAndTheSteadyIconsWithoutStoppingTheBlinking) {
  load("\r\nAnna\r\n05/05/2024\r\n0\r\n"); // every cycle blinks
  mainWindow->blinkStep();
  ASSERT_EQ(pictureNameOf(env->notifyArea.shown(mainWindow->emotionalTrayIcon)->icon), "happy");
  aboutWindow->show();
  mainWindow->trayIconDoubleClicked();
  EXPECT_EQ(contentWindow->visiblePanel(), contentWindow->guidePanel);
  EXPECT_FALSE(aboutWindow->isVisible());
  EXPECT_EQ(pictureNameOf(env->notifyArea.shown(mainWindow->emotionalTrayIcon)->icon), "emotio10");
  EXPECT_EQ(pictureNameOf(env->notifyArea.shown(mainWindow->physicalTrayIcon)->icon), "physiq10");
  EXPECT_TRUE(mainWindow->blinkTimer->isActive());
  EXPECT_TRUE(mainWindow->refreshOnCloseTimer->isActive());
}

TEST_F(ContentWindowTest, HidingAllWindowsIsFollowedByTheTrayRefresh) {
  load();
  mainWindow->openTodayPower();
  dateChooser->show();
  aboutWindow->show();
  contentWindow->birthDateField->setText("21/04/2024");
  mainWindow->hideAllWindows();
  EXPECT_FALSE(contentWindow->isVisible());
  EXPECT_FALSE(aboutWindow->isVisible());
  EXPECT_FALSE(dateChooser->isVisible());
  mainWindow->refreshWhenContentHidden();
  EXPECT_EQ(pictureNameOf(env->notifyArea.shown(mainWindow->emotionalTrayIcon)->icon), "emotio0");
}

TEST_F(ContentWindowTest, AnyCornerPanelHidesTheWindowAndNothingElse) {
  load();
  for (BevelPanel *corner :
       {contentWindow->topLeftCloseCorner, contentWindow->topRightCloseCorner,
        contentWindow->bottomLeftCloseCorner, contentWindow->bottomRightCloseCorner}) {
    SCOPED_TRACE(corner->objectName().toStdString());
    mainWindow->openExplanation();
    QTest::mouseClick(corner, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(contentWindow->isVisible());
    EXPECT_EQ(contentWindow->visiblePanel(), contentWindow->explanationPanel);
    EXPECT_EQ(corner->caption(), "X");
  }
}

class SetupOk : public ContentWindowTest {
protected:
  void SetUp() override {
    ContentWindowTest::SetUp();
    mainWindow->loadAtStart(); // first run: setup panel
    contentWindow->move(40, 30);
  }
  void pressOk(const QString &name, const QString &birth) {
    contentWindow->firstNameField->setText(name);
    contentWindow->birthDateField->setText(birth);
    contentWindow->saveSetup();
  }
};

TEST_F(SetupOk, FixesTheNameSavesComputesAndShowsThePower) {
  pressOk("anna", "11/05/2024");
  EXPECT_EQ(contentWindow->firstNameField->text(), "Anna");
  EXPECT_EQ(headlineFirstName, "Anna");
  EXPECT_EQ(readConfig(), "\r\nAnna\r\n11/05/2024\r\n0\r\n");
  EXPECT_EQ(core::currentDayCount, 1);
  EXPECT_EQ(contentWindow->emotionalGauge->progress(), 61);
  EXPECT_EQ(contentWindow->intellectualGauge->progress(), 59);
  EXPECT_EQ(contentWindow->physicalGauge->progress(), 63);
  EXPECT_EQ(contentWindow->greetingLabel->text(), "Hello Anna, this is for today, 12/05/2024.");
  EXPECT_EQ(contentWindow->visiblePanel(), contentWindow->powerPanel);
  EXPECT_EQ(contentWindow->pos(), QPoint(40, 30));
  // The tray follows only when the window closes.
  EXPECT_EQ(pictureNameOf(env->notifyArea.shown(mainWindow->emotionalTrayIcon)->icon), "tray21");
}

TEST_F(SetupOk, NameRules) {
  const struct {
    QString typed, kept;
  } cases[] = {
      {"anna", "Anna"}, {"ANNA", "ANNA"},
      {"zoé", "Zoé"},   {"élodie", "élodie"},
      {"2pac", "2pac"}, {"abcdefghijklmnopqrst", "Abcdefghijklmno"},
      {"", ""},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    pressOk(c.typed, "11/05/2024");
    EXPECT_EQ(contentWindow->firstNameField->text(), c.kept);
    EXPECT_EQ(headlineFirstName, c.kept);
    EXPECT_EQ(readConfig(), "\r\n" + c.kept.toUtf8() + "\r\n11/05/2024\r\n0\r\n");
  }
  EXPECT_EQ(contentWindow->greetingLabel->text(), "Hello , this is for today, 12/05/2024.");
}

TEST_F(SetupOk, WritesBlinkingOffAsOne) {
  mainWindow->toggleBlinking(); // checked → unchecked
  pressOk("Anna", "11/05/2024");
  EXPECT_EQ(readConfig(), "\r\nAnna\r\n11/05/2024\r\n1\r\n");
}

TEST_F(SetupOk, ABirthDateThatDoesNotConvertWritesNothing) {
  pressOk("bob", "11/05/2024");
  const QByteArray saved = readConfig();
  mainWindow->openSetup();
  contentWindow->firstNameField->setText("carl");
  contentWindow->birthDateField->setText("31/02/1990");
  try {
    contentWindow->saveSetup();
    FAIL() << "no error";
  } catch (const core::EConvertError &error) {
    EXPECT_STREQ(error.what(), "'31/02/1990' is not a valid date");
  }
  EXPECT_EQ(readConfig(), saved);
  EXPECT_EQ(contentWindow->firstNameField->text(), "Carl");
  EXPECT_EQ(contentWindow->visiblePanel(), contentWindow->setupPanel);
  EXPECT_EQ(core::currentDayCount, 1);
}

TEST_F(SetupOk, AMissingFolderFailsWithItsMessageAndKeepsTheSetupOpen) {
  env->environment().configPath = dir.filePath("gone/Calvoro.ini").toStdString();
  try {
    pressOk("anna", "11/05/2024");
    FAIL() << "no error";
  } catch (const core::EInOutError &error) {
    EXPECT_STREQ(error.what(), "Invalid filename");
  }
  EXPECT_EQ(contentWindow->firstNameField->text(), "Anna");
  EXPECT_EQ(contentWindow->visiblePanel(), contentWindow->setupPanel);
}

TEST_F(SetupOk, TheButtonItselfRunsTheSetup) {
  contentWindow->firstNameField->setText("dora");
  contentWindow->birthDateField->setText("11/05/2024");
  QTest::mouseClick(contentWindow->setupOkButton, Qt::LeftButton);
  EXPECT_EQ(contentWindow->visiblePanel(), contentWindow->powerPanel);
  EXPECT_EQ(contentWindow->setupOkButton->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(contentWindow->birthDateCalendarButton->focusPolicy(), Qt::NoFocus);
}

TEST_F(ContentWindowTest, DraggingTheFrameMovesTheWindowAndDraggingAPanelDoesNot) {
  load();
  mainWindow->openTodayPower();
  const QPoint start = contentWindow->pos();
  // A press on the top frame strip, then a move of (30, 20).
  QTest::mousePress(contentWindow.get(), Qt::LeftButton, {}, QPoint(100, 5));
  QMouseEvent move(QEvent::MouseMove, QPointF(130, 25),
                   contentWindow->mapToGlobal(QPointF(130, 25)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(contentWindow.get(), &move);
  QTest::mouseRelease(contentWindow.get(), Qt::LeftButton, {}, QPoint(130, 25));
  EXPECT_EQ(contentWindow->pos(), start + QPoint(30, 20));

  const QPoint moved = contentWindow->pos();
  QTest::mousePress(contentWindow->powerPanel, Qt::LeftButton, {}, QPoint(150, 100));
  QMouseEvent move2(QEvent::MouseMove, QPointF(180, 130),
                    contentWindow->powerPanel->mapToGlobal(QPointF(180, 130)), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(contentWindow->powerPanel, &move2);
  QTest::mouseRelease(contentWindow->powerPanel, Qt::LeftButton, {}, QPoint(180, 130));
  EXPECT_EQ(contentWindow->pos(), moved);
}

TEST_F(ContentWindowTest, PixelsOfThePowerPanel) {
  load(); // 61, 59, 63
  contentWindow->showOnlyPanel(contentWindow->powerPanel);
  const QImage image = contentWindow->grab().toImage();
  // Gauges: filled from the bottom in their colours, pale yellow above.
  const struct {
    int x;
    QColor fill;
    int level;
  } gauges[] = {{10 + 34, QColor(255, 0, 0), 61},
                {10 + 143, QColor(255, 255, 0), 59},
                {10 + 252, QColor(0, 255, 0), 63}};
  for (const auto &g : gauges) {
    SCOPED_TRACE(g.level);
    const int top = 10 + 54, bottom = top + 155;
    EXPECT_EQ(pixel(image, g.x + 5, bottom - 4), g.fill);
    EXPECT_EQ(pixel(image, g.x + 5, top + 4), QColor(255, 255, 221));
    // The fill line sits where the level says, within the border's pixel.
    const int fillTop = bottom - 1 - (153 * g.level) / 100;
    EXPECT_EQ(pixel(image, g.x + 5, fillTop + 2), g.fill);
    EXPECT_EQ(pixel(image, g.x + 5, fillTop - 3), QColor(255, 255, 221));
  }
  // Greeting bar black behind its white text; corner panels silver; frame dark green.
  EXPECT_EQ(pixel(image, 10 + 3, 10 + 10), QColor(0, 0, 0));
  long red = 0, green = 0, blue = 0;
  for (int y = 20; y < 228; ++y)
    for (int x = 0; x < 10; ++x) {
      red += pixel(image, x, y).red();
      green += pixel(image, x, y).green();
      blue += pixel(image, x, y).blue();
    }
  EXPECT_GT(green, 2 * red);
  EXPECT_GT(green, 2 * blue);
  const QColor corner = pixel(image, 365 + 3, 3);
  EXPECT_EQ(corner, QColor(192, 192, 192));
}

TEST_F(ContentWindowTest, TheWindowAndItsFieldsOpenTheTrayMenuOnARightClick) {
  load();
  mainWindow->openSetup();
  for (QWidget *w : std::initializer_list<QWidget *>{
           contentWindow->firstNameField, contentWindow->birthDateField, contentWindow.get()}) {
    SCOPED_TRACE(w->objectName().toStdString());
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(w, &event);
    EXPECT_TRUE(mainWindow->trayMenu->isVisible());
    mainWindow->trayMenu->hide();
  }
}

} // namespace
