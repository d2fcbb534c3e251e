#include "controls/Image.h"

#include <QPainter>

TImage::TImage(QWidget *parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TImage::setPicture(const QPixmap &picture) {
  picture_ = picture;
  update();
}

void TImage::setStretch(bool value) {
  stretch_ = value;
  update();
}

void TImage::setCenter(bool value) {
  center_ = value;
  update();
}

void TImage::paintEvent(QPaintEvent *) {
  if (picture_.isNull())
    return;
  QPainter p(this);
  // Pixels are repeated, not blended, when stretched: the pictures are
  // drawn for the screen pixel by pixel.
  if (stretch_) {
    p.drawPixmap(rect(), picture_);
  } else if (center_) {
    p.drawPixmap((width() - picture_.width()) / 2, (height() - picture_.height()) / 2, picture_);
  } else {
    p.drawPixmap(0, 0, picture_);
  }
}
