#include "platform/application.h"
#include "platform/environment.h"
#include "recording_services.h"

#include <gtest/gtest.h>

#include <string_view>

// Widget tests run offscreen unless a display is asked for explicitly. The application object
// is the program's own, so an exception that leaves a handler reaches the error report; unless
// a test installs its own, that fails the test.
int main(int argc, char **argv) {
  // ctest lists the tests before running them: no application object for that.
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]) == "--gtest_list_tests") {
      ::testing::InitGoogleTest(&argc, argv);
      return RUN_ALL_TESTS();
    }
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
