#include "controls/picture_view.h"

#include "resources/pictures.h"

#include <QPainter>

#include <utility>

PictureView::PictureView(QWidget *parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

const QPixmap &PictureView::picture() const {
  if (picture_.isNull() && load_)
    picture_ = load_();
  return picture_;
}

void PictureView::setPicture(const QPixmap &picture) {
  load_ = nullptr;
  picture_ = picture;
  update();
}

void PictureView::setPictureLoader(std::function<QPixmap()> load) {
  load_ = std::move(load);
  picture_ = QPixmap();
  update();
}

void PictureView::releasePicture() {
  if (load_)
    picture_ = QPixmap();
}

void PictureView::setStretch(bool value) {
  stretch_ = value;
  update();
}

void PictureView::setCenter(bool value) {
  center_ = value;
  update();
}

void PictureView::paintEvent(QPaintEvent *) {
  const QPixmap &shown = picture();
  if (shown.isNull())
    return;
  QPainter p(this);
  // Pixels are repeated, not blended, when stretched: the pictures are
  // drawn for the screen pixel by pixel.
  if (stretch_) {
    p.drawPixmap(rect(), shown);
  } else if (center_) {
    p.drawPixmap((width() - shown.width()) / 2, (height() - shown.height()) / 2, shown);
  } else {
    p.drawPixmap(0, 0, shown);
  }
}

PictureView *newPictureView(QWidget *parent, const char *name, const QRect &geometry,
                            const char *picture, bool stretch) {
  auto *view = new PictureView(parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setGeometry(geometry);
  view->setStretch(stretch);
  view->setPictureLoader([name = QString::fromLatin1(picture)] { return pictures::pixmap(name); });
  return view;
}
