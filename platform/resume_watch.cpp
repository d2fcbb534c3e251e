#include "platform/resume_watch.h"

#include <QDBusConnection>

#include <utility>

namespace platform {

ResumeWatch::ResumeWatch(std::function<void()> onResume, QObject *parent)
    : QObject(parent), onResume_(std::move(onResume)) {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (bus.isConnected())
    bus.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                this, SLOT(prepareForSleep(bool)));
}

void ResumeWatch::prepareForSleep(bool sleeping) {
  if (!sleeping && onResume_)
    onResume_();
}

} // namespace platform
