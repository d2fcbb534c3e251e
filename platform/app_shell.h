#pragma once
// What the application object offers its components: the main window, whether the main
// window shows at start, minimising and restoring the application, and the one minimise
// handler that components read and replace to chain themselves in.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace platform {

class AppShell : public QObject {
  Q_OBJECT
public:
  using MinimizeHandler = std::function<void(QObject *Sender)>;

  // The one of the application object, made at the first call; needs the application object.
  static AppShell &instance();

  // The main window: minimising it minimises the application. Cleared when it is destroyed.
  QWidget *mainWindow() const { return mainWindow_; }
  void setMainWindow(QWidget *form);

  bool showMainWindow() const { return showMainWindow_; }
  void setShowMainWindow(bool show) { showMainWindow_ = show; }

  // Called with the application shell as Sender whenever the application is minimised.
  const MinimizeHandler &onMinimize() const { return onMinimize_; }
  // Replaces the handler; returns a number that tells this installation apart from others.
  std::uint64_t setOnMinimize(MinimizeHandler handler);
  std::uint64_t onMinimizeSerial() const { return serial_; }

  // Minimises the main window (or, without one, just runs the handler).
  void minimize();
  // Brings the main window back: not minimised, shown, raised and active.
  void restore();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  using QObject::QObject;
  void minimized();

  QPointer<QWidget> mainWindow_;
  bool showMainWindow_ = true;
  MinimizeHandler onMinimize_;
  std::uint64_t serial_ = 0;
};

} // namespace platform
