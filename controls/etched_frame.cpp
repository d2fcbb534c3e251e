#include "controls/etched_frame.h"

#include "platform/colors.h"

#include <QPainter>

EtchedFrame::EtchedFrame(QWidget *parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EtchedFrame::setBevelStyle(Style value) {
  style_ = value;
  update();
}

void EtchedFrame::paintEvent(QPaintEvent *) {
  QPainter p(this);
  const QColor shadow = platform::toQColor(platform::clBtnShadow);
  const QColor light = platform::toQColor(platform::clBtnHighlight);
  const bool lowered = style_ == Style::bsLowered;
  // Two rectangles one pixel apart: the lower-right one first, so that the
  // upper-left one's corners lie on top.
  p.setPen(lowered ? light : shadow);
  p.drawRect(QRect(1, 1, width() - 1, height() - 1).adjusted(0, 0, -1, -1));
  p.setPen(lowered ? shadow : light);
  p.drawRect(QRect(0, 0, width() - 1, height() - 1).adjusted(0, 0, -1, -1));
}
