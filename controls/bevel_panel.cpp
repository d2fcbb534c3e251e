#include "controls/bevel_panel.h"

#include "platform/colors.h"
#include "platform/fonts.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// A bevel `width` pixels wide inside rect, one ring per pixel: the top and
// left lines in `top`, the right and bottom ones in `bottom`, which own the
// top-right and bottom-left corners. Shrinks rect by the width.
void frame3D(QPainter &p, QRect &rect, const QColor &top, const QColor &bottom, int width) {
  for (int i = 0; i < width && rect.width() > 0 && rect.height() > 0; ++i) {
    const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    p.fillRect(QRect(l, t, 1, rect.height() - 1), top);
    p.fillRect(QRect(l, t, rect.width() - 1, 1), top);
    p.fillRect(QRect(r, t, 1, rect.height()), bottom);
    p.fillRect(QRect(l, b, rect.width(), 1), bottom);
    rect.adjust(1, 1, -1, -1);
  }
}

} // namespace

BevelPanel::BevelPanel(QWidget *parent) : QWidget(parent) {
  setColor(platform::toQColor(platform::clBtnFace, palette()));
}

void BevelPanel::setBevelInner(BevelCut value) {
  bevelInner_ = value;
  update();
}

void BevelPanel::setBevelOuter(BevelCut value) {
  bevelOuter_ = value;
  update();
}

void BevelPanel::setBevelWidth(int value) {
  bevelWidth_ = std::max(value, 1);
  update();
}

void BevelPanel::setBorderStyle(PanelBorder value) {
  borderStyle_ = value;
  update();
}

void BevelPanel::setFlat(bool value) {
  flat_ = value;
  update();
}

void BevelPanel::setCaption(const QString &value) {
  caption_ = value;
  update();
}

void BevelPanel::setColor(const QColor &value) {
  QPalette p = palette();
  p.setColor(QPalette::Window, value);
  setPalette(p);
  update();
}

void BevelPanel::setFontColor(const QColor &value) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, value);
  setPalette(p);
  update();
}

QRect BevelPanel::innerRect() const {
  int inset = 0;
  if (borderStyle_ == PanelBorder::bsSingle)
    inset += flat_ ? 1 : 2;
  if (bevelOuter_ != BevelCut::bvNone)
    inset += bevelWidth_;
  if (bevelInner_ != BevelCut::bvNone)
    inset += bevelWidth_;
  return rect().adjusted(inset, inset, -inset, -inset);
}

void BevelPanel::paintEvent(QPaintEvent *) {
  QPainter p(this);
  const QPalette &pal = palette();
  const QColor highlight = platform::toQColor(platform::clBtnHighlight, pal);
  const QColor shadow = platform::toQColor(platform::clBtnShadow, pal);
  const QColor face = platform::toQColor(platform::clBtnFace, pal);
  const QColor frame = platform::toQColor(platform::clWindowFrame, pal);
  QRect r = rect();
  if (borderStyle_ == PanelBorder::bsSingle) {
    if (flat_) {
      frame3D(p, r, frame, frame, 1);
    } else {
      frame3D(p, r, shadow, highlight, 1);
      frame3D(p, r, frame, face, 1);
    }
  }
  auto bevel = [&](BevelCut cut) {
    if (cut == BevelCut::bvRaised)
      frame3D(p, r, highlight, shadow, bevelWidth_);
    else if (cut == BevelCut::bvLowered)
      frame3D(p, r, shadow, highlight, bevelWidth_);
  };
  bevel(bevelOuter_);
  bevel(bevelInner_);
  p.fillRect(r, color());
  if (!caption_.isEmpty()) {
    p.setPen(pal.color(QPalette::WindowText));
    p.setFont(font());
    p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, caption_);
  }
}

void BevelPanel::mousePressEvent(QMouseEvent *event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void BevelPanel::mouseReleaseEvent(QMouseEvent *event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click)
    emit clicked();
}

BevelPanel *newCloseCorner(QWidget *parent, const char *name, platform::ColorCode face) {
  auto *panel = new BevelPanel(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->resize(20, 20);
  panel->setCaption(QStringLiteral("X"));
  panel->setFont(platform::font(QStringLiteral("MS Sans Serif"), -11, platform::fsBold));
  panel->setColor(platform::toQColor(face, panel->palette()));
  panel->setFontColor(platform::toQColorOn(platform::clWindowText, face, panel->palette()));
  panel->setBevelInner(BevelCut::bvRaised);
  panel->setBevelOuter(BevelCut::bvNone);
  panel->setBevelWidth(2);
  panel->setBorderStyle(PanelBorder::bsSingle);
  panel->setFlat(true);
  panel->setToolTip(QStringLiteral("Click to hide the panel..."));
  panel->setAccessibleName(QStringLiteral("Hide the window"));
  return panel;
}
