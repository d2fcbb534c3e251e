#include "platform/resume_watch.h"

#include <QDBusConnection>

namespace platform {

ResumeWatch::ResumeWatch(QObject *parent) : QObject(parent) {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (bus.isConnected())
    bus.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                this, SLOT(prepareForSleep(bool)));
}

void ResumeWatch::prepareForSleep(bool sleeping) {
  if (!sleeping)
    emit resumed();
}

} // namespace platform
