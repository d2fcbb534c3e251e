#pragma once
// The desktop's notification area, whichever kind it has: StatusNotifierItem hosts on the
// session bus when a watcher runs there, the X tray otherwise. A watcher that appears later
// (a host started after the program) takes the icons over; when the watcher goes, the X tray
// takes them back.

#include "platform/notify_area.h"

#include <QObject>

#include <map>
#include <memory>

class QDBusServiceWatcher;

namespace platform {

class QtNotifyArea;
class SniNotifyArea;

class DesktopNotifyArea : public NotifyArea {
  Q_OBJECT
public:
  explicit DesktopNotifyArea(QObject *parent = nullptr);
  ~DesktopNotifyArea() override;

  bool add(const NotifyRecord &record) override;
  bool modify(const NotifyRecord &record) override;
  bool remove(const NotifyRecord &record) override;
  bool hostPresent() const override;

  bool onBus() const { return sni_ != nullptr; }

private:
  NotifyArea &current() const;
  void makeX11();
  // Takes every present icon out of `from` and adds it to `to`, in the order they were added.
  void handOver(NotifyArea &from, NotifyArea &to);
  void moveToBus();
  void moveToX11();

  std::unique_ptr<QtNotifyArea> x11_;
  std::unique_ptr<SniNotifyArea> sni_;
  QDBusServiceWatcher *watcher_ = nullptr;
  // What each present icon shows, to hand it over when the kind of tray changes.
  std::map<NotifyKey, NotifyRecord> shown_;
  std::map<NotifyKey, unsigned long> order_; // when each was added
  unsigned long added_ = 0;
  std::map<const QObject *, QMetaObject::Connection> owners_;
};

} // namespace platform
