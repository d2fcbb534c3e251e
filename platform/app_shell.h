#pragma once
// What the application object offers its components: the main window, whether the main
// window shows at start, minimising and restoring the application, and a signal when it has
// been minimised.

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace platform {

class AppShell : public QObject {
  Q_OBJECT
public:
  // The one of the application object, made at the first call; needs the application object.
  static AppShell &instance();

  // The main window: minimising it minimises the application. Cleared when it is destroyed.
  QWidget *mainWindow() const { return mainWindow_; }
  void setMainWindow(QWidget *form);

  bool showMainWindow() const { return showMainWindow_; }
  void setShowMainWindow(bool show) { showMainWindow_ = show; }

  // Minimises the main window (or, without one, just emits minimized()).
  void minimize();
  // Brings the main window back: not minimised, shown, raised and active.
  void restore();

signals:
  // Whenever the application has been minimised; receivers run in the order they connected.
  void minimized();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  using QObject::QObject;

  QPointer<QWidget> mainWindow_;
  bool showMainWindow_ = true;
};

} // namespace platform
