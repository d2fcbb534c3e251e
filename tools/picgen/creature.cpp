// The About window's little dragon, in two frames: wings up and wings down.
// Drawn part by part, back to front, each part with a black edge.
#include "drawings.h"
#include "palette.h"
#include "pixels.h"

#include <QPainter>

namespace {

using px::polygon;

// A bat wing as a fan from the shoulder: three fingertips, the membrane
// scalloped between them. `up` raises it, otherwise it hangs down.
struct Wing {
  QPainterPath membrane;
  QPointF tips[3];
};

Wing wing(QPointF shoulder, bool up, double scale) {
  const double s = up ? -1 : 1;
  auto pt = [&](double dx, double dy) { return shoulder + QPointF(dx * scale, s * dy * scale); };
  Wing w;
  w.tips[0] = pt(-14, 29);
  w.tips[1] = pt(-29, 21);
  w.tips[2] = pt(-35, 7);
  w.membrane.moveTo(pt(4, 1));
  w.membrane.lineTo(w.tips[0]);
  w.membrane.quadTo(pt(-17, 16), pt(-25, 23));
  w.membrane.lineTo(w.tips[1]);
  w.membrane.quadTo(pt(-23, 10), pt(-33, 9));
  w.membrane.lineTo(w.tips[2]);
  w.membrane.quadTo(pt(-18, 4), pt(-6, -2));
  w.membrane.closeSubpath();
  return w;
}

void paintWing(QImage &img, const Wing &w, QPointF shoulder, QColor membrane, QColor bones) {
  px::shape(img, w.membrane, membrane, pal::black);
  QPainter p(&img);
  px::crisp(p);
  p.setPen(bones);
  for (const QPointF &tip : w.tips)
    p.drawLine(shoulder, shoulder + (tip - shoulder) * 0.9);
}

} // namespace

QImage creature(bool wingsRaised) {
  QImage img = pal::canvas(80, 62);
  const QPointF shoulder(38, wingsRaised ? 31 : 36);

  // Far wing, behind everything.
  const QPointF farShoulder = shoulder + QPointF(8, -1);
  paintWing(img, wing(farShoulder, wingsRaised, 0.8), farShoulder, pal::purple, pal::black);

  // Tail with a red spade at its end.
  QPainterPath tail;
  tail.moveTo(25, 40);
  tail.cubicTo(15, 48, 11, 38, 7, 33);
  tail.lineTo(9, 31);
  tail.cubicTo(13, 35, 16, 42, 25, 34);
  tail.closeSubpath();
  px::shape(img, tail, pal::green, pal::black);
  px::shape(img, polygon({{1, 27}, {11, 28}, {7, 37}}), pal::red, pal::black);

  // Feet, body and belly.
  px::shape(img, polygon({{30, 46}, {35, 46}, {37, 54}, {29, 54}}), pal::olive, pal::black);
  px::shape(img, polygon({{42, 46}, {47, 46}, {49, 54}, {41, 54}}), pal::olive, pal::black);
  QPainterPath body;
  body.addEllipse(QPointF(38, 39), 16, 11.5);
  px::shape(img, body, pal::green, pal::black);
  QPainterPath belly;
  belly.addEllipse(QPointF(41, 44), 10, 5.5);
  px::shape(img, belly.intersected(body), pal::yellow, pal::olive);

  // Neck, horns, head and snout.
  px::shape(img, polygon({{46, 33}, {54, 25}, {60, 32}, {52, 41}}), pal::green, pal::black);
  px::shape(img, polygon({{52, 20}, {54, 11}, {57, 20}}), pal::silver, pal::black);
  px::shape(img, polygon({{58, 20}, {62, 12}, {62, 22}}), pal::silver, pal::black);
  QPainterPath head, snout;
  head.addEllipse(QPointF(58, 27), 8.5, 7.5);
  snout.addEllipse(QPointF(67, 30), 7.5, 5.5);
  px::shape(img, head.united(snout), pal::lime, pal::black);
  // The lower half of the head in green, so it stands out from the body.
  for (int y = 31; y < 37; ++y)
    for (int x = 50; x < 76; ++x)
      if (img.pixelColor(x, y) == pal::lime && (y >= 33 || x < 53))
        img.setPixelColor(x, y, pal::green);

  // Eye, nostril and a smile.
  px::glyph(img, 56, 23, {".##.", "#oo#", "#o##", "#o##", ".##."}, pal::black, pal::white);
  px::set(img, 71, 29, pal::black);
  px::glyph(img, 64, 33, {"#....#", ".####."}, pal::black);

  // Near wing in front of the body.
  paintWing(img, wing(shoulder, wingsRaised, 1.0), shoulder, pal::fuchsia, pal::purple);
  return img;
}
