#include "recording_services.h"

#include <gtest/gtest.h>

namespace testing_support {

void FailingErrorReport::show(const QString &message) {
  ADD_FAILURE() << "error report: " << message.toStdString();
}

} // namespace testing_support
