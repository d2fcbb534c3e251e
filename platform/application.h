#pragma once
// The application object: the one place where an exception that leaves an event handler is
// caught and shown in the error report; the program then goes on. It also keeps the program
// alive through SIGXFSZ: a write beyond the file-size limit fails as an error instead.

#include <QApplication>

namespace platform {

class Application : public QApplication {
  Q_OBJECT
public:
  Application(int &argc, char **argv);

  bool notify(QObject *receiver, QEvent *event) override;
};

// Shows the message in the current environment's error report.
void reportError(const QString &message);

} // namespace platform
