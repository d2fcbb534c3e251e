// The two blinking signs and the application icon (in pixels and scalable).
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

namespace {

// The application icon's design, shared by its pixel sizes and its scalable form: a dark tile
// with the three cycles as three stacked waves.
const QColor kWaveColours[] = {pal::red, pal::yellow, pal::lime};
const QColor kTileTop(0, 0, 160), kTileBottom(0, 0, 72);
constexpr int kWaveSteps = 64;

double tileEdge(double s) {
  return std::max(1.0, s / 32);
}
double tileRadius(double s) {
  return s * 0.18;
}

QPointF wavePoint(double s, int wave, int step) {
  const double t = double(step) / kWaveSteps;
  return {s * (0.14 + 0.72 * t), s * (0.28 + 0.22 * wave - 0.09 * std::sin(2 * M_PI * t))};
}

} // namespace

QImage applicationIcon(int size) {
  QImage img = pal::canvas(size, size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  const double s = size;
  const double edge = tileEdge(s);
  QRectF tile(edge / 2, edge / 2, s - edge, s - edge);
  QLinearGradient ground(0, 0, 0, s);
  ground.setColorAt(0, kTileTop);
  ground.setColorAt(1, kTileBottom);
  p.setPen(QPen(pal::black, edge));
  p.setBrush(ground);
  p.drawRoundedRect(tile, tileRadius(s), tileRadius(s));
  p.setClipRect(tile.adjusted(edge, edge, -edge, -edge));
  // At 16 pixels the waves are drawn sharp, or they blur into each other.
  p.setRenderHint(QPainter::Antialiasing, size > 16);
  const double width = size == 16 ? 2 : std::max(3.0, s / 10);
  for (int i = 0; i < 3; ++i) {
    QPainterPath path;
    path.moveTo(wavePoint(s, i, 0));
    for (int k = 1; k <= kWaveSteps; ++k)
      path.lineTo(wavePoint(s, i, k));
    p.setPen(QPen(kWaveColours[i], width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
  return img;
}

QByteArray applicationIconSvg() {
  // Drawn on the largest pixel size's grid, so that the two agree at 256 pixels. Fixed
  // decimals: the same drawing always gives the same bytes.
  const double s = 256;
  const double edge = tileEdge(s);
  const auto num = [](double v) { return QString::number(v, 'f', 2); };
  const QString side = QString::number(int(s));
  const auto rect = [&](double inset) {
    return QStringLiteral("x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\"")
        .arg(num(inset), num(s - 2 * inset));
  };
  QString svg;
  svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                        "viewBox=\"0 0 %1 %1\">\n")
             .arg(side);
  svg += QStringLiteral("  <defs>\n"
                        "    <linearGradient id=\"ground\" gradientUnits=\"userSpaceOnUse\" "
                        "x1=\"0\" y1=\"0\" x2=\"0\" y2=\"%1\">\n"
                        "      <stop offset=\"0\" stop-color=\"%2\"/>\n"
                        "      <stop offset=\"1\" stop-color=\"%3\"/>\n"
                        "    </linearGradient>\n"
                        "    <clipPath id=\"inside\"><rect %4/></clipPath>\n"
                        "  </defs>\n")
             .arg(side, kTileTop.name(), kTileBottom.name(), rect(edge * 1.5));
  svg += QStringLiteral("  <rect %1 rx=\"%2\" ry=\"%2\" fill=\"url(#ground)\" stroke=\"%3\" "
                        "stroke-width=\"%4\"/>\n")
             .arg(rect(edge / 2), num(tileRadius(s)), QColor(pal::black).name(), num(edge));
  svg += QStringLiteral("  <g clip-path=\"url(#inside)\" fill=\"none\" stroke-width=\"%1\" "
                        "stroke-linecap=\"round\" stroke-linejoin=\"round\">\n")
             .arg(num(s / 10));
  for (int i = 0; i < 3; ++i) {
    QStringList points;
    for (int k = 0; k <= kWaveSteps; ++k) {
      const QPointF pt = wavePoint(s, i, k);
      points << num(pt.x()) + u',' + num(pt.y());
    }
    svg += QStringLiteral("    <polyline stroke=\"%1\" points=\"%2\"/>\n")
               .arg(kWaveColours[i].name(), points.join(u' '));
  }
  svg += QStringLiteral("  </g>\n</svg>\n");
  return svg.toUtf8();
}
