#include "platform/app_shell.h"

#include <QCoreApplication>
#include <QWindowStateChangeEvent>

namespace platform {

AppShell &AppShell::instance() {
  // Owned by the application object, and gone with it.
  static QPointer<AppShell> shell;
  if (!shell)
    shell = new AppShell(QCoreApplication::instance());
  return *shell;
}

void AppShell::setMainWindow(QWidget *form) {
  if (mainWindow_)
    mainWindow_->removeEventFilter(this);
  mainWindow_ = form;
  if (form)
    form->installEventFilter(this);
}

void AppShell::minimize() {
  if (mainWindow_)
    mainWindow_->setWindowState(mainWindow_->windowState() | Qt::WindowMinimized);
  else
    emit minimized();
}

void AppShell::restore() {
  if (!mainWindow_)
    return;
  mainWindow_->setWindowState(mainWindow_->windowState() & ~Qt::WindowMinimized);
  mainWindow_->show();
  mainWindow_->raise();
  mainWindow_->activateWindow();
}

bool AppShell::eventFilter(QObject *watched, QEvent *event) {
  if (watched == mainWindow_ && event->type() == QEvent::WindowStateChange) {
    const auto *change = static_cast<QWindowStateChangeEvent *>(event);
    const bool now = mainWindow_->windowState() & Qt::WindowMinimized;
    const bool before = change->oldState() & Qt::WindowMinimized;
    if (now && !before)
      emit minimized();
  }
  return QObject::eventFilter(watched, event);
}

} // namespace platform
