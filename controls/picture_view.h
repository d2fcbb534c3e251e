#pragma once
// PictureView: a picture at a fixed place, at its own size from the top-left
// corner, centred, or stretched to the control's size. It lets the mouse
// through, so it counts as the surface of the window beneath.
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <functional>

class PictureView : public QWidget {
  Q_OBJECT

public:
  explicit PictureView(QWidget *parent = nullptr);

  const QPixmap &picture() const;
  void setPicture(const QPixmap &picture);
  // The picture is read when first painted or asked for, so a window that is
  // never opened never decodes its pictures.
  void setPictureLoader(std::function<QPixmap()> load);
  // Drops a picture that has a loader; it is read again at the next paint.
  void releasePicture();
  bool isPictureLoaded() const { return !picture_.isNull(); }
  bool stretch() const { return stretch_; }
  void setStretch(bool value);
  bool isCentred() const { return center_; }
  void setCenter(bool value);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  mutable QPixmap picture_;
  mutable std::function<QPixmap()> load_;
  bool stretch_ = false;
  bool center_ = false;
};

// One of the program's pictures (resources/pictures.h) at a fixed place, read
// at its first paint; stretched to the place unless told otherwise.
PictureView *newPictureView(QWidget *parent, const char *name, const QRect &geometry,
                            const char *picture, bool stretch = true);
