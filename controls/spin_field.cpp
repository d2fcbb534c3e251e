#include "controls/spin_field.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QTimer>

#include <algorithm>

// The text part. A change is passed on after the line edit has finished
// handling the event that made it: a receiver of changed() may set the text
// again (the month field's 0 and 13 step into the year), and meets a line edit
// that is done with its own work.
class SpinEditor : public QLineEdit {
public:
  explicit SpinEditor(SpinField *owner) : QLineEdit(owner), owner_(owner) {}

protected:
  bool event(QEvent *event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent *>(event)->key();
      if (key == Qt::Key_Up || key == Qt::Key_Down) {
        event->accept();
        key == Qt::Key_Up ? owner_->stepUp() : owner_->stepDown();
        return true;
      }
    }
    const QString before = text();
    const bool handled = QLineEdit::event(event);
    if (text() != before)
      owner_->change();
    // Only a move of the focus to another control counts as leaving; a menu
    // or another window taking the activation does not.
    if (event->type() == QEvent::FocusOut) {
      const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        owner_->editorLeft();
    }
    return handled;
  }

private:
  SpinField *owner_;
};

SpinField::SpinField(QWidget *parent) : QWidget(parent) {
  editor_ = new SpinEditor(this);
  editor_->setFrame(false);
  // The number from edge to arrow: a five-digit year fills a 49-pixel field.
  editor_->setTextMargins(-1, 0, -2, 0);
  editor_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-+]?\\d{0,9}")), this));
  editor_->setText(QStringLiteral("0"));
  setFocusProxy(editor_);
  setFocusPolicy(Qt::StrongFocus);
  repeat_ = new QTimer(this);
  connect(repeat_, &QTimer::timeout, this, &SpinField::repeatStep);
  resize(121, 22);
}

void SpinField::setMinValue(int value) {
  minValue_ = value;
}

void SpinField::setMaxValue(int value) {
  maxValue_ = value;
}

int SpinField::value() const {
  bool ok = false;
  const int value = editor_->text().toInt(&ok);
  return ok ? value : minValue_;
}

void SpinField::setValue(int value) {
  if (maxValue_ != minValue_)
    value = std::clamp(value, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
  setText(QString::number(value));
}

QString SpinField::text() const {
  return editor_->text();
}

void SpinField::setText(const QString &text) {
  if (editor_->text() == text)
    return;
  editor_->setText(text);
  change();
}

void SpinField::change() {
  emit changed();
}

void SpinField::editorLeft() {
  // A typed value is held to the range only now.
  setValue(value());
}

QRect SpinField::arrowRect(int direction) const {
  const QRect inner = rect().adjusted(2, 2, -2, -2);
  const int half = inner.height() / 2;
  const int left = inner.right() + 1 - kArrowWidth;
  return direction > 0 ? QRect(left, inner.top(), kArrowWidth, half)
                       : QRect(left, inner.top() + half, kArrowWidth, inner.height() - half);
}

int SpinField::arrowAt(const QPoint &pos) const {
  if (arrowRect(1).contains(pos))
    return 1;
  if (arrowRect(-1).contains(pos))
    return -1;
  return 0;
}

void SpinField::resizeEvent(QResizeEvent *) {
  editor_->setGeometry(2, 2, std::max(0, width() - 4 - kArrowWidth), std::max(0, height() - 4));
}

void SpinField::paintEvent(QPaintEvent *) {
  QPainter p(this);
  const QPalette &pal = palette();
  p.fillRect(rect(), pal.color(QPalette::Base));
  // A sunken edge: dark outside top-left, light outside bottom-right.
  const int r = width() - 1, b = height() - 1;
  p.setPen(pal.color(QPalette::Mid));
  p.drawLine(0, 0, r - 1, 0);
  p.drawLine(0, 0, 0, b - 1);
  p.setPen(pal.color(QPalette::Shadow));
  p.drawLine(1, 1, r - 2, 1);
  p.drawLine(1, 1, 1, b - 2);
  p.setPen(pal.color(QPalette::Light));
  p.drawLine(0, b, r, b);
  p.drawLine(r, 0, r, b);
  p.setPen(pal.color(QPalette::Midlight));
  p.drawLine(1, b - 1, r - 1, b - 1);
  p.drawLine(r - 1, 1, r - 1, b - 1);

  for (int direction : {1, -1}) {
    const QRect box = arrowRect(direction);
    const bool down = pressedArrow_ == direction;
    p.fillRect(box, pal.color(QPalette::Button));
    p.setPen(pal.color(down ? QPalette::Shadow : QPalette::Light));
    p.drawLine(box.topLeft(), box.topRight());
    p.drawLine(box.topLeft(), box.bottomLeft());
    p.setPen(pal.color(down ? QPalette::Light : QPalette::Shadow));
    p.drawLine(box.bottomLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomRight());
    // A small filled triangle in the middle.
    const QPoint c = box.center() + (down ? QPoint(1, 1) : QPoint());
    const int h = std::max(1, std::min(3, (box.height() - 4) / 2));
    QPolygon tip;
    if (direction > 0)
      tip << QPoint(c.x() - h, c.y() + h / 2) << QPoint(c.x() + h, c.y() + h / 2)
          << QPoint(c.x(), c.y() - h + h / 2);
    else
      tip << QPoint(c.x() - h, c.y() - h / 2) << QPoint(c.x() + h, c.y() - h / 2)
          << QPoint(c.x(), c.y() + h - h / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.color(isEnabled() ? QPalette::ButtonText : QPalette::Mid));
    p.drawPolygon(tip);
  }
}

void SpinField::mousePressEvent(QMouseEvent *event) {
  const int direction =
      event->button() == Qt::LeftButton ? arrowAt(event->position().toPoint()) : 0;
  if (direction == 0) {
    QWidget::mousePressEvent(event);
    return;
  }
  event->accept();
  editor_->setFocus(Qt::MouseFocusReason);
  pressedArrow_ = direction;
  update();
  direction > 0 ? stepUp() : stepDown();
  // Held down, the arrow repeats; a step that opened a box has ended the press
  // (the box takes the release), and the arrow stays still.
  if (pressedArrow_ == direction)
    repeat_->start(400);
}

void SpinField::repeatStep() {
  repeat_->stop();
  if (pressedArrow_ == 0)
    return;
  pressedArrow_ > 0 ? stepUp() : stepDown();
  if (pressedArrow_ != 0)
    repeat_->start(100);
}

void SpinField::endPress() {
  repeat_->stop();
  if (pressedArrow_ != 0) {
    pressedArrow_ = 0;
    update();
  }
}

void SpinField::mouseReleaseEvent(QMouseEvent *event) {
  endPress();
  QWidget::mouseReleaseEvent(event);
}

bool SpinField::event(QEvent *event) {
  // A box over the window, or the window going, takes the release away.
  if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::Hide)
    endPress();
  return QWidget::event(event);
}

void SpinField::wheelEvent(QWheelEvent *event) {
  const int dy = event->angleDelta().y();
  if (dy == 0) {
    QWidget::wheelEvent(event);
    return;
  }
  event->accept();
  dy > 0 ? stepUp() : stepDown();
}
