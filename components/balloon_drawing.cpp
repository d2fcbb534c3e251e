#include "components/balloon_drawing.h"

#include "platform/fonts.h"
#include "platform/region.h"

#include <QBitmap>
#include <QPainter>
#include <QPolygon>

namespace balloon {

QBrush shadowPattern() {
  return QBrush(Qt::black, Qt::Dense4Pattern);
}

QFont defaultHintFont() {
  return platform::font(QStringLiteral("MS Sans Serif"), -11);
}

QRegion balloonRegion(const Geometry &geometry, BalloonShape shape, int d, QSize client) {
  const QRect &b = geometry.body;
  QRegion body =
      shape == BalloonShape::bsRoundRect
          ? platform::Region::roundRect(b.left(), b.top(), b.left() + b.width(),
                                        b.top() + b.height(), kCornerEllipse, kCornerEllipse)
                .toQRegion()
          : QRegion(b);
  QBitmap tail(client);
  tail.clear();
  {
    QPainter p(&tail);
    p.setPen(Qt::color1);
    p.setBrush(Qt::color1);
    p.drawPolygon(geometry.tail.data(), int(geometry.tail.size()));
  }
  return body.united(QRegion(tail)).translated(d, d);
}

QRegion frameOf(const QRegion &region) {
  const QRegion inner = region.intersected(region.translated(1, 0))
                            .intersected(region.translated(-1, 0))
                            .intersected(region.translated(0, 1))
                            .intersected(region.translated(0, -1));
  return region.subtracted(inner);
}

QRegion windowRegion(const Geometry &geometry, BalloonShape shape, int shadowDepth, QSize client) {
  const QRegion balloon = balloonRegion(geometry, shape, 0, client);
  return shadowDepth > 0 ? balloon.united(balloon.translated(shadowDepth, shadowDepth)) : balloon;
}

namespace {

void drawBalloon(QPainter &painter, const QRegion &region, const QColor &fill,
                 const QColor &outline) {
  for (const QRect &r : region)
    painter.fillRect(r, fill);
  for (const QRect &r : frameOf(region))
    painter.fillRect(r, outline);
}

} // namespace

void paintBalloon(QPainter &painter, const Picture &picture) {
  const Geometry g = geometry(picture.client, picture.position, picture.shadowDepth);
  const QRegion balloon = balloonRegion(g, picture.shape, 0, picture.client);
  painter.save();
  if (!picture.background.isNull())
    painter.drawPixmap(0, 0, picture.background);
  if (picture.shadowDepth > 0) {
    const QRegion shadow = balloon.translated(picture.shadowDepth, picture.shadowDepth);
    if (picture.shadowStyle == BalloonShadowStyle::ssSolid) {
      drawBalloon(painter, shadow, Qt::black, Qt::black);
    } else {
      painter.setClipRegion(shadow);
      // Black where x + y is even.
      painter.setBrushOrigin(1, 0);
      painter.fillRect(QRect(QPoint(0, 0), picture.client), shadowPattern());
      painter.setClipping(false);
    }
  }
  drawBalloon(painter, balloon, picture.look.fill, picture.look.outline);
  painter.setFont(picture.look.font);
  painter.setPen(picture.look.text);
  painter.drawText(g.text, Qt::TextWordWrap, picture.text);
  painter.restore();
}

} // namespace balloon
