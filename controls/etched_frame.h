#pragma once
// EtchedFrame: an etched line frame around its rectangle (a lowered frame: the
// shadow line outside, the light line inside it; raised the other way
// round). It lets the mouse through, so it counts as the surface of the
// window beneath.
#include <QWidget>

class EtchedFrame : public QWidget {
  Q_OBJECT

public:
  enum class Style { bsLowered, bsRaised };

  explicit EtchedFrame(QWidget *parent = nullptr);

  Style bevelStyle() const { return style_; }
  void setBevelStyle(Style value);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  Style style_ = Style::bsLowered;
};
