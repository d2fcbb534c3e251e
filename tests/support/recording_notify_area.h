#pragma once
// A notification area for tests: keeps every request with its answer, answers as the tray does
// (adding a present icon, or modifying or removing an absent one, fails), and lets a test act
// as the mouse on an icon.

#include "platform/notify_area.h"

#include <QList>

#include <map>
#include <utility>

namespace testing_support {

enum class NotifyOp { Add, Modify, Remove };

struct NotifyCall {
  NotifyOp op;
  platform::NotifyRecord record;
  bool result;
};

class RecordingNotifyArea : public platform::NotifyArea {
  Q_OBJECT
public:
  bool add(const platform::NotifyRecord &record) override;
  bool modify(const platform::NotifyRecord &record) override;
  bool remove(const platform::NotifyRecord &record) override;
  bool hostPresent() const override { return host; }

  bool host = true; // whether a tray is there
  // A tray registers.
  void appear() {
    host = true;
    emit hostAppeared();
  }

  QList<NotifyCall> calls;
  void clear() { calls.clear(); }
  // The calls made for one owner.
  QList<NotifyCall> callsFor(const QObject *owner) const;

  // What the tray shows for an owner's icon; nullptr when it is not present.
  const platform::NotifyRecord *shown(const QObject *owner, unsigned id = 0) const;
  bool isShown(const QObject *owner, unsigned id = 0) const { return shown(owner, id); }

  // Acts as the mouse on a shown icon: posts the owner's callback. False when not shown.
  bool mouse(const QObject *owner, platform::TrayMouse action, unsigned id = 0);

private:
  std::map<std::pair<const QObject *, unsigned>, platform::NotifyRecord> shown_;
};

} // namespace testing_support
