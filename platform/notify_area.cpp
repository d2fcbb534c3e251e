#include "platform/notify_area.h"
#include "platform/text_cut.h"

#include <QCoreApplication>

namespace platform {

QString trayTip(const QString &tip) {
  return leftWhole(tip, NotifyArea::kMaxTipLength);
}

void postTrayMouse(const NotifyRecord &record, TrayMouse mouse) {
  if (!record.owner || !(record.flags & nifMessage) || record.callbackMessage == QEvent::None)
    return;
  // Posted, not sent: the owner may remove its icon (and so this record) in its handler, and
  // an owner that is gone by then never sees the event.
  QCoreApplication::postEvent(record.owner,
                              new NotifyCallbackEvent(record.callbackMessage, record.id, mouse));
}

} // namespace platform
