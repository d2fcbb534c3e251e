#include "recording_notify_area.h"

namespace testing_support {

bool RecordingNotifyArea::add(const platform::NotifyRecord &record) {
  const auto key = std::make_pair(static_cast<const QObject *>(record.owner), record.id);
  bool ok = record.owner && !shown_.count(key);
  if (ok) {
    platform::NotifyRecord kept = record;
    kept.tip = platform::trayTip(record.tip);
    shown_[key] = kept;
  }
  calls.append({NotifyOp::Add, record, ok});
  return ok;
}

bool RecordingNotifyArea::modify(const platform::NotifyRecord &record) {
  auto it = shown_.find({record.owner, record.id});
  const bool ok = it != shown_.end();
  if (ok) {
    platform::NotifyRecord &kept = it->second;
    if (record.flags & platform::nifIcon)
      kept.icon = record.icon;
    if (record.flags & platform::nifTip)
      kept.tip = platform::trayTip(record.tip);
    if (record.flags & platform::nifMessage)
      kept.callbackMessage = record.callbackMessage;
    kept.flags |= record.flags;
  }
  calls.append({NotifyOp::Modify, record, ok});
  return ok;
}

bool RecordingNotifyArea::remove(const platform::NotifyRecord &record) {
  const bool ok = shown_.erase({record.owner, record.id}) > 0;
  calls.append({NotifyOp::Remove, record, ok});
  return ok;
}

QList<NotifyCall> RecordingNotifyArea::callsFor(const QObject *owner) const {
  QList<NotifyCall> result;
  for (const NotifyCall &call : calls)
    if (call.record.owner == owner)
      result.append(call);
  return result;
}

const platform::NotifyRecord *RecordingNotifyArea::shown(const QObject *owner, unsigned id) const {
  auto it = shown_.find({owner, id});
  return it == shown_.end() ? nullptr : &it->second;
}

bool RecordingNotifyArea::mouse(const QObject *owner, platform::TrayMouse action, unsigned id) {
  const platform::NotifyRecord *record = shown(owner, id);
  if (!record)
    return false;
  platform::postTrayMouse(*record, action);
  return true;
}

} // namespace testing_support
