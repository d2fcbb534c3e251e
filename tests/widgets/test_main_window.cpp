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
    return {shownPicture(windows->main().emotionalTrayIcon),
            shownPicture(windows->main().intellectualTrayIcon),
            shownPicture(windows->main().physicalTrayIcon)};
  }
  QString shownTip(TrayIcon *icon) {
    const platform::NotifyRecord *record = env->notifyArea.shown(icon);
    return record ? record->tip : QString();
  }
  // Each icon says that the birth date cannot be read and where to set it.
  void expectUnreadableDateTips() {
    const QString tip = unreadableBirthDateTip();
    EXPECT_TRUE(tip.contains(windows->main().setupAction->text())) << tip.toStdString();
    EXPECT_LE(tip.size(), platform::NotifyArea::kMaxTipLength - 1);
    for (TrayIcon *icon : {windows->main().emotionalTrayIcon, windows->main().intellectualTrayIcon,
                           windows->main().physicalTrayIcon})
      EXPECT_EQ(shownTip(icon), tip);
  }
  void loadWithBirthDate(const QString &birth, const QByteArray &line4 = "0") {
    writeConfig("\r\nAnna\r\n" + birth.toLatin1() + "\r\n" + line4 + "\r\n");
    windows->main().loadAtStart();
    QCoreApplication::processEvents();
  }
};

TEST_F(MainWindowTest, StartsWithItsInitialIconsInTheTrayBeforeAnythingIsLoaded) {
  QCoreApplication::processEvents();
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  EXPECT_TRUE(windows->main().blinkingAction->isChecked());
  EXPECT_FALSE(windows->content().isVisible());
  // Made at their first opening, not at start.
  EXPECT_EQ(windows->aboutIfMade(), nullptr);
  EXPECT_EQ(windows->chooserIfMade(), nullptr);
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
  const QList<QAction *> actions = windows->main().trayMenu->actions();
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
      EXPECT_EQ(actions[i]->isCheckable(), actions[i] == windows->main().blinkingAction);
    }
  }
  EXPECT_TRUE(windows->main().blinkingAction->isChecked());
}

TEST_F(MainWindowTest, FirstRunOpensTheSetupPanelAndWaitsForTheWindowToClose) {
  windows->main().loadAtStart();
  EXPECT_TRUE(windows->content().isVisible());
  EXPECT_EQ(windows->content().visiblePanel(), windows->content().setupPanel);
  EXPECT_EQ(windows->content().firstNameField->text(), "First Name");
  EXPECT_EQ(windows->content().birthDateField->text(), "01/01/0001");
  EXPECT_TRUE(windows->refreshArmed());
  EXPECT_TRUE(windows->main().hourlyRefreshTimer->isActive());
  EXPECT_FALSE(windows->main().blinkTimer->isActive());
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  EXPECT_FALSE(configExists());

  // Closing the window without touching the setup: the icons follow the
  // design texts within the next tick.
  windows->content().closeCornerClicked();
  windows->refreshWhenContentHidden();
  EXPECT_FALSE(windows->refreshArmed());
  const int days = core::daysBetween(core::Date{1, 1, 1}, env->today);
  const core::Levels levels = core::levelsFor(days);
  EXPECT_EQ(shownPicture(windows->main().emotionalTrayIcon),
            "emotio" + QString::number(core::levelIconIndex(levels.emotional)));
  EXPECT_EQ(shownTip(windows->main().emotionalTrayIcon), "Dear First Name, you have " +
                                                             QString::number(levels.emotional) +
                                                             " % of your emotional power");
  EXPECT_FALSE(configExists());
}

TEST_F(MainWindowTest, LoadFillsTheFieldsGaugesGreetingIconsAndTooltips) {
  writeConfig("\r\n  Anna  \r\n11/05/2024\r\n0\r\n");
  windows->main().loadAtStart();
  QCoreApplication::processEvents();
  // The tray is complete without the content window, which takes the loaded
  // fields and power over when it is first made.
  EXPECT_EQ(shownTip(windows->main().emotionalTrayIcon),
            "Dear Anna, you have 61 % of your emotional power");
  EXPECT_EQ(windows->contentIfMade(), nullptr);

  EXPECT_EQ(windows->content().firstNameField->text(), "Anna");
  EXPECT_EQ(windows->content().birthDateField->text(), "11/05/2024");
  EXPECT_EQ(windows->content().projectionDateField->text(), "12/05/2024");
  EXPECT_EQ(windows->session().headlineFirstName, "Anna");
  EXPECT_EQ(windows->session().dayCount(), 1);
  EXPECT_EQ(windows->content().emotionalGauge->progress(), 61);
  EXPECT_EQ(windows->content().intellectualGauge->progress(), 59);
  EXPECT_EQ(windows->content().physicalGauge->progress(), 63);
  EXPECT_EQ(windows->content().greetingLabel->text(), "Hello Anna, this is for today, 12/05/2024.");
  EXPECT_EQ(shownPictures(), (QStringList{"emotio6", "intel6", "physiq6"}));
  EXPECT_EQ(shownTip(windows->main().intellectualTrayIcon),
            "Hello Anna, you have 59 % of your intellectual power");
  EXPECT_EQ(shownTip(windows->main().physicalTrayIcon),
            "Well Anna, you have 63 % of your physical power");
  EXPECT_FALSE(windows->content().isVisible());
  EXPECT_EQ(windows->main().loadTimer, nullptr);
  EXPECT_TRUE(windows->main().hourlyRefreshTimer->isActive());
  EXPECT_TRUE(windows->main().blinkTimer->isActive());
  EXPECT_TRUE(windows->main().blinkingAction->isChecked());
}

TEST_F(MainWindowTest, OnlyAFourthLineOfExactlyOneSwitchesBlinkingOff) {
  const struct {
    QByteArray line4;
    bool blinking;
  } cases[] = {{"1", false}, {"0", true}, {" 1", true}, {"1 ", true}, {"", true}, {"x", true}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.line4.toStdString());
    recreateWindows();
    loadWithBirthDate("05/05/2024", c.line4); // every cycle critical
    EXPECT_EQ(windows->main().blinkingAction->isChecked(), c.blinking);
    EXPECT_EQ(windows->main().blinkTimer->isActive(), c.blinking);
  }
}

TEST_F(MainWindowTest, AStoredBirthDateThatDoesNotConvertIsShownAndTheUserGetsTheSetupBack) {
  env->expectErrors = true;
  writeConfig("\r\nAnna\r\n"); // the birth date reads as empty
  windows->main().loadAtStart();
  QCoreApplication::processEvents();
  EXPECT_EQ(env->errorReport.shown, QStringList{"'' is not a valid date."});
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  expectUnreadableDateTips();
  EXPECT_TRUE(windows->content().isVisible());
  EXPECT_EQ(windows->content().visiblePanel(), windows->content().setupPanel);
  EXPECT_EQ(windows->content().firstNameField->text(), "Anna");
  EXPECT_TRUE(windows->refreshArmed());
  EXPECT_FALSE(windows->main().blinkTimer->isActive());
}

TEST_F(MainWindowTest, AConfigurationThatCannotBeReadStopsTheLoadWithTheInitialIcons) {
  // A path the system refuses to open: a name longer than any file name.
  env->environment().configPath = dir.filePath(QString(300, 'x')).toStdString();
  EXPECT_THROW(windows->main().loadAtStart(), core::EInOutError);
  QCoreApplication::processEvents();
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  EXPECT_FALSE(windows->main().hourlyRefreshTimer->isActive());
  EXPECT_FALSE(windows->content().isVisible());
}

TEST_F(MainWindowTest, CriticalIconsBlinkEverySecondWithTheirSign) {
  loadWithBirthDate("05/05/2024"); // day count 7: 100, 99, 97
  ASSERT_EQ(shownPictures(), (QStringList{"emotio10", "intel10", "physiq10"}));
  windows->main().blinkStep();
  EXPECT_EQ(shownPictures(), (QStringList{"happy", "happy", "happy"}));
  windows->main().blinkStep();
  EXPECT_EQ(shownPictures(), (QStringList{"emotio10", "intel10", "physiq10"}));
  windows->main().blinkStep();
  EXPECT_EQ(shownPictures(), (QStringList{"happy", "happy", "happy"}));
  // Blinking never touches the steady icons.
  EXPECT_EQ(pictureNameOf(windows->main().emotionalSteadyIcon), "emotio10");
  EXPECT_TRUE(windows->main().blinkTimer->isActive());
}

TEST_F(MainWindowTest, LowLevelsBlinkWithTheAttentionSign) {
  loadWithBirthDate("21/04/2024"); // day count 21: 0, 12, 24
  ASSERT_EQ(shownPictures(), (QStringList{"emotio0", "intel1", "physiq2"}));
  windows->main().blinkStep();
  EXPECT_EQ(shownPictures(), (QStringList{"attenti", "attenti", "attenti"}));
  windows->main().blinkStep();
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
    windows->session().setLevels(0, {int8_t(c.level), 50, 50});
    windows->main().emotionalIconName = "emotio" + QString::number(core::levelIconIndex(c.level));
    windows->main().blinkTimer->start();
    const QString before = shownPicture(windows->main().emotionalTrayIcon);
    windows->main().blinkStep();
    EXPECT_EQ(shownPicture(windows->main().emotionalTrayIcon), c.sign.isEmpty() ? before : c.sign);
    EXPECT_EQ(windows->main().blinkTimer->isActive(), !c.sign.isEmpty());
  }
}

TEST_F(MainWindowTest, BlinkingStopsAtTheFirstTickWithoutACriticalCycle) {
  loadWithBirthDate("11/05/2024"); // 61, 59, 63: all middle
  EXPECT_TRUE(windows->main().blinkTimer->isActive());
  windows->main().blinkStep();
  EXPECT_FALSE(windows->main().blinkTimer->isActive());
  EXPECT_EQ(shownPictures(), (QStringList{"emotio6", "intel6", "physiq6"}));
}

TEST_F(MainWindowTest, SwitchingBlinkingOffStopsItAndPutsTheSteadyIconsBack) {
  loadWithBirthDate("05/05/2024");
  windows->main().blinkStep();
  ASSERT_EQ(shownPicture(windows->main().emotionalTrayIcon), "happy");
  windows->main().toggleBlinking();
  EXPECT_FALSE(windows->main().blinkingAction->isChecked());
  EXPECT_FALSE(windows->main().blinkTimer->isActive());
  EXPECT_EQ(shownPictures(), (QStringList{"emotio10", "intel10", "physiq10"}));
  // The hourly refresh leaves blinking off.
  windows->main().hourlyRefresh();
  EXPECT_FALSE(windows->main().blinkTimer->isActive());

  windows->main().toggleBlinking();
  EXPECT_TRUE(windows->main().blinkingAction->isChecked());
  EXPECT_TRUE(windows->main().blinkTimer->isActive());
}

TEST_F(MainWindowTest, TheMenuItemSwitchesBlinkingOnceAClick) {
  loadWithBirthDate("05/05/2024");
  windows->main().blinkingAction->trigger();
  EXPECT_FALSE(windows->main().blinkingAction->isChecked());
  EXPECT_FALSE(windows->main().blinkTimer->isActive());
  windows->main().blinkingAction->trigger();
  EXPECT_TRUE(windows->main().blinkingAction->isChecked());
  EXPECT_TRUE(windows->main().blinkTimer->isActive());
}

TEST_F(MainWindowTest, ALongFirstNameGivesTooltipsOfSixtyTwoCharacters) {
  writeConfig("\r\nBartholomew-Maximilian\r\n11/05/2024\r\n0\r\n");
  windows->main().loadAtStart();
  const QString tip = windows->main().intellectualTrayIcon->toolTip();
  EXPECT_EQ(tip.size(), 62);
  EXPECT_EQ(
      tip,
      QString("Hello Bartholomew-Maximilian, you have 59 % of your intellectual power").left(62));
  EXPECT_EQ(windows->session().headlineFirstName, "Bartholomew-Max");
}

TEST_F(MainWindowTest, TheRefreshWaitsUntilTheContentWindowIsClosed) {
  loadWithBirthDate("11/05/2024");
  windows->main().openTodayPower();
  ASSERT_TRUE(windows->refreshArmed());
  windows->content().birthDateField->setText("05/05/2024");
  windows->refreshWhenContentHidden();
  EXPECT_TRUE(windows->refreshArmed());
  EXPECT_EQ(shownPicture(windows->main().emotionalTrayIcon), "emotio6");
  windows->main().hideAllWindows();
  windows->refreshWhenContentHidden();
  EXPECT_FALSE(windows->refreshArmed());
  EXPECT_EQ(shownPictures(), (QStringList{"emotio10", "intel10", "physiq10"}));
  EXPECT_TRUE(windows->main().blinkTimer->isActive());
}

TEST_F(MainWindowTest, AMiddleClickOnAnyIconOpensTheGuideAsTheDoubleClickDoes) {
  loadWithBirthDate("11/05/2024");
  for (TrayIcon *icon : {windows->main().emotionalTrayIcon, windows->main().intellectualTrayIcon,
                         windows->main().physicalTrayIcon}) {
    windows->main().hideAllWindows();
    env->notifyArea.mouse(icon, platform::TrayMouse::MiddleUp);
    QCoreApplication::processEvents();
    EXPECT_TRUE(windows->content().isVisible());
    EXPECT_TRUE(windows->content().guidePanel->isVisible());
    EXPECT_FALSE(windows->content().powerPanel->isVisible());
    EXPECT_TRUE(windows->refreshArmed());
  }
}

TEST_F(MainWindowTest, ABadBirthDateIsReportedOnceByTheRefreshesWhichShowTheInitialIcons) {
  loadWithBirthDate("05/05/2024"); // critical: blinking
  windows->content().birthDateField->setText("31/04/2024");
  EXPECT_THROW(windows->main().hourlyRefresh(), core::EConvertError);
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  expectUnreadableDateTips();
  EXPECT_FALSE(windows->main().blinkTimer->isActive());
  EXPECT_EQ(windows->session().dayCount(), 7);

  // The next hour and the close of the window raise nothing for the same date.
  windows->main().hourlyRefresh();
  windows->main().openTodayPower();
  windows->main().hideAllWindows();
  windows->refreshWhenContentHidden();
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  expectUnreadableDateTips();
  EXPECT_TRUE(windows->main().hourlyRefreshTimer->isActive());

  // Another bad date is reported once more; a good one brings the levels back.
  windows->content().birthDateField->setText("32/04/2024");
  EXPECT_THROW(windows->main().hourlyRefresh(), core::EConvertError);
  windows->content().birthDateField->setText("11/05/2024");
  windows->main().hourlyRefresh();
  EXPECT_EQ(shownPictures(), (QStringList{"emotio6", "intel6", "physiq6"}));
  windows->content().birthDateField->setText("31/04/2024");
  EXPECT_THROW(windows->main().hourlyRefresh(), core::EConvertError);
}

TEST_F(MainWindowTest, TheNewDayReachesTheIconsAndTheOpenPowerPanelJustPastMidnight) {
  loadWithBirthDate("11/05/2024"); // day 1: 61, 59, 63
  windows->main().openTodayPower();
  ASSERT_EQ(windows->content().emotionalGauge->progress(), 61);
  // The clock reaches midnight; the hourly timer is hours away.
  env->timeToMidnight = std::chrono::milliseconds(0);
  windows->main().hourlyRefresh();
  env->today = core::Date{2024, 5, 13};
  const core::Levels next = core::levelsFor(2);
  ASSERT_NE(next.emotional, 61);
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return windows->content().emotionalGauge->progress() == next.emotional; }, 5000));
  EXPECT_EQ(windows->content().intellectualGauge->progress(), next.intellectual);
  EXPECT_EQ(windows->content().physicalGauge->progress(), next.physical);
  EXPECT_EQ(windows->content().greetingLabel->text(), "Hello Anna, this is for today, 13/05/2024.");
  EXPECT_EQ(shownTip(windows->main().emotionalTrayIcon), "Dear Anna, you have " +
                                                             QString::number(next.emotional) +
                                                             " % of your emotional power");
  EXPECT_TRUE(windows->main().hourlyRefreshTimer->isActive());

  // The same day again (a wake-up, a tick that came early) refreshes nothing.
  windows->content().emotionalGauge->setProgress(0);
  windows->main().dayMayHaveChanged();
  EXPECT_EQ(windows->content().emotionalGauge->progress(), 0);
}

TEST_F(MainWindowTest, SavingWithAWindowOpenWarnsAndWritesNothing) {
  loadWithBirthDate("11/05/2024");
  windows->main().openTodayPower();
  windows->main().saveFromTray();
  ASSERT_EQ(env->messageBoxes.shown.size(), 1);
  EXPECT_EQ(env->messageBoxes.shown[0].caption, "Warning");
  EXPECT_EQ(env->messageBoxes.shown[0].text,
            "Please close the Calvoro windows (click on the X panel) before saving. Then "
            "right-click on one icon and save.");
  EXPECT_TRUE(windows->content().stayOnTop());
  EXPECT_TRUE(windows->content().isVisible());
  EXPECT_EQ(readConfig(), "\r\nAnna\r\n11/05/2024\r\n0\r\n"); // untouched

  windows->content().firstNameField->setText("Bob");
  windows->main().hideAllWindows();
  windows->main().saveFromTray();
  ASSERT_EQ(env->messageBoxes.shown.size(), 2);
  EXPECT_EQ(env->messageBoxes.shown[1].caption, "Information");
  EXPECT_EQ(env->messageBoxes.shown[1].text, "Your configuration has been saved..");
  EXPECT_EQ(readConfig(), "2024-05-11\r\nBob\r\n11/05/2024\r\n0\r\n");
  windows->main().saveFromTray();
  EXPECT_EQ(readConfig(), "2024-05-11\r\nBob\r\n11/05/2024\r\n0\r\n");
}

TEST_F(MainWindowTest, SavingWritesTheFieldsAsTheyStandAndTheBlinkingChoice) {
  loadWithBirthDate("11/05/2024", "1");
  windows->content().firstNameField->setText("  Zoe ");
  windows->main().saveFromTray();
  EXPECT_EQ(readConfig(), "2024-05-11\r\n  Zoe \r\n11/05/2024\r\n1\r\n");
}

TEST_F(MainWindowTest, AWindowNeverOpenedSavesTheLoadedFieldsAndOpensOnTheLoadsReading) {
  loadWithBirthDate("11/05/2024", "1");
  ASSERT_EQ(windows->contentIfMade(), nullptr);
  windows->main().saveFromTray();
  EXPECT_EQ(readConfig(), "2024-05-11\r\nAnna\r\n11/05/2024\r\n1\r\n");
  // The power panel shows what the load computed, as when the window was made at start.
  env->today = core::Date{2024, 5, 13};
  windows->main().openTodayPower();
  EXPECT_EQ(windows->content().greetingLabel->text(), "Hello Anna, this is for today, 12/05/2024.");
  EXPECT_EQ(windows->content().emotionalGauge->progress(), 61);
  EXPECT_EQ(windows->content().birthDateField->text(), "11/05/2024");
}

TEST_F(MainWindowTest, ASaveThatFailsShowsNoConfirmation) {
  loadWithBirthDate("11/05/2024");
  env->environment().configPath = dir.filePath("missing/Calvoro.ini").toStdString();
  try {
    windows->saveFromTray();
    FAIL() << "no error";
  } catch (const core::EInOutError &error) {
    EXPECT_STREQ(error.what(), "Invalid filename");
  }
  EXPECT_TRUE(env->messageBoxes.shown.isEmpty());
}

TEST_F(MainWindowTest, QuitRemovesTheIconsStopsTheTimersAndReleasesTheWindows) {
  loadWithBirthDate("05/05/2024");
  windows->main().openAbout(); // made, so that quitting has it to release
  windows->main().openTodayPower();
  TrayIcon *icons[] = {windows->main().emotionalTrayIcon, windows->main().intellectualTrayIcon,
                       windows->main().physicalTrayIcon};
  windows->main().quitProgram();
  for (TrayIcon *icon : icons)
    EXPECT_FALSE(env->notifyArea.isShown(icon));
  EXPECT_FALSE(windows->main().blinkTimer->isActive());
  EXPECT_FALSE(windows->main().hourlyRefreshTimer->isActive());
  EXPECT_FALSE(windows->content().isVisible());
  // The windows go by deferred deletion.
  EXPECT_TRUE(QTest::qWaitFor([this] { return windows->mainIfMade() == nullptr; }, 5000));
  EXPECT_EQ(windows->contentIfMade(), nullptr);
  EXPECT_EQ(windows->aboutIfMade(), nullptr);
  EXPECT_EQ(windows->chooserIfMade(), nullptr);
  // Quitting never saves.
  EXPECT_EQ(readConfig(), "\r\nAnna\r\n05/05/2024\r\n0\r\n");
}

TEST_F(MainWindowTest, TheSplashIsShapedAndEndsAfterItsTimer) {
  windows->main().show();
  windows->main().splashTimer->start();
  EXPECT_FALSE(windows->main().mask().isEmpty());
  EXPECT_LT(windows->main().mask().boundingRect().width(), 244);
  windows->main().endSplash();
  EXPECT_FALSE(windows->main().isVisible());
  EXPECT_FALSE(windows->main().splashTimer->isActive())
      << "an idle program must not wake for the splash";
  EXPECT_EQ(windows->main().splashPicture, nullptr);
  EXPECT_EQ(windows->main().splashShaper, nullptr);
  windows->main().endSplash(); // later ticks release nothing
  EXPECT_FALSE(windows->main().isVisible());
}

} // namespace
