// Calvoro: the entry. The command line, then one instance per user; the main window with the
// tray icons, then the message loop (the other windows come at their first opening).
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/tray_notice.h"
#include "app/windows.h"
#include "platform/app_title.h"
#include "platform/application.h"
#include "platform/display_check.h"
#include "platform/environment.h"
#include "platform/fonts.h"
#include "platform/guarded.h"
#include "platform/instance_lock.h"
#include "platform/login_marker.h"
#include "platform/message_boxes.h"
#include "platform/quit_requests.h"
#include "platform/room_check.h"
#include "platform/session.h"
#include "platform/socket_holder.h"
#include "resources/pictures.h"

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char **argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

} // namespace

int main(int argc, char **argv) {
  QCoreApplication::setApplicationName(QStringLiteral("Calvoro"));
  QCoreApplication::setApplicationVersion(QStringLiteral(CALVORO_VERSION));
  const CommandLine commandLine = parseCommandLine(argumentsOf(argc, argv));
  switch (commandLine.action) {
  case CommandLine::Action::help:
  case CommandLine::Action::version:
    std::fputs(qPrintable(commandLine.text), stdout);
    return 0;
  case CommandLine::Action::error:
    std::fputs(qPrintable(commandLine.text), stderr);
    return 2;
  case CommandLine::Action::run:
    break;
  }
  // Started with the session: a user who never saved a setup has not chosen Calvoro.
  if (commandLine.autostart &&
      !core::configFileExists(*platform::env().configStorage, platform::env().configPath))
    return 0;

  // In a Wayland session, on its X display where there is one: see platform/session.h.
  platform::choosePlatformForSession();
  const std::string noDisplay = platform::displayFailure(commandLine.platform.toStdString(),
                                                         commandLine.display.toStdString());
  if (!noDisplay.empty()) {
    std::fprintf(stderr, "calvoro: %s\n", noDisplay.c_str());
    return 1;
  }
  if (const std::string noRoom = platform::roomFailure(); !noRoom.empty()) {
    std::fprintf(stderr, "calvoro: cannot start: %s\n", noRoom.c_str());
    return 1;
  }
  platform::Application app(argc, argv);
  // The windows are hidden, never closed, and the program lives on in the tray.
  QApplication::setQuitOnLastWindowClosed(false);
  platform::installFontSubstitutions();
  platform::DesktopServices services;
  platform::setEnvironment(services.environment());

  platform::InstanceLock lock;
  switch (lock.tryAcquire()) {
  case platform::InstanceLock::Result::held:
    break;
  case platform::InstanceLock::Result::anotherCopy:
    // Another program of this user listening on the name is no copy: say what holds it.
    if (const std::string other = platform::otherProgramHolding(lock.address()); !other.empty()) {
      platform::env().messageBoxes->warning(QString::fromStdString(other));
      return 1;
    }
    // The user started it again and is told; the session's start, with a copy already
    // running (one the session itself restored, say), has nothing to tell.
    if (!commandLine.autostart)
      platform::env().messageBoxes->warning(QStringLiteral("Calvoro is already loaded..."));
    return 0;
  case platform::InstanceLock::Result::failed:
    // Running without the lock could make two copies write one file: say why, and end.
    platform::env().messageBoxes->warning(QString::fromStdString(lock.failure()));
    return 1;
  }

  QApplication::setWindowIcon(pictures::windowIcon());
  Windows windows(platform::env());

  // Signals and the session's end run the same quit sequence as the menu's command.
  platform::QuitRequests quitRequests;
  QObject::connect(&quitRequests, &platform::QuitRequests::requested, platform::guarded([&windows] {
    if (MainWindow *main = windows.mainIfMade())
      main->quitProgram();
  }));
  // A quit from elsewhere (the platform ending the loop) still takes the icons out first.
  QObject::connect(&app, &QCoreApplication::aboutToQuit, platform::guarded([&windows] {
    if (MainWindow *main = windows.mainIfMade())
      main->quitProgram();
  }));

  windows.main().show();
  // A tray host that starts with the session may come a little after the program. The notice
  // comes once per login, and not to a start by the session, which may have no tray for good.
  if (!commandLine.autostart)
    armMissingTrayNotice(
        &windows.main(), 5000, platform::env().notifyArea, platform::env().messageBoxes,
        [] { return platform::firstTimeThisLogin("calvoro-missing-tray-notice"); });
  return QApplication::exec();
}
