// Creating and releasing the four windows, and the one place where they are
// connected to each other: the content window, the date chooser and the About
// window never include each other's headers; what crosses between them is
// wired here. Only the main window is made at start: the others are made at
// their first opening, since most sessions never open them.
#include "app/main_window.h"
#include "chart/content_window.h"
#include "chart/content_window_fields.h"
#include "dialogs/about_window.h"
#include "dialogs/date_chooser.h"
#include "platform/app_shell.h"
#include "platform/guarded.h"

#include <QEvent>

namespace {

ContentWindow *makeContentWindow() {
  auto *content = new ContentWindow;
  content->setTrayMenu(mainWindow->trayMenu, mainWindow->blinkingAction);
  // The date chooser opens in front of the content and About windows, which
  // stay behind it as normal windows until its OK or Cancel.
  content->onOpenCalendar = [] {
    sendAllToBack({contentWindow.made(), aboutWindow.made()});
    dateChooser->show();
    dateChooser->bringToFront();
    dateChooser->activateWindow();
  };
  return content;
}

AboutWindow *makeAboutWindow() {
  auto *about = new AboutWindow;
  about->setTrayMenu(mainWindow->trayMenu);
  return about;
}

void putWindowsBackOnTop() {
  putAllOnTop({contentWindow.made(), aboutWindow.made()});
}

// However the chooser goes ("OK, hide all windows" too), the windows it sent
// to the back are put back on top, as its OK and Cancel do.
class ChooserHiding final : public QObject {
public:
  using QObject::QObject;
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::Hide && !event->spontaneous())
      platform::runGuarded(putWindowsBackOnTop);
    return QObject::eventFilter(watched, event);
  }
};

DateChooser *makeDateChooser() {
  auto *chooser = new DateChooser;
  chooser->onPutDate = [](const QString &dateText) {
    if (calendarForProjection) {
      contentWindow->projectionDateField->setText(dateText);
      contentWindow->showMeButton->click();
    } else {
      contentWindow->birthDateField->setText(dateText);
    }
  };
  chooser->onClosed = putWindowsBackOnTop;
  chooser->installEventFilter(new ChooserHiding(chooser));
  return chooser;
}

} // namespace

void createWindows() {
  mainWindow = new MainWindow;
  // The first window created is the application's main window.
  platform::AppShell::instance().setMainWindow(mainWindow);
  contentWindow.setMaker(makeContentWindow);
  aboutWindow.setMaker(makeAboutWindow);
  dateChooser.setMaker(makeDateChooser);
}

void destroyWindows() {
  dateChooser.reset();
  aboutWindow.reset();
  contentWindow.reset();
  resetFields();
  delete mainWindow;
  mainWindow = nullptr;
  // A fresh set of windows starts without a name for the chart headline and
  // without a chart.
  headlineFirstName.clear();
  currentChartDay.clear();
  shownChartStart.clear();
}
