#include "platform/qt_notify_area.h"

#include <QPixmap>
#include <QTimer>

namespace platform {

namespace {

// A record with an empty icon still takes its place in the tray, blank, as the tray shows
// an icon without a picture; QSystemTrayIcon refuses to show without one.
QIcon blankIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  return QIcon(pixmap);
}

} // namespace

QtNotifyArea::QtNotifyArea(QObject *parent) : QObject(parent) {}

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
