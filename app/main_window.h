#pragma once
// The main window: the three-second splash, then hidden for good. It owns
// everything that lives in the tray: the three level icons, their menu, and
// the timers that load the configuration, refresh the icons and blink them.
#include "components/balloon_hint.h"
#include "components/banner_menu.h"
#include "components/tray_icon.h"
#include "components/window_shaper.h"
#include "controls/borderless_window.h"
#include "controls/picture_view.h"
#include "core/date.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QTimer>

class BevelPanel;

class MainWindow : public BorderlessWindow {
  Q_OBJECT
public:
  explicit MainWindow(QWidget *parent = nullptr);

  // The quit sequence: the menu command, the session's end and the signals.
  void quitProgram();
  // The tray menu, also the context menu of the other windows' "X" panels.
  QMenu *trayMenu;
  QAction *blinkingAction;

  // for the tests and the wiring

  // Start-up.
  void loadAtStart();
  void endSplash();
  QTimer *loadTimer; // deleted by the load
  QTimer *splashTimer;
  // Released by the splash's end; null afterwards.
  PictureView *splashPicture;
  WindowShaper *splashShaper;

  // The level icons and blinking.
  void blinkStep();
  void refreshWhenContentHidden();
  void hourlyRefresh();
  // The midnight timer and waking from sleep: a local day other than the one the levels were
  // computed for refreshes the icons and the power panel.
  void dayMayHaveChanged();
  void toggleBlinking();
  QTimer *blinkTimer, *refreshOnCloseTimer, *hourlyRefreshTimer;
  TrayIcon *emotionalTrayIcon, *intellectualTrayIcon, *physicalTrayIcon;
  // The steady level icon of each cycle; blinking never changes them.
  QIcon emotionalSteadyIcon, intellectualSteadyIcon, physicalSteadyIcon;
  QString emotionalIconName, intellectualIconName, physicalIconName;

  // Tray commands.
  void openTodayPower();
  void openProjection();
  void openSetup();
  void openExplanation();
  void openGuide();
  void openAbout();
  void saveFromTray();
  void hideAllWindows();
  void trayIconClicked();
  void trayIconDoubleClicked();
  QAction *setupAction;

protected:
  void onHidden() override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void shapeSplash();
  void loadConfiguration();
  void refreshTrayIcons();
  void createMenu();
  void createTrayIcons();
  // The chart window on one of its panels, centred, with the tray refresh
  // armed for when it closes.
  void openPanel(BevelPanel *panel, bool hideAbout);
  void showSteadyIcons();
  void firstRunSetup();
  // The refreshes of refreshOnCloseTimer, hourlyRefreshTimer and the new day; the first of a new
  // day also turns the power panel to it.
  void refreshForToday();
  // Starts the midnight timer again from the clock, and the watch for waking from sleep.
  void armMidnightRefresh();
  core::Date levelsDay_{};
  QObject *resumeWatch_ = nullptr;
  // No levels to show: the initial pictures, no blinking, and a tip that says why.
  void showUnreadableBirthDate();

  QTimer *midnightTimer; // once, just past the next local midnight
  BalloonHint *balloonHints;
  BannerMenu *trayMenuBanner;
  QAction *todayPowerAction, *everydayPowerAction, *blinkingSeparator, *setupSeparator,
      *explanationAction, *guideAction, *aboutAction, *saveSeparator, *saveAction, *quitAction,
      *hideSeparator, *hideAllAction, *closeMenuAction;
};

// The icons' tip while the birth date cannot be read.
QString unreadableBirthDateTip();

// The process-wide reference to the main window.
extern MainWindow *mainWindow;

// Creates the main window and gives the content window, the About window and
// the date chooser their makers, which build and connect each at its first
// use; destroyWindows releases them and clears the references.
void createWindows();
void destroyWindows();
