#include "platform/application.h"

#include "platform/environment.h"
#include "platform/error_report.h"
#include "platform/guarded.h"
#include "platform/hint_display.h"

#include <csignal>
#include <exception>

namespace platform {

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {
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
  QString message;
  try {
    std::rethrow_exception(error);
  } catch (const std::exception &e) {
    message = QString::fromUtf8(e.what());
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
