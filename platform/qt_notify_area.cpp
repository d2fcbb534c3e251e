#include "platform/qt_notify_area.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QTimer>

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

// A record with an empty icon still takes its place in the tray, blank, as the tray shows
// an icon without a picture; QSystemTrayIcon refuses to show without one.
QIcon blankIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  return QIcon(pixmap);
}

} // namespace

QtNotifyArea::QtNotifyArea(QObject *parent) : QObject(parent) {
  // Qt's own handling of the message runs after the filter: look once it has.
  trayManagerFilter_ = watchForTrayManager([this] {
    QTimer::singleShot(0, this, [this] {
      if (hostPresent())
        hostAppeared();
    });
  });
}

QtNotifyArea::~QtNotifyArea() {
  for (auto &[key, entry] : icons_)
    delete entry.icon;
}

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
  auto it = icons_.find({owner, id});
  return it == icons_.end() || it->second.removed ? nullptr : it->second.icon;
}

void QtNotifyArea::apply(Entry &entry, const NotifyRecord &record) {
  if (record.flags & nifMessage) {
    entry.record.flags |= nifMessage;
    entry.record.callbackMessage = record.callbackMessage;
  }
  if (record.flags & nifIcon)
    entry.icon->setIcon(record.icon.isNull() ? blankIcon() : record.icon);
  if (record.flags & nifTip)
    entry.icon->setToolTip(trayTip(record.tip));
}

bool QtNotifyArea::add(const NotifyRecord &record) {
  if (!record.owner)
    return false;
  const Key key{record.owner, record.id};
  if (auto it = icons_.find(key); it != icons_.end()) {
    Entry &entry = it->second;
    if (!entry.removed)
      return false;
    // Put back before it went: the same tray icon, with only what this record gives.
    entry.removed = false;
    entry.record.flags = 0;
    entry.record.callbackMessage = QEvent::None;
    if (!(record.flags & nifIcon))
      entry.icon->setIcon(blankIcon());
    if (!(record.flags & nifTip))
      entry.icon->setToolTip(QString());
    apply(entry, record);
    return true;
  }

  Entry entry;
  entry.icon = new QSystemTrayIcon(this);
  entry.icon->setIcon(blankIcon());
  entry.record.owner = record.owner;
  entry.record.id = record.id;
  apply(entry, record);
  connect(entry.icon, &QSystemTrayIcon::activated, this,
          [this, key](QSystemTrayIcon::ActivationReason reason) {
            TrayMouse mouse;
            auto it = icons_.find(key);
            if (it != icons_.end() && !it->second.removed && mouseFor(reason, &mouse))
              postTrayMouse(it->second.record, mouse);
          });
  // An owner that goes without removing its icon takes the icon along.
  entry.ownerGone = connect(record.owner, &QObject::destroyed, this,
                            [this](QObject *owner) { forgetOwner(owner); });
  entry.icon->show();
  icons_.emplace(key, std::move(entry));
  return true;
}

bool QtNotifyArea::modify(const NotifyRecord &record) {
  auto it = icons_.find({record.owner, record.id});
  if (it == icons_.end() || it->second.removed)
    return false;
  apply(it->second, record);
  return true;
}

bool QtNotifyArea::remove(const NotifyRecord &record) {
  const Key key{record.owner, record.id};
  auto it = icons_.find(key);
  if (it == icons_.end() || it->second.removed)
    return false;
  it->second.removed = true;
  QTimer::singleShot(0, this, [this, key] { finishRemoval(key); });
  return true;
}

void QtNotifyArea::finishRemoval(const Key &key) {
  auto it = icons_.find(key);
  if (it == icons_.end() || !it->second.removed)
    return;
  QSystemTrayIcon *icon = it->second.icon;
  disconnect(it->second.ownerGone);
  icons_.erase(it);
  icon->hide();
  // Removing may happen inside the icon's own signal; let it finish first.
  icon->deleteLater();
}

void QtNotifyArea::forgetOwner(const QObject *owner) {
  for (auto it = icons_.begin(); it != icons_.end();) {
    if (it->first.first == owner) {
      it->second.icon->hide();
      it->second.icon->deleteLater();
      it = icons_.erase(it);
    } else {
      ++it;
    }
  }
}

} // namespace platform
