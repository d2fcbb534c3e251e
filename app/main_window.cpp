#include "app/main_window.h"

#include "chart/content_window.h"
#include "chart/content_window_fields.h"
#include "core/biorhythm.h"
#include "core/config_file.h"
#include "core/date_text.h"
#include "core/errors.h"
#include "core/text_rules.h"
#include "dialogs/about_window.h"
#include "dialogs/date_chooser.h"
#include "platform/app_shell.h"
#include "platform/application.h"
#include "platform/colors.h"
#include "platform/environment.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/resume_watch.h"
#include "resources/pictures.h"

#include <QApplication>

#include <QCursor>
#include <QEvent>
#include <QScreen>
#include <algorithm>
#include <array>
#include <chrono>

MainWindow *mainWindow = nullptr;

namespace {

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
  return QString::fromLatin1(prefix) + QString::number(core::LevelIconIndex(level));
}

// The content and About windows and the date chooser exist only once opened.
template <class T> void hideIfMade(OnDemand<T> &window) {
  if (T *made = window.made())
    made->hide();
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : BorderlessWindow(parent) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QStringLiteral("Calvoro by Kaldo Prototyping"));
  setColor(platform::toQColor(platform::clBlack));
  setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  setPosition(WindowPlacement::poScreenCenter);
  resize(244, 188);

  // The icons first: they are what a session waits for at login.
  createMenu();
  createTrayIcons();

  Imagef = new PictureView(this);
  Imagef->setObjectName(QStringLiteral("Imagef"));
  Imagef->setPicture(pictures::pixmap(u"logo"));
  Imagef->setGeometry(-2, 50, 241, 127);

  FormShaper1 = new WindowShaper(this);
  FormShaper1->setObjectName(QStringLiteral("FormShaper1"));
  FormShaper1->loadFormShape(pictures::logoOutline());

  BalloonHint1 = new BalloonHint(this);
  BalloonHint1->setObjectName(QStringLiteral("BalloonHint1"));
  BalloonHint1->setBorderColor(platform::clBlack);
  BalloonHint1->setColor(platform::clInfoBk);
  BalloonHint1->setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  BalloonHint1->setMaxWidth(-4);
  BalloonHint1->setBehavior(BalloonBehavior::bbNoShowMouseDown | BalloonBehavior::bbUseRegions |
                            BalloonBehavior::bbHideOnPaint);
  BalloonHint1->setPosition(BalloonPosition::bpAboveRight);
  BalloonHint1->setShadowDepth(8);
  BalloonHint1->setShape(BalloonShape::bsRoundRect);

  auto timer = [this](const char *name, int interval) {
    auto *t = new QTimer(this);
    t->setObjectName(name);
    t->setInterval(interval);
    return t;
  };
  Timer1 = timer("Timer1", 1);
  Timer2 = timer("Timer2", 1000);
  Timer3 = timer("Timer3", 1000);
  Timer4 = timer("Timer4", 3600000);
  Timer5 = timer("Timer5", 3000);
  connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1Timer);
  connect(Timer2, &QTimer::timeout, this, &MainWindow::Timer2Timer);
  connect(Timer3, &QTimer::timeout, this, &MainWindow::Timer3Timer);
  connect(Timer4, &QTimer::timeout, this, &MainWindow::Timer4Timer);
  connect(Timer5, &QTimer::timeout, this, &MainWindow::Timer5Timer);
  // Accurate to the second at most: a timer that fires early finds the same day and is set
  // again for the rest.
  midnightTimer = new QTimer(this);
  midnightTimer->setObjectName(QStringLiteral("midnightTimer"));
  midnightTimer->setSingleShot(true);
  midnightTimer->setTimerType(Qt::VeryCoarseTimer);
  connect(midnightTimer, &QTimer::timeout, this, &MainWindow::dayMayHaveChanged);

  Timer1->start();
  Timer5->start();
  FormCreate();
}

void MainWindow::createMenu() {
  PopupMenu = new QMenu(this);
  PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
  PopupMenu->installEventFilter(this);
  auto item = [this](const char *name, const char *caption) {
    QAction *action =
        caption ? PopupMenu->addAction(QString::fromLatin1(caption)) : PopupMenu->addSeparator();
    action->setObjectName(name);
    return action;
  };
  power = item("power", "Your power today");
  card2 = item("card2", "Your power everyday");
  test2 = item("test2", nullptr);
  blink = item("blink", "Blinking Icons");
  blink->setCheckable(true);
  blink->setChecked(true);
  lin2 = item("lin2", nullptr);
  Setup = item("Setup", "Setup");
  What = item("What", "What is Biorythm ?");
  help = item("help", "How works Calvoro ?");
  about = item("about", "About Calvoro by KALDO");
  test3 = item("test3", nullptr);
  save = item("save", "Save your configuration");
  Quit1 = item("Quit1", "Terminate Calvoro and Quit");
  ligne = item("ligne", nullptr);
  hidew = item("hidew", "OK, hide all windows");
  OK = item("OK", "OK, close the menu...");

  connect(power, &QAction::triggered, this, &MainWindow::powerClick);
  connect(card2, &QAction::triggered, this, &MainWindow::card2Click);
  // Qt flips the check before the handler runs; the handler decides itself
  // from the state the user saw.
  connect(blink, &QAction::triggered, this, [this](bool nowChecked) {
    blink->setChecked(!nowChecked);
    blinkClick();
  });
  connect(Setup, &QAction::triggered, this, &MainWindow::SetupClick);
  connect(What, &QAction::triggered, this, &MainWindow::WhatClick);
  connect(help, &QAction::triggered, this, &MainWindow::helpClick);
  connect(about, &QAction::triggered, this, &MainWindow::aboutClick);
  connect(save, &QAction::triggered, this, &MainWindow::saveClick);
  connect(Quit1, &QAction::triggered, this, &MainWindow::Quit1Click);
  connect(hidew, &QAction::triggered, this, &MainWindow::hidewClick);

  PopupMenunew = new BannerMenu(this);
  PopupMenunew->setObjectName(QStringLiteral("PopupMenunew"));
  PopupMenunew->setBannerText(QStringLiteral("KALDO Prototyping"));
  PopupMenunew->setBannerFont(platform::font(QStringLiteral("Arial"), -16));
  PopupMenunew->setBannerColor(platform::clGreen);
  PopupMenunew->setBannerEndColor(platform::clLime);
  PopupMenunew->setBanner(true);
  PopupMenunew->setPopupMenu(PopupMenu);
}

void MainWindow::createTrayIcons() {
  auto tray = [this](const char *name, const char *picture, const char *cycle) {
    auto *icon = new TrayIcon(this);
    icon->setObjectName(name);
    icon->setName(QString::fromLatin1(cycle));
    icon->setIcon(pictures::icon(QString::fromLatin1(picture)));
    icon->setOnClick([this](QObject *sender) { TrayIcon21Click(sender); });
    icon->setOnDblClick([this](QObject *sender) { TrayIcon21DblClick(sender); });
    // Trays that report no double click still report the middle button.
    icon->setOnMiddleClick([this](QObject *sender) { TrayIcon21DblClick(sender); });
    icon->setPopupMenu(PopupMenu);
    icon->setActive(true);
    return icon;
  };
  TrayIcon21 = tray("TrayIcon21", "tray21", "emotional");
  TrayIcon22 = tray("TrayIcon22", "tray22", "intellectual");
  TrayIcon23 = tray("TrayIcon23", "tray23", "physical");
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
  // Every opening of the tray menu, from an icon or a window, is placed here: horizontally
  // centred on the cursor, its top on the cursor's row or, where it does not fit below, its
  // bottom; kept on screen. The point a window asked for may be stale (a borderless window
  // that was never dragged can report an old origin).
  if (watched == PopupMenu && event->type() == QEvent::Show) {
    const QPoint cursor = QCursor::pos();
    const QSize size = PopupMenu->size();
    int x = cursor.x() - size.width() / 2;
    int y = cursor.y();
    if (QScreen *screen = QGuiApplication::screenAt(cursor)) {
      const QRect area = screen->geometry();
      if (y + size.height() > area.bottom() + 1)
        y = cursor.y() - size.height();
      x = std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - size.width()));
      y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    }
    PopupMenu->move(x, y);
  }
  return BorderlessWindow::eventFilter(watched, event);
}

void MainWindow::FormCreate() {
  if (FormShaper1)
    FormShaper1->setActive(true);
}

void MainWindow::FormHide() {
  resize(241, 127);
  centreOnScreen();
}

void MainWindow::Timer1Timer() {
  if (Timer1)
    Timer1->stop();
  LoadConfiguration();
}

void MainWindow::Timer5Timer() {
  // The splash ends once; a running timer would wake the program every 3 s.
  Timer5->stop();
  hide();
  delete Imagef;
  Imagef = nullptr;
  delete FormShaper1;
  FormShaper1 = nullptr;
}

void MainWindow::firstRunSetup() {
  contentWindow->showOnlyPanel(contentWindow->setupPanel);
  contentWindow->showCentred();
  contentWindow->activateWindow();
  contentWindow->firstNameField->setFocus();
  contentWindow->firstNameField->selectAll();
  Timer3->start();
  Timer4->start();
  armMidnightRefresh();
}

void MainWindow::LoadConfiguration() {
  const platform::Environment &e = platform::env();
  hideIfMade(aboutWindow);
  if (ContentWindow *content = contentWindow.made())
    content->setPosition(WindowPlacement::poScreenCenter);

  if (!core::configFileExists(e.configPath)) {
    if (Timer1)
      Timer1->stop();
    firstRunSetup();
    return;
  }

  const core::Configuration config = core::readConfigFile(e.configPath);
  loadFields(QString::fromStdString(config.firstName), QString::fromStdString(config.birthDate),
             QString::fromStdString(core::formatDate(
                 e.today(), core::numericDatePattern(e.regional.date.order), e.regional.date)));
  if (!config.blinking)
    blink->setChecked(false);

  for (TrayIcon *icon : {TrayIcon21, TrayIcon22, TrayIcon23})
    icon->setActive(false);
  if (Timer1) {
    Timer1->stop();
    Timer1->deleteLater();
    Timer1 = nullptr;
  }
  headlineFirstName = QString::fromStdString(core::firstNameCopy(config.firstName));

  try {
    levelsDay_ = e.today();
    computeTodayLevels();
  } catch (const core::EConvertError &error) {
    // The icons are out of the tray at this point: put them back, saying why they show no
    // levels, then show the error and give the user the setup panel as a way back.
    showUnreadableBirthDate();
    platform::reportError(QString::fromUtf8(error.what()));
    firstRunSetup();
    return;
  }

  showTodayPowerOnPanel();
  RefreshTrayIcons();
  setTrayIconsFromHolders();
  if (blink->isChecked())
    Timer2->start();
  Timer4->start();
  armMidnightRefresh();
}

// The three cycles in tray order, with today's shared levels.
static std::array<TrayCycle, 3> trayCycles(MainWindow *f) {
  return {{
      {core::EmotionalLevel, &f->EmotionalIconName, "emotio", f->TrayIcon21, &f->Image1, "Dear ",
       "emotional"},
      {core::IntellectualLevel, &f->IntellectualIconName, "intel", f->TrayIcon22, &f->Image2,
       "Hello ", "intellectual"},
      {core::PhysicalLevel, &f->PhysicalIconName, "physiq", f->TrayIcon23, &f->Image3, "Well ",
       "physical"},
  }};
}

void MainWindow::RefreshTrayIcons() {
  for (TrayIcon *icon : {TrayIcon21, TrayIcon22, TrayIcon23})
    icon->setActive(false);
  const QString name = fieldFirstName();
  for (const TrayCycle &c : trayCycles(this)) {
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

void MainWindow::Timer2Timer() {
  bool anyCritical = false;
  for (const TrayCycle &c : trayCycles(this)) {
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
    Timer2->stop();
}

void MainWindow::Timer3Timer() {
  if (contentWindow.made() && contentWindow->isVisible())
    return;
  Timer3->stop();
  refreshForToday();
}

void MainWindow::Timer4Timer() {
  // The timers stand still while the machine sleeps, and the clock may have been set.
  armMidnightRefresh();
  refreshForToday();
}

void MainWindow::dayMayHaveChanged() {
  armMidnightRefresh();
  if (platform::env().today() != levelsDay_)
    refreshForToday();
}

void MainWindow::armMidnightRefresh() {
  const platform::Environment &e = platform::env();
  if (!resumeWatch_)
    resumeWatch_ = new platform::ResumeWatch([this] { dayMayHaveChanged(); }, this);
  if (e.timeToMidnight)
    midnightTimer->start(std::max(e.timeToMidnight(), std::chrono::milliseconds(0)) +
                         std::chrono::seconds(1));
}

void MainWindow::refreshForToday() {
  const core::Date today = platform::env().today();
  const bool newDay = today != levelsDay_;
  levelsDay_ = today;
  // A birth date that does not convert leaves no levels to show: the icons
  // go back to their initial pictures with a tip that says so, and the error
  // is raised once per date, not at every refresh.
  bool computed = false;
  try {
    computed = computeTodayLevelsUnlessRefused();
  } catch (const core::EConvertError &) {
    showUnreadableBirthDate();
    throw;
  }
  if (!computed) {
    showUnreadableBirthDate();
    return;
  }
  RefreshTrayIcons();
  if (blink->isChecked())
    Timer2->start();
  if (newDay)
    showTodayPowerOnPanel();
}

QString unreadableBirthDateTip() {
  return QStringLiteral("Your birth date cannot be read: right-click, Setup to set it");
}

void MainWindow::showUnreadableBirthDate() {
  Timer2->stop();
  const std::array<std::pair<TrayIcon *, const char16_t *>, 3> initial{
      {{TrayIcon21, u"tray21"}, {TrayIcon22, u"tray22"}, {TrayIcon23, u"tray23"}}};
  for (const auto &[icon, picture] : initial) {
    icon->setIcon(pictures::icon(QStringView(picture)));
    icon->setToolTip(unreadableBirthDateTip());
    icon->setActive(true);
  }
}

void MainWindow::setTrayIconsFromHolders() {
  for (TrayIcon *icon : {TrayIcon21, TrayIcon22, TrayIcon23})
    icon->setActive(false);
  TrayIcon21->setIcon(Image1);
  TrayIcon22->setIcon(Image2);
  TrayIcon23->setIcon(Image3);
  for (TrayIcon *icon : {TrayIcon21, TrayIcon22, TrayIcon23})
    icon->setActive(true);
}

void MainWindow::blinkClick() {
  if (!blink->isChecked()) {
    blink->setChecked(true);
    Timer2->start();
    return;
  }
  blink->setChecked(false);
  Timer2->stop();
  setTrayIconsFromHolders();
}

void MainWindow::openPanel(BevelPanel *panel, bool hideAbout) {
  if (hideAbout)
    hideIfMade(aboutWindow);
  contentWindow->setOuterSize(ContentWindow::kPanelWidth, ContentWindow::kPanelHeight);
  Timer3->start();
  contentWindow->showOnlyPanel(panel);
  contentWindow->showCentred();
}

void MainWindow::powerClick() {
  openPanel(contentWindow->powerPanel, true);
}
void MainWindow::card2Click() {
  openPanel(contentWindow->projectionPanel, true);
}
void MainWindow::SetupClick() {
  openPanel(contentWindow->setupPanel, true);
}
void MainWindow::WhatClick() {
  openPanel(contentWindow->explanationPanel, true);
}
void MainWindow::helpClick() {
  openPanel(contentWindow->guidePanel, true);
}

void MainWindow::aboutClick() {
  // An About window already open is hidden and shown again, which replays
  // its show animation.
  hideIfMade(aboutWindow);
  hideIfMade(contentWindow);
  aboutWindow->openCentred();
}

void MainWindow::TrayIcon21Click(QObject *) {
  if (contentWindow.made() && contentWindow->isVisible())
    return;
  openPanel(contentWindow->powerPanel, false);
}

void MainWindow::TrayIcon21DblClick(QObject *) {
  hideIfMade(aboutWindow);
  contentWindow->setOuterSize(ContentWindow::kPanelWidth, ContentWindow::kPanelHeight);
  setTrayIconsFromHolders();
  Timer3->start();
  contentWindow->showOnlyPanel(contentWindow->guidePanel);
  contentWindow->showCentred();
}

void MainWindow::saveClick() {
  platform::Environment &e = platform::env();
  ContentWindow *content = contentWindow.made();
  AboutWindow *about = aboutWindow.made();
  if ((content && content->isVisible()) || (about && about->isVisible())) {
    if (content)
      content->sendToBack();
    if (about)
      about->sendToBack();
    e.messageBoxes->warning(QStringLiteral(
        "Please close the Calvoro windows (click on the X panel) before saving. Then right-click "
        "on one icon and save."));
    if (content)
      content->setStayOnTop(true);
    if (about)
      about->setStayOnTop(true);
    return;
  }
  saveConfiguration(blink->isChecked());
  e.messageBoxes->information(QStringLiteral("Your configuration has been saved.."));
}

void MainWindow::hidewClick() {
  hideIfMade(aboutWindow);
  hideIfMade(contentWindow);
  hideIfMade(dateChooser);
}

void MainWindow::Quit1Click() {
  hide();
  hideIfMade(contentWindow);
  hideIfMade(dateChooser);
  hideIfMade(aboutWindow);
  for (QTimer *t : {Timer2, Timer3, Timer4, Timer5, midnightTimer})
    t->stop();
  for (TrayIcon *icon : {TrayIcon21, TrayIcon22, TrayIcon23})
    icon->setActive(false);
  if (ContentWindow *content = contentWindow.made())
    content->chartDrawTimer->stop();
  if (DateChooser *chooser = dateChooser.made())
    chooser->close();
  if (AboutWindow *about = aboutWindow.made()) {
    about->Timer1->stop();
    about->close();
  }
  if (ContentWindow *content = contentWindow.made())
    content->close();
  close();
  // This handler runs inside the main window's menu: release the windows
  // once it has returned.
  QTimer::singleShot(0, qApp, [] {
    destroyWindows();
    QCoreApplication::quit();
  });
}
