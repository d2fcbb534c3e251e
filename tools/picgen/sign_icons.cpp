// The two blinking signs and the application icon.
#include "drawings.h"
#include "palette.h"
#include "pixels.h"

#include <QPainter>
#include <QtMath>

QImage happyIcon() {
  // A smiley: a yellow face, rounded by an olive rim at the lower right.
  QImage img = pal::canvas(32, 32);
  QPainterPath face;
  face.addEllipse(QPointF(16, 16), 14.6, 14.6);
  const QImage m = px::mask(face, img.size());
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      if (!px::at(m, x, y))
        continue;
      const double d = std::hypot(x + 0.5 - 16, y + 0.5 - 16);
      const bool lowerRight = (x + y) > 34;
      if (px::onEdge(m, x, y))
        px::set(img, x, y, pal::black);
      else if (lowerRight && d > 11.5)
        px::set(img, x, y, pal::olive);
      else
        px::set(img, x, y, pal::yellow);
    }
  // Eyes and a wide smile.
  const QStringList eye = {".##.", "####", "####", "####", ".##."};
  px::glyph(img, 10, 9, eye, pal::black);
  px::glyph(img, 18, 9, eye, pal::black);
  const QStringList smile = {"##..............##", "##..............##", ".##............##.",
                             "..##..........##..", "...###......###...", ".....########.....",
                             "......######......"};
  px::glyph(img, 7, 17, smile, pal::black);
  // A white glint on the upper left.
  px::glyph(img, 7, 6, {".##", "#..", "#.."}, pal::white);
  return img;
}

QImage attentionIcon() {
  // A warning triangle: red border, white field, black exclamation mark.
  QImage img = pal::canvas(32, 32);
  QPolygonF outer, inner;
  outer << QPointF(16, 0.5) << QPointF(31.8, 29.5) << QPointF(0.2, 29.5);
  inner << QPointF(16, 8.5) << QPointF(25.2, 25.5) << QPointF(6.8, 25.5);
  QPainterPath po, pi;
  po.addPolygon(outer);
  pi.addPolygon(inner);
  const QImage mo = px::mask(po, img.size()), mi = px::mask(pi, img.size());
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      if (!px::at(mo, x, y))
        continue;
      if (px::onEdge(mo, x, y))
        px::set(img, x, y, pal::black);
      else if (px::at(mi, x, y))
        px::set(img, x, y, pal::white);
      else
        px::set(img, x, y, pal::red);
    }
  const QStringList bang = {".##.", "####", "####", "####", ".##.",
                            ".##.", ".##.", "....", ".##.", ".##."};
  px::glyph(img, 14, 13, bang, pal::black);
  return img;
}

QImage applicationIcon(int size) {
  // A dark tile with the three cycles as three stacked waves.
  QImage img = pal::canvas(size, size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  const double s = size;
  const double edge = std::max(1.0, s / 32);
  QRectF tile(edge / 2, edge / 2, s - edge, s - edge);
  QLinearGradient ground(0, 0, 0, s);
  ground.setColorAt(0, QColor(0, 0, 160));
  ground.setColorAt(1, QColor(0, 0, 72));
  p.setPen(QPen(pal::black, edge));
  p.setBrush(ground);
  p.drawRoundedRect(tile, s * 0.18, s * 0.18);
  p.setClipRect(tile.adjusted(edge, edge, -edge, -edge));
  // At 16 pixels the waves are drawn sharp, or they blur into each other.
  p.setRenderHint(QPainter::Antialiasing, size > 16);
  const QColor colours[] = {pal::red, pal::yellow, pal::lime};
  const double width = size == 16 ? 2 : std::max(3.0, s / 10);
  for (int i = 0; i < 3; ++i) {
    QPainterPath path;
    for (int k = 0; k <= 64; ++k) {
      const double t = k / 64.0;
      const QPointF pt(s * (0.14 + 0.72 * t),
                       s * (0.28 + 0.22 * i - 0.09 * std::sin(2 * M_PI * 1.0 * t)));
      if (k == 0)
        path.moveTo(pt);
      else
        path.lineTo(pt);
    }
    p.setPen(QPen(colours[i], width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
  return img;
}
