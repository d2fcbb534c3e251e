#include "platform/lost_windows.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#if defined(CALVORO_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace platform {

namespace {

#if defined(CALVORO_HAVE_XCB) && QT_CONFIG(xcb)
// Qt asks for structure events on its windows, so the server reports their destruction to us.
// One we destroyed ourselves has no platform window left by then; one that still has its
// platform window was destroyed by someone else.
class DestroyFilter : public QAbstractNativeEventFilter {
public:
  explicit DestroyFilter(LostWindows *owner) : owner_(owner) {}

  bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override {
    if (eventType != "xcb_generic_event_t")
      return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
      return false;
    const xcb_window_t id = reinterpret_cast<const xcb_destroy_notify_event_t *>(event)->window;
    for (QWindow *window : QGuiApplication::allWindows()) {
      if (window->handle() && window->winId() == id) {
        QTimer::singleShot(0, owner_, [owner = owner_, lost = QPointer<QWindow>(window)] {
          if (lost)
            emit owner->lost(lost);
        });
      }
    }
    return false;
  }

private:
  LostWindows *owner_;
};
#endif

} // namespace

LostWindows::LostWindows(QObject *parent) : QObject(parent) {
#if defined(CALVORO_HAVE_XCB) && QT_CONFIG(xcb)
  if (!qGuiApp || !qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
    return;
  auto *filter = new DestroyFilter(this);
  qGuiApp->installNativeEventFilter(filter);
  connect(this, &QObject::destroyed, [filter] {
    if (qGuiApp)
      qGuiApp->removeNativeEventFilter(filter);
    delete filter;
  });
#endif
}

LostWindows &LostWindows::instance() {
  static QPointer<LostWindows> one;
  if (!one)
    one = new LostWindows(QCoreApplication::instance());
  return *one;
}

QWidget *LostWindows::widgetOf(const QWindow *window) {
  const auto list = QApplication::topLevelWidgets();
  for (QWidget *widget : list)
    if (widget->windowHandle() == window)
      return widget;
  return nullptr;
}

} // namespace platform
