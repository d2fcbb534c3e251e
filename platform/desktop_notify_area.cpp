#include "platform/desktop_notify_area.h"

#include "platform/qt_notify_area.h"
#include "platform/sni_notify_area.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace platform {

DesktopNotifyArea::DesktopNotifyArea(QObject *parent) : NotifyArea(parent) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (bus.isConnected()) {
    watcher_ = new QDBusServiceWatcher(QStringLiteral("org.kde.StatusNotifierWatcher"), bus,
                                       QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher_, &QDBusServiceWatcher::serviceRegistered, this, &DesktopNotifyArea::moveToBus);
    connect(watcher_, &QDBusServiceWatcher::serviceUnregistered, this,
            &DesktopNotifyArea::moveToX11);
  }
  if (bus.isConnected() && SniNotifyArea::watcherPresent()) {
    sni_ = std::make_unique<SniNotifyArea>();
    connect(sni_.get(), &NotifyArea::hostAppeared, this, &NotifyArea::hostAppeared);
    return;
  }
  // The X tray until a watcher shows up. Qt picks the kind of its own tray icons once, at the
  // first one, so they are made only while no watcher runs.
  makeX11();
}

void DesktopNotifyArea::makeX11() {
  if (x11_)
    return;
  x11_ = std::make_unique<QtNotifyArea>();
  connect(x11_.get(), &NotifyArea::hostAppeared, this, &NotifyArea::hostAppeared);
}

DesktopNotifyArea::~DesktopNotifyArea() = default;

NotifyArea &DesktopNotifyArea::current() const {
  if (sni_)
    return *sni_;
  return *x11_;
}

bool DesktopNotifyArea::hostPresent() const {
  return current().hostPresent();
}

bool DesktopNotifyArea::add(const NotifyRecord &record) {
  if (!current().add(record))
    return false;
  NotifyRecord kept = record;
  if (!(kept.flags & nifIcon))
    kept.icon = QIcon();
  if (!(kept.flags & nifTip))
    kept.tip.clear();
  shown_[{record.owner, record.id}] = kept;
  order_[{record.owner, record.id}] = ++added_;
  if (!owners_.count(record.owner))
    owners_[record.owner] = connect(record.owner, &QObject::destroyed, this, [this](QObject *o) {
      owners_.erase(o);
      std::erase_if(shown_, [o](const auto &entry) { return entry.first.first == o; });
      std::erase_if(order_, [o](const auto &entry) { return entry.first.first == o; });
    });
  return true;
}

bool DesktopNotifyArea::modify(const NotifyRecord &record) {
  if (!current().modify(record))
    return false;
  NotifyRecord &kept = shown_[{record.owner, record.id}];
  if (record.flags & nifIcon)
    kept.icon = record.icon;
  if (record.flags & nifTip)
    kept.tip = record.tip;
  if (record.flags & nifMessage)
    kept.callbackMessage = record.callbackMessage;
  kept.flags |= record.flags;
  return true;
}

bool DesktopNotifyArea::remove(const NotifyRecord &record) {
  if (!current().remove(record))
    return false;
  shown_.erase({record.owner, record.id});
  order_.erase({record.owner, record.id});
  return true;
}

void DesktopNotifyArea::handOver(NotifyArea &from, NotifyArea &to) {
  std::vector<std::pair<unsigned long, const NotifyRecord *>> records;
  for (const auto &[key, record] : shown_) {
    from.remove(record);
    records.emplace_back(order_[key], &record);
  }
  // In the order the icons were added, so that trays list them in that order.
  std::sort(records.begin(), records.end());
  for (const auto &[order, record] : records)
    to.add(*record);
}

void DesktopNotifyArea::moveToBus() {
  if (sni_)
    return;
  sni_ = std::make_unique<SniNotifyArea>();
  connect(sni_.get(), &NotifyArea::hostAppeared, this, &NotifyArea::hostAppeared);
  // The watcher may have come with its host.
  QMetaObject::invokeMethod(sni_.get(), &SniNotifyArea::checkForHost, Qt::QueuedConnection);
  handOver(*x11_, *sni_);
}

void DesktopNotifyArea::moveToX11() {
  if (!sni_)
    return;
  // Hosts show nothing without their watcher: the X tray takes the icons back, or shows them
  // when one appears. Qt's own check for a bus tray finds none now, so its icons are X icons.
  makeX11();
  handOver(*sni_, *x11_);
  sni_.reset();
  // A tray that is there already sends no message: say so once the icons are in.
  QTimer::singleShot(0, this, [this] {
    if (!sni_ && x11_->hostPresent())
      emit hostAppeared();
  });
}

} // namespace platform
