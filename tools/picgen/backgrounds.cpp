// Panel backgrounds. They are stretched under labels, gauges and edits, so
// they stay calm: broad bands with gently curved edges, nothing fine where
// text sits.
#include "drawings.h"
#include "palette.h"

#include <QPainter>
#include <QtMath>

namespace {

double wave(double x, double period, double amplitude, double phase) {
  return amplitude * std::sin(2 * M_PI * x / period + phase);
}

} // namespace

QImage powerBackground() {
  // Night blues: a black sky over navy, blue swells at the bottom and two
  // faint curves in between.
  QImage img = pal::canvas(320, 200);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 320; ++x) {
      const double cx = x + 0.5, cy = y + 0.5;
      QColor c = pal::navy;
      if (cy < 44 + wave(cx, 260, 6, 0.5))
        c = pal::black;
      else if (cy > 168 + wave(cx, 180, 7, 1.3) ||
               std::abs(cy - (108 + wave(cx, 150, 18, 0.0))) < 1.0 ||
               std::abs(cy - (132 + wave(cx, 210, 14, 2.2))) < 1.0)
        c = pal::blue;
      img.setPixelColor(x, y, c);
    }
  return img;
}

QImage setupBackground() {
  // Aqua above, where the captions and fields sit; teal and blue swells
  // below, behind the OK button.
  QImage img = pal::canvas(317, 220);
  for (int y = 0; y < 220; ++y)
    for (int x = 0; x < 317; ++x) {
      const double cx = x + 0.5, cy = y + 0.5;
      QColor c = pal::aqua;
      if (cy > 168 + wave(cx, 250, 9, 2.4))
        c = pal::blue;
      else if (cy > 140 + wave(cx, 290, 10, 1.4))
        c = pal::teal;
      else if (std::abs(cy - (58 + wave(cx, 330, 12, 0.2))) < 1.0)
        c = pal::white;
      img.setPixelColor(x, y, c);
    }
  return img;
}

QImage projectionBackground() {
  // Purple at the top behind the white caption, then navy and blue, teal at
  // the bottom; the bands meet along soft waves.
  QImage img = pal::canvas(320, 200);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 320; ++x) {
      const double cx = x + 0.5, cy = y + 0.5;
      QColor c;
      if (cy < 66 + wave(cx, 300, 8, 0.8))
        c = pal::purple;
      else if (cy < 116 + wave(cx, 240, 9, 2.0))
        c = pal::navy;
      else if (cy < 158 + wave(cx, 200, 8, 3.1))
        c = pal::blue;
      else
        c = pal::teal;
      img.setPixelColor(x, y, c);
    }
  return img;
}

QImage aboutBackground() {
  // Two pastel spirals, one the mirror image of the other, on cream.
  QImage img = pal::canvas(320, 200, QColor(252, 248, 240));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  const double turns = 2.6;
  const int steps = 520;
  for (int side = 0; side < 2; ++side) {
    const double mirror = side == 0 ? 1 : -1;
    const QPointF centre(side == 0 ? 98 : 222, 112);
    QPointF last;
    for (int i = 0; i <= steps; ++i) {
      const double t = double(i) / steps;
      const double angle = t * turns * 2 * M_PI;
      const double radius = 4 + 72 * t;
      const QPointF pt(centre.x() + mirror * radius * std::cos(angle),
                       centre.y() + radius * std::sin(angle));
      if (i > 0) {
        const QColor c = QColor::fromHsvF(float(std::fmod(0.55 + 0.9 * t, 1.0)), 0.42f, 1.0f);
        p.setPen(QPen(c, 4 + 12 * t, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(last, pt);
      }
      last = pt;
    }
  }
  return img;
}
