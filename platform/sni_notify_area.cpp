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

// Between one item taken by the watcher and the next one's registration. A host that lays its
// icons out in another process than the one that learns of them (XFCE's panel and its plugins)
// can miss a second growth of its area that comes while it is still taking the first: it then
// keeps room for one icon of three. Apart, each growth is taken.
constexpr int kRegisterPauseMs = 300;

QString itemId(const NotifyRecord &record) {
  return record.name.isEmpty() ? QStringLiteral("calvoro-%1").arg(record.id)
                               : QStringLiteral("calvoro-") + record.name;
}

QString itemTitle(const NotifyRecord &record) {
  return record.name.isEmpty() ? QStringLiteral("Calvoro")
                               : QStringLiteral("Calvoro ") + record.name;
}

} // namespace

SniNotifyArea::SniNotifyArea(QObject *parent, QString themePath)
    : NotifyAreaBase(parent), themePath_(std::move(themePath)),
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
    emit hostAppeared();
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

sni::Item *SniNotifyArea::item(const QObject *owner, unsigned id) const {
  return static_cast<sni::Item *>(presenter({owner, id}));
}

QObject *SniNotifyArea::createPresenter(const NotifyRecord &record,
                                        std::function<void(TrayMouse)> clicked) {
  return new sni::Item(itemId(record), itemTitle(record), record.menu, ++serial_,
                       std::move(clicked), themePath_);
}

void SniNotifyArea::showIcon(QObject *presenter, const QIcon &icon) {
  static_cast<sni::Item *>(presenter)->setIcon(icon);
}

void SniNotifyArea::showTip(QObject *presenter, const QString &tip) {
  static_cast<sni::Item *>(presenter)->setTip(tip);
}

void SniNotifyArea::presenterAdded(const NotifyKey &key, QObject *) {
  queue_.push_back(key);
  registerNext();
}

void SniNotifyArea::registerAll() {
  // In the order the items were made, so that hosts list them in that order.
  std::vector<std::pair<QString, NotifyKey>> present;
  forEachPresent([&present](const NotifyKey &key, QObject *presenter) {
    present.emplace_back(static_cast<sni::Item *>(presenter)->serviceName(), key);
  });
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
    const NotifyKey key = queue_.front();
    queue_.erase(queue_.begin());
    auto *waiting = static_cast<sni::Item *>(presenter(key));
    if (!waiting)
      continue;
    registering_ = true;
    // The answer, or a watcher that does not answer (or an item that goes meanwhile) within
    // two seconds, lets the next one go after a pause. A watcher that has just taken its name
    // may refuse for a moment: that item is asked again shortly.
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
      QTimer::singleShot(kRegisterPauseMs, self, [self] {
        self->registering_ = false;
        self->registerNext();
      });
    };
    QTimer::singleShot(2000, this, [next] { next(true); });
    waiting->registerWithWatcher(next);
  }
}

} // namespace platform
