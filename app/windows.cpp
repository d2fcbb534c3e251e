#include "app/windows.h"

#include "app/main_window.h"
#include "chart/content_window.h"
#include "dialogs/about_window.h"
#include "dialogs/date_chooser.h"
#include "platform/app_shell.h"
#include "platform/guarded.h"
#include "platform/message_boxes.h"
#include "state/setup_values.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

template <class T> void hideIfMade(const std::unique_ptr<T> &window) {
  if (window)
    window->hide();
}

} // namespace

Windows::Windows(platform::Environment &env)
    : env_(env), main_(std::make_unique<MainWindow>(session_, env)) {
  MainWindow *main = main_.get();
  // The first window created is the application's main window.
  platform::AppShell::instance().setMainWindow(main);
  connect(main, &MainWindow::panelRequested, this, platform::guarded(this, &Windows::openPanel));
  connect(main, &MainWindow::setupNeeded, this,
          platform::guarded(this, &Windows::openSetupForFirstRun));
  connect(main, &MainWindow::aboutRequested, this, platform::guarded(this, &Windows::openAbout));
  connect(main, &MainWindow::hideAllRequested, this, platform::guarded(this, &Windows::hideAll));
  connect(main, &MainWindow::saveRequested, this, platform::guarded(this, &Windows::saveFromTray));
  connect(main, &MainWindow::quitting, this, platform::guarded(this, &Windows::quit));
  connect(main, &MainWindow::loading, this, platform::guarded([this] {
            hideIfMade(about_);
            if (content_)
              content_->setPosition(WindowPlacement::poScreenCenter);
          }));
}

Windows::~Windows() = default;

ContentWindow &Windows::content() {
  if (!content_) {
    content_ = std::make_unique<ContentWindow>(session_, env_);
    ContentWindow *content = content_.get();
    content->setTrayMenu(main_->trayMenu, main_->blinkingAction);
    connect(content, &ContentWindow::calendarRequested, this,
            platform::guarded(this, &Windows::openChooser));
    // Queued: a window hidden only to be shown again in the same handler (the
    // chart's own redraw) is visible again by then.
    connect(content, &ContentWindow::hidden, this,
            platform::guarded(this, &Windows::refreshWhenContentHidden), Qt::QueuedConnection);
  }
  return *content_;
}

AboutWindow &Windows::about() {
  if (!about_) {
    about_ = std::make_unique<AboutWindow>(env_);
    about_->setTrayMenu(main_->trayMenu);
  }
  return *about_;
}

DateChooser &Windows::chooser() {
  if (!chooser_) {
    chooser_ = std::make_unique<DateChooser>(env_);
    DateChooser *chooser = chooser_.get();
    connect(chooser, &DateChooser::datePicked, this, platform::guarded([this](const QString &text) {
              content().putChosenDate(chooserTarget_, text);
            }));
    // However the chooser goes (OK, Cancel, Escape, "OK, hide all windows"), the
    // windows it sent to the back are put back on top.
    connect(chooser, &DateChooser::hidden, this,
            platform::guarded(this, &Windows::putWindowsBackOnTop));
  }
  return *chooser_;
}

void Windows::openPanel(Panel panel, PanelOpening opening) {
  if (opening == PanelOpening::IconClick && content_ && content_->isVisible())
    return;
  if (opening == PanelOpening::Command)
    hideIfMade(about_);
  ContentWindow &c = content();
  BevelPanel *const panels[] = {c.powerPanel, c.projectionPanel, c.setupPanel, c.explanationPanel,
                                c.guidePanel};
  c.setOuterSize(ContentWindow::kPanelWidth, ContentWindow::kPanelHeight);
  refreshArmed_ = true;
  c.showOnlyPanel(panels[static_cast<int>(panel)]);
  c.showCentred();
}

void Windows::openSetupForFirstRun() {
  ContentWindow &c = content();
  c.showOnlyPanel(c.setupPanel);
  c.showCentred();
  c.activateWindow();
  c.firstNameField->setFocus();
  c.firstNameField->selectAll();
  refreshArmed_ = true;
}

void Windows::openAbout() {
  // An About window already open is hidden and shown again, which replays
  // its show animation.
  hideIfMade(about_);
  hideIfMade(content_);
  about().openCentred();
}

void Windows::openChooser(DateTarget target) {
  chooserTarget_ = target;
  // The date chooser opens in front of the content and About windows, which
  // stay behind it as normal windows until its OK or Cancel.
  sendAllToBack({&content(), about_.get()});
  DateChooser &c = chooser();
  c.show();
  c.bringToFront();
  c.activateWindow();
}

void Windows::putWindowsBackOnTop() {
  putAllOnTop({content_.get(), about_.get()});
}

void Windows::hideAll() {
  hideIfMade(about_);
  hideIfMade(content_);
  hideIfMade(chooser_);
}

void Windows::refreshWhenContentHidden() {
  if (!refreshArmed_ || !main_ || (content_ && content_->isVisible()))
    return;
  refreshArmed_ = false;
  main_->refreshForToday();
}

void Windows::saveFromTray() {
  const bool contentShown = content_ && content_->isVisible();
  const bool aboutShown = about_ && about_->isVisible();
  if (contentShown || aboutShown) {
    const SentToBack behindTheMessage{content_.get(), about_.get()};
    env_.messageBoxes->warning(QStringLiteral(
        "Please close the Calvoro windows (click on the X panel) before saving. Then right-click "
        "on one icon and save."));
    return;
  }
  saveConfiguration(session_, env_, main_->blinkingAction->isChecked());
  env_.messageBoxes->information(QStringLiteral("Your configuration has been saved.."));
}

void Windows::quit() {
  refreshArmed_ = false;
  hideAll();
  if (content_)
    content_->chartDrawTimer->stop();
  if (chooser_)
    chooser_->close();
  if (about_) {
    about_->creatureTimer->stop();
    about_->close();
  }
  if (content_)
    content_->close();
  // This runs inside the main window's menu handler: the windows are released
  // once it has returned.
  QTimer::singleShot(0, this, platform::guarded([this] {
                       release();
                       QCoreApplication::quit();
                     }));
}

void Windows::release() {
  chooser_.reset();
  about_.reset();
  content_.reset();
  main_.reset();
}
