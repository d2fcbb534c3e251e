// The splash logo: a waving navy banner crossed by the three cycle curves,
// on black. Black is kept out of the banner, so the window outline is simply
// the picture's non-black pixels.
#include "drawings.h"
#include "palette.h"
#include "pixels.h"

#include <QPainter>
#include <QtMath>

namespace {

constexpr int kWidth = 241, kHeight = 127;
constexpr double kLeft = 16, kRight = 225;

double wave(double x) {
  return 6.5 * std::sin(2 * M_PI * (x - kLeft) / 140.0);
}

QPainterPath banner(double inset) {
  QPainterPath path;
  const double top = 14 + inset, bottom = 112 - inset;
  const double l = kLeft + inset, r = kRight - inset;
  path.moveTo(l, top + wave(l));
  for (double x = l; x <= r; x += 1)
    path.lineTo(x, top + wave(x));
  path.lineTo(r, top + wave(r));
  path.lineTo(r, bottom + wave(r));
  for (double x = r; x >= l; x -= 1)
    path.lineTo(x, bottom + wave(x));
  path.lineTo(l, bottom + wave(l));
  path.closeSubpath();
  return path;
}

QPainterPath curve(double periods, double phase, double midY, double amplitude) {
  QPainterPath path;
  const double from = 5, to = kWidth - 6;
  for (double x = from; x <= to; x += 0.5) {
    const double t = (x - from) / (to - from);
    const QPointF pt(x, midY - amplitude * std::sin(2 * M_PI * periods * t + phase));
    if (x == from)
      path.moveTo(pt);
    else
      path.lineTo(pt);
  }
  return path;
}

QFont font(const QString &family, int pixels, bool bold, bool italic) {
  QFont f(family);
  f.setPixelSize(pixels);
  f.setBold(bold);
  f.setItalic(italic);
  f.setStyleStrategy(QFont::NoAntialias);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

} // namespace

QImage logoPicture() {
  QImage img = pal::canvas(kWidth, kHeight, pal::black);
  QPainter p(&img);
  px::crisp(p);

  // The banner with a blue border and an aqua rim.
  p.setPen(Qt::NoPen);
  p.setBrush(pal::aqua);
  p.drawPath(banner(0));
  p.setBrush(pal::blue);
  p.drawPath(banner(1.5));
  p.setBrush(pal::navy);
  p.drawPath(banner(4.5));

  // The three curves run through the banner and out of it on both sides.
  struct Curve {
    QColor colour, shade;
    double periods, phase;
  };
  const Curve curves[] = {{pal::red, pal::maroon, 1.6, 0.3},
                          {pal::yellow, pal::olive, 1.25, 2.4},
                          {pal::lime, pal::green, 2.05, 4.3}};
  for (const Curve &c : curves) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.shade, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(curve(c.periods, c.phase, 79, 14).translated(0.8, 0.8));
    p.setPen(QPen(c.colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(curve(c.periods, c.phase, 79, 14));
  }

  // The name, with a purple shadow (never black, which would cut the outline).
  const QFont title = font(QStringLiteral("P052"), 50, true, true);
  p.setFont(title);
  const QRect titleBox(kLeft, 14, kRight - kLeft, 56);
  p.setPen(pal::purple);
  p.drawText(titleBox.translated(2, 2), Qt::AlignCenter, QStringLiteral("Calvoro"));
  p.setPen(pal::yellow);
  p.drawText(titleBox, Qt::AlignCenter, QStringLiteral("Calvoro"));

  // The maker on a white plate below the curves.
  const QFont maker = font(QStringLiteral("Liberation Sans"), 13, true, false);
  p.setFont(maker);
  const QRect makerBox(kLeft, 91, kRight - kLeft, 16);
  p.setPen(pal::white);
  p.drawText(makerBox, Qt::AlignCenter, QStringLiteral("KALDO Prototyping"));
  p.end();
  return img;
}
