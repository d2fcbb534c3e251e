// The level icons: one vessel per cycle, in the cycle's own shape, filling
// from the bottom. A heart for the emotional cycle, a light bulb for the
// intellectual one and a figure with raised arms for the physical one, so
// the three differ by outline as well as by colour.
#include "drawings.h"
#include "palette.h"
#include "pixels.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QtMath>

namespace {

struct Colours {
  QColor fill, shade;
};

Colours coloursOf(Cycle cycle) {
  switch (cycle) {
  case Cycle::Emotional:
    return {pal::red, pal::maroon};
  case Cycle::Intellectual:
    return {pal::yellow, pal::olive};
  case Cycle::Physical:
    return {pal::lime, pal::green};
  }
  return {};
}

const QColor kEmpty = pal::gray;
const QColor kInk = pal::black;

QPainterPath heart(double s) {
  // The classic heart curve, fitted into the square with a small margin.
  QPolygonF poly;
  for (int i = 0; i < 360; ++i) {
    const double t = qDegreesToRadians(double(i));
    const double x = 16 * std::pow(std::sin(t), 3);
    const double y =
        -(13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t));
    // x in [-16, 16], y in about [-12, 17]
    poly << QPointF(s / 2 + x * s * 0.0295, s * 0.44 + y * s * 0.0305);
  }
  QPainterPath path;
  path.addPolygon(poly);
  path.closeSubpath();
  return path;
}

QPainterPath bulbGlass(double s) {
  QPainterPath path;
  path.addEllipse(QPointF(s * 0.5, s * 0.37), s * 0.335, s * 0.335);
  QPolygonF neck;
  neck << QPointF(s * 0.31, s * 0.55) << QPointF(s * 0.69, s * 0.55) << QPointF(s * 0.65, s * 0.76)
       << QPointF(s * 0.35, s * 0.76);
  QPainterPath n;
  n.addPolygon(neck);
  return path.united(n);
}

QPainterPath bulbBase(double s) {
  QPainterPath path;
  path.addRect(QRectF(s * 0.35, s * 0.76 - 1, s * 0.30, s * 0.15 + 1));
  QPainterPath tip;
  tip.addRect(QRectF(s * 0.42, s * 0.90, s * 0.16, s * 0.07));
  return path.united(tip);
}

QPainterPath figure(double s) {
  QPainterPath body;
  body.addEllipse(QPointF(s * 0.5, s * 0.15), s * 0.135, s * 0.135);
  body.addRoundedRect(QRectF(s * 0.33, s * 0.30, s * 0.34, s * 0.34), s * 0.06, s * 0.06);
  QPainterPath limbs;
  limbs.moveTo(s * 0.40, s * 0.39);
  limbs.lineTo(s * 0.10, s * 0.15);
  limbs.moveTo(s * 0.60, s * 0.39);
  limbs.lineTo(s * 0.90, s * 0.15);
  limbs.moveTo(s * 0.42, s * 0.58);
  limbs.lineTo(s * 0.25, s * 0.915);
  limbs.moveTo(s * 0.58, s * 0.58);
  limbs.lineTo(s * 0.75, s * 0.915);
  QPainterPathStroker stroker;
  stroker.setWidth(s * 0.17);
  stroker.setCapStyle(Qt::RoundCap);
  QPainterPath out = body.united(stroker.createStroke(limbs));
  return out.simplified();
}

QPainterPath vessel(Cycle cycle, double s) {
  switch (cycle) {
  case Cycle::Emotional:
    return heart(s);
  case Cycle::Intellectual:
    return bulbGlass(s);
  case Cycle::Physical:
    return figure(s);
  }
  return {};
}

// The bulb's screw base: silver with grey threads, not part of the vessel.
void paintBulbBase(QImage &img, int size) {
  const QImage base = px::mask(bulbBase(size), img.size());
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      if (!px::at(base, x, y))
        continue;
      if (px::onEdge(base, x, y))
        px::set(img, x, y, kInk);
      else
        px::set(img, x, y, (y % 3 == 0) ? pal::gray : pal::silver);
    }
}

// Draws the vessel of `cycle` with the bottom `fraction` of its inside filled.
QImage vesselPicture(Cycle cycle, double fraction, int size) {
  QImage img = pal::canvas(size, size);
  const QImage shape = px::mask(vessel(cycle, size), img.size());
  const Colours colours = coloursOf(cycle);
  int top = size, bottom = -1;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (px::at(shape, x, y) && !px::onEdge(shape, x, y)) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  const int rows = bottom - top + 1;
  const int filledFrom = bottom + 1 - int(std::lround(fraction * rows));
  for (int y = 0; y < size; ++y) {
    // Each run of the row gets a shaded right part, which rounds the body.
    int x = 0;
    while (x < size) {
      if (!px::at(shape, x, y)) {
        ++x;
        continue;
      }
      int end = x;
      while (end < size && px::at(shape, end, y))
        ++end;
      const int shadeFrom = end - 1 - std::max(1, (end - x) / 4);
      for (int i = x; i < end; ++i) {
        QColor c;
        if (px::onEdge(shape, i, y))
          c = kInk;
        else if (y >= filledFrom)
          c = i >= shadeFrom ? colours.shade : colours.fill;
        else
          c = kEmpty;
        px::set(img, i, y, c);
      }
      x = end;
    }
  }
  // A white glint on the upper left, where light would catch the vessel.
  const QPointF glint = cycle == Cycle::Emotional      ? QPointF(0.22, 0.22)
                        : cycle == Cycle::Intellectual ? QPointF(0.29, 0.17)
                                                       : QPointF(0.43, 0.09);
  const QStringList glintRows = size >= 24 ? QStringList{".##", "#..", "#.."} : QStringList{"#"};
  const int gx = int(glint.x() * size), gy = int(glint.y() * size);
  for (int r = 0; r < glintRows.size(); ++r)
    for (int c = 0; c < glintRows[r].size(); ++c)
      if (glintRows[r][c] == u'#' && px::at(shape, gx + c, gy + r) &&
          !px::onEdge(shape, gx + c, gy + r))
        px::set(img, gx + c, gy + r, pal::white);
  if (cycle == Cycle::Intellectual)
    paintBulbBase(img, size);
  return img;
}

} // namespace

QString cycleName(Cycle cycle) {
  switch (cycle) {
  case Cycle::Emotional:
    return QStringLiteral("emotio");
  case Cycle::Intellectual:
    return QStringLiteral("intel");
  case Cycle::Physical:
    return QStringLiteral("physiq");
  }
  return {};
}

QImage levelIcon(Cycle cycle, int step, int size) {
  return vesselPicture(cycle, std::clamp(step, 0, 10) / 10.0, size);
}

QImage initialTrayIcon(Cycle cycle, int size) {
  // Full vessel with a question mark: the cycle is known, its level not yet.
  QImage img = vesselPicture(cycle, 1.0, size);
  const double centreY = cycle == Cycle::Emotional      ? 0.42
                         : cycle == Cycle::Intellectual ? 0.38
                                                        : 0.47;
  if (size >= 24) {
    const QStringList mark = {"..####..", ".##..##.", ".##..##.", ".....##.", "....##..",
                              "...##...", "...##...", "........", "...##...", "...##..."};
    px::glyph(img, size / 2 - 4, int(size * centreY) - 5, mark, kInk);
  } else {
    const QStringList mark = {".###.", "#...#", "...#.", "..#..", "..#..", ".....", "..#.."};
    px::glyph(img, size / 2 - 2, int(size * centreY) - 3, mark, kInk);
  }
  return img;
}
