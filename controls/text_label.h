#pragma once
// TextLabel: a text at a fixed place. It sizes itself to its text (autoSize)
// or keeps a fixed size with an alignment; its background is either the
// parent showing through (isTransparent) or a colour of its own. It lets the
// mouse through, so it counts as the surface of the window beneath.
#include <QColor>
#include <QLabel>

class TextLabel : public QLabel {
  Q_OBJECT

public:
  explicit TextLabel(QWidget *parent = nullptr, const QString &caption = {});

  // Hides QLabel::setText so that an auto-sized label follows its text.
  void setText(const QString &text);

  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool value);

  // True: nothing is painted behind the text. False: the background colour
  // (the parent's unless setColor gave one).
  bool isTransparent() const { return !autoFillBackground(); }
  void setTransparent(bool value) { setAutoFillBackground(!value); }

  void setColor(const QColor &background);
  void setFontColor(const QColor &color);

protected:
  void changeEvent(QEvent *event) override;

private:
  void fitText();

  bool autoSize_ = true;
};
