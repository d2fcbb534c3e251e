#include "platform/qt_notify_area.h"

#include "platform/lost_windows.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <vector>

#if defined(CALVORO_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace platform {

namespace {

#if defined(CALVORO_HAVE_XCB) && QT_CONFIG(xcb)
// An X tray announces itself to every client with a MANAGER message on the root window once it
// owns the tray selection; Qt embeds the icons then by itself, but tells nobody.
class TrayManagerFilter : public QAbstractNativeEventFilter {
public:
  TrayManagerFilter(xcb_atom_t manager, std::function<void()> onManager)
      : manager_(manager), onManager_(std::move(onManager)) {}

  bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override {
    if (eventType != "xcb_generic_event_t")
      return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE &&
        reinterpret_cast<const xcb_client_message_event_t *>(event)->type == manager_)
      onManager_();
    return false;
  }

private:
  xcb_atom_t manager_;
  std::function<void()> onManager_;
};

std::unique_ptr<QAbstractNativeEventFilter> watchForTrayManager(std::function<void()> onManager) {
  auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
  if (!connection)
    return nullptr;
  static const char kManager[] = "MANAGER";
  xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, sizeof kManager - 1, kManager), nullptr);
  if (!reply)
    return nullptr;
  auto filter = std::make_unique<TrayManagerFilter>(reply->atom, std::move(onManager));
  std::free(reply);
  QCoreApplication::instance()->installNativeEventFilter(filter.get());
  return filter;
}
#else
std::unique_ptr<QAbstractNativeEventFilter> watchForTrayManager(std::function<void()>) {
  return nullptr;
}
#endif

// Qt's X tray icon reports a button as soon as it is pressed; a tray icon acts on its release
// over the icon, so that a press can be taken back by sliding off before letting go (and a
// menu opens once the right button is up). Presses are held back, and a release over the icon
// hands Qt the press it reports. The double click's own event passes, so a double click
// reports click, double click, click.
// One filter for the application, however many tray areas it makes.
class ReleaseClicks : public QObject {
public:
  explicit ReleaseClicks(QObject *app) : QObject(app) { setObjectName(kName); }

  static void install() {
    QCoreApplication *app = QCoreApplication::instance();
    if (app && !app->findChild<QObject *>(kName, Qt::FindDirectChildrenOnly))
      app->installEventFilter(new ReleaseClicks(app));
  }

  bool eventFilter(QObject *watched, QEvent *event) override {
    const QEvent::Type type = event->type();
    if ((type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) || replaying_ ||
        !watched->inherits("QSystemTrayIconSys"))
      return false;
    if (type == QEvent::MouseButtonPress)
      return true;
    const auto *release = static_cast<QMouseEvent *>(event);
    auto *icon = static_cast<QWidget *>(watched);
    if (!icon->rect().contains(release->position().toPoint()))
      return false;
    QMouseEvent press(QEvent::MouseButtonPress, release->position(), release->globalPosition(),
                      release->button(), release->button(), release->modifiers());
    // Qt measures a double click from the last press it was given: without a time this one
    // would start every next one at zero.
    press.setTimestamp(release->timestamp());
    replaying_ = true;
    QCoreApplication::sendEvent(icon, &press);
    replaying_ = false;
    return false;
  }

private:
  static constexpr const char *kName = "calvoroTrayReleaseClicks";
  bool replaying_ = false;
};

// A record with an empty icon still takes its place in the tray, blank, as the tray shows
// an icon without a picture; QSystemTrayIcon refuses to show without one.
QIcon blankIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  return QIcon(pixmap);
}

} // namespace

QtNotifyArea::QtNotifyArea(QObject *parent) : NotifyAreaBase(parent) {
  ReleaseClicks::install();
  // Qt's own handling of the message runs after the filter: look once it has.
  trayManagerFilter_ = watchForTrayManager([this] {
    QTimer::singleShot(0, this, [this] {
      if (hostPresent())
        emit hostAppeared();
    });
  });
  // An icon's window destroyed by another client leaves the icon out of the tray for good:
  // put the icons back, all of them in their order, once for the windows lost together.
  connect(&LostWindows::instance(), &LostWindows::lost, this, [this](QWindow *window) {
    const QWidget *widget = LostWindows::widgetOf(window);
    if (!widget || !widget->inherits("QSystemTrayIconSys") || reembedPending_)
      return;
    reembedPending_ = true;
    QTimer::singleShot(0, this, [this] {
      reembedPending_ = false;
      // All out first, then back in the order they were made (the order of the children), as
      // the tray places them as they come.
      std::vector<QSystemTrayIcon *> shown;
      for (QSystemTrayIcon *icon : findChildren<QSystemTrayIcon *>(Qt::FindDirectChildrenOnly)) {
        if (icon->isVisible()) {
          icon->hide(); // lets go of the dead window
          shown.push_back(icon);
        }
      }
      for (QSystemTrayIcon *icon : shown)
        icon->show();
    });
  });
}

QtNotifyArea::~QtNotifyArea() = default;

bool QtNotifyArea::mouseFor(QSystemTrayIcon::ActivationReason reason, TrayMouse *mouse) {
  switch (reason) {
  case QSystemTrayIcon::Trigger:
    *mouse = TrayMouse::LeftUp;
    return true;
  case QSystemTrayIcon::DoubleClick:
    *mouse = TrayMouse::LeftDoubleClick;
    return true;
  case QSystemTrayIcon::Context:
    *mouse = TrayMouse::RightUp;
    return true;
  case QSystemTrayIcon::MiddleClick:
    *mouse = TrayMouse::MiddleUp;
    return true;
  case QSystemTrayIcon::Unknown:
    break;
  }
  return false;
}

bool QtNotifyArea::hostPresent() const {
  return QSystemTrayIcon::isSystemTrayAvailable();
}

QSystemTrayIcon *QtNotifyArea::trayIcon(const QObject *owner, unsigned id) const {
  return static_cast<QSystemTrayIcon *>(presenter({owner, id}));
}

QObject *QtNotifyArea::createPresenter(const NotifyRecord &,
                                       std::function<void(TrayMouse)> clicked) {
  auto *icon = new QSystemTrayIcon(this);
  icon->setIcon(blankIcon());
  connect(icon, &QSystemTrayIcon::activated, this,
          [clicked = std::move(clicked)](QSystemTrayIcon::ActivationReason reason) {
            TrayMouse mouse;
            if (mouseFor(reason, &mouse))
              clicked(mouse);
          });
  return icon;
}

void QtNotifyArea::showIcon(QObject *presenter, const QIcon &icon) {
  static_cast<QSystemTrayIcon *>(presenter)->setIcon(icon.isNull() ? blankIcon() : icon);
}

void QtNotifyArea::showTip(QObject *presenter, const QString &tip) {
  static_cast<QSystemTrayIcon *>(presenter)->setToolTip(tip);
}

void QtNotifyArea::presenterAdded(const NotifyKey &, QObject *presenter) {
  // These icons reach the X tray only (a StatusNotifierItem host is another area's), and there
  // is none off X: showing one there only makes Qt warn that it cannot wait for a tray.
  if (QGuiApplication::platformName() == QLatin1String("xcb"))
    static_cast<QSystemTrayIcon *>(presenter)->show();
}

void QtNotifyArea::retirePresenter(QObject *presenter) {
  static_cast<QSystemTrayIcon *>(presenter)->hide();
  NotifyAreaBase::retirePresenter(presenter);
}

} // namespace platform
