#include "app/main_window.h"

#include "controls/date_field.h"
#include "core/biorhythm.h"
#include "core/config_file.h"
#include "core/date_text.h"
#include "core/errors.h"
#include "core/text_rules.h"
#include "platform/application.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/guarded.h"
#include "platform/message_boxes.h"
#include "platform/resume_watch.h"
#include "resources/pictures.h"
#include "state/setup_values.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QScreen>
#include <algorithm>
#include <array>
#include <chrono>

namespace {

// The splash window's geometry: its design size, the logo in it, and the
// logo's size it keeps once hidden.
namespace splash_layout {
constexpr QSize kWindow{244, 188};
constexpr QRect kLogo{-2, 50, 241, 127};
constexpr QSize kAfterHiding{241, 127};
} // namespace splash_layout

// One cycle as the tray shows it.
struct TrayCycle {
  int level;
  QString *iconName;
  const char *prefix;
  TrayIcon *icon;
  QIcon *holder;
  const char *greeting;
  const char *power;
};

QString cycleIconName(const char *prefix, int level) {
  return QString::fromLatin1(prefix) + QString::number(core::levelIconIndex(level));
}

// What a date field would hold of a text.
QString heldInDateField(const QString &text, const core::RegionalDateFormat &regional) {
  return DateField::heldText(text, QChar::fromLatin1(regional.separator),
                             regional.order == core::DateOrder::YMD);
}

} // namespace

MainWindow::MainWindow(Session &session, const platform::Environment &env, QWidget *parent)
    : BorderlessWindow(parent), session_(session), env_(env) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QStringLiteral("Calvoro by Kaldo Prototyping"));
  setColor(platform::toQColor(platform::clBlack));
  setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  setPosition(WindowPlacement::poScreenCenter);
  // Shown once, for the splash. Hidden, it gives back the splash's window-size image but keeps
  // its platform window: with that released, every blink of the X tray icons woke the X reader
  // thread again (seen by the blink test).
  setReleasedWhenHidden(true);
  setKeepsPlatformWindow(true);
  resize(splash_layout::kWindow);

  // The icons first: they are what a session waits for at login.
  createMenu();
  createTrayIcons();

  splashPicture = newPictureView(this, "splashPicture", splash_layout::kLogo, "logo", false);

  splashShaper = new WindowShaper(this);
  splashShaper->setObjectName(QStringLiteral("splashShaper"));
  splashShaper->loadShape(pictures::logoOutline());

  balloonHints = new BalloonHint(this);
  balloonHints->setObjectName(QStringLiteral("balloonHints"));
  balloonHints->setBorderColor(platform::clBlack);
  balloonHints->setColor(platform::clInfoBk);
  balloonHints->setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  balloonHints->setMaxWidth(-4);
  balloonHints->setBehavior(BalloonBehavior::bbNoShowMouseDown | BalloonBehavior::bbUseRegions |
                            BalloonBehavior::bbHideOnPaint);
  balloonHints->setPosition(BalloonPosition::bpAboveRight);
  balloonHints->setShadowDepth(8);
  balloonHints->setShape(BalloonShape::bsRoundRect);

  auto timer = [this](const char *name, int interval) {
    auto *t = new QTimer(this);
    t->setObjectName(name);
    t->setInterval(interval);
    return t;
  };
  loadTimer = timer("loadTimer", 1);
  blinkTimer = timer("blinkTimer", 1000);
  hourlyRefreshTimer = timer("hourlyRefreshTimer", 3600000);
  splashTimer = timer("splashTimer", 3000);
  connect(loadTimer, &QTimer::timeout, this, platform::guarded(this, &MainWindow::loadAtStart));
  connect(blinkTimer, &QTimer::timeout, this, platform::guarded(this, &MainWindow::blinkStep));
  connect(hourlyRefreshTimer, &QTimer::timeout, this,
          platform::guarded(this, &MainWindow::hourlyRefresh));
  connect(splashTimer, &QTimer::timeout, this, platform::guarded(this, &MainWindow::endSplash));
  // Accurate to the second at most: a timer that fires early finds the same day and is set
  // again for the rest.
  midnightTimer = new QTimer(this);
  midnightTimer->setObjectName(QStringLiteral("midnightTimer"));
  midnightTimer->setSingleShot(true);
  midnightTimer->setTimerType(Qt::VeryCoarseTimer);
  connect(midnightTimer, &QTimer::timeout, this,
          platform::guarded(this, &MainWindow::dayMayHaveChanged));

  loadTimer->start();
  splashTimer->start();
  shapeSplash();
}

void MainWindow::createMenu() {
  trayMenu = new QMenu(this);
  trayMenu->setObjectName(QStringLiteral("trayMenu"));
  trayMenu->installEventFilter(this);
  auto item = [this](const char *name, const char *caption) {
    QAction *action =
        caption ? trayMenu->addAction(QString::fromLatin1(caption)) : trayMenu->addSeparator();
    action->setObjectName(name);
    return action;
  };
  todayPowerAction = item("todayPowerAction", "Your power today");
  everydayPowerAction = item("everydayPowerAction", "Your power everyday");
  blinkingSeparator = item("blinkingSeparator", nullptr);
  blinkingAction = item("blinkingAction", "Blinking Icons");
  blinkingAction->setCheckable(true);
  blinkingAction->setChecked(true);
  setupSeparator = item("setupSeparator", nullptr);
  setupAction = item("setupAction", "Setup");
  explanationAction = item("explanationAction", "What is Biorythm ?");
  guideAction = item("guideAction", "How works Calvoro ?");
  aboutAction = item("aboutAction", "About Calvoro by KALDO");
  saveSeparator = item("saveSeparator", nullptr);
  saveAction = item("saveAction", "Save your configuration");
  quitAction = item("quitAction", "Terminate Calvoro and Quit");
  hideSeparator = item("hideSeparator", nullptr);
  hideAllAction = item("hideAllAction", "OK, hide all windows");
  closeMenuAction = item("closeMenuAction", "OK, close the menu...");

  connect(todayPowerAction, &QAction::triggered, this,
          platform::guarded(this, &MainWindow::openTodayPower));
  connect(everydayPowerAction, &QAction::triggered, this,
          platform::guarded(this, &MainWindow::openProjection));
  // Qt flips the check before the handler runs; the handler decides itself
  // from the state the user saw.
  connect(blinkingAction, &QAction::triggered, this, platform::guarded([this](bool nowChecked) {
            blinkingAction->setChecked(!nowChecked);
            toggleBlinking();
          }));
  connect(setupAction, &QAction::triggered, this, platform::guarded(this, &MainWindow::openSetup));
  connect(explanationAction, &QAction::triggered, this,
          platform::guarded(this, &MainWindow::openExplanation));
  connect(guideAction, &QAction::triggered, this, platform::guarded(this, &MainWindow::openGuide));
  connect(aboutAction, &QAction::triggered, this, platform::guarded(this, &MainWindow::openAbout));
  connect(saveAction, &QAction::triggered, this,
          platform::guarded(this, &MainWindow::saveFromTray));
  connect(quitAction, &QAction::triggered, this, platform::guarded(this, &MainWindow::quitProgram));
  connect(hideAllAction, &QAction::triggered, this,
          platform::guarded(this, &MainWindow::hideAllWindows));

  trayMenuBanner = new BannerMenu(this);
  trayMenuBanner->setObjectName(QStringLiteral("trayMenuBanner"));
  trayMenuBanner->setBannerText(QStringLiteral("KALDO Prototyping"));
  trayMenuBanner->setBannerFont(platform::font(QStringLiteral("Arial"), -16));
  trayMenuBanner->setBannerColor(platform::clGreen);
  trayMenuBanner->setBannerEndColor(platform::clLime);
  trayMenuBanner->setBanner(true);
  trayMenuBanner->setPopupMenu(trayMenu);
}

void MainWindow::createTrayIcons() {
  auto tray = [this](const char *name, const char *picture, const char *cycle) {
    auto *icon = new TrayIcon(this, env_.notifyArea);
    icon->setObjectName(name);
    icon->setName(QString::fromLatin1(cycle));
    icon->setIcon(pictures::icon(QString::fromLatin1(picture)));
    connect(icon, &TrayIcon::clicked, this, platform::guarded(this, &MainWindow::trayIconClicked));
    connect(icon, &TrayIcon::doubleClicked, this,
            platform::guarded(this, &MainWindow::trayIconDoubleClicked));
    // Trays that report no double click still report the middle button.
    connect(icon, &TrayIcon::middleClicked, this,
            platform::guarded(this, &MainWindow::trayIconDoubleClicked));
    icon->setPopupMenu(trayMenu);
    icon->setActive(true);
    return icon;
  };
  emotionalTrayIcon = tray("emotionalTrayIcon", "tray21", "emotional");
  intellectualTrayIcon = tray("intellectualTrayIcon", "tray22", "intellectual");
  physicalTrayIcon = tray("physicalTrayIcon", "tray23", "physical");
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
  // Every opening of the tray menu, from an icon or a window, is placed here: horizontally
  // centred on the cursor, its top on the cursor's row or, where it does not fit below, its
  // bottom; kept on screen. The point a window asked for may be stale (a borderless window
  // that was never dragged can report an old origin).
  if (watched == trayMenu && event->type() == QEvent::Show) {
    const QPoint cursor = QCursor::pos();
    const QSize size = trayMenu->size();
    int x = cursor.x() - size.width() / 2;
    int y = cursor.y();
    if (QScreen *screen = QGuiApplication::screenAt(cursor)) {
      const QRect area = screen->geometry();
      if (y + size.height() > area.bottom() + 1)
        y = cursor.y() - size.height();
      x = std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - size.width()));
      y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    }
    trayMenu->move(x, y);
  }
  return BorderlessWindow::eventFilter(watched, event);
}

void MainWindow::shapeSplash() {
  if (splashShaper)
    splashShaper->setActive(true);
}

void MainWindow::onHidden() {
  resize(splash_layout::kAfterHiding);
  centreOnScreen();
}

void MainWindow::loadAtStart() {
  if (loadTimer)
    loadTimer->stop();
  loadConfiguration();
}

void MainWindow::endSplash() {
  // The splash ends once; a running timer would wake the program every 3 s.
  splashTimer->stop();
  hide();
  delete splashPicture;
  splashPicture = nullptr;
  delete splashShaper;
  splashShaper = nullptr;
}

void MainWindow::firstRunSetup() {
  emit setupNeeded();
  hourlyRefreshTimer->start();
  armMidnightRefresh();
}

void MainWindow::loadConfiguration() {
  const platform::Environment &e = env_;
  emit loading();

  if (!core::configFileExists(*e.configStorage, e.configPath)) {
    if (loadTimer)
      loadTimer->stop();
    firstRunSetup();
    return;
  }

  const core::Configuration config = core::readConfigFile(*e.configStorage, e.configPath);
  session_.loadFields(
      QString::fromStdString(config.firstName),
      heldInDateField(
          QString::fromStdString(core::birthDateForRegion(config, e.regional.date, e.today())),
          e.regional.date),
      heldInDateField(
          QString::fromStdString(core::formatDate(
              e.today(), core::numericDatePattern(e.regional.date.order), e.regional.date)),
          e.regional.date));
  if (!config.blinking)
    blinkingAction->setChecked(false);

  for (TrayIcon *icon : {emotionalTrayIcon, intellectualTrayIcon, physicalTrayIcon})
    icon->setActive(false);
  if (loadTimer) {
    loadTimer->stop();
    loadTimer->deleteLater();
    loadTimer = nullptr;
  }
  session_.headlineFirstName = QString::fromStdString(core::firstNameCopy(config.firstName));

  try {
    levelsDay_ = e.today();
    computeTodayLevels(session_, e);
  } catch (const core::EConvertError &error) {
    // The icons are out of the tray at this point: put them back, saying why they show no
    // levels, then show the error and give the user the setup panel as a way back.
    showUnreadableBirthDate();
    platform::reportError(QString::fromUtf8(error.what()));
    firstRunSetup();
    return;
  }

  session_.showTodayPower(e.today());
  refreshTrayIcons();
  showSteadyIcons();
  if (blinkingAction->isChecked())
    blinkTimer->start();
  hourlyRefreshTimer->start();
  armMidnightRefresh();
}

// The three cycles in tray order, with the session's levels.
static std::array<TrayCycle, 3> trayCycles(MainWindow *f, core::Levels levels) {
  return {{
      {levels.emotional, &f->emotionalIconName, "emotio", f->emotionalTrayIcon,
       &f->emotionalSteadyIcon, "Dear ", "emotional"},
      {levels.intellectual, &f->intellectualIconName, "intel", f->intellectualTrayIcon,
       &f->intellectualSteadyIcon, "Hello ", "intellectual"},
      {levels.physical, &f->physicalIconName, "physiq", f->physicalTrayIcon, &f->physicalSteadyIcon,
       "Well ", "physical"},
  }};
}

void MainWindow::refreshTrayIcons() {
  for (TrayIcon *icon : {emotionalTrayIcon, intellectualTrayIcon, physicalTrayIcon})
    icon->setActive(false);
  const QString name = session_.firstName();
  for (const TrayCycle &c : trayCycles(this, session_.levels())) {
    *c.iconName = cycleIconName(c.prefix, c.level);
    const QIcon icon = pictures::icon(*c.iconName);
    c.icon->setIcon(icon);
    *c.holder = icon;
    c.icon->setActive(true);
    c.icon->setToolTip(QString::fromLatin1(c.greeting) + name + QStringLiteral(", you have ") +
                       QString::number(c.level) + QStringLiteral(" % of your ") +
                       QString::fromLatin1(c.power) + QStringLiteral(" power"));
  }
}

void MainWindow::blinkStep() {
  bool anyCritical = false;
  for (const TrayCycle &c : trayCycles(this, session_.levels())) {
    const core::Band band = core::bandOf(c.level);
    if (band == core::Band::Middle)
      continue;
    anyCritical = true;
    const QString sign =
        band == core::Band::High ? QStringLiteral("happy") : QStringLiteral("attenti");
    *c.iconName = *c.iconName == sign ? cycleIconName(c.prefix, c.level) : sign;
    c.icon->setIcon(pictures::icon(*c.iconName));
    c.icon->setActive(true);
  }
  if (!anyCritical)
    blinkTimer->stop();
}

void MainWindow::hourlyRefresh() {
  // The timers stand still while the machine sleeps, and the clock may have been set.
  armMidnightRefresh();
  refreshForToday();
}

void MainWindow::dayMayHaveChanged() {
  armMidnightRefresh();
  if (env_.today() != levelsDay_)
    refreshForToday();
}

void MainWindow::armMidnightRefresh() {
  const platform::Environment &e = env_;
  if (!resumeWatch_) {
    auto *watch = new platform::ResumeWatch(this);
    connect(watch, &platform::ResumeWatch::resumed, this,
            platform::guarded(this, &MainWindow::dayMayHaveChanged));
    resumeWatch_ = watch;
  }
  if (e.timeToMidnight)
    midnightTimer->start(std::max(e.timeToMidnight(), std::chrono::milliseconds(0)) +
                         std::chrono::seconds(1));
}

void MainWindow::refreshForToday() {
  const core::Date today = env_.today();
  const bool newDay = today != levelsDay_;
  levelsDay_ = today;
  // A birth date that does not convert leaves no levels to show: the icons
  // go back to their initial pictures with a tip that says so, and the error
  // is raised once per date, not at every refresh.
  bool computed = false;
  try {
    computed = computeTodayLevelsUnlessRefused(session_, env_);
  } catch (const core::EConvertError &) {
    showUnreadableBirthDate();
    throw;
  }
  if (!computed) {
    showUnreadableBirthDate();
    return;
  }
  refreshTrayIcons();
  if (blinkingAction->isChecked())
    blinkTimer->start();
  if (newDay)
    session_.showTodayPower(today);
}

QString unreadableBirthDateTip() {
  return QStringLiteral("Your birth date cannot be read: right-click, Setup to set it");
}

void MainWindow::showUnreadableBirthDate() {
  blinkTimer->stop();
  const std::array<std::pair<TrayIcon *, const char16_t *>, 3> initial{
      {{emotionalTrayIcon, u"tray21"},
       {intellectualTrayIcon, u"tray22"},
       {physicalTrayIcon, u"tray23"}}};
  for (const auto &[icon, picture] : initial) {
    icon->setIcon(pictures::icon(QStringView(picture)));
    icon->setToolTip(unreadableBirthDateTip());
    icon->setActive(true);
  }
}

void MainWindow::showSteadyIcons() {
  for (TrayIcon *icon : {emotionalTrayIcon, intellectualTrayIcon, physicalTrayIcon})
    icon->setActive(false);
  emotionalTrayIcon->setIcon(emotionalSteadyIcon);
  intellectualTrayIcon->setIcon(intellectualSteadyIcon);
  physicalTrayIcon->setIcon(physicalSteadyIcon);
  for (TrayIcon *icon : {emotionalTrayIcon, intellectualTrayIcon, physicalTrayIcon})
    icon->setActive(true);
}

void MainWindow::toggleBlinking() {
  if (!blinkingAction->isChecked()) {
    blinkingAction->setChecked(true);
    blinkTimer->start();
    return;
  }
  blinkingAction->setChecked(false);
  blinkTimer->stop();
  showSteadyIcons();
}

void MainWindow::openTodayPower() {
  emit panelRequested(Panel::Power, PanelOpening::Command);
}
void MainWindow::openProjection() {
  emit panelRequested(Panel::Projection, PanelOpening::Command);
}
void MainWindow::openSetup() {
  emit panelRequested(Panel::Setup, PanelOpening::Command);
}
void MainWindow::openExplanation() {
  emit panelRequested(Panel::Explanation, PanelOpening::Command);
}
void MainWindow::openGuide() {
  emit panelRequested(Panel::Guide, PanelOpening::Command);
}

void MainWindow::openAbout() {
  emit aboutRequested();
}

void MainWindow::trayIconClicked() {
  emit panelRequested(Panel::Power, PanelOpening::IconClick);
}

void MainWindow::trayIconDoubleClicked() {
  showSteadyIcons();
  emit panelRequested(Panel::Guide, PanelOpening::Command);
}

void MainWindow::saveFromTray() {
  emit saveRequested();
}

void MainWindow::hideAllWindows() {
  emit hideAllRequested();
}

void MainWindow::quitProgram() {
  hide();
  for (QTimer *t : {blinkTimer, hourlyRefreshTimer, splashTimer, midnightTimer})
    t->stop();
  for (TrayIcon *icon : {emotionalTrayIcon, intellectualTrayIcon, physicalTrayIcon})
    icon->setActive(false);
  emit quitting();
  close();
}
