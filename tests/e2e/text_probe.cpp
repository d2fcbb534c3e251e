// Reads a text off a screenshot for the end-to-end tests: draws the expected text with Qt in the
// font the program uses, on this display, and looks for it in a rectangle of the screenshot.
//
//   text_probe SHOT X Y W H FONT TEXT
//
// FONT is "tooltip" (the tooltips' font) or FAMILY:HEIGHT as the program names its fonts
// ("Arial:-16"). Dark text on a light ground is compared as ink: on screen a pixel darker than
// half its ground, in the drawing a pixel at least three quarters covered. Prints how many
// pixels of the rectangle differ where the text fits best; exits 0 when at most 0.5 % of the
// text's ink does (a wrong digit makes 10 or more), 1 when more, 2 on bad input.

#include "platform/fonts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <vector>

namespace {

struct Ink {
  int width = 0, height = 0;
  std::vector<bool> dark;
  bool at(int x, int y) const { return dark[size_t(y) * size_t(width) + size_t(x)]; }
};

// Ink on screen: darker than half the most frequent colour, the ground.
Ink inkOf(const QImage &image) {
  QHash<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      ++counts[image.pixel(x, y)];
  QRgb ground = 0;
  int most = -1;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (it.value() > most)
      most = it.value(), ground = it.key();
  Ink ink{image.width(), image.height(), {}};
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      ink.dark.push_back(qGray(image.pixel(x, y)) * 2 < qGray(ground));
  return ink;
}

} // namespace

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  if (argc != 8) {
    std::fprintf(stderr, "usage: text_probe SHOT X Y W H FONT TEXT\n");
    return 2;
  }
  const QImage shot(QString::fromLocal8Bit(argv[1]));
  const QRect area(atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5]));
  if (shot.isNull() || !shot.rect().contains(area)) {
    std::fprintf(stderr, "text_probe: no such rectangle in %s\n", argv[1]);
    return 2;
  }
  const QString fontName = QString::fromUtf8(argv[6]), text = QString::fromUtf8(argv[7]);
  platform::installFontSubstitutions();
  const QFont font =
      fontName == QLatin1String("tooltip")
          ? QToolTip::font()
          : platform::font(fontName.section(':', 0, 0), fontName.section(':', 1).toInt());

  const Ink got = inkOf(shot.copy(area).convertToFormat(QImage::Format_RGB32));
  const int gotTotal = int(std::count(got.dark.begin(), got.dark.end(), true));
  const QFontMetrics metrics(font);
  int best = INT_MAX, inkTotal = 0;
  // A centred text starts between pixels: each 64th of a pixel is tried.
  for (int step = 0; step < 64; ++step) {
    QImage drawn(metrics.horizontalAdvance(text) + 5, metrics.height() + 4, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
      QPainter painter(&drawn);
      painter.setFont(font);
      painter.setPen(Qt::black);
      painter.drawText(QPointF(2 + step / 64.0, 2 + metrics.ascent()), text);
    }
    // The text's ink and the pixels its edges only half cover, which either side may count as
    // ink, as points relative to its box.
    std::vector<QPoint> ink, edge;
    QRect box;
    for (int y = 0; y < drawn.height(); ++y)
      for (int x = 0; x < drawn.width(); ++x) {
        const int gray = qGray(drawn.pixel(x, y));
        if (gray > 192)
          continue;
        (gray < 64 ? ink : edge).emplace_back(x, y);
        box |= QRect(x, y, 1, 1);
      }
    // Where the text's box fits in the rectangle: differing pixels are ink on screen outside
    // the text and the text's ink missing on screen.
    for (int dy = -box.top(); dy + box.bottom() < got.height; ++dy)
      for (int dx = -box.left(); dx + box.right() < got.width; ++dx) {
        int inkShown = 0, edgeShown = 0;
        for (const QPoint &p : ink)
          inkShown += got.at(p.x() + dx, p.y() + dy) ? 1 : 0;
        for (const QPoint &p : edge)
          edgeShown += got.at(p.x() + dx, p.y() + dy) ? 1 : 0;
        const int differ = gotTotal - inkShown - edgeShown + int(ink.size()) - inkShown;
        if (differ < best)
          best = differ, inkTotal = int(ink.size());
      }
  }
  std::printf("%d of %d\n", best, inkTotal);
  return inkTotal == 0 || best > inkTotal / 200 ? 1 : 0;
}
