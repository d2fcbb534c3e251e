// Calvoro's windows and tray icons run for many simulated hours on a real
// desktop: the clock is the driver's, the timers' handlers are called as the
// hours pass, and the windows are opened and closed again and again. At every
// simulated hour the process's resident memory, open files, X resources and
// running timers are written out, one line each, for the caller to compare.
//   calvoro_soak HOURS CYCLES_PER_HOUR
#include "app/main_window.h"
#include "app/windows.h"
#include "chart/content_window.h"
#include "core/biorhythm.h"
#include "core/date_text.h"
#include "dialogs/about_window.h"
#include "dialogs/date_chooser.h"
#include "platform/application.h"
#include "platform/environment.h"
#include "platform/error_report.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

#ifdef CALVORO_SOAK_XRES
#include <QGuiApplication>
#include <xcb/res.h>
#include <xcb/xcb.h>
#endif

namespace {

QStringList errors;

class CountingErrorReport : public platform::ErrorReport {
public:
  void show(const QString &message) override { errors << message; }
};

// The program's windows, made in main.
Windows *windows = nullptr;

long statusValue(const char *key) {
  QFile file(QStringLiteral("/proc/self/status"));
  if (!file.open(QIODevice::ReadOnly))
    return -1;
  for (const QByteArray &line : file.readAll().split('\n'))
    if (line.startsWith(key))
      return line.mid(int(std::strlen(key))).trimmed().split(' ').value(0).toLong();
  return -1;
}

int openFiles() {
  return int(
      QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::System).size());
}

// The X resources this client holds: windows, pixmaps, graphics contexts, all kinds.
long xResources() {
#ifdef CALVORO_SOAK_XRES
  auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11)
    return -1;
  xcb_connection_t *c = x11->connection();
  const uint32_t base = xcb_get_setup(c)->resource_id_base;
  auto *reply =
      xcb_res_query_client_resources_reply(c, xcb_res_query_client_resources(c, base), nullptr);
  if (!reply)
    return -1;
  long total = 0;
  auto it = xcb_res_query_client_resources_types_iterator(reply);
  for (; it.rem; xcb_res_type_next(&it))
    total += it.data->count;
  std::free(reply);
  return total;
#else
  return -1;
#endif
}

int runningTimers() {
  int n = 0;
  for (QWidget *w : {static_cast<QWidget *>(windows->mainIfMade()),
                     static_cast<QWidget *>(windows->contentIfMade()),
                     static_cast<QWidget *>(windows->aboutIfMade()),
                     static_cast<QWidget *>(windows->chooserIfMade())})
    for (QTimer *t : w ? w->findChildren<QTimer *>() : QList<QTimer *>())
      n += t->isActive();
  return n;
}

void settle() {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 30)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Until `window` is hidden and its animation has ended.
void waitHidden(QWidget *window) {
  QElapsedTimer t;
  t.start();
  while (window->isVisible() && t.elapsed() < 5000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  settle();
}

void openAndCloseEveryWindow() {
  windows->main().openTodayPower();
  settle();
  windows->content().closeCornerClicked();
  waitHidden(&windows->content());
  windows->refreshWhenContentHidden(); // the refresh after the window closed
  windows->main().openProjection();
  settle();
  windows->main().hideAllWindows();
  waitHidden(&windows->content());
  windows->refreshWhenContentHidden();
  windows->about().showCentred();
  settle();
  windows->about().hide();
  waitHidden(&windows->about());
  windows->chooser().showCentred();
  settle();
  windows->chooser().hide();
  waitHidden(&windows->chooser());
}

// Until only the tray's own timers (blink, hourly, midnight) run: an animation that is still ending
// holds a timer and its frame windows for a moment.
void waitQuiet() {
  QElapsedTimer t;
  t.start();
  auto own = [] {
    const auto *midnight = windows->main().findChild<QTimer *>(QStringLiteral("midnightTimer"));
    return int(windows->main().blinkTimer->isActive()) +
           int(windows->main().hourlyRefreshTimer->isActive()) +
           int(midnight && midnight->isActive());
  };
  while (runningTimers() > own() && t.elapsed() < 5000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  settle();
}

} // namespace

int main(int argc, char **argv) {
  platform::Application app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const int hours = argc > 1 ? std::atoi(argv[1]) : 48;
  const int cycles = argc > 2 ? std::atoi(argv[2]) : 6;
  platform::installFontSubstitutions();
  platform::DesktopServices services;
  platform::Environment environment = services.environment();
  CountingErrorReport errorReport;
  environment.errorReport = &errorReport;
  QTemporaryDir folder;
  environment.configPath = folder.filePath(QStringLiteral("Calvoro.ini")).toStdString();
  // A birth date whose cycles pass through critical days, so the icons blink.
  core::Date today{2026, 3, 1};
  environment.today = [&today] { return today; };
  platform::setEnvironment(environment);
  QFile config(folder.filePath(QStringLiteral("Calvoro.ini")));
  if (!config.open(QIODevice::WriteOnly))
    return 2;
  config.write("\r\nSoak\r\n12/05/1970\r\n0\r\n");
  config.close();

  Windows owner(platform::env());
  windows = &owner;
  windows->main().show();
  windows->main().loadTimer->stop();
  windows->main().loadAtStart(); // the load
  windows->main().endSplash();   // the splash ends
  settle();

  int seconds = 0;
  for (int hour = 1; hour <= hours; ++hour) {
    for (int s = 0; s < 3600; ++s, ++seconds) {
      if (windows->main().blinkTimer->isActive())
        windows->main().blinkStep();
      if (s % 60 == 0)
        QCoreApplication::processEvents();
    }
    const bool midnight = hour % 24 == 0;
    if (midnight)
      today = core::addDays(today, 1);
    windows->main().hourlyRefresh();
    for (int i = 0; i < cycles; ++i)
      openAndCloseEveryWindow();
    waitQuiet();
    // After the hourly refresh the icons speak of today's levels.
    const core::Levels expected = core::levelsFor(core::computeDayCount({1970, 5, 12}, today));
    const bool follows = windows->main().emotionalTrayIcon->toolTip().contains(
        QStringLiteral(" %1 % ").arg(expected.emotional));
    std::printf("hour %d rss_kB %ld fds %d xres %ld timers %d today %04d-%02d-%02d follows %d "
                "errors %lld\n",
                hour, statusValue("VmRSS:"), openFiles(), xResources(), runningTimers(), today.year,
                today.month, today.day, follows ? 1 : 0, static_cast<long long>(errors.size()));
    std::fflush(stdout);
  }
  windows->main().quitProgram();
  settle();
  return errors.isEmpty() ? 0 : 1;
}
