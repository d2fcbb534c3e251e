#include "platform/error_hold.h"

namespace platform {

namespace {
ErrorHold *innermost = nullptr; // the GUI thread's
} // namespace

ErrorHold::ErrorHold() : outer_(innermost) {
  innermost = this;
}

ErrorHold::~ErrorHold() {
  innermost = outer_;
}

void ErrorHold::rethrow() {
  if (error_)
    std::rethrow_exception(std::exchange(error_, nullptr));
}

bool ErrorHold::take(const std::exception_ptr &error) noexcept {
  if (!innermost || innermost->error_)
    return false;
  innermost->error_ = error;
  return true;
}

} // namespace platform
