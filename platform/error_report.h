#pragma once
// The application's error report: where an error that ends a handler is shown.

#include <QString>

namespace platform {

class ErrorReport {
public:
  virtual ~ErrorReport() = default;
  virtual void show(const QString &message) = 0;
};

// The text of the error box: the message with a full stop unless it ends with one.
QString errorBoxText(const QString &message);

// The text shown for an exception that carries no message of its own.
QString unknownErrorText();

// The error box: the application title as caption, an error icon and one OK button. While
// one box is open, further errors are not shown (a timer that keeps failing would otherwise
// stack a box per tick).
class BoxErrorReport : public ErrorReport {
public:
  void show(const QString &message) override;
  bool isOpen() const { return open_; }

private:
  bool open_ = false;
};

} // namespace platform
