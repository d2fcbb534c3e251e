#include "platform/app_shell.h"

#include <QWindowStateChangeEvent>

namespace platform {

AppShell &AppShell::instance() {
  static AppShell *shell = new AppShell; // lives as long as the process
  return *shell;
}

void AppShell::setMainForm(QWidget *form) {
  if (mainForm_)
    mainForm_->removeEventFilter(this);
  mainForm_ = form;
  if (form)
    form->installEventFilter(this);
}

std::uint64_t AppShell::setOnMinimize(MinimizeHandler handler) {
  onMinimize_ = std::move(handler);
  return ++serial_;
}

void AppShell::minimize() {
  if (mainForm_)
    mainForm_->setWindowState(mainForm_->windowState() | Qt::WindowMinimized);
  else
    minimized();
}

void AppShell::restore() {
  if (!mainForm_)
    return;
  mainForm_->setWindowState(mainForm_->windowState() & ~Qt::WindowMinimized);
  mainForm_->show();
  mainForm_->raise();
  mainForm_->activateWindow();
}

void AppShell::minimized() {
  // A copy: the handler may replace itself while it runs.
  const MinimizeHandler handler = onMinimize_;
  if (handler)
    handler(this);
}

bool AppShell::eventFilter(QObject *watched, QEvent *event) {
  if (watched == mainForm_ && event->type() == QEvent::WindowStateChange) {
    const auto *change = static_cast<QWindowStateChangeEvent *>(event);
    const bool now = mainForm_->windowState() & Qt::WindowMinimized;
    const bool before = change->oldState() & Qt::WindowMinimized;
    if (now && !before)
      minimized();
  }
  return QObject::eventFilter(watched, event);
}

} // namespace platform
