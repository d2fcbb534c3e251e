#pragma once
// An environment of fakes for one test: a fixed date, a recording tray, recording boxes and
// error report, C-locale regional settings, and a configuration path the test chooses.
// Installed for as long as the object lives; the previous environment comes back after.

#include "platform/environment.h"
#include "recording_notify_area.h"
#include "recording_services.h"

namespace testing_support {

class TestEnvironment {
public:
  explicit TestEnvironment(core::Date today = core::Date{2024, 5, 12},
                           std::string configPath = "/nonexistent/Calvoro.ini");
  ~TestEnvironment();
  TestEnvironment(const TestEnvironment &) = delete;
  TestEnvironment &operator=(const TestEnvironment &) = delete;

  // The fixed clock; change it to move "today".
  core::Date today;
  std::chrono::milliseconds timeToMidnight{std::chrono::hours(12)};
  RecordingNotifyArea notifyArea;
  RecordingMessageBoxes messageBoxes;
  RecordingErrorReport errorReport;
  RecordingPrinter printer;

  platform::Environment &environment() { return platform::env(); }

  // Unless set, an error shown while this environment is installed fails the test.
  bool expectErrors = false;

private:
  platform::Environment previous_;
};

} // namespace testing_support
