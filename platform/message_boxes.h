#pragma once
// The program's own message boxes: a caption by kind and one OK button.

#include <QString>

#include <vector>

class QMessageBox;

namespace platform {

class MessageBoxes {
public:
  virtual ~MessageBoxes() = default;
  virtual void warning(const QString &text) = 0;     // caption "Warning"
  virtual void information(const QString &text) = 0; // caption "Information"
  // Closes an open box that shows this text, as its OK would; nothing when none is open.
  virtual void dismiss(const QString &text) = 0;
};

class QtMessageBoxes : public MessageBoxes {
public:
  void warning(const QString &text) override;
  void information(const QString &text) override;
  void dismiss(const QString &text) override;

private:
  void show(int icon, const char *caption, const QString &text);
  std::vector<QMessageBox *> open_;
};

} // namespace platform
