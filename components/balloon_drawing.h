#pragma once
// Drawing helpers of the balloon hint: the shared pattern and font, the
// balloon's outline as a pixel-exact region, and the painting of a balloon
// with its shadow over the picture of the screen behind it.
#include "components/balloon_geometry.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRegion>
#include <QString>

class QPainter;

namespace balloon {

// Black on every pixel (x, y) with x + y even, in device pixels, so that the
// shadow darkens every other pixel of what lies beneath it.
QBrush shadowPattern();
// The hint font when nothing else is chosen: "MS Sans Serif", 8 points.
QFont defaultHintFont();

// The pixels of the balloon in a window of `client` size, moved by (d, d):
// the body (round-cornered or plain) joined with the tail. Painted into a
// bitmap, so that the tail's edges belong to it exactly as they are drawn.
QRegion balloonRegion(const Geometry &geometry, BalloonShape shape, int d, QSize client);
// The one-pixel frame just inside a region.
QRegion frameOf(const QRegion &region);
// What the window is cut to: the balloon, and its shadow when there is one.
QRegion windowRegion(const Geometry &geometry, BalloonShape shape, int shadowDepth, QSize client);

struct Look {
  QFont font;
  QColor text, fill, outline;
};

// One balloon as it is painted.
struct Picture {
  QSize client;
  BalloonPosition position = BalloonPosition::bpAboveRight;
  BalloonShape shape = BalloonShape::bsRoundRect;
  int shadowDepth = 0;
  BalloonShadowStyle shadowStyle = BalloonShadowStyle::ssShaded;
  Look look;
  QString text;
  // What the screen showed under the window; nothing drawn when null.
  QPixmap background;
};

void paintBalloon(QPainter &painter, const Picture &picture);

} // namespace balloon
