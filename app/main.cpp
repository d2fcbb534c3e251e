// Calvoro: the entry. One instance per user; the main window with the tray
// icons, then the message loop (the other windows come at their first opening).
#include "app/main_window.h"
#include "app/tray_notice.h"
#include "app/windows.h"
#include "platform/app_title.h"
#include "platform/application.h"
#include "platform/environment.h"
#include "platform/fonts.h"
#include "platform/guarded.h"
#include "platform/instance_lock.h"
#include "platform/message_boxes.h"
#include "platform/quit_requests.h"
#include "platform/session.h"
#include "resources/pictures.h"

int main(int argc, char **argv) {
  // In a Wayland session, on its X display where there is one: see platform/session.h.
  platform::choosePlatformForSession();
  platform::Application app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Calvoro"));
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
  // A tray host that starts with the session may come a little after the program.
  armMissingTrayNotice(&windows.main(), 5000, platform::env().notifyArea,
                       platform::env().messageBoxes);
  return QApplication::exec();
}
