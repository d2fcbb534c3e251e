#include "platform/notify_area_base.h"

#include <QTimer>

namespace platform {

NotifyAreaBase::NotifyAreaBase(QObject *parent) : NotifyArea(parent) {}

NotifyAreaBase::~NotifyAreaBase() {
  for (auto &[key, entry] : entries_)
    delete entry.presenter;
}

QObject *NotifyAreaBase::presenter(const NotifyKey &key) const {
  auto it = entries_.find(key);
  return it == entries_.end() || it->second.removed ? nullptr : it->second.presenter;
}

void NotifyAreaBase::apply(Entry &entry, const NotifyRecord &record) {
  if (record.flags & nifMessage) {
    entry.record.flags |= nifMessage;
    entry.record.callbackMessage = record.callbackMessage;
  }
  if (record.flags & nifIcon)
    showIcon(entry.presenter, record.icon);
  if (record.flags & nifTip)
    showTip(entry.presenter, trayTip(record.tip));
}

bool NotifyAreaBase::add(const NotifyRecord &record) {
  if (!record.owner)
    return false;
  const NotifyKey key{record.owner, record.id};
  if (auto it = entries_.find(key); it != entries_.end()) {
    Entry &entry = it->second;
    if (!entry.removed)
      return false;
    // Put back before it went: the same presenter, with only what this record gives.
    entry.removed = false;
    entry.record.flags = 0;
    entry.record.callbackMessage = QEvent::None;
    if (!(record.flags & nifIcon))
      showIcon(entry.presenter, QIcon());
    if (!(record.flags & nifTip))
      showTip(entry.presenter, QString());
    apply(entry, record);
    return true;
  }

  Entry entry;
  entry.record.owner = record.owner;
  entry.record.id = record.id;
  entry.presenter = createPresenter(record, [this, key](TrayMouse mouse) {
    auto it = entries_.find(key);
    if (it != entries_.end() && !it->second.removed)
      postTrayMouse(it->second.record, mouse);
  });
  apply(entry, record);
  entry.ownerGone = connect(record.owner, &QObject::destroyed, this,
                            [this](QObject *owner) { forgetOwner(owner); });
  QObject *made = entry.presenter;
  entries_.emplace(key, std::move(entry));
  presenterAdded(key, made);
  return true;
}

bool NotifyAreaBase::modify(const NotifyRecord &record) {
  auto it = entries_.find({record.owner, record.id});
  if (it == entries_.end() || it->second.removed)
    return false;
  apply(it->second, record);
  return true;
}

bool NotifyAreaBase::remove(const NotifyRecord &record) {
  const NotifyKey key{record.owner, record.id};
  auto it = entries_.find(key);
  if (it == entries_.end() || it->second.removed)
    return false;
  it->second.removed = true;
  QTimer::singleShot(0, this, [this, key] { finishRemoval(key); });
  return true;
}

void NotifyAreaBase::finishRemoval(const NotifyKey &key) {
  auto it = entries_.find(key);
  if (it == entries_.end() || !it->second.removed)
    return;
  QObject *gone = it->second.presenter;
  disconnect(it->second.ownerGone);
  entries_.erase(it);
  retirePresenter(gone);
}

void NotifyAreaBase::forgetOwner(const QObject *owner) {
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (it->first.first == owner) {
      retirePresenter(it->second.presenter);
      it = entries_.erase(it);
    } else {
      ++it;
    }
  }
}

} // namespace platform
