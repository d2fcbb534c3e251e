// The main window: loading the configuration, the level icons and their
// tooltips, blinking, the save command and quitting.
#include "app/calvor.h"
#include "app_fixture.h"
#include "chart/calvorw.h"
#include "core/biorhythm.h"
#include "core/errors.h"
#include "dialogs/about.h"
#include "dialogs/calend.h"

#include <QCoreApplication>
#include <QTest>

#include <chrono>

using namespace testing_support;

namespace {

class MainWindow : public AppFixture {
protected:
  QString shownPicture(TTrayIconF *icon) {
    const platform::NotifyRecord *record = env->notifyArea.shown(icon);
    return record ? pictureNameOf(record->icon) : QStringLiteral("<absent>");
  }
  QStringList shownPictures() {
    return {shownPicture(Form1->TrayIcon21), shownPicture(Form1->TrayIcon22),
            shownPicture(Form1->TrayIcon23)};
  }
  QString shownTip(TTrayIconF *icon) {
    const platform::NotifyRecord *record = env->notifyArea.shown(icon);
    return record ? record->tip : QString();
  }
  // Each icon says that the birth date cannot be read and where to set it.
  void expectUnreadableDateTips() {
    const QString tip = unreadableBirthDateTip();
    EXPECT_TRUE(tip.contains(Form1->Setup->text())) << tip.toStdString();
    EXPECT_LE(tip.size(), platform::NotifyArea::kMaxTipLength - 1);
    for (TTrayIconF *icon : {Form1->TrayIcon21, Form1->TrayIcon22, Form1->TrayIcon23})
      EXPECT_EQ(shownTip(icon), tip);
  }
  void loadWithBirthDate(const QString &birth, const QByteArray &line4 = "0") {
    writeConfig("\r\nAnna\r\n" + birth.toLatin1() + "\r\n" + line4 + "\r\n");
    Form1->Timer1Timer();
    QCoreApplication::processEvents();
  }
};

TEST_F(MainWindow, StartsWithItsInitialIconsInTheTrayBeforeAnythingIsLoaded) {
  QCoreApplication::processEvents();
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  EXPECT_TRUE(Form1->blink->isChecked());
  EXPECT_FALSE(Form2->isVisible());
  // Made at their first opening, not at start.
  EXPECT_EQ(Form3.made(), nullptr);
  EXPECT_EQ(calend1.made(), nullptr);
}

TEST_F(MainWindow, TheTrayMenuHasItsItemsAndSeparatorsInOrder) {
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
  const QList<QAction *> actions = Form1->PopupMenu->actions();
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
      EXPECT_EQ(actions[i]->isCheckable(), actions[i] == Form1->blink);
    }
  }
  EXPECT_TRUE(Form1->blink->isChecked());
}

TEST_F(MainWindow, FirstRunOpensTheSetupPanelAndWaitsForTheWindowToClose) {
  Form1->Timer1Timer();
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_EQ(Form2->visiblePanel(), Form2->setup);
  EXPECT_EQ(Form2->Edit1->text(), "First Name");
  EXPECT_EQ(Form2->MaskEdit1->text(), "01/01/0001");
  EXPECT_TRUE(Form1->Timer3->isActive());
  EXPECT_TRUE(Form1->Timer4->isActive());
  EXPECT_FALSE(Form1->Timer2->isActive());
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  EXPECT_FALSE(configExists());

  // Closing the window without touching the setup: the icons follow the
  // design texts within the next tick.
  Form2->Panel2Click();
  Form1->Timer3Timer();
  EXPECT_FALSE(Form1->Timer3->isActive());
  const int days = core::daysBetween(core::Date{1, 1, 1}, env->today);
  const core::Levels levels = core::levelsFor(days);
  EXPECT_EQ(shownPicture(Form1->TrayIcon21),
            "emotio" + QString::number(core::LevelIconIndex(levels.emotional)));
  EXPECT_EQ(shownTip(Form1->TrayIcon21), "Dear First Name, you have " +
                                             QString::number(levels.emotional) +
                                             " % of your emotional power");
  EXPECT_FALSE(configExists());
}

TEST_F(MainWindow, LoadFillsTheFieldsGaugesGreetingIconsAndTooltips) {
  writeConfig("\r\n  Anna  \r\n11/05/2024\r\n0\r\n");
  Form1->Timer1Timer();
  QCoreApplication::processEvents();
  // The tray is complete without the content window, which takes the loaded
  // fields and power over when it is first made.
  EXPECT_EQ(shownTip(Form1->TrayIcon21), "Dear Anna, you have 61 % of your emotional power");
  EXPECT_EQ(Form2.made(), nullptr);

  EXPECT_EQ(Form2->Edit1->text(), "Anna");
  EXPECT_EQ(Form2->MaskEdit1->text(), "11/05/2024");
  EXPECT_EQ(Form2->MaskEdit2->text(), "12/05/2024");
  EXPECT_EQ(FirstNameCopy, "Anna");
  EXPECT_EQ(core::DayCount, 1);
  EXPECT_EQ(Form2->NeatoMeter1->Progress(), 61);
  EXPECT_EQ(Form2->NeatoMeter2->Progress(), 59);
  EXPECT_EQ(Form2->NeatoMeter3->Progress(), 63);
  EXPECT_EQ(Form2->Label9->text(), "Hello Anna, this is for today, 12/05/2024.");
  EXPECT_EQ(shownPictures(), (QStringList{"emotio6", "intel6", "physiq6"}));
  EXPECT_EQ(shownTip(Form1->TrayIcon22), "Hello Anna, you have 59 % of your intellectual power");
  EXPECT_EQ(shownTip(Form1->TrayIcon23), "Well Anna, you have 63 % of your physical power");
  EXPECT_FALSE(Form2->isVisible());
  EXPECT_EQ(Form1->Timer1, nullptr);
  EXPECT_TRUE(Form1->Timer4->isActive());
  EXPECT_TRUE(Form1->Timer2->isActive());
  EXPECT_TRUE(Form1->blink->isChecked());
}

TEST_F(MainWindow, OnlyAFourthLineOfExactlyOneSwitchesBlinkingOff) {
  const struct {
    QByteArray line4;
    bool blinking;
  } cases[] = {{"1", false}, {"0", true}, {" 1", true}, {"1 ", true}, {"", true}, {"x", true}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.line4.toStdString());
    DestroyForms();
    CreateForms();
    Form1->Timer1->stop();
    Form1->Timer5->stop();
    loadWithBirthDate("05/05/2024", c.line4); // every cycle critical
    EXPECT_EQ(Form1->blink->isChecked(), c.blinking);
    EXPECT_EQ(Form1->Timer2->isActive(), c.blinking);
  }
}

TEST_F(MainWindow, AStoredBirthDateThatDoesNotConvertIsShownAndTheUserGetsTheSetupBack) {
  env->expectErrors = true;
  writeConfig("\r\nAnna\r\n"); // the birth date reads as empty
  Form1->Timer1Timer();
  QCoreApplication::processEvents();
  EXPECT_EQ(env->errorReport.shown, QStringList{"'' is not a valid date."});
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  expectUnreadableDateTips();
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_EQ(Form2->visiblePanel(), Form2->setup);
  EXPECT_EQ(Form2->Edit1->text(), "Anna");
  EXPECT_TRUE(Form1->Timer3->isActive());
  EXPECT_FALSE(Form1->Timer2->isActive());
}

TEST_F(MainWindow, AConfigurationThatCannotBeReadStopsTheLoadWithTheInitialIcons) {
  // A path the system refuses to open: a name longer than any file name.
  env->environment().configPath = dir.filePath(QString(300, 'x')).toStdString();
  EXPECT_THROW(Form1->Timer1Timer(), core::EInOutError);
  QCoreApplication::processEvents();
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  EXPECT_FALSE(Form1->Timer4->isActive());
  EXPECT_FALSE(Form2->isVisible());
}

TEST_F(MainWindow, CriticalIconsBlinkEverySecondWithTheirSign) {
  loadWithBirthDate("05/05/2024"); // day count 7: 100, 99, 97
  ASSERT_EQ(shownPictures(), (QStringList{"emotio10", "intel10", "physiq10"}));
  Form1->Timer2Timer();
  EXPECT_EQ(shownPictures(), (QStringList{"happy", "happy", "happy"}));
  Form1->Timer2Timer();
  EXPECT_EQ(shownPictures(), (QStringList{"emotio10", "intel10", "physiq10"}));
  Form1->Timer2Timer();
  EXPECT_EQ(shownPictures(), (QStringList{"happy", "happy", "happy"}));
  // Blinking never touches the steady icons.
  EXPECT_EQ(pictureNameOf(Form1->Image1), "emotio10");
  EXPECT_TRUE(Form1->Timer2->isActive());
}

TEST_F(MainWindow, LowLevelsBlinkWithTheAttentionSign) {
  loadWithBirthDate("21/04/2024"); // day count 21: 0, 12, 24
  ASSERT_EQ(shownPictures(), (QStringList{"emotio0", "intel1", "physiq2"}));
  Form1->Timer2Timer();
  EXPECT_EQ(shownPictures(), (QStringList{"attenti", "attenti", "attenti"}));
  Form1->Timer2Timer();
  EXPECT_EQ(shownPictures(), (QStringList{"emotio0", "intel1", "physiq2"}));
}

TEST_F(MainWindow, BandEdgesDecideWhetherAnIconBlinks) {
  // Blinking reads the shared levels at each tick; no whole day count gives
  // 25 or 75, so the edges are set directly.
  loadWithBirthDate("11/05/2024");
  const struct {
    int level;
    QString sign; // empty: steady
  } cases[] = {{25, "attenti"}, {26, ""}, {74, ""}, {75, "happy"}, {0, "attenti"}, {100, "happy"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.level);
    core::EmotionalLevel = int8_t(c.level);
    core::IntellectualLevel = 50;
    core::PhysicalLevel = 50;
    Form1->EmotionalIconName = "emotio" + QString::number(core::LevelIconIndex(c.level));
    Form1->Timer2->start();
    const QString before = shownPicture(Form1->TrayIcon21);
    Form1->Timer2Timer();
    EXPECT_EQ(shownPicture(Form1->TrayIcon21), c.sign.isEmpty() ? before : c.sign);
    EXPECT_EQ(Form1->Timer2->isActive(), !c.sign.isEmpty());
  }
}

TEST_F(MainWindow, BlinkingStopsAtTheFirstTickWithoutACriticalCycle) {
  loadWithBirthDate("11/05/2024"); // 61, 59, 63: all middle
  EXPECT_TRUE(Form1->Timer2->isActive());
  Form1->Timer2Timer();
  EXPECT_FALSE(Form1->Timer2->isActive());
  EXPECT_EQ(shownPictures(), (QStringList{"emotio6", "intel6", "physiq6"}));
}

TEST_F(MainWindow, SwitchingBlinkingOffStopsItAndPutsTheSteadyIconsBack) {
  loadWithBirthDate("05/05/2024");
  Form1->Timer2Timer();
  ASSERT_EQ(shownPicture(Form1->TrayIcon21), "happy");
  Form1->blinkClick();
  EXPECT_FALSE(Form1->blink->isChecked());
  EXPECT_FALSE(Form1->Timer2->isActive());
  EXPECT_EQ(shownPictures(), (QStringList{"emotio10", "intel10", "physiq10"}));
  // The hourly refresh leaves blinking off.
  Form1->Timer4Timer();
  EXPECT_FALSE(Form1->Timer2->isActive());

  Form1->blinkClick();
  EXPECT_TRUE(Form1->blink->isChecked());
  EXPECT_TRUE(Form1->Timer2->isActive());
}

TEST_F(MainWindow, TheMenuItemSwitchesBlinkingOnceAClick) {
  loadWithBirthDate("05/05/2024");
  Form1->blink->trigger();
  EXPECT_FALSE(Form1->blink->isChecked());
  EXPECT_FALSE(Form1->Timer2->isActive());
  Form1->blink->trigger();
  EXPECT_TRUE(Form1->blink->isChecked());
  EXPECT_TRUE(Form1->Timer2->isActive());
}

TEST_F(MainWindow, ALongFirstNameGivesTooltipsOfSixtyTwoCharacters) {
  writeConfig("\r\nBartholomew-Maximilian\r\n11/05/2024\r\n0\r\n");
  Form1->Timer1Timer();
  const QString tip = Form1->TrayIcon22->ToolTip();
  EXPECT_EQ(tip.size(), 62);
  EXPECT_EQ(
      tip,
      QString("Hello Bartholomew-Maximilian, you have 59 % of your intellectual power").left(62));
  EXPECT_EQ(FirstNameCopy, "Bartholomew-Max");
}

TEST_F(MainWindow, TheRefreshWaitsUntilTheContentWindowIsClosed) {
  loadWithBirthDate("11/05/2024");
  Form1->powerClick();
  ASSERT_TRUE(Form1->Timer3->isActive());
  Form2->MaskEdit1->setText("05/05/2024");
  Form1->Timer3Timer();
  EXPECT_TRUE(Form1->Timer3->isActive());
  EXPECT_EQ(shownPicture(Form1->TrayIcon21), "emotio6");
  Form1->hidewClick();
  Form1->Timer3Timer();
  EXPECT_FALSE(Form1->Timer3->isActive());
  EXPECT_EQ(shownPictures(), (QStringList{"emotio10", "intel10", "physiq10"}));
  EXPECT_TRUE(Form1->Timer2->isActive());
}

TEST_F(MainWindow, AMiddleClickOnAnyIconOpensTheGuideAsTheDoubleClickDoes) {
  loadWithBirthDate("11/05/2024");
  for (TTrayIconF *icon : {Form1->TrayIcon21, Form1->TrayIcon22, Form1->TrayIcon23}) {
    Form1->hidewClick();
    env->notifyArea.mouse(icon, platform::TrayMouse::MiddleUp);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_TRUE(Form2->help->isVisible());
    EXPECT_FALSE(Form2->power->isVisible());
    EXPECT_TRUE(Form1->Timer3->isActive());
  }
}

TEST_F(MainWindow, ABadBirthDateIsReportedOnceByTheRefreshesWhichShowTheInitialIcons) {
  loadWithBirthDate("05/05/2024"); // critical: blinking
  Form2->MaskEdit1->setText("31/04/2024");
  EXPECT_THROW(Form1->Timer4Timer(), core::EConvertError);
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  expectUnreadableDateTips();
  EXPECT_FALSE(Form1->Timer2->isActive());
  EXPECT_EQ(core::DayCount, 7);

  // The next hour and the close of the window raise nothing for the same date.
  Form1->Timer4Timer();
  Form1->powerClick();
  Form1->hidewClick();
  Form1->Timer3Timer();
  EXPECT_EQ(shownPictures(), (QStringList{"tray21", "tray22", "tray23"}));
  expectUnreadableDateTips();
  EXPECT_TRUE(Form1->Timer4->isActive());

  // Another bad date is reported once more; a good one brings the levels back.
  Form2->MaskEdit1->setText("32/04/2024");
  EXPECT_THROW(Form1->Timer4Timer(), core::EConvertError);
  Form2->MaskEdit1->setText("11/05/2024");
  Form1->Timer4Timer();
  EXPECT_EQ(shownPictures(), (QStringList{"emotio6", "intel6", "physiq6"}));
  Form2->MaskEdit1->setText("31/04/2024");
  EXPECT_THROW(Form1->Timer4Timer(), core::EConvertError);
}

TEST_F(MainWindow, TheNewDayReachesTheIconsAndTheOpenPowerPanelJustPastMidnight) {
  loadWithBirthDate("11/05/2024"); // day 1: 61, 59, 63
  Form1->powerClick();
  ASSERT_EQ(Form2->NeatoMeter1->Progress(), 61);
  // The clock reaches midnight; the hourly timer is hours away.
  env->timeToMidnight = std::chrono::milliseconds(0);
  Form1->Timer4Timer();
  env->today = core::Date{2024, 5, 13};
  const core::Levels next = core::levelsFor(2);
  ASSERT_NE(next.emotional, 61);
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return Form2->NeatoMeter1->Progress() == next.emotional; }, 5000));
  EXPECT_EQ(Form2->NeatoMeter2->Progress(), next.intellectual);
  EXPECT_EQ(Form2->NeatoMeter3->Progress(), next.physical);
  EXPECT_EQ(Form2->Label9->text(), "Hello Anna, this is for today, 13/05/2024.");
  EXPECT_EQ(shownTip(Form1->TrayIcon21), "Dear Anna, you have " + QString::number(next.emotional) +
                                             " % of your emotional power");
  EXPECT_TRUE(Form1->Timer4->isActive());

  // The same day again (a wake-up, a tick that came early) refreshes nothing.
  Form2->NeatoMeter1->setProgress(0);
  Form1->dayMayHaveChanged();
  EXPECT_EQ(Form2->NeatoMeter1->Progress(), 0);
}

TEST_F(MainWindow, SavingWithAWindowOpenWarnsAndWritesNothing) {
  loadWithBirthDate("11/05/2024");
  Form1->powerClick();
  Form1->saveClick();
  ASSERT_EQ(env->messageBoxes.shown.size(), 1);
  EXPECT_EQ(env->messageBoxes.shown[0].caption, "Warning");
  EXPECT_EQ(env->messageBoxes.shown[0].text,
            "Please close the Calvoro windows (click on the X panel) before saving. Then "
            "right-click on one icon and save.");
  EXPECT_TRUE(Form2->stayOnTop());
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_EQ(readConfig(), "\r\nAnna\r\n11/05/2024\r\n0\r\n"); // untouched

  Form2->Edit1->setText("Bob");
  Form1->hidewClick();
  Form1->saveClick();
  ASSERT_EQ(env->messageBoxes.shown.size(), 2);
  EXPECT_EQ(env->messageBoxes.shown[1].caption, "Information");
  EXPECT_EQ(env->messageBoxes.shown[1].text, "Your configuration has been saved..");
  EXPECT_EQ(readConfig(), "\r\nBob\r\n11/05/2024\r\n0\r\n");
  Form1->saveClick();
  EXPECT_EQ(readConfig(), "\r\nBob\r\n11/05/2024\r\n0\r\n");
}

TEST_F(MainWindow, SavingWritesTheFieldsAsTheyStandAndTheBlinkingChoice) {
  loadWithBirthDate("11/05/2024", "1");
  Form2->Edit1->setText("  Zoe ");
  Form1->saveClick();
  EXPECT_EQ(readConfig(), "\r\n  Zoe \r\n11/05/2024\r\n1\r\n");
}

TEST_F(MainWindow, AWindowNeverOpenedSavesTheLoadedFieldsAndOpensOnTheLoadsReading) {
  loadWithBirthDate("11/05/2024", "1");
  ASSERT_EQ(Form2.made(), nullptr);
  Form1->saveClick();
  EXPECT_EQ(readConfig(), "\r\nAnna\r\n11/05/2024\r\n1\r\n");
  // The power panel shows what the load computed, as when the window was made at start.
  env->today = core::Date{2024, 5, 13};
  Form1->powerClick();
  EXPECT_EQ(Form2->Label9->text(), "Hello Anna, this is for today, 12/05/2024.");
  EXPECT_EQ(Form2->NeatoMeter1->Progress(), 61);
  EXPECT_EQ(Form2->MaskEdit1->text(), "11/05/2024");
}

TEST_F(MainWindow, ASaveThatFailsShowsNoConfirmation) {
  loadWithBirthDate("11/05/2024");
  env->environment().configPath = dir.filePath("missing/Calvoro.ini").toStdString();
  try {
    Form1->saveClick();
    FAIL() << "no error";
  } catch (const core::EInOutError &error) {
    EXPECT_STREQ(error.what(), "Invalid filename");
  }
  EXPECT_TRUE(env->messageBoxes.shown.isEmpty());
}

TEST_F(MainWindow, QuitRemovesTheIconsStopsTheTimersAndReleasesTheWindows) {
  loadWithBirthDate("05/05/2024");
  Form1->aboutClick(); // made, so that quitting has it to release
  Form1->powerClick();
  TTrayIconF *icons[] = {Form1->TrayIcon21, Form1->TrayIcon22, Form1->TrayIcon23};
  Form1->Quit1Click();
  for (TTrayIconF *icon : icons)
    EXPECT_FALSE(env->notifyArea.isShown(icon));
  EXPECT_FALSE(Form1->Timer2->isActive());
  EXPECT_FALSE(Form1->Timer4->isActive());
  EXPECT_FALSE(Form2->isVisible());
  QTest::qWait(1);
  QCoreApplication::processEvents();
  EXPECT_EQ(Form1, nullptr);
  EXPECT_EQ(Form2.made(), nullptr);
  EXPECT_EQ(Form3.made(), nullptr);
  EXPECT_EQ(calend1.made(), nullptr);
  // Quitting never saves.
  EXPECT_EQ(readConfig(), "\r\nAnna\r\n05/05/2024\r\n0\r\n");
}

TEST_F(MainWindow, TheSplashIsShapedAndEndsAfterItsTimer) {
  Form1->show();
  Form1->Timer5->start();
  EXPECT_FALSE(Form1->mask().isEmpty());
  EXPECT_LT(Form1->mask().boundingRect().width(), 244);
  Form1->Timer5Timer();
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_FALSE(Form1->Timer5->isActive()) << "an idle program must not wake for the splash";
  EXPECT_EQ(Form1->Imagef, nullptr);
  EXPECT_EQ(Form1->FormShaper1, nullptr);
  Form1->Timer5Timer(); // later ticks release nothing
  EXPECT_FALSE(Form1->isVisible());
}

} // namespace
