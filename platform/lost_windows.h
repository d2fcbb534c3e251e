#pragma once
// Windows of ours that another X client destroyed (a tool that closes any window, a tray that
// drops its icons): Qt goes on believing they exist, so they would never show again. Each loss
// is reported once, after Qt has seen it; the owner makes the window again.

#include <QObject>
#include <QWindow>

class QWidget;

namespace platform {

class LostWindows : public QObject {
  Q_OBJECT
public:
  // The one watcher of the application; on platforms other than X it never reports.
  static LostWindows &instance();

  // The top-level widget whose platform window `window` is, or nullptr.
  static QWidget *widgetOf(const QWindow *window);

signals:
  void lost(QWindow *window);

private:
  explicit LostWindows(QObject *parent);
};

} // namespace platform
