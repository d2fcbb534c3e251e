#pragma once
// The machine waking from sleep, as logind announces it on the system bus. Timers run on a
// clock that stands still while the machine sleeps, so what is due at a time of day is looked
// at again on waking. Without a system bus or logind nothing is announced.

#include <QObject>

#include <functional>

namespace platform {

class ResumeWatch : public QObject {
  Q_OBJECT
public:
  // Calls `onResume` after each wake-up.
  ResumeWatch(std::function<void()> onResume, QObject *parent);

private Q_SLOTS:
  void prepareForSleep(bool sleeping);

private:
  std::function<void()> onResume_;
};

} // namespace platform
