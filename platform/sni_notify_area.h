#pragma once
// The notification area of StatusNotifierItem hosts on the session bus: each record is its own
// item with the record's name as id. Items register with the watcher and register again
// whenever a watcher (a host's, or a restarted one) appears on the bus.

#include "platform/notify_area.h"

#include <QObject>

#include <map>
#include <memory>
#include <utility>
#include <vector>

class QDBusServiceWatcher;

namespace platform {

namespace sni {
class Item;
}

class SniNotifyArea : public QObject, public NotifyArea {
  Q_OBJECT
public:
  explicit SniNotifyArea(QObject *parent = nullptr);
  ~SniNotifyArea() override;

  // Whether a watcher runs on the session bus now.
  static bool watcherPresent();

  bool add(const NotifyRecord &record) override;
  bool modify(const NotifyRecord &record) override;
  bool remove(const NotifyRecord &record) override;
  bool hostPresent() const override;

  // A watcher came or a host registered: tells whoever waits for a tray when one is there.
  Q_SLOT void checkForHost();

private:
  using Key = std::pair<const QObject *, unsigned>;
  struct Entry {
    std::unique_ptr<sni::Item> item;
    NotifyRecord record;
    QMetaObject::Connection ownerGone;
    // Removed, but the item goes only once the event loop runs: an icon taken out and put
    // back at once (as the level refresh does) stays the same item in the host.
    bool removed = false;
  };
  void apply(Entry &entry, const NotifyRecord &record);
  void forgetOwner(const QObject *owner);
  void registerAll();
  // Registers queued items one after the other: messages of the items' separate connections
  // could overtake each other, and hosts list items in the order they learn of them.
  void registerNext();
  void finishRemoval(const Key &key);

  std::map<Key, Entry> items_;
  int serial_ = 0;
  std::vector<Key> queue_;
  bool registering_ = false;
  std::map<Key, int> retries_;
  QDBusServiceWatcher *watcher_;
};

} // namespace platform
