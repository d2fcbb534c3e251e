#pragma once
// Errors are caught where they arise. Every handler the program connects to a signal, a timer
// or an event is entered through one of these: an error it raises (the program's exceptions
// carry the user's text) is shown in the error report there, and the handler's remaining steps
// are not run. No exception passes through Qt's event and signal code, where throwing is not
// allowed.
#include <exception>
#include <utility>

namespace platform {

// Shows the error in the error report.
void reportFailure(const std::exception_ptr &error) noexcept;

template <class Handler> void runGuarded(Handler &&handler) noexcept {
  std::exception_ptr error;
  try {
    std::forward<Handler>(handler)();
  } catch (...) {
    error = std::current_exception();
  }
  // The report's box has an event loop of its own: it runs after the catch, not inside it.
  if (error)
    reportFailure(error);
}

// A slot for connect() that runs `method` on `object` guarded; it takes the method's own
// parameters, so Qt passes it as many of the signal's arguments as the method wants.
template <class Object, class Class, class... Args>
auto guarded(Object *object, void (Class::*method)(Args...)) {
  return [object, method](Args... args) {
    runGuarded([&] { (object->*method)(std::forward<Args>(args)...); });
  };
}

namespace detail {
template <class Handler, class Result, class Class, class... Args>
auto guardedCall(Handler handler, Result (Class::*)(Args...) const) {
  return [handler = std::move(handler)](Args... args) {
    runGuarded([&] { handler(std::forward<Args>(args)...); });
  };
}
} // namespace detail

// The same for a lambda.
template <class Handler> auto guarded(Handler handler) {
  return detail::guardedCall(std::move(handler), &Handler::operator());
}

} // namespace platform
