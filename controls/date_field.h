#pragma once
// DateField: a single-line field with the date mask "!99/99/0000;1;_"
// (see DateMask). Typing overwrites and steps over separators; Escape
// abandons the changes made since the field took the focus; leaving the
// field with a year digit missing reports "Invalid input value.  Use escape
// key to abandon changes" through the application's error report and keeps
// the focus in the field.
//
// A text laid in that the mask cannot hold as it is ("5.5.1970",
// "12-05-1970x") is kept and shown verbatim, so that it is never reshaped
// behind the user's back; the user's first edit of it starts from an empty
// field.
#include "controls/date_mask.h"

#include <QLineEdit>

#include <optional>

class DateField : public QLineEdit {
  Q_OBJECT

public:
  explicit DateField(QWidget *parent = nullptr);

  static QString invalidInputMessage();

  // The field's text as the mask keeps it ("12/05/1970", " 1/ 5/1970"), or
  // the verbatim text. These hide QLineEdit::text/setText: call them through
  // this class.
  QString text() const { return verbatim_ ? *verbatim_ : mask_.text(); }
  void setText(const QString &value);
  // What text() gives after setText(value) in a field with that separator
  // and order.
  static QString heldText(const QString &value, QChar separator, bool yearFirst = false);
  // What the field shows, "_" in empty places.
  QString editText() const { return QLineEdit::text(); }
  // Whether the field holds a text the mask could not hold, as it was laid in.
  bool isVerbatim() const { return verbatim_.has_value(); }

  // The date separator of the mask ("/" unless the regional settings say
  // otherwise).
  void setDateSeparator(QChar separator);
  // The year group first ("0000/99/99"), where dates are written year first.
  void setYearFirst(bool yearFirst);

  bool modified() const { return modified_; }
  // A verbatim text counts as complete: it is not being edited.
  bool isComplete() const { return verbatim_ || mask_.isComplete(); }

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
  bool dropVerbatim();
  void reportInvalidInput();

  DateMask mask_;
  std::optional<QString> verbatim_;
  DateMask atFocus_;
  std::optional<QString> atFocusVerbatim_;
  bool modified_ = false;
  bool updating_ = false;
  bool reporting_ = false;
  bool reportPending_ = false;
};
