#include "controls/Image.h"

#include <QPainter>

#include <utility>

TImage::TImage(QWidget *parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

const QPixmap &TImage::Picture() const {
  if (load_)
    picture_ = std::exchange(load_, nullptr)();
  return picture_;
}

void TImage::setPicture(const QPixmap &picture) {
  load_ = nullptr;
  picture_ = picture;
  update();
}

void TImage::setPictureLoader(std::function<QPixmap()> load) {
  load_ = std::move(load);
  picture_ = QPixmap();
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
  const QPixmap &picture = Picture();
  if (picture.isNull())
    return;
  QPainter p(this);
  // Pixels are repeated, not blended, when stretched: the pictures are
  // drawn for the screen pixel by pixel.
  if (stretch_) {
    p.drawPixmap(rect(), picture);
  } else if (center_) {
    p.drawPixmap((width() - picture.width()) / 2, (height() - picture.height()) / 2, picture);
  } else {
    p.drawPixmap(0, 0, picture);
  }
}
