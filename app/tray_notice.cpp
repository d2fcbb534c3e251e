#include "app/tray_notice.h"

#include "platform/guarded.h"
#include "platform/message_boxes.h"
#include "platform/notify_area.h"

#include <QTimer>

QString missingTrayText() {
  return QStringLiteral("Calvoro is running, but this desktop has no notification area yet. Its "
                        "icons will appear as soon as one appears.");
}

void armMissingTrayNotice(QObject *owner, int delayMs, platform::NotifyArea *area,
                          platform::MessageBoxes *boxes, const std::function<bool()> &mayShow) {
  QTimer::singleShot(delayMs, owner, platform::guarded([area, boxes, mayShow] {
                       if (!area || area->hostPresent() || !boxes || (mayShow && !mayShow()))
                         return;
                       // A tray that comes while the box is up shows the icons: the box has nothing
                       // left to say.
                       const QMetaObject::Connection closer = QObject::connect(
                           area, &platform::NotifyArea::hostAppeared, area,
                           platform::guarded([boxes] { boxes->dismiss(missingTrayText()); }));
                       boxes->information(missingTrayText());
                       QObject::disconnect(closer);
                     }));
}
