#pragma once
// Passing a handler's error on to the command that set the handler off. A command that
// presses another control's button runs that button's guarded handler; where the command
// must stop when that handler fails, it runs the press inside throwHandlerErrors.
#include <exception>
#include <utility>

namespace platform {

class ErrorHold {
public:
  ErrorHold();
  ~ErrorHold();
  ErrorHold(const ErrorHold &) = delete;
  ErrorHold &operator=(const ErrorHold &) = delete;

  // Throws the error held, if any.
  void rethrow();

  // Keeps the error in the innermost hold instead of reporting it; false when no hold is
  // open or it holds one already.
  static bool take(const std::exception_ptr &error) noexcept;

private:
  ErrorHold *outer_;
  std::exception_ptr error_;
};

// Runs `action`; the first error that a guarded handler set off by it would report is thrown
// here once the action returns, as if that handler had been called directly.
template <class Action> void throwHandlerErrors(Action &&action) {
  ErrorHold hold;
  std::forward<Action>(action)();
  hold.rethrow();
}

} // namespace platform
