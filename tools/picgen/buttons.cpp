// Button pictures (18 x 18, the OK pair 24 x 24) and the menu's mark bitmaps.
// Same hand as the icons: palette colours, one-pixel black edges, clear
// background.
#include "drawings.h"
#include "palette.h"
#include "pixels.h"

#include <QPainter>
#include <QtMath>

namespace {

using px::polygon;

QPainterPath rect(double x, double y, double w, double h) {
  QPainterPath path;
  path.addRect(QRectF(x, y, w, h));
  return path;
}

QImage calendar() {
  QImage img = pal::canvas(18, 18);
  px::shape(img, rect(1, 3, 16, 14), pal::white, pal::black);
  px::shape(img, rect(1, 3, 16, 5), pal::red, pal::black);
  // Rings, and the days as a grid of small squares.
  px::glyph(img, 4, 1, {"#......#", "#......#", "#......#"}, pal::black);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 4; ++col)
      px::glyph(img, 3 + col * 3, 9 + row * 2, {"##"},
                (row == 1 && col == 2) ? pal::red : pal::gray);
  return img;
}

// A small chart screen with the three curves; the pressed state lights it up.
QImage showMe(bool down) {
  QImage img = pal::canvas(18, 18);
  const int d = down ? 1 : 0;
  px::shape(img, rect(0 + d, 2 + d, 17, 14), down ? pal::blue : pal::navy, pal::black);
  const QStringList red = {"...##.....", "..#..#....", ".#....#...", "#......##."};
  const QStringList yellow = {"......###.", "###..#...#", "...##....."};
  const QStringList lime = {".#.....#..", "#.#...#.#.", "...#.#...#", "....#....."};
  px::glyph(img, 3 + d, 4 + d, red, pal::red);
  px::glyph(img, 3 + d, 8 + d, yellow, pal::yellow);
  px::glyph(img, 3 + d, 10 + d, lime, pal::lime);
  return img;
}

// A cake with one candle; pressed, the flame burns higher.
QImage firstMonth(bool down) {
  QImage img = pal::canvas(18, 18);
  px::shape(img, rect(0, 15, 18, 3), pal::silver, pal::black);
  px::shape(img, rect(2, 9, 14, 7), pal::fuchsia, pal::black);
  px::glyph(img, 3, 10, {"############", ".#..#..#..#."}, pal::white);
  px::shape(img, rect(8, 4, 3, 6), pal::white, pal::black);
  px::set(img, 9, 6, pal::red);
  px::set(img, 9, 8, pal::red);
  if (down)
    px::glyph(img, 8, 0, {".#.", "###", "#o#", ".#."}, pal::red, pal::yellow);
  else
    px::glyph(img, 8, 1, {".#.", "#o#", ".#."}, pal::red, pal::yellow);
  return img;
}

QImage okTick(bool down) {
  QImage img = pal::canvas(24, 24);
  const int d = down ? 1 : 0;
  px::shape(img,
            polygon({{1.0 + d, 12.0 + d},
                     {5.0 + d, 8.0 + d},
                     {9.5 + d, 12.5 + d},
                     {19.0 + d, 2.0 + d},
                     {23.0 + d, 6.0 + d},
                     {9.5 + d, 21.0 + d}}),
            down ? pal::green : pal::lime, pal::black);
  return img;
}

QImage arrow(bool right) {
  QImage img = pal::canvas(18, 18);
  QPainterPath path =
      polygon({{1, 9}, {9, 1}, {9, 5.5}, {17, 5.5}, {17, 12.5}, {9, 12.5}, {9, 17}});
  if (right)
    path = QTransform(-1, 0, 0, 1, 18, 0).map(path);
  px::shape(img, path, pal::blue, pal::black);
  return img;
}

QImage printer() {
  QImage img = pal::canvas(18, 18);
  px::shape(img, rect(4, 1, 10, 8), pal::white, pal::black);
  px::shape(img, rect(0, 7, 18, 7), pal::silver, pal::black);
  px::set(img, 15, 9, pal::lime);
  px::shape(img, rect(3, 11, 12, 7), pal::white, pal::black);
  px::glyph(img, 5, 13, {"########", ".......", "######"}, pal::gray);
  return img;
}

QImage refresh() {
  // Two green arrows chasing each other round a circle.
  QImage img = pal::canvas(18, 18);
  const QRectF circle(3, 3, 12, 12);
  const QPointF centre = circle.center();
  const double radius = circle.width() / 2;
  QPainterPath band;
  QPainterPathStroker stroker;
  stroker.setWidth(4);
  stroker.setCapStyle(Qt::FlatCap);
  for (double start : {160.0, 340.0}) {
    QPainterPath arc;
    arc.arcMoveTo(circle, start);
    arc.arcTo(circle, start, -125);
    band = band.united(stroker.createStroke(arc));
    // Arrowhead at the arc's end, pointing on round the circle.
    const double end = qDegreesToRadians(start - 125);
    const QPointF at = centre + radius * QPointF(std::cos(end), -std::sin(end));
    const QPointF along(std::sin(end), std::cos(end)), out(std::cos(end), -std::sin(end));
    band = band.united(polygon({at + 4.2 * out, at + 4.5 * along, at - 4.2 * out}));
  }
  px::shape(img, band.simplified(), pal::lime, pal::black);
  return img;
}

QImage closeCross() {
  QImage img = pal::canvas(18, 18);
  const QPainterPath a = polygon({{1, 4}, {4, 1}, {17, 14}, {14, 17}});
  const QPainterPath b = polygon({{14, 1}, {17, 4}, {4, 17}, {1, 14}});
  px::shape(img, a.united(b), pal::red, pal::black);
  return img;
}

QImage checkerboard() {
  QImage img = pal::canvas(17, 17);
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 17; ++x)
      img.setPixelColor(x, y, (x + y) % 2 == 0 ? pal::white : pal::silver);
  return img;
}

} // namespace

QImage buttonGlyph(const QString &name) {
  if (name == u"calendar")
    return calendar();
  if (name == u"showme")
    return showMe(false);
  if (name == u"showme_down")
    return showMe(true);
  if (name == u"firstmonth")
    return firstMonth(false);
  if (name == u"firstmonth_down")
    return firstMonth(true);
  if (name == u"ok")
    return okTick(false);
  if (name == u"ok_down")
    return okTick(true);
  if (name == u"prior")
    return arrow(false);
  if (name == u"next")
    return arrow(true);
  if (name == u"print")
    return printer();
  if (name == u"refresh")
    return refresh();
  if (name == u"close")
    return closeCross();
  return {};
}

QImage checkMark() {
  QImage img = checkerboard();
  px::glyph(img, 5, 5,
            {"......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."},
            pal::black);
  return img;
}

QImage radioMark() {
  QImage img = checkerboard();
  px::glyph(img, 5, 5, {".####.", "######", "######", "######", "######", ".####."}, pal::black);
  return img;
}
