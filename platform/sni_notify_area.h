#pragma once
// The notification area of StatusNotifierItem hosts on the session bus: each record is its own
// item with the record's name as id. Items register with the watcher and register again
// whenever a watcher (a host's, or a restarted one) appears on the bus.

#include "platform/notify_area_base.h"
#include "platform/sni_types.h"

#include <QObject>

#include <map>
#include <utility>
#include <vector>

class QDBusServiceWatcher;

namespace platform {

namespace sni {
class Item;
}

class SniNotifyArea : public NotifyAreaBase {
  Q_OBJECT
public:
  // `themePath`: the tray pictures as theme icons, for hosts that read names.
  explicit SniNotifyArea(QObject *parent = nullptr, QString themePath = sni::trayThemePath());
  ~SniNotifyArea() override;

  // Whether a watcher runs on the session bus now.
  static bool watcherPresent();

  bool hostPresent() const override;

  // The item that stands for a record, or nullptr when it is not present.
  sni::Item *item(const QObject *owner, unsigned id = 0) const;

  // A watcher came or a host registered: tells whoever waits for a tray when one is there.
  Q_SLOT void checkForHost();

private:
  QObject *createPresenter(const NotifyRecord &record,
                           std::function<void(TrayMouse)> clicked) override;
  void showIcon(QObject *presenter, const QIcon &icon) override;
  void showTip(QObject *presenter, const QString &tip) override;
  void presenterAdded(const NotifyKey &key, QObject *presenter) override;
  void registerAll();
  // Registers queued items one after the other, a short pause apart: messages of the items'
  // separate connections could overtake each other, hosts list items in the order they learn
  // of them, and some hosts lose the room of an icon that comes while they make room for one.
  void registerNext();

  QString themePath_;
  int serial_ = 0;
  std::vector<NotifyKey> queue_;
  bool registering_ = false;
  std::map<NotifyKey, int> retries_;
  QDBusServiceWatcher *watcher_;
};

} // namespace platform
