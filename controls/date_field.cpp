#include "controls/date_field.h"

#include "platform/application.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

namespace {

bool isTyping(const QKeyEvent *event) {
  const QString text = event->text();
  if (text.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
    return false;
  for (QChar c : text)
    if (!c.isPrint())
      return false;
  return true;
}

} // namespace

DateField::DateField(QWidget *parent) : QLineEdit(parent) {
  setMaxLength(DateMask::kLength);
  display(0);
  // Changes that come in past the keyboard (the context menu, drops) are
  // taken back into the mask place by place.
  connect(this, &QLineEdit::textChanged, this, [this](const QString &shown) {
    if (!updating_ && shown != mask_.editText())
      takeShownText(shown);
  });
}

QString DateField::invalidInputMessage() {
  return QStringLiteral("Invalid input value.  Use escape key to abandon changes");
}

QString DateField::heldText(const QString &value, QChar separator, bool yearFirst) {
  DateMask laid(separator, yearFirst);
  laid.setText(value);
  return laid.text().trimmed() == value.trimmed() ? laid.text() : value;
}

void DateField::setText(const QString &value) {
  DateMask laid(mask_.separator(), mask_.yearFirst());
  laid.setText(value);
  // Blanks around a date carry nothing; anything else the mask would
  // change stays as it came.
  if (laid.text().trimmed() == value.trimmed()) {
    mask_ = laid;
    verbatim_.reset();
  } else {
    mask_.clear();
    verbatim_ = value;
  }
  modified_ = false;
  if (hasFocus()) {
    atFocus_ = mask_;
    atFocusVerbatim_ = verbatim_;
  }
  display(0);
}

void DateField::setDateSeparator(QChar separator) {
  mask_.setSeparator(separator);
  atFocus_.setSeparator(separator);
  display(cursorPosition());
}

void DateField::setYearFirst(bool yearFirst) {
  if (yearFirst == mask_.yearFirst())
    return;
  // The digits in their places would change their meaning: the text is laid
  // out anew.
  const QString held = text();
  mask_.setYearFirst(yearFirst);
  atFocus_.setYearFirst(yearFirst);
  setText(held);
}

void DateField::display(int cursor) {
  updating_ = true;
  setMaxLength(verbatim_ ? std::max<int>(DateMask::kLength, int(verbatim_->size()))
                         : DateMask::kLength);
  QLineEdit::setText(verbatim_ ? *verbatim_ : mask_.editText());
  setCursorPosition(cursor);
  QLineEdit::setModified(modified_);
  updating_ = false;
}

void DateField::edited(int cursor) {
  modified_ = true;
  display(cursor);
  emit textEdited(mask_.text());
}

bool DateField::dropVerbatim() {
  if (!verbatim_)
    return false;
  verbatim_.reset();
  mask_.clear();
  return true;
}

void DateField::takeShownText(const QString &shown) {
  if (!dropVerbatim())
    mask_.setEditText(shown);
  modified_ = true;
  display(std::min<int>(cursorPosition(), DateMask::kLength));
}

void DateField::typeText(const QString &typed) {
  int cursor = cursorPosition();
  bool changed = false;
  if (dropVerbatim()) {
    cursor = 0;
    changed = true;
  } else if (hasSelectedText()) {
    cursor = selectionStart();
    mask_.clearRange(cursor, cursor + static_cast<int>(selectedText().size()));
    changed = true;
  }
  for (QChar c : typed) {
    const int next = mask_.type(cursor, c);
    if (next < 0)
      break;
    cursor = next;
    changed = true;
  }
  if (changed)
    edited(cursor);
}

void DateField::removeSelectionOr(bool backwards) {
  int cursor = cursorPosition();
  if (dropVerbatim()) {
    cursor = 0;
  } else if (hasSelectedText()) {
    cursor = selectionStart();
    mask_.clearRange(cursor, cursor + static_cast<int>(selectedText().size()));
  } else if (backwards) {
    // Backspace empties the place before the cursor; nothing shifts.
    cursor = mask_.previousEditable(cursor);
    if (cursor < 0)
      return;
    mask_.clearRange(cursor, cursor + 1);
  } else {
    const int pos = mask_.nextEditable(cursor);
    if (pos >= DateMask::kLength)
      return;
    mask_.clearRange(pos, pos + 1);
  }
  edited(cursor);
}

void DateField::keyPressEvent(QKeyEvent *event) {
  if (isReadOnly()) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && isComplete()) {
    // Return hands a complete date on (Show me, OK): the edit is over, as
    // when the field is left.
    modified_ = false;
    QLineEdit::setModified(false);
  }
  if (event->key() == Qt::Key_Escape) {
    if (modified_) {
      mask_ = atFocus_;
      verbatim_ = atFocusVerbatim_;
      modified_ = false;
      display(0);
      event->accept();
      return;
    }
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
    removeSelectionOr(event->key() == Qt::Key_Backspace);
    event->accept();
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    typeText(QApplication::clipboard()->text());
    event->accept();
    return;
  }
  if (event->matches(QKeySequence::Cut)) {
    if (hasSelectedText()) {
      copy();
      removeSelectionOr(false);
    }
    event->accept();
    return;
  }
  if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
    event->accept();
    return;
  }
  if (isTyping(event)) {
    typeText(event->text());
    event->accept();
    return;
  }
  // Moving, selecting, copying, Tab and Return keep their usual meaning.
  QLineEdit::keyPressEvent(event);
}

void DateField::inputMethodEvent(QInputMethodEvent *event) {
  if (!event->commitString().isEmpty() && !isReadOnly())
    typeText(event->commitString());
  event->accept();
}

void DateField::focusInEvent(QFocusEvent *event) {
  // A new round of editing starts; coming back after the message keeps
  // the text that Escape returns to.
  if (!modified_) {
    atFocus_ = mask_;
    atFocusVerbatim_ = verbatim_;
  }
  QLineEdit::focusInEvent(event);
}

void DateField::focusOutEvent(QFocusEvent *event) {
  QLineEdit::focusOutEvent(event);
  // The window losing activation, a popup, or the message itself are not
  // the user leaving the field.
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reporting_ ||
      reportPending_)
    return;
  if (!modified_)
    return;
  if (isComplete()) {
    // Left with a date the mask takes: that round of editing is over, and
    // Escape at the next visit returns to this date, not to an older one.
    modified_ = false;
    QLineEdit::setModified(false);
    return;
  }
  reportPending_ = true;
  QTimer::singleShot(0, this, &DateField::reportInvalidInput);
}

void DateField::reportInvalidInput() {
  reportPending_ = false;
  if (!modified_ || isComplete())
    return;
  QPointer<DateField> self(this);
  reporting_ = true;
  platform::reportError(invalidInputMessage());
  if (!self)
    return;
  reporting_ = false;
  if (isVisible()) {
    activateWindow();
    // Given while the window is not yet active again, the focus moves without
    // focus events: the control that had it would keep its focus frame.
    QPointer<QWidget> before = window()->focusWidget();
    setFocus(Qt::OtherFocusReason);
    if (before)
      before->update();
  }
  setCursorPosition(std::max(mask_.firstMissing(), 0));
}
