#pragma once
// What the tray back ends keep alike: one presenter (a tray icon, a bus item) per icon, the
// callback an owner asked for, removal that waits for the event loop, and icons that go along
// with an owner destroyed without removing them. A back end only makes and feeds presenters.

#include "platform/notify_area.h"

#include <QObject>

#include <functional>
#include <map>

namespace platform {

class NotifyAreaBase : public NotifyArea {
  Q_OBJECT
public:
  bool add(const NotifyRecord &record) override;
  bool modify(const NotifyRecord &record) override;
  bool remove(const NotifyRecord &record) override;

protected:
  explicit NotifyAreaBase(QObject *parent = nullptr);
  ~NotifyAreaBase() override;

  // A presenter for a new icon, showing no picture and no tip yet; `clicked` takes the tray's
  // mouse actions on it to the owner.
  virtual QObject *createPresenter(const NotifyRecord &record,
                                   std::function<void(TrayMouse)> clicked) = 0;
  virtual void showIcon(QObject *presenter, const QIcon &icon) = 0;
  virtual void showTip(QObject *presenter, const QString &tip) = 0;
  // A new icon has taken its place.
  virtual void presenterAdded(const NotifyKey &key, QObject *presenter) = 0;
  // The presenter of an icon that is gone. It may be answering the tray's click that led here,
  // so it goes once the event loop runs.
  virtual void retirePresenter(QObject *presenter) { presenter->deleteLater(); }

  // The presenter of a present icon, nullptr when there is none.
  QObject *presenter(const NotifyKey &key) const;
  // Calls f(key, presenter) for each present icon.
  template <class F> void forEachPresent(F f) const {
    for (const auto &[key, entry] : entries_)
      if (!entry.removed)
        f(key, entry.presenter);
  }

private:
  struct Entry {
    QObject *presenter = nullptr;
    NotifyRecord record; // what the owner asked for last: flags, callback, owner
    QMetaObject::Connection ownerGone;
    // Removed, but the presenter goes only once the event loop runs: an icon taken out and
    // put back at once (as the level refresh does) keeps its presenter, so the tray shows the
    // same icon and a menu or tooltip open on it stays open.
    bool removed = false;
  };

  void apply(Entry &entry, const NotifyRecord &record);
  void forgetOwner(const QObject *owner);
  void finishRemoval(const NotifyKey &key);

  std::map<NotifyKey, Entry> entries_;
};

} // namespace platform
