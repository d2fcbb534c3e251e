#include "controls/glyph_button.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

GlyphButton::GlyphButton(QWidget *parent, const QString &caption) : QPushButton(caption, parent) {
  setFocusPolicy(Qt::NoFocus);
  setAutoDefault(false);
}

void GlyphButton::setGlyph(const QPixmap &strip, int numGlyphs) {
  strip_ = strip;
  numGlyphs_ = std::max(1, numGlyphs);
  if (!strip_.isNull() && !strip_.hasAlphaChannel()) {
    const QImage image = strip_.toImage();
    const QColor transparent = image.pixelColor(0, image.height() - 1);
    strip_.setMask(strip_.createMaskFromColor(transparent, Qt::MaskInColor));
  }
  updateGeometry();
  update();
}

QPixmap GlyphButton::glyphAt(int index) const {
  if (strip_.isNull())
    return {};
  const int w = strip_.width() / numGlyphs_;
  return strip_.copy(index * w, 0, w, strip_.height());
}

QPixmap GlyphButton::currentGlyph() const {
  if (!isEnabled())
    return glyphAt(numGlyphs_ >= 2 ? 1 : 0);
  if (isDown() && numGlyphs_ >= 3)
    return glyphAt(2);
  return glyphAt(0);
}

void GlyphButton::setGlyphLayout(GlyphLayout value) {
  layout_ = value;
  update();
}

void GlyphButton::setSpacing(int value) {
  spacing_ = value;
  updateGeometry();
  update();
}

void GlyphButton::setFontColor(const QColor &color) {
  fontColor_ = color;
  update();
}

QSize GlyphButton::sizeHint() const {
  const QFontMetrics metrics(font());
  const QPixmap picture = glyphAt(0);
  int w = metrics.horizontalAdvance(text()) + 16;
  int h = metrics.height() + 8;
  if (!picture.isNull()) {
    w += picture.width() + spacing_;
    h = std::max(h, picture.height() + 8);
  }
  return {w, h};
}

void GlyphButton::paintEvent(QPaintEvent *) {
  QStylePainter p(this);
  // The edge and the face come from the style; picture and caption are ours.
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  p.drawControl(QStyle::CE_PushButtonBevel, option);

  const QPixmap picture = currentGlyph();
  const QFontMetrics metrics(font());
  const int textWidth = metrics.horizontalAdvance(text());
  const int gap = (!picture.isNull() && !text().isEmpty()) ? spacing_ : 0;
  const int glyphWidth = picture.isNull() ? 0 : picture.width();
  const int total = glyphWidth + gap + textWidth;
  QRect area = rect();
  // Pressed content moves down and right by a pixel.
  if (isDown() || isChecked())
    area.translate(1, 1);
  int x = area.left() + (area.width() - total) / 2;
  const int textX = layout_ == GlyphLayout::blGlyphLeft ? x + glyphWidth + gap : x;
  const int glyphX = layout_ == GlyphLayout::blGlyphLeft ? x : x + textWidth + gap;
  if (!picture.isNull()) {
    const int glyphY = area.top() + (area.height() - picture.height()) / 2;
    if (isEnabled() || numGlyphs_ >= 2) {
      p.drawPixmap(glyphX, glyphY, picture);
    } else {
      p.setOpacity(0.5);
      p.drawPixmap(glyphX, glyphY, picture);
      p.setOpacity(1);
    }
  }
  p.setFont(font());
  const bool onFace = !isFlat() || isDown() || isChecked();
  p.setPen(onFace || !fontColor_.isValid()
               ? palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText)
               : fontColor_);
  p.drawText(QRect(textX, area.top(), textWidth + 1, area.height()),
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
  // The face is ours, so is the focus frame: dotted, in the caption's colour,
  // inside the edge. Without the focus the button looks as it always did.
  // The window's own focus counts: a window that hid and showed itself
  // again gets the keys without the toolkit taking it for the active one.
  // Shown once the keyboard moved the focus: a focus given on activation,
  // after mouse use, leaves the face as it was.
  if (window()->focusWidget() == this && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
    QPen pen(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(3, 3, -4, -4));
  }
}

void GlyphButton::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
  case Qt::Key_Return:
  case Qt::Key_Enter:
    // Without a dialog around it a push button ignores Return; this one is
    // pressed by it, as by Space.
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      event->accept();
      if (!event->isAutoRepeat())
        click();
      return;
    }
    break;
  case Qt::Key_Left:
  case Qt::Key_Right:
  case Qt::Key_Up:
  case Qt::Key_Down:
    // The arrows belong to the window (the chart steps its months with them).
    event->ignore();
    return;
  default:
    break;
  }
  QPushButton::keyPressEvent(event);
}
