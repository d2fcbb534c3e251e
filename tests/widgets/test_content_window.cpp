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
    windows->main().loadAtStart();
    QCoreApplication::processEvents();
  }
  QPoint centredOrigin() const {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {screen.x() + (screen.width() - windows->content().width()) / 2,
            screen.y() + (screen.height() - windows->content().height()) / 2};
  }
  void expectPanelMode() {
    EXPECT_EQ(windows->content().size(), QSize(385, 248));
    EXPECT_EQ(windows->content().topLeftCloseCorner->pos(), QPoint(0, 0));
    EXPECT_EQ(windows->content().topRightCloseCorner->pos(), QPoint(365, 0));
    EXPECT_EQ(windows->content().bottomLeftCloseCorner->pos(), QPoint(0, 228));
    EXPECT_EQ(windows->content().bottomRightCloseCorner->pos(), QPoint(365, 228));
  }
  QColor pixel(const QImage &image, int x, int y) { return image.pixelColor(x, y); }
};

TEST_F(ContentWindowTest, IsCreatedHiddenWithItsFrameCornersAndPanelsInPlace) {
  EXPECT_FALSE(windows->content().isVisible());
  expectPanelMode();
  for (BevelPanel *p : {windows->content().powerPanel, windows->content().setupPanel,
                        windows->content().explanationPanel, windows->content().guidePanel,
                        windows->content().projectionPanel})
    EXPECT_EQ(p->geometry(), QRect(10, 10, 365, 228)) << p->objectName().toStdString();
  EXPECT_EQ(windows->content().topFrameBar->geometry(), QRect(0, 0, 385, 10));
  EXPECT_EQ(windows->content().bottomFrameBar->geometry(), QRect(0, 238, 385, 10));
  EXPECT_EQ(windows->content().rightFrameBar->geometry(), QRect(375, 10, 10, 228));
  EXPECT_EQ(windows->content().leftFrameBar->geometry(), QRect(0, 10, 10, 228));
  EXPECT_TRUE(windows->content().stayOnTop());
  EXPECT_EQ(windows->content().explanationText->lines().size(), 105);
  EXPECT_EQ(windows->content().explanationText->lines().first(), "Biorhythm means rhythm of life.");
  EXPECT_TRUE(windows->content().explanationText->lines().last().isEmpty());
  EXPECT_TRUE(windows->content().explanationText->isReadOnly());
}

TEST_F(ContentWindowTest, TheCriticalDaysOfTheExplanationAreTheCrossingsAlone) {
  // The icons mark the low and high bands, not the crossings: the section
  // that defines critical days must not tie them to the icons.
  const QStringList lines = windows->content().explanationText->lines();
  const qsizetype start = lines.indexOf("Critical Days.");
  ASSERT_GE(start, 0);
  EXPECT_EQ(lines.value(start + 1), "Critical days are those during which a cycle");
  EXPECT_EQ(lines.value(start + 2), "crosses from plus to minus (or minus to plus).");
  for (qsizetype i = start; i < lines.size() && !lines[i].isEmpty(); ++i)
    EXPECT_FALSE(lines[i].contains("icon", Qt::CaseInsensitive)) << lines[i].toStdString();
}

TEST_F(ContentWindowTest, TheCornerRuleFollowsEverySizeChange) {
  windows->content().setOuterSize(634, 440);
  EXPECT_EQ(windows->content().topRightCloseCorner->pos(), QPoint(614, 0));
  EXPECT_EQ(windows->content().bottomLeftCloseCorner->pos(), QPoint(0, 420));
  EXPECT_EQ(windows->content().bottomRightCloseCorner->pos(), QPoint(614, 420));
  EXPECT_EQ(windows->content().bottomFrameBar->geometry(), QRect(0, 430, 634, 10));
  EXPECT_EQ(windows->content().rightFrameBar->geometry(), QRect(624, 10, 10, 420));
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
    windows->content().hide();
    windows->refreshWhenContentHidden();
    windows->about().show();
    windows->content().move(5, 5); // dragged aside: the command brings it back
    (windows->main().*c.command)();
    EXPECT_TRUE(windows->content().isVisible());
    EXPECT_EQ(windows->content().visiblePanel(), &windows->content()->*c.panel);
    expectPanelMode();
    EXPECT_EQ(windows->content().pos(), centredOrigin());
    EXPECT_TRUE(windows->refreshArmed());
    EXPECT_FALSE(windows->about().isVisible());
  }
}

TEST_F(ContentWindowTest, ACommandFromChartSizeGoesBackToPanelSize) {
  load();
  windows->content().setOuterSize(634, 440);
  windows->main().openTodayPower();
  expectPanelMode();
}

TEST_F(ContentWindowTest, AClickOnAnIconOpensPowerOnlyWhenTheWindowIsHidden) {
  load();
  windows->about().show();
  windows->main().trayIconClicked();
  EXPECT_TRUE(windows->content().isVisible());
  EXPECT_EQ(windows->content().visiblePanel(), windows->content().powerPanel);
  EXPECT_TRUE(windows->about().isVisible()); // a click leaves the About window alone

  windows->main().openSetup();
  windows->content().move(7, 9);
  windows->main().trayIconClicked();
  EXPECT_EQ(windows->content().visiblePanel(), windows->content().setupPanel);
  EXPECT_EQ(windows->content().pos(), QPoint(7, 9));
}

TEST_F(ContentWindowTest, TheTrayMouseReachesTheCommandsThroughTheIcons) {
  load();
  ASSERT_TRUE(env->notifyArea.mouse(windows->main().physicalTrayIcon, platform::TrayMouse::LeftUp));
  QCoreApplication::processEvents();
  EXPECT_EQ(windows->content().visiblePanel(), windows->content().powerPanel);
  ASSERT_TRUE(env->notifyArea.mouse(windows->main().intellectualTrayIcon,
                                    platform::TrayMouse::LeftDoubleClick));
  QCoreApplication::processEvents();
  EXPECT_EQ(windows->content().visiblePanel(), windows->content().guidePanel);
}

TEST_F(ContentWindowTest, ADoubleClickShowsTheGuideAndTheSteadyIconsWithoutStoppingTheBlinking) {
  load("\r\nAnna\r\n05/05/2024\r\n0\r\n"); // every cycle blinks
  windows->main().blinkStep();
  ASSERT_EQ(pictureNameOf(env->notifyArea.shown(windows->main().emotionalTrayIcon)->icon), "happy");
  windows->about().show();
  windows->main().trayIconDoubleClicked();
  EXPECT_EQ(windows->content().visiblePanel(), windows->content().guidePanel);
  EXPECT_FALSE(windows->about().isVisible());
  EXPECT_EQ(pictureNameOf(env->notifyArea.shown(windows->main().emotionalTrayIcon)->icon),
            "emotio10");
  EXPECT_EQ(pictureNameOf(env->notifyArea.shown(windows->main().physicalTrayIcon)->icon),
            "physiq10");
  EXPECT_TRUE(windows->main().blinkTimer->isActive());
  EXPECT_TRUE(windows->refreshArmed());
}

TEST_F(ContentWindowTest, HidingAllWindowsIsFollowedByTheTrayRefresh) {
  load();
  windows->main().openTodayPower();
  windows->chooser().show();
  windows->about().show();
  windows->content().birthDateField->setText("21/04/2024");
  windows->main().hideAllWindows();
  EXPECT_FALSE(windows->content().isVisible());
  EXPECT_FALSE(windows->about().isVisible());
  EXPECT_FALSE(windows->chooser().isVisible());
  windows->refreshWhenContentHidden();
  EXPECT_EQ(pictureNameOf(env->notifyArea.shown(windows->main().emotionalTrayIcon)->icon),
            "emotio0");
}

TEST_F(ContentWindowTest, AnyCornerPanelHidesTheWindowAndNothingElse) {
  load();
  for (BevelPanel *corner :
       {windows->content().topLeftCloseCorner, windows->content().topRightCloseCorner,
        windows->content().bottomLeftCloseCorner, windows->content().bottomRightCloseCorner}) {
    SCOPED_TRACE(corner->objectName().toStdString());
    windows->main().openExplanation();
    QTest::mouseClick(corner, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(windows->content().isVisible());
    EXPECT_EQ(windows->content().visiblePanel(), windows->content().explanationPanel);
    EXPECT_EQ(corner->caption(), "X");
  }
}

class SetupOk : public ContentWindowTest {
protected:
  void SetUp() override {
    ContentWindowTest::SetUp();
    windows->main().loadAtStart(); // first run: setup panel
    windows->content().move(40, 30);
  }
  void pressOk(const QString &name, const QString &birth) {
    windows->content().firstNameField->setText(name);
    windows->content().birthDateField->setText(birth);
    windows->content().saveSetup();
  }
};

TEST_F(SetupOk, FixesTheNameSavesComputesAndShowsThePower) {
  pressOk("anna", "11/05/2024");
  EXPECT_EQ(windows->content().firstNameField->text(), "Anna");
  EXPECT_EQ(windows->session().headlineFirstName, "Anna");
  EXPECT_EQ(readConfig(), "2024-05-11\r\nAnna\r\n11/05/2024\r\n0\r\n");
  EXPECT_EQ(windows->session().dayCount(), 1);
  EXPECT_EQ(windows->content().emotionalGauge->progress(), 61);
  EXPECT_EQ(windows->content().intellectualGauge->progress(), 59);
  EXPECT_EQ(windows->content().physicalGauge->progress(), 63);
  EXPECT_EQ(windows->content().greetingLabel->text(), "Hello Anna, this is for today, 12/05/2024.");
  EXPECT_EQ(windows->content().visiblePanel(), windows->content().powerPanel);
  EXPECT_EQ(windows->content().pos(), QPoint(40, 30));
  // The tray follows only when the window closes.
  EXPECT_EQ(pictureNameOf(env->notifyArea.shown(windows->main().emotionalTrayIcon)->icon),
            "tray21");
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
    EXPECT_EQ(windows->content().firstNameField->text(), c.kept);
    EXPECT_EQ(windows->session().headlineFirstName, c.kept);
    EXPECT_EQ(readConfig(), "2024-05-11\r\n" + c.kept.toUtf8() + "\r\n11/05/2024\r\n0\r\n");
  }
  EXPECT_EQ(windows->content().greetingLabel->text(), "Hello , this is for today, 12/05/2024.");
}

TEST_F(SetupOk, WritesBlinkingOffAsOne) {
  windows->main().toggleBlinking(); // checked → unchecked
  pressOk("Anna", "11/05/2024");
  EXPECT_EQ(readConfig(), "2024-05-11\r\nAnna\r\n11/05/2024\r\n1\r\n");
}

TEST_F(SetupOk, ABirthDateThatDoesNotConvertWritesNothing) {
  pressOk("bob", "11/05/2024");
  const QByteArray saved = readConfig();
  windows->main().openSetup();
  windows->content().firstNameField->setText("carl");
  windows->content().birthDateField->setText("31/02/1990");
  try {
    windows->content().saveSetup();
    FAIL() << "no error";
  } catch (const core::EConvertError &error) {
    EXPECT_STREQ(error.what(), "'31/02/1990' is not a valid date");
  }
  EXPECT_EQ(readConfig(), saved);
  EXPECT_EQ(windows->content().firstNameField->text(), "Carl");
  EXPECT_EQ(windows->content().visiblePanel(), windows->content().setupPanel);
  EXPECT_EQ(windows->session().dayCount(), 1);
}

TEST_F(SetupOk, AMissingFolderFailsWithItsMessageAndKeepsTheSetupOpen) {
  env->environment().configPath = dir.filePath("gone/Calvoro.ini").toStdString();
  try {
    pressOk("anna", "11/05/2024");
    FAIL() << "no error";
  } catch (const core::EInOutError &error) {
    EXPECT_STREQ(error.what(), "Invalid filename");
  }
  EXPECT_EQ(windows->content().firstNameField->text(), "Anna");
  EXPECT_EQ(windows->content().visiblePanel(), windows->content().setupPanel);
}

TEST_F(SetupOk, TheButtonItselfRunsTheSetup) {
  windows->content().firstNameField->setText("dora");
  windows->content().birthDateField->setText("11/05/2024");
  QTest::mouseClick(windows->content().setupOkButton, Qt::LeftButton);
  EXPECT_EQ(windows->content().visiblePanel(), windows->content().powerPanel);
  EXPECT_EQ(windows->content().setupOkButton->focusPolicy(), Qt::NoFocus);
  // "Calendar" is reached by Tab only: a click leaves the focus in the field.
  EXPECT_FALSE(windows->content().birthDateCalendarButton->focusPolicy() & Qt::ClickFocus);
}

TEST_F(SetupOk, AnIncompleteYearStaysAsTypedAndTheRefusalQuotesIt) {
  env->expectErrors = true;
  DateField *field = windows->content().birthDateField;
  field->setText("01/01/1990");
  field->setFocus();
  field->setSelection(0, 9);
  QTest::keyClicks(field, "120519");
  ASSERT_EQ(field->editText(), "12/05/19_0");
  QTest::mouseClick(windows->content().setupOkButton, Qt::LeftButton);
  EXPECT_EQ(field->editText(), "12/05/19_0");
  EXPECT_EQ(env->errorReport.shown, QStringList{"'12/05/19 0' is not a valid date."});
}

TEST_F(ContentWindowTest, DraggingTheFrameMovesTheWindowAndDraggingAPanelDoesNot) {
  load();
  windows->main().openTodayPower();
  const QPoint start = windows->content().pos();
  // A press on the top frame strip, then a move of (30, 20).
  QTest::mousePress(&windows->content(), Qt::LeftButton, {}, QPoint(100, 5));
  QMouseEvent move(QEvent::MouseMove, QPointF(130, 25),
                   windows->content().mapToGlobal(QPointF(130, 25)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(&windows->content(), &move);
  QTest::mouseRelease(&windows->content(), Qt::LeftButton, {}, QPoint(130, 25));
  EXPECT_EQ(windows->content().pos(), start + QPoint(30, 20));

  const QPoint moved = windows->content().pos();
  QTest::mousePress(windows->content().powerPanel, Qt::LeftButton, {}, QPoint(150, 100));
  QMouseEvent move2(QEvent::MouseMove, QPointF(180, 130),
                    windows->content().powerPanel->mapToGlobal(QPointF(180, 130)), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(windows->content().powerPanel, &move2);
  QTest::mouseRelease(windows->content().powerPanel, Qt::LeftButton, {}, QPoint(180, 130));
  EXPECT_EQ(windows->content().pos(), moved);
}

TEST_F(ContentWindowTest, PixelsOfThePowerPanel) {
  load(); // 61, 59, 63
  windows->content().showOnlyPanel(windows->content().powerPanel);
  const QImage image = windows->content().grab().toImage();
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
  windows->main().openSetup();
  for (QWidget *w :
       std::initializer_list<QWidget *>{windows->content().firstNameField,
                                        windows->content().birthDateField, &windows->content()}) {
    SCOPED_TRACE(w->objectName().toStdString());
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(w, &event);
    EXPECT_TRUE(windows->main().trayMenu->isVisible());
    windows->main().trayMenu->hide();
  }
}

} // namespace
