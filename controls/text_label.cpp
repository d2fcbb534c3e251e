#include "controls/text_label.h"

#include <QEvent>

TextLabel::TextLabel(QWidget *parent, const QString &caption) : QLabel(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAutoFillBackground(true);
  setMargin(0);
  setIndent(0);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextFormat(Qt::PlainText);
  setText(caption);
}

void TextLabel::setText(const QString &text) {
  QLabel::setText(text);
  fitText();
}

void TextLabel::setAutoSize(bool value) {
  autoSize_ = value;
  fitText();
}

void TextLabel::setColor(const QColor &background) {
  QPalette p = palette();
  p.setColor(QPalette::Window, background);
  setPalette(p);
}

void TextLabel::setFontColor(const QColor &color) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, color);
  setPalette(p);
}

void TextLabel::changeEvent(QEvent *event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange)
    fitText();
}

void TextLabel::fitText() {
  if (!autoSize_)
    return;
  // The text's own extent, one line per line of text, no padding.
  const QFontMetrics metrics(font());
  const QStringList lines = text().split(u'\n');
  int width = 0;
  for (const QString &line : lines)
    width = std::max(width, metrics.horizontalAdvance(line));
  resize(width, metrics.height() * int(lines.size()));
}
