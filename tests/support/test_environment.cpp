#include "test_environment.h"

#include <gtest/gtest.h>

namespace testing_support {

TestEnvironment::TestEnvironment(core::Date today, std::string configPath)
    : today(today), previous_(platform::env()) {
  platform::Environment e;
  e.today = [this] { return this->today; };
  e.timeToMidnight = [this] { return this->timeToMidnight; };
  e.configPath = std::move(configPath);
  e.random = [](int) { return 0; };
  e.notifyArea = &notifyArea;
  e.messageBoxes = &messageBoxes;
  e.errorReport = &errorReport;
  e.printer = &printer;
  e.regional = platform::regionalSettingsFor(QStringLiteral("C"));
  platform::setEnvironment(std::move(e));
}

TestEnvironment::~TestEnvironment() {
  platform::setEnvironment(std::move(previous_));
  if (!expectErrors && !errorReport.shown.isEmpty())
    ADD_FAILURE() << "unexpected error report: " << errorReport.shown.join(" | ").toStdString();
}

} // namespace testing_support
