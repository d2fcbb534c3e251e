// Frame textures and the date chooser's background.
#include "drawings.h"
#include "palette.h"

#include <QtMath>

namespace {

// Deterministic lattice noise in [0, 1), the same on every machine.
double lattice(int x, int y, unsigned seed) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xffffff) / double(0x1000000);
}

double smoothNoise(double x, double y, unsigned seed) {
  const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
  const double fx = x - x0, fy = y - y0;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double a = lattice(x0, y0, seed), b = lattice(x0 + 1, y0, seed),
               c = lattice(x0, y0 + 1, seed), d = lattice(x0 + 1, y0 + 1, seed);
  return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

double turbulence(double x, double y, unsigned seed) {
  double sum = 0, scale = 1;
  for (int octave = 0; octave < 3; ++octave) {
    sum += smoothNoise(x / scale, y / scale, seed + octave) * scale;
    scale *= 2;
  }
  return sum / 7.0;
}

QColor mix(QColor a, QColor b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                          float(a.greenF() + (b.greenF() - a.greenF()) * t),
                          float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// A green shading across one axis: dark at both edges, light in the middle.
QColor tube(double t) {
  const double light = std::sin(M_PI * std::clamp(t, 0.0, 1.0));
  return mix(QColor(0, 72, 0), QColor(150, 235, 130), std::pow(light, 1.4));
}

} // namespace

QImage marbledFrame(int width, int height, unsigned seed) {
  // Dark green marble: green with black veins and a few teal flecks. The
  // veins run along the longer side, as the strip is stretched that way.
  QImage img = pal::canvas(width, height, pal::green);
  const bool across = width >= height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const double along = across ? x : y, side = across ? y : x;
      // The strip is stretched many times along its length, so the pattern
      // changes slowly that way and carries its veins across.
      const double t =
          std::sin(side * 0.8 + along * 0.12 + 7.0 * turbulence(along * 0.35, side * 0.9, seed));
      QColor c = pal::green;
      if (std::abs(t) < 0.42)
        c = pal::black;
      else if (t > 0.97)
        c = pal::teal;
      img.setPixelColor(x, y, c);
    }
  return img;
}

QImage aboutFrameHorizontal() {
  QImage img = pal::canvas(20, 18);
  for (int y = 0; y < 18; ++y)
    for (int x = 0; x < 20; ++x)
      img.setPixelColor(x, y, tube((y + 0.5) / 18));
  return img;
}

QImage aboutFrameVertical() {
  QImage img = pal::canvas(15, 18);
  for (int y = 0; y < 18; ++y)
    for (int x = 0; x < 15; ++x)
      img.setPixelColor(x, y, tube((x + 0.5) / 15));
  return img;
}

QImage calendarBackground() {
  // Brightest in the middle, darker towards every edge.
  QImage img = pal::canvas(100, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 100; ++x) {
      const double dx = (x + 0.5 - 50) / 50, dy = (y + 0.5 - 15) / 15;
      const double d = std::min(1.0, std::sqrt(dx * dx + dy * dy) / std::sqrt(2.0));
      img.setPixelColor(x, y, mix(QColor(170, 245, 160), QColor(0, 96, 24), d * d * 0.6 + d * 0.4));
    }
  return img;
}
