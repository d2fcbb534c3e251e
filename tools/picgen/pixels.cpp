#include "pixels.h"

#include <QPainter>

namespace px {

QImage mask(const QPainterPath &path, QSize size) {
  QImage m(size, QImage::Format_ARGB32);
  m.fill(Qt::transparent);
  QPainter p(&m);
  crisp(p);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(path);
  return m;
}

bool at(const QImage &mask, int x, int y) {
  return x >= 0 && y >= 0 && x < mask.width() && y < mask.height() &&
         qAlpha(mask.pixel(x, y)) >= 128;
}

void set(QImage &img, int x, int y, QColor c) {
  if (x >= 0 && y >= 0 && x < img.width() && y < img.height())
    img.setPixelColor(x, y, c);
}

bool onEdge(const QImage &mask, int x, int y) {
  return at(mask, x, y) &&
         (!at(mask, x - 1, y) || !at(mask, x + 1, y) || !at(mask, x, y - 1) || !at(mask, x, y + 1));
}

void glyph(QImage &img, int x, int y, const QStringList &rows, QColor ink, QColor second) {
  for (int r = 0; r < rows.size(); ++r)
    for (int c = 0; c < rows[r].size(); ++c) {
      if (rows[r][c] == u'#')
        set(img, x + c, y + r, ink);
      else if (rows[r][c] == u'o' && second.alpha() > 0)
        set(img, x + c, y + r, second);
    }
}

void shape(QImage &img, const QPainterPath &path, QColor fill, QColor edge) {
  const QImage m = mask(path, img.size());
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (at(m, x, y))
        img.setPixelColor(x, y, onEdge(m, x, y) ? edge : fill);
}

void crisp(QPainter &p) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

} // namespace px
