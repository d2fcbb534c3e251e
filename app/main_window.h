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
#include "platform/environment.h"
#include "state/session.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QTimer>

// The content window's panels the tray commands open.
enum class Panel { Power, Projection, Setup, Explanation, Guide };
// How a tray command opens a panel: a menu command hides the About window; a
// click on an icon leaves it, and does nothing while the content window shows.
enum class PanelOpening { Command, IconClick };

class MainWindow : public BorderlessWindow {
  Q_OBJECT
public:
  MainWindow(Session &session, const platform::Environment &env, QWidget *parent = nullptr);

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
  void hourlyRefresh();
  // The midnight timer and waking from sleep: a local day other than the one the levels were
  // computed for refreshes the icons and the power panel.
  void dayMayHaveChanged();
  void toggleBlinking();
  QTimer *blinkTimer, *hourlyRefreshTimer;
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

  // The refreshes of the content window's closing, hourlyRefreshTimer and the new day; the first
  // of a new day also turns the power panel to it.
  void refreshForToday();

signals:
  // The tray's requests for the other windows.
  void panelRequested(Panel panel, PanelOpening opening);
  // No configuration, or one whose birth date cannot be read: the setup panel.
  void setupNeeded();
  void aboutRequested();
  void hideAllRequested();
  // A configuration is about to be loaded.
  void loading();
  // The save command: whoever knows the windows decides whether it may save.
  void saveRequested();
  // The quit sequence, once the tray's part is done: the other windows go.
  void quitting();

protected:
  void onHidden() override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void shapeSplash();
  void loadConfiguration();
  void refreshTrayIcons();
  void createMenu();
  void createTrayIcons();
  void showSteadyIcons();
  void firstRunSetup();
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
  Session &session_;
  const platform::Environment &env_;
};

// The icons' tip while the birth date cannot be read.
QString unreadableBirthDateTip();
