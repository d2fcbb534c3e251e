// Calvoro: the entry. One instance per user; four windows created in order,
// then the message loop.
#include "app/calvor.h"
#include "platform/app_title.h"
#include "platform/application.h"
#include "platform/environment.h"
#include "platform/fonts.h"
#include "platform/instance_lock.h"
#include "platform/message_boxes.h"
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
  if (!lock.tryAcquire()) {
    platform::env().messageBoxes->warning(QStringLiteral("Calvoro is already loaded..."));
    return 0;
  }

  QApplication::setWindowIcon(pictures::icon(u"calvoro"));
  CreateForms();
  Form1->show();
  const int result = QApplication::exec();
  DestroyForms();
  return result;
}
