#include "platform/application.h"

#include "platform/environment.h"
#include "platform/error_report.h"
#include "platform/hint_display.h"

#include <exception>

namespace platform {

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {
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
