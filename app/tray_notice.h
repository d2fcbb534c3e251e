#pragma once
// A start without a notification area: the program keeps running and its icons appear when a
// tray does, but the user would see nothing after the splash. Tell them, once.
#include <QObject>
#include <QString>

// The text of the box.
QString missingTrayText();

// After `delayMs`, when no tray is there, shows the information box, which closes by itself
// when a tray registers; never again afterwards.
void armMissingTrayNotice(QObject *owner, int delayMs);
