#include "platform/application.h"

#include "platform/environment.h"
#include "platform/error_report.h"
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
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception &e) {
    reportError(QString::fromUtf8(e.what()));
  } catch (...) {
    reportError(unknownErrorText());
  }
  return false;
}

void reportError(const QString &message) {
  if (ErrorReport *report = env().errorReport)
    report->show(message);
  else
    qCritical("%s", qPrintable(errorBoxText(message)));
}

} // namespace platform
