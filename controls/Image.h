#pragma once
// TImage: a picture at a fixed place, at its own size from the top-left
// corner, centred, or stretched to the control's size. It lets the mouse
// through, so it counts as the surface of the window beneath.
#include <QPixmap>
#include <QWidget>

class TImage : public QWidget {
  Q_OBJECT

public:
  explicit TImage(QWidget *parent = nullptr);

  const QPixmap &Picture() const { return picture_; }
  void setPicture(const QPixmap &picture);
  bool Stretch() const { return stretch_; }
  void setStretch(bool value);
  bool Center() const { return center_; }
  void setCenter(bool value);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  QPixmap picture_;
  bool stretch_ = false;
  bool center_ = false;
};
