#include "platform/environment.h"

#include "platform/desktop_notify_area.h"
#include "platform/error_report.h"
#include "platform/message_boxes.h"
#include "platform/printer.h"

#include <QDate>
#include <QDateTime>

#include <random>

namespace platform {

namespace {

Environment defaultEnvironment() {
  Environment e;
  e.today = localToday;
  e.timeToMidnight = localTimeToMidnight;
  e.random = randomBelow;
  e.regional = regionalSettings();
  return e;
}

Environment &current() {
  static Environment environment = defaultEnvironment();
  return environment;
}

} // namespace

Environment &env() {
  return current();
}

void setEnvironment(Environment environment) {
  current() = std::move(environment);
}

core::Date localToday() {
  const QDate d = QDate::currentDate();
  return core::Date{d.year(), d.month(), d.day()};
}

std::chrono::milliseconds localTimeToMidnight() {
  const QDateTime now = QDateTime::currentDateTime();
  // Where a clock change skips midnight, the day starts at its first valid time.
  return std::chrono::milliseconds(now.msecsTo(now.date().addDays(1).startOfDay()));
}

int randomBelow(int n) {
  if (n <= 1)
    return 0;
  static std::mt19937 generator{std::random_device{}()};
  return std::uniform_int_distribution<int>(0, n - 1)(generator);
}

struct DesktopServices::Parts {
  DesktopNotifyArea notifyArea;
  QtMessageBoxes messageBoxes;
  BoxErrorReport errorReport;
  std::unique_ptr<Printer> printer = makeDesktopPrinter();
};

DesktopServices::DesktopServices() : parts_(std::make_unique<Parts>()) {}

DesktopServices::~DesktopServices() = default;

Environment DesktopServices::environment() const {
  Environment e = defaultEnvironment();
  e.notifyArea = &parts_->notifyArea;
  e.messageBoxes = &parts_->messageBoxes;
  e.errorReport = &parts_->errorReport;
  e.printer = parts_->printer.get();
  return e;
}

} // namespace platform
