#pragma once
// The application object. Handlers catch their own errors (platform/guarded.h); an exception
// that still leaves one is caught here as a last resort, counted and shown in the error report,
// and the program goes on. It also keeps the program alive through SIGXFSZ: a write beyond the
// file-size limit fails as an error instead. On X it sends window pictures over the socket
// rather than through shared memory, so that repainting a tray icon needs no round trip.

#include <QApplication>

namespace platform {

class Application : public QApplication {
  Q_OBJECT
public:
  Application(int &argc, char **argv);

  bool notify(QObject *receiver, QEvent *event) override;

  // Exceptions that reached notify(): a handler that was not entered guarded.
  int escapedErrors() const { return escapedErrors_; }

private:
  int escapedErrors_ = 0;
};

// Shows the message in the current environment's error report.
void reportError(const QString &message);

} // namespace platform
