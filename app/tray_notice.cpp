#include "app/tray_notice.h"

#include "platform/environment.h"
#include "platform/message_boxes.h"
#include "platform/notify_area.h"

#include <QTimer>

QString missingTrayText() {
  return QStringLiteral("Calvoro is running, but this desktop has no notification area yet. Its "
                        "icons will appear as soon as one appears.");
}

void armMissingTrayNotice(QObject *owner, int delayMs) {
  QTimer::singleShot(delayMs, owner, [] {
    const platform::Environment &e = platform::env();
    if (e.notifyArea && !e.notifyArea->hostPresent() && e.messageBoxes)
      e.messageBoxes->information(missingTrayText());
  });
}
