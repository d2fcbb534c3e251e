#include "platform/application.h"

#include "platform/environment.h"
#include "platform/error_hold.h"
#include "platform/error_report.h"
#include "platform/error_text.h"
#include "platform/guarded.h"
#include "platform/hint_display.h"

#include <csignal>
#include <exception>

namespace platform {

namespace {

// Before the X connection is made. With shared-memory images Qt waits for an X round trip
// before it paints a window again whose last picture the server may still be reading: a blink
// repainted each changed tray icon that way, waking the X reader thread and this one twice an
// icon. Sent over the socket, a tray icon's few kilobytes cost no round trip (a whole content
// window's 1.1 MB costs a copy more).
int &beforeConnecting(int &argc) {
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
    qputenv("QT_XCB_NO_MITSHM", "1");
  return argc;
}

} // namespace

Application::Application(int &argc, char **argv) : QApplication(beforeConnecting(argc), argv) {
  // A write beyond the file-size limit then fails with its error, which a save reports,
  // instead of killing the program with its unsaved settings.
  std::signal(SIGXFSZ, SIG_IGN);
  installEventFilter(new HintRouter(this));
}

bool Application::notify(QObject *receiver, QEvent *event) {
  std::exception_ptr error;
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    error = std::current_exception();
  }
  ++escapedErrors_;
  qWarning("An error left a handler that was not entered guarded");
  reportFailure(error);
  return false;
}

void reportFailure(const std::exception_ptr &error) noexcept {
  if (ErrorHold::take(error))
    return;
  QString message;
  try {
    message = errorText(error);
  } catch (...) {
    message = unknownErrorText();
  }
  try {
    reportError(message);
  } catch (...) {
    qCritical("%s", qPrintable(message));
  }
}

void reportError(const QString &message) {
  if (ErrorReport *report = env().errorReport)
    report->show(message);
  else
    qCritical("%s", qPrintable(errorBoxText(message)));
}

} // namespace platform
