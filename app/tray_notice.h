#pragma once
// A start without a notification area: the program keeps running and its icons appear when a
// tray does, but the user would see nothing after the splash. Tell them, once.
#include <QObject>
#include <QString>

#include <functional>

namespace platform {
class NotifyArea;
class MessageBoxes;
} // namespace platform

// The text of the box.
QString missingTrayText();

// After `delayMs`, when `area` has no tray and `mayShow` (when given) agrees, shows the
// information box through `boxes`, which closes by itself when a tray registers; never again
// afterwards.
void armMissingTrayNotice(QObject *owner, int delayMs, platform::NotifyArea *area,
                          platform::MessageBoxes *boxes, const std::function<bool()> &mayShow = {});
