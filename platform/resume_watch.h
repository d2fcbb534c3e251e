#pragma once
// The machine waking from sleep, as logind announces it on the system bus. Timers run on a
// clock that stands still while the machine sleeps, so what is due at a time of day is looked
// at again on waking. Without a system bus or logind nothing is announced.

#include <QObject>

namespace platform {

class ResumeWatch : public QObject {
  Q_OBJECT
public:
  explicit ResumeWatch(QObject *parent);

signals:
  // After each wake-up.
  void resumed();

private Q_SLOTS:
  void prepareForSleep(bool sleeping);
};

} // namespace platform
