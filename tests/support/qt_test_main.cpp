#include "platform/application.h"
#include "platform/environment.h"
#include "recording_services.h"

#include <gtest/gtest.h>

// Widget tests run offscreen unless a display is asked for explicitly. The application object
// is the program's own, so an exception that leaves a handler reaches the error report; unless
// a test installs its own, that fails the test.
int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  platform::Application app(argc, argv);
  testing_support::FailingErrorReport failing;
  platform::env().errorReport = &failing;
  ::testing::InitGoogleTest(&argc, argv);
  const int rc = RUN_ALL_TESTS();
  platform::env().errorReport = nullptr;
  return rc;
}
