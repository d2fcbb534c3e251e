#pragma once
// The notification area on QSystemTrayIcon: one QSystemTrayIcon per (owner, id).

#include "platform/notify_area.h"

#include <QObject>
#include <QSystemTrayIcon>

#include <map>
#include <memory>
#include <utility>

class QAbstractNativeEventFilter;

namespace platform {

class QtNotifyArea : public QObject, public NotifyArea {
  Q_OBJECT
public:
  explicit QtNotifyArea(QObject *parent = nullptr);
  ~QtNotifyArea() override;

  bool add(const NotifyRecord &record) override;
  bool modify(const NotifyRecord &record) override;
  bool remove(const NotifyRecord &record) override;
  bool hostPresent() const override;

  // The tray icon that stands for a record, or nullptr when it is not present.
  QSystemTrayIcon *trayIcon(const QObject *owner, unsigned id = 0) const;

  // How the tray's activation reasons reach the owner. Qt on X11 reports a left press as
  // Trigger at once, and the second press of a double click as DoubleClick.
  static bool mouseFor(QSystemTrayIcon::ActivationReason reason, TrayMouse *mouse);

private:
  struct Entry {
    QSystemTrayIcon *icon = nullptr;
    NotifyRecord record; // what the owner asked for last: flags, callback, owner
    QMetaObject::Connection ownerGone;
    // Removed, but the tray icon itself goes only once the event loop runs: an icon taken
    // out and put back at once (as the level refresh does) keeps its tray icon, so a menu
    // or tooltip open on it stays open.
    bool removed = false;
  };
  using Key = std::pair<const QObject *, unsigned>;

  void apply(Entry &entry, const NotifyRecord &record);
  void forgetOwner(const QObject *owner);
  void finishRemoval(const Key &key);

  std::map<Key, Entry> icons_;
  std::unique_ptr<QAbstractNativeEventFilter> trayManagerFilter_; // X only
};

} // namespace platform
