#pragma once
// The services the windows and components take from the host system, bundled. The entry
// installs the desktop's; tests install fakes.

#include "core/config_file.h"
#include "core/date.h"
#include "platform/config_storage.h"
#include "platform/regional_settings.h"
#include "platform/user_folders.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace platform {

class NotifyArea;
class MessageBoxes;
class ErrorReport;
class Printer;

struct Environment {
  std::function<core::Date()> today; // today's local date
  // The time left until the next local midnight; the clock of `today`.
  std::function<std::chrono::milliseconds()> timeToMidnight;
  std::string configPath = configFilePath();
  core::ConfigStorage *configStorage = &systemConfigStorage(); // the file at configPath
  std::function<int(int)> random; // a whole number in 0 .. n-1 for n > 0
  NotifyArea *notifyArea = nullptr;
  MessageBoxes *messageBoxes = nullptr;
  ErrorReport *errorReport = nullptr;
  RegionalSettings regional;
  Printer *printer = nullptr; // the default printer
};

// The process's current environment. Until one is installed it has the real clock, random
// source, configuration path and storage and regional settings, and no services. Read where
// the program and the tests assemble things; everything else is given its parts.
Environment &env();
void setEnvironment(Environment environment);

// The real clock and random source.
core::Date localToday();
std::chrono::milliseconds localTimeToMidnight();
int randomBelow(int n);

// The desktop's own services, owned here; environment() hands them out.
class DesktopServices {
public:
  DesktopServices();
  ~DesktopServices();
  DesktopServices(const DesktopServices &) = delete;
  DesktopServices &operator=(const DesktopServices &) = delete;

  Environment environment() const;

private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

} // namespace platform
