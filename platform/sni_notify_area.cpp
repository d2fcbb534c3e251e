#include "platform/sni_notify_area.h"

#include "platform/sni_item.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

namespace platform {

namespace {

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

QString itemId(const NotifyRecord &record) {
  return record.name.isEmpty() ? QStringLiteral("calvoro-%1").arg(record.id)
                               : QStringLiteral("calvoro-") + record.name;
}

QString itemTitle(const NotifyRecord &record) {
  return record.name.isEmpty() ? QStringLiteral("Calvoro")
                               : QStringLiteral("Calvoro ") + record.name;
}

} // namespace

SniNotifyArea::SniNotifyArea(QObject *parent)
    : QObject(parent),
      watcher_(new QDBusServiceWatcher(kWatcher, QDBusConnection::sessionBus(),
                                       QDBusServiceWatcher::WatchForRegistration, this)) {
  connect(watcher_, &QDBusServiceWatcher::serviceRegistered, this, &SniNotifyArea::registerAll);
  connect(watcher_, &QDBusServiceWatcher::serviceRegistered, this, &SniNotifyArea::checkForHost,
          Qt::QueuedConnection);
  QDBusConnection::sessionBus().connect(kWatcher, QStringLiteral("/StatusNotifierWatcher"),
                                        kWatcher, QStringLiteral("StatusNotifierHostRegistered"),
                                        this, SLOT(checkForHost()));
}

void SniNotifyArea::checkForHost() {
  if (hostPresent())
    hostAppeared();
}

SniNotifyArea::~SniNotifyArea() = default;

bool SniNotifyArea::watcherPresent() {
  QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
  return bus && bus->isServiceRegistered(kWatcher).value();
}

bool SniNotifyArea::hostPresent() const {
  if (!watcherPresent())
    return false;
  QDBusMessage call = QDBusMessage::createMethodCall(
      kWatcher, QStringLiteral("/StatusNotifierWatcher"),
      QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
  call << kWatcher << QStringLiteral("IsStatusNotifierHostRegistered");
  const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 2000);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
    return false;
  return qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant().toBool();
}

void SniNotifyArea::apply(Entry &entry, const NotifyRecord &record) {
  if (record.flags & nifMessage) {
    entry.record.flags |= nifMessage;
    entry.record.callbackMessage = record.callbackMessage;
  }
  if (record.flags & nifIcon)
    entry.item->setIcon(record.icon);
  if (record.flags & nifTip)
    entry.item->setTip(trayTip(record.tip));
}

bool SniNotifyArea::add(const NotifyRecord &record) {
  const Key key{record.owner, record.id};
  if (!record.owner)
    return false;
  if (auto it = items_.find(key); it != items_.end()) {
    Entry &entry = it->second;
    if (!entry.removed)
      return false;
    entry.removed = false;
    entry.record.flags = 0;
    entry.record.callbackMessage = QEvent::None;
    if (!(record.flags & nifIcon))
      entry.item->setIcon(QIcon());
    if (!(record.flags & nifTip))
      entry.item->setTip(QString());
    apply(entry, record);
    return true;
  }
  Entry entry;
  entry.record.owner = record.owner;
  entry.record.id = record.id;
  entry.item = std::make_unique<sni::Item>(itemId(record), itemTitle(record), record.menu,
                                           ++serial_, [this, key](TrayMouse mouse) {
                                             auto it = items_.find(key);
                                             if (it != items_.end() && !it->second.removed)
                                               postTrayMouse(it->second.record, mouse);
                                           });
  apply(entry, record);
  entry.ownerGone = connect(record.owner, &QObject::destroyed, this,
                            [this](QObject *owner) { forgetOwner(owner); });
  items_.emplace(key, std::move(entry));
  queue_.push_back(key);
  registerNext();
  return true;
}

bool SniNotifyArea::modify(const NotifyRecord &record) {
  auto it = items_.find({record.owner, record.id});
  if (it == items_.end() || it->second.removed)
    return false;
  apply(it->second, record);
  return true;
}

bool SniNotifyArea::remove(const NotifyRecord &record) {
  const Key key{record.owner, record.id};
  auto it = items_.find(key);
  if (it == items_.end() || it->second.removed)
    return false;
  it->second.removed = true;
  QTimer::singleShot(0, this, [this, key] { finishRemoval(key); });
  return true;
}

void SniNotifyArea::finishRemoval(const Key &key) {
  auto it = items_.find(key);
  if (it == items_.end() || !it->second.removed)
    return;
  disconnect(it->second.ownerGone);
  // The item may be answering the host's click that led here; let that finish first.
  it->second.item.release()->deleteLater();
  items_.erase(it);
}

void SniNotifyArea::forgetOwner(const QObject *owner) {
  for (auto it = items_.begin(); it != items_.end();) {
    if (it->first.first == owner) {
      it->second.item.release()->deleteLater();
      it = items_.erase(it);
    } else {
      ++it;
    }
  }
}

void SniNotifyArea::registerAll() {
  // In the order the items were made, so that hosts list them in that order.
  std::vector<std::pair<QString, Key>> present;
  for (const auto &[key, entry] : items_)
    if (!entry.removed)
      present.emplace_back(entry.item->serviceName(), key);
  std::sort(present.begin(), present.end(), [](const auto &a, const auto &b) {
    return a.first.section('-', -1).toInt() < b.first.section('-', -1).toInt();
  });
  for (const auto &[name, key] : present)
    if (std::find(queue_.begin(), queue_.end(), key) == queue_.end())
      queue_.push_back(key);
  registerNext();
}

void SniNotifyArea::registerNext() {
  while (!registering_ && !queue_.empty()) {
    const Key key = queue_.front();
    queue_.erase(queue_.begin());
    auto it = items_.find(key);
    if (it == items_.end() || it->second.removed)
      continue;
    registering_ = true;
    // The answer, or a watcher that does not answer (or an item that goes meanwhile) within
    // two seconds, lets the next one go. A watcher that has just taken its name may refuse
    // for a moment: that item is asked again shortly.
    auto answered = std::make_shared<bool>(false);
    QPointer<SniNotifyArea> self(this);
    auto next = [self, answered, key](bool ok) {
      if (*answered || !self)
        return;
      *answered = true;
      if (!ok && self->retries_[key]++ < 10) {
        self->queue_.insert(self->queue_.begin(), key);
        QTimer::singleShot(200, self, [self] {
          self->registering_ = false;
          self->registerNext();
        });
        return;
      }
      self->retries_.erase(key);
      self->registering_ = false;
      self->registerNext();
    };
    QTimer::singleShot(2000, this, [next] { next(true); });
    it->second.item->registerWithWatcher(next);
  }
}

} // namespace platform
