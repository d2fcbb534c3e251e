#pragma once
// The program's own message boxes: a caption by kind and one OK button.

#include <QString>

namespace platform {

class MessageBoxes {
public:
  virtual ~MessageBoxes() = default;
  virtual void warning(const QString &text) = 0;     // caption "Warning"
  virtual void information(const QString &text) = 0; // caption "Information"
};

class QtMessageBoxes : public MessageBoxes {
public:
  void warning(const QString &text) override;
  void information(const QString &text) override;
};

} // namespace platform
