#pragma once
// Waiting for what is already on its way, without guessing a time: a marker queued now runs
// after every call queued before it, and a timer fires after the timers due before it.
#include <QObject>
#include <QTest>
#include <QTimer>

namespace test_support {

// True once everything queued before the call (queued calls, zero-delay timers) has run.
inline bool runQueued(int timeoutMs = 5000) {
  QObject context; // a marker that never came is dropped with it
  bool reached = false;
  QTimer::singleShot(0, &context, [&reached] { reached = true; });
  return QTest::qWaitFor([&reached] { return reached; }, timeoutMs);
}

// True once the timers due within `ms` from now have fired.
inline bool runTimersDueWithin(int ms, int timeoutMs = 5000) {
  QObject context;
  bool reached = false;
  QTimer::singleShot(ms, Qt::PreciseTimer, &context, [&reached] { reached = true; });
  return QTest::qWaitFor([&reached] { return reached; }, timeoutMs);
}

} // namespace test_support
