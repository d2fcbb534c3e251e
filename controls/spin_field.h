#pragma once
// SpinField: a number field with an up and a down arrow. The text is the
// truth: value() is the number in it (a text that is not a number reads as
// minValue), a value set by the program is clamped to the range, a typed
// value only when the field loses the focus. Every change of the text
// emits changed() at once, also when the program sets the value, so that
// receivers setting each other's fields re-enter one another.
#include <QWidget>

class QLineEdit;

class SpinField : public QWidget {
  Q_OBJECT

public:
  explicit SpinField(QWidget *parent = nullptr);

  int minValue() const { return minValue_; }
  void setMinValue(int value);
  int maxValue() const { return maxValue_; }
  void setMaxValue(int value);
  int increment() const { return increment_; }
  void setIncrement(int value) { increment_ = value; }

  int value() const;
  // Clamped to minValue..maxValue; changed() when the text changes.
  void setValue(int value);

  QString text() const;
  // Sets the text as typed, without clamping; changed() when it changes.
  void setText(const QString &text);
  QLineEdit *editor() const { return editor_; }

  // One step up or down, as a click on an arrow does.
  void stepUp() { setValue(value() + increment_); }
  void stepDown() { setValue(value() - increment_); }

  // The arrow under a point, in this widget's coordinates: +1 up, -1 down,
  // 0 none.
  int arrowAt(const QPoint &pos) const;

signals:
  void changed();

protected:
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;
  bool event(QEvent *event) override;

private:
  friend class SpinEditor;
  static constexpr int kArrowWidth = 13;

  QRect arrowRect(int direction) const;
  void editorTextEdited();
  void editorLeft();
  void repeatStep();
  // Ends a held arrow: no more repeats until the next press.
  void endPress();
  void change();

  QLineEdit *editor_;
  class QTimer *repeat_;
  int minValue_ = 0;
  int maxValue_ = 100;
  int increment_ = 1;
  int pressedArrow_ = 0;
};
