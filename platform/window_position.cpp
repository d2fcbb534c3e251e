#include "platform/window_position.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(CALVORO_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

#include <cstdlib>

namespace platform {

QPoint windowScreenOrigin(const QWidget *window) {
  const QPoint recorded = window->mapToGlobal(QPoint(0, 0));
#if defined(CALVORO_HAVE_XCB) && QT_CONFIG(xcb)
  auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
  if (!connection || !window->testAttribute(Qt::WA_WState_Created))
    return recorded;
  const auto id = static_cast<xcb_window_t>(window->winId());
  xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  if (!screen)
    return recorded;
  xcb_translate_coordinates_reply_t *reply = xcb_translate_coordinates_reply(
      connection, xcb_translate_coordinates(connection, id, screen->root, 0, 0), nullptr);
  if (!reply)
    return recorded;
  const QPoint origin(reply->dst_x, reply->dst_y);
  std::free(reply);
  return origin;
#else
  return recorded;
#endif
}

} // namespace platform
