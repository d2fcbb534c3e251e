// The main window: loading the configuration, the level icons and their
// tooltips, blinking, the save command and quitting.
#include "app/main_window.h"
#include "app_fixture.h"
#include "chart/content_window.h"
#include "core/biorhythm.h"
#include "core/errors.h"
#include "dialogs/about_window.h"
#include "dialogs/date_chooser.h"

#include <QCoreApplication>
#include <QTest>

#include <chrono>

using namespace testing_support;

namespace {

class MainWindowTest : public AppFixture {
protected:
  QString shownPicture(TrayIcon *icon) {
    const platform::NotifyRecord *record = env->notifyArea.shown(icon);
    return record ? pictureNameOf(record->icon) : QStringLiteral("<absent>");
  }
  QStringList shownPictures() {
    return {shownPicture(mainWindow->emotionalTrayIcon),
            shownPicture(mainWindow->intellectualTrayIcon),
            shownPicture(mainWindow->physicalTrayIcon)};
  }
  QString shownTip(TrayIcon *icon) {
    const platform::NotifyRecord *record = env->notifyArea.shown(icon);
    return record ? record->tip : QString();
  }
  // Each icon says that the birth date cannot be read and where to set it.
  void expectUnreadableDateTips() {
    const QString tip = unreadableBirthDateTip();
    EXPECT_TRUE(tip.contains(mainWindow->setupAction->text())) << tip.toStdString();
    EXPECT_LE(tip.size(), platform::NotifyArea::kMaxTipLength - 1);
    for (TrayIcon *icon : {mainWindow->emotionalTrayIcon, mainWindow->intellectualTrayIcon,
                           mainWindow->physicalTrayIcon})
      EXPECT_EQ(shownTip(icon), tip);
  }
  void loadWithBirthDate(const QString &birth, const QByteArray &line4 = "0") {
    writeConfig("\r\nAnna\r\n" + birth.toLatin1() + "\r\n" + line4 + "\r\n");
    mainWindow->loadAtStart();
    QCoreApplication::processEvents();
  }
};

TEST_F(MainWindowTest, StartsWithItsInitialIconsInTheTrayBeforeAnythingIsLoaded) {
  QCoreApplication::processEvents();
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  EXPECT_TRUE(mainWindow->blinkingAction->isChecked());
  EXPECT_FALSE(contentWindow->isVisible());
  // Made at their first opening, not at start.
  EXPECT_EQ(aboutWindow.made(), nullptr);
  EXPECT_EQ(dateChooser.made(), nullptr);
}

TEST_F(MainWindowTest, TheTrayMenuHasItsItemsAndSeparatorsInOrder) {
  const char *const expected[] = {
      "Your power today",
      "Your power everyday",
      nullptr,
      "Blinking Icons",
      nullptr,
      "Setup",
      "What is Biorythm ?",
      "How works Calvoro ?",
      "About Calvoro by KALDO",
      nullptr,
      "Save your configuration",
      "Terminate Calvoro and Quit",
      nullptr,
      "OK, hide all windows",
      "OK, close the menu...",
  };
  const QList<QAction *> actions = mainWindow->trayMenu->actions();
  ASSERT_EQ(actions.size(), std::size(expected));
  for (qsizetype i = 0; i < actions.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(actions[i]->isVisible());
    if (!expected[i]) {
      EXPECT_TRUE(actions[i]->isSeparator());
    } else {
      EXPECT_FALSE(actions[i]->isSeparator());
      EXPECT_EQ(actions[i]->text(), expected[i]);
      EXPECT_TRUE(actions[i]->isEnabled());
      EXPECT_EQ(actions[i]->isCheckable(), actions[i] == mainWindow->blinkingAction);
    }
  }
  EXPECT_TRUE(mainWindow->blinkingAction->isChecked());
}

TEST_F(MainWindowTest, FirstRunOpensTheSetupPanelAndWaitsForTheWindowToClose) {
  mainWindow->loadAtStart();
  EXPECT_TRUE(contentWindow->isVisible());
  EXPECT_EQ(contentWindow->visiblePanel(), contentWindow->setupPanel);
  EXPECT_EQ(contentWindow->firstNameField->text(), "First Name");
  EXPECT_EQ(contentWindow->birthDateField->text(), "01/01/0001");
  EXPECT_TRUE(mainWindow->refreshOnCloseTimer->isActive());
  EXPECT_TRUE(mainWindow->hourlyRefreshTimer->isActive());
  EXPECT_FALSE(mainWindow->blinkTimer->isActive());
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  EXPECT_FALSE(configExists());

  // Closing the window without touching the setup: the icons follow the
  // design texts within the next tick.
  contentWindow->closeCornerClicked();
  mainWindow->refreshWhenContentHidden();
  EXPECT_FALSE(mainWindow->refreshOnCloseTimer->isActive());
  const int days = core::daysBetween(core::Date{1, 1, 1}, env->today);
  const core::Levels levels = core::levelsFor(days);
  EXPECT_EQ(shownPicture(mainWindow->emotionalTrayIcon),
            "emotio" + QString::number(core::levelIconIndex(levels.emotional)));
  EXPECT_EQ(shownTip(mainWindow->emotionalTrayIcon), "Dear First Name, you have " +
                                                         QString::number(levels.emotional) +
                                                         " % of your emotional power");
  EXPECT_FALSE(configExists());
}

TEST_F(MainWindowTest, LoadFillsTheFieldsGaugesGreetingIconsAndTooltips) {
  writeConfig("\r\n  Anna  \r\n11/05/2024\r\n0\r\n");
  mainWindow->loadAtStart();
  QCoreApplication::processEvents();
  // The tray is complete without the content window, which takes the loaded
  // fields and power over when it is first made.
  EXPECT_EQ(shownTip(mainWindow->emotionalTrayIcon),
            "Dear Anna, you have 61 % of your emotional power");
  EXPECT_EQ(contentWindow.made(), nullptr);

  EXPECT_EQ(contentWindow->firstNameField->text(), "Anna");
  EXPECT_EQ(contentWindow->birthDateField->text(), "11/05/2024");
  EXPECT_EQ(contentWindow->projectionDateField->text(), "12/05/2024");
  EXPECT_EQ(headlineFirstName, "Anna");
  EXPECT_EQ(core::currentDayCount, 1);
  EXPECT_EQ(contentWindow->emotionalGauge->progress(), 61);
  EXPECT_EQ(contentWindow->intellectualGauge->progress(), 59);
  EXPECT_EQ(contentWindow->physicalGauge->progress(), 63);
  EXPECT_EQ(contentWindow->greetingLabel->text(), "Hello Anna, this is for today, 12/05/2024.");
  EXPECT_EQ(shownPictures(), (QStringList{"emotio6", "intel6", "physiq6"}));
  EXPECT_EQ(shownTip(mainWindow->intellectualTrayIcon),
            "Hello Anna, you have 59 % of your intellectual power");
  EXPECT_EQ(shownTip(mainWindow->physicalTrayIcon),
            "Well Anna, you have 63 % of your physical power");
  EXPECT_FALSE(contentWindow->isVisible());
  EXPECT_EQ(mainWindow->loadTimer, nullptr);
  EXPECT_TRUE(mainWindow->hourlyRefreshTimer->isActive());
  EXPECT_TRUE(mainWindow->blinkTimer->isActive());
  EXPECT_TRUE(mainWindow->blinkingAction->isChecked());
}

TEST_F(MainWindowTest, OnlyAFourthLineOfExactlyOneSwitchesBlinkingOff) {
  const struct {
    QByteArray line4;
    bool blinking;
  } cases[] = {{"1", false}, {"0", true}, {" 1", true}, {"1 ", true}, {"", true}, {"x", true}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.line4.toStdString());
    destroyWindows();
    createWindows();
    mainWindow->loadTimer->stop();
    mainWindow->splashTimer->stop();
    loadWithBirthDate("05/05/2024", c.line4); // every cycle critical
    EXPECT_EQ(mainWindow->blinkingAction->isChecked(), c.blinking);
    EXPECT_EQ(mainWindow->blinkTimer->isActive(), c.blinking);
  }
}

TEST_F(MainWindowTest, AStoredBirthDateThatDoesNotConvertIsShownAndTheUserGetsTheSetupBack) {
  env->expectErrors = true;
  writeConfig("\r\nAnna\r\n"); // the birth date reads as empty
  mainWindow->loadAtStart();
  QCoreApplication::processEvents();
  EXPECT_EQ(env->errorReport.shown, QStringList{"'' is not a valid date."});
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  expectUnreadableDateTips();
  EXPECT_TRUE(contentWindow->isVisible());
  EXPECT_EQ(contentWindow->visiblePanel(), contentWindow->setupPanel);
  EXPECT_EQ(contentWindow->firstNameField->text(), "Anna");
  EXPECT_TRUE(mainWindow->refreshOnCloseTimer->isActive());
  EXPECT_FALSE(mainWindow->blinkTimer->isActive());
}

TEST_F(MainWindowTest, AConfigurationThatCannotBeReadStopsTheLoadWithTheInitialIcons) {
  // A path the system refuses to open: a name longer than any file name.
  env->environment().configPath = dir.filePath(QString(300, 'x')).toStdString();
  EXPECT_THROW(mainWindow->loadAtStart(), core::EInOutError);
  QCoreApplication::processEvents();
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  EXPECT_FALSE(mainWindow->hourlyRefreshTimer->isActive());
  EXPECT_FALSE(contentWindow->isVisible());
}

TEST_F(MainWindowTest, CriticalIconsBlinkEverySecondWithTheirSign) {
  loadWithBirthDate("05/05/2024"); // day count 7: 100, 99, 97
  ASSERT_EQ(shownPictures(), (QStringList{"emotio10", "intel10", "physiq10"}));
  mainWindow->blinkStep();
  EXPECT_EQ(shownPictures(), (QStringList{"happy", "happy", "happy"}));
  mainWindow->blinkStep();
  EXPECT_EQ(shownPictures(), (QStringList{"emotio10", "intel10", "physiq10"}));
  mainWindow->blinkStep();
  EXPECT_EQ(shownPictures(), (QStringList{"happy", "happy", "happy"}));
  // Blinking never touches the steady icons.
  EXPECT_EQ(pictureNameOf(mainWindow->emotionalSteadyIcon), "emotio10");
  EXPECT_TRUE(mainWindow->blinkTimer->isActive());
}

TEST_F(MainWindowTest, LowLevelsBlinkWithTheAttentionSign) {
  loadWithBirthDate("21/04/2024"); // day count 21: 0, 12, 24
  ASSERT_EQ(shownPictures(), (QStringList{"emotio0", "intel1", "physiq2"}));
  mainWindow->blinkStep();
  EXPECT_EQ(shownPictures(), (QStringList{"attenti", "attenti", "attenti"}));
  mainWindow->blinkStep();
  EXPECT_EQ(shownPictures(), (QStringList{"emotio0", "intel1", "physiq2"}));
}

TEST_F(MainWindowTest, BandEdgesDecideWhetherAnIconBlinks) {
  // Blinking reads the shared levels at each tick; no whole day count gives
  // 25 or 75, so the edges are set directly.
  loadWithBirthDate("11/05/2024");
  const struct {
    int level;
    QString sign; // empty: steady
  } cases[] = {{25, "attenti"}, {26, ""}, {74, ""}, {75, "happy"}, {0, "attenti"}, {100, "happy"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.level);
    core::currentEmotionalLevel = int8_t(c.level);
    core::currentIntellectualLevel = 50;
    core::currentPhysicalLevel = 50;
    mainWindow->emotionalIconName = "emotio" + QString::number(core::levelIconIndex(c.level));
    mainWindow->blinkTimer->start();
    const QString before = shownPicture(mainWindow->emotionalTrayIcon);
    mainWindow->blinkStep();
    EXPECT_EQ(shownPicture(mainWindow->emotionalTrayIcon), c.sign.isEmpty() ? before : c.sign);
    EXPECT_EQ(mainWindow->blinkTimer->isActive(), !c.sign.isEmpty());
  }
}

TEST_F(MainWindowTest, BlinkingStopsAtTheFirstTickWithoutACriticalCycle) {
  loadWithBirthDate("11/05/2024"); // 61, 59, 63: all middle
  EXPECT_TRUE(mainWindow->blinkTimer->isActive());
  mainWindow->blinkStep();
  EXPECT_FALSE(mainWindow->blinkTimer->isActive());
  EXPECT_EQ(shownPictures(), (QStringList{"emotio6", "intel6", "physiq6"}));
}

TEST_F(MainWindowTest, SwitchingBlinkingOffStopsItAndPutsTheSteadyIconsBack) {
  loadWithBirthDate("05/05/2024");
  mainWindow->blinkStep();
  ASSERT_EQ(shownPicture(mainWindow->emotionalTrayIcon), "happy");
  mainWindow->toggleBlinking();
  EXPECT_FALSE(mainWindow->blinkingAction->isChecked());
  EXPECT_FALSE(mainWindow->blinkTimer->isActive());
  EXPECT_EQ(shownPictures(), (QStringList{"emotio10", "intel10", "physiq10"}));
  // The hourly refresh leaves blinking off.
  mainWindow->hourlyRefresh();
  EXPECT_FALSE(mainWindow->blinkTimer->isActive());

  mainWindow->toggleBlinking();
  EXPECT_TRUE(mainWindow->blinkingAction->isChecked());
  EXPECT_TRUE(mainWindow->blinkTimer->isActive());
}

TEST_F(MainWindowTest, TheMenuItemSwitchesBlinkingOnceAClick) {
  loadWithBirthDate("05/05/2024");
  mainWindow->blinkingAction->trigger();
  EXPECT_FALSE(mainWindow->blinkingAction->isChecked());
  EXPECT_FALSE(mainWindow->blinkTimer->isActive());
  mainWindow->blinkingAction->trigger();
  EXPECT_TRUE(mainWindow->blinkingAction->isChecked());
  EXPECT_TRUE(mainWindow->blinkTimer->isActive());
}

TEST_F(MainWindowTest, ALongFirstNameGivesTooltipsOfSixtyTwoCharacters) {
  writeConfig("\r\nBartholomew-Maximilian\r\n11/05/2024\r\n0\r\n");
  mainWindow->loadAtStart();
  const QString tip = mainWindow->intellectualTrayIcon->toolTip();
  EXPECT_EQ(tip.size(), 62);
  EXPECT_EQ(
      tip,
      QString("Hello Bartholomew-Maximilian, you have 59 % of your intellectual power").left(62));
  EXPECT_EQ(headlineFirstName, "Bartholomew-Max");
}

TEST_F(MainWindowTest, TheRefreshWaitsUntilTheContentWindowIsClosed) {
  loadWithBirthDate("11/05/2024");
  mainWindow->openTodayPower();
  ASSERT_TRUE(mainWindow->refreshOnCloseTimer->isActive());
  contentWindow->birthDateField->setText("05/05/2024");
  mainWindow->refreshWhenContentHidden();
  EXPECT_TRUE(mainWindow->refreshOnCloseTimer->isActive());
  EXPECT_EQ(shownPicture(mainWindow->emotionalTrayIcon), "emotio6");
  mainWindow->hideAllWindows();
  mainWindow->refreshWhenContentHidden();
  EXPECT_FALSE(mainWindow->refreshOnCloseTimer->isActive());
  EXPECT_EQ(shownPictures(), (QStringList{"emotio10", "intel10", "physiq10"}));
  EXPECT_TRUE(mainWindow->blinkTimer->isActive());
}

TEST_F(MainWindowTest, AMiddleClickOnAnyIconOpensTheGuideAsTheDoubleClickDoes) {
  loadWithBirthDate("11/05/2024");
  for (TrayIcon *icon : {mainWindow->emotionalTrayIcon, mainWindow->intellectualTrayIcon,
                         mainWindow->physicalTrayIcon}) {
    mainWindow->hideAllWindows();
    env->notifyArea.mouse(icon, platform::TrayMouse::MiddleUp);
    QCoreApplication::processEvents();
    EXPECT_TRUE(contentWindow->isVisible());
    EXPECT_TRUE(contentWindow->guidePanel->isVisible());
    EXPECT_FALSE(contentWindow->powerPanel->isVisible());
    EXPECT_TRUE(mainWindow->refreshOnCloseTimer->isActive());
  }
}

TEST_F(MainWindowTest, ABadBirthDateIsReportedOnceByTheRefreshesWhichShowTheInitialIcons) {
  loadWithBirthDate("05/05/2024"); // critical: blinking
  contentWindow->birthDateField->setText("31/04/2024");
  EXPECT_THROW(mainWindow->hourlyRefresh(), core::EConvertError);
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  expectUnreadableDateTips();
  EXPECT_FALSE(mainWindow->blinkTimer->isActive());
  EXPECT_EQ(core::currentDayCount, 7);

  // The next hour and the close of the window raise nothing for the same date.
  mainWindow->hourlyRefresh();
  mainWindow->openTodayPower();
  mainWindow->hideAllWindows();
  mainWindow->refreshWhenContentHidden();
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  expectUnreadableDateTips();
  EXPECT_TRUE(mainWindow->hourlyRefreshTimer->isActive());

  // Another bad date is reported once more; a good one brings the levels back.
  contentWindow->birthDateField->setText("32/04/2024");
  EXPECT_THROW(mainWindow->hourlyRefresh(), core::EConvertError);
  contentWindow->birthDateField->setText("11/05/2024");
  mainWindow->hourlyRefresh();
  EXPECT_EQ(shownPictures(), (QStringList{"emotio6", "intel6", "physiq6"}));
  contentWindow->birthDateField->setText("31/04/2024");
  EXPECT_THROW(mainWindow->hourlyRefresh(), core::EConvertError);
}

TEST_F(MainWindowTest, TheNewDayReachesTheIconsAndTheOpenPowerPanelJustPastMidnight) {
  loadWithBirthDate("11/05/2024"); // day 1: 61, 59, 63
  mainWindow->openTodayPower();
  ASSERT_EQ(contentWindow->emotionalGauge->progress(), 61);
  // The clock reaches midnight; the hourly timer is hours away.
  env->timeToMidnight = std::chrono::milliseconds(0);
  mainWindow->hourlyRefresh();
  env->today = core::Date{2024, 5, 13};
  const core::Levels next = core::levelsFor(2);
  ASSERT_NE(next.emotional, 61);
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return contentWindow->emotionalGauge->progress() == next.emotional; }, 5000));
  EXPECT_EQ(contentWindow->intellectualGauge->progress(), next.intellectual);
  EXPECT_EQ(contentWindow->physicalGauge->progress(), next.physical);
  EXPECT_EQ(contentWindow->greetingLabel->text(), "Hello Anna, this is for today, 13/05/2024.");
  EXPECT_EQ(shownTip(mainWindow->emotionalTrayIcon), "Dear Anna, you have " +
                                                         QString::number(next.emotional) +
                                                         " % of your emotional power");
  EXPECT_TRUE(mainWindow->hourlyRefreshTimer->isActive());

  // The same day again (a wake-up, a tick that came early) refreshes nothing.
  contentWindow->emotionalGauge->setProgress(0);
  mainWindow->dayMayHaveChanged();
  EXPECT_EQ(contentWindow->emotionalGauge->progress(), 0);
}

TEST_F(MainWindowTest, SavingWithAWindowOpenWarnsAndWritesNothing) {
  loadWithBirthDate("11/05/2024");
  mainWindow->openTodayPower();
  mainWindow->saveFromTray();
  ASSERT_EQ(env->messageBoxes.shown.size(), 1);
  EXPECT_EQ(env->messageBoxes.shown[0].caption, "Warning");
  EXPECT_EQ(env->messageBoxes.shown[0].text,
            "Please close the Calvoro windows (click on the X panel) before saving. Then "
            "right-click on one icon and save.");
  EXPECT_TRUE(contentWindow->stayOnTop());
  EXPECT_TRUE(contentWindow->isVisible());
  EXPECT_EQ(readConfig(), "\r\nAnna\r\n11/05/2024\r\n0\r\n"); // untouched

  contentWindow->firstNameField->setText("Bob");
  mainWindow->hideAllWindows();
  mainWindow->saveFromTray();
  ASSERT_EQ(env->messageBoxes.shown.size(), 2);
  EXPECT_EQ(env->messageBoxes.shown[1].caption, "Information");
  EXPECT_EQ(env->messageBoxes.shown[1].text, "Your configuration has been saved..");
  EXPECT_EQ(readConfig(), "\r\nBob\r\n11/05/2024\r\n0\r\n");
  mainWindow->saveFromTray();
  EXPECT_EQ(readConfig(), "\r\nBob\r\n11/05/2024\r\n0\r\n");
}

TEST_F(MainWindowTest, SavingWritesTheFieldsAsTheyStandAndTheBlinkingChoice) {
  loadWithBirthDate("11/05/2024", "1");
  contentWindow->firstNameField->setText("  Zoe ");
  mainWindow->saveFromTray();
  EXPECT_EQ(readConfig(), "\r\n  Zoe \r\n11/05/2024\r\n1\r\n");
}

TEST_F(MainWindowTest, AWindowNeverOpenedSavesTheLoadedFieldsAndOpensOnTheLoadsReading) {
  loadWithBirthDate("11/05/2024", "1");
  ASSERT_EQ(contentWindow.made(), nullptr);
  mainWindow->saveFromTray();
  EXPECT_EQ(readConfig(), "\r\nAnna\r\n11/05/2024\r\n1\r\n");
  // The power panel shows what the load computed, as when the window was made at start.
  env->today = core::Date{2024, 5, 13};
  mainWindow->openTodayPower();
  EXPECT_EQ(contentWindow->greetingLabel->text(), "Hello Anna, this is for today, 12/05/2024.");
  EXPECT_EQ(contentWindow->emotionalGauge->progress(), 61);
  EXPECT_EQ(contentWindow->birthDateField->text(), "11/05/2024");
}

TEST_F(MainWindowTest, ASaveThatFailsShowsNoConfirmation) {
  loadWithBirthDate("11/05/2024");
  env->environment().configPath = dir.filePath("missing/Calvoro.ini").toStdString();
  try {
    mainWindow->saveFromTray();
    FAIL() << "no error";
  } catch (const core::EInOutError &error) {
    EXPECT_STREQ(error.what(), "Invalid filename");
  }
  EXPECT_TRUE(env->messageBoxes.shown.isEmpty());
}

TEST_F(MainWindowTest, QuitRemovesTheIconsStopsTheTimersAndReleasesTheWindows) {
  loadWithBirthDate("05/05/2024");
  mainWindow->openAbout(); // made, so that quitting has it to release
  mainWindow->openTodayPower();
  TrayIcon *icons[] = {mainWindow->emotionalTrayIcon, mainWindow->intellectualTrayIcon,
                       mainWindow->physicalTrayIcon};
  mainWindow->quitProgram();
  for (TrayIcon *icon : icons)
    EXPECT_FALSE(env->notifyArea.isShown(icon));
  EXPECT_FALSE(mainWindow->blinkTimer->isActive());
  EXPECT_FALSE(mainWindow->hourlyRefreshTimer->isActive());
  EXPECT_FALSE(contentWindow->isVisible());
  // The windows go by deferred deletion.
  EXPECT_TRUE(QTest::qWaitFor([] { return mainWindow == nullptr; }, 5000));
  EXPECT_EQ(contentWindow.made(), nullptr);
  EXPECT_EQ(aboutWindow.made(), nullptr);
  EXPECT_EQ(dateChooser.made(), nullptr);
  // Quitting never saves.
  EXPECT_EQ(readConfig(), "\r\nAnna\r\n05/05/2024\r\n0\r\n");
}

TEST_F(MainWindowTest, TheSplashIsShapedAndEndsAfterItsTimer) {
  mainWindow->show();
  mainWindow->splashTimer->start();
  EXPECT_FALSE(mainWindow->mask().isEmpty());
  EXPECT_LT(mainWindow->mask().boundingRect().width(), 244);
  mainWindow->endSplash();
  EXPECT_FALSE(mainWindow->isVisible());
  EXPECT_FALSE(mainWindow->splashTimer->isActive())
      << "an idle program must not wake for the splash";
  EXPECT_EQ(mainWindow->splashPicture, nullptr);
  EXPECT_EQ(mainWindow->splashShaper, nullptr);
  mainWindow->endSplash(); // later ticks release nothing
  EXPECT_FALSE(mainWindow->isVisible());
}

} // namespace
