#pragma once
// TMaskDateEdit: a single-line field with the date mask "!99/99/0000;1;_"
// (see DateMask). Typing overwrites and steps over separators; Escape
// abandons the changes made since the field took the focus; leaving the
// field with a year digit missing reports "Invalid input value.  Use escape
// key to abandon changes" and keeps the focus in the field.
#include "controls/DateMask.h"

#include <QLineEdit>

#include <functional>

class TMaskDateEdit : public QLineEdit {
  Q_OBJECT

public:
  // Shows the message of a field whose mask is not satisfied.
  using InvalidInputHandler = std::function<void(QWidget *field, const QString &message)>;

  explicit TMaskDateEdit(QWidget *parent = nullptr);

  static QString invalidInputMessage();

  // The field's text as the mask keeps it ("12/05/1970", " 1/ 5/1970").
  // These hide QLineEdit::text/setText: call them through this class.
  QString text() const { return mask_.text(); }
  void setText(const QString &value);
  // What the field shows, "_" in empty places.
  QString editText() const { return QLineEdit::text(); }

  // The date separator of the mask ("/" unless the regional settings say
  // otherwise).
  void setDateSeparator(QChar separator);

  bool modified() const { return modified_; }
  bool isComplete() const { return mask_.isComplete(); }

  // Who shows the message: this field's own handler, else the one set for
  // all fields, else the application's error box.
  InvalidInputHandler onInvalidInput;
  static void setDefaultInvalidInputHandler(InvalidInputHandler handler);

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void inputMethodEvent(QInputMethodEvent *event) override;

private:
  void display(int cursor);
  void edited(int cursor);
  void typeText(const QString &typed);
  void removeSelectionOr(bool backwards);
  void takeShownText(const QString &shown);
  void reportInvalidInput();

  DateMask mask_;
  DateMask atFocus_;
  bool modified_ = false;
  bool updating_ = false;
  bool reporting_ = false;
  bool reportPending_ = false;
};
