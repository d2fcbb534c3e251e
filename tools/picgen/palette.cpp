#include "palette.h"

namespace pal {

const QList<QRgb> &classic16() {
  static const QList<QRgb> table = {black.rgb(), maroon.rgb(),  green.rgb(), olive.rgb(),
                                    navy.rgb(),  purple.rgb(),  teal.rgb(),  silver.rgb(),
                                    gray.rgb(),  red.rgb(),     lime.rgb(),  yellow.rgb(),
                                    blue.rgb(),  fuchsia.rgb(), aqua.rgb(),  white.rgb()};
  return table;
}

QImage canvas(int width, int height, QColor fill) {
  QImage img(width, height, QImage::Format_ARGB32);
  img.fill(fill);
  return img;
}

namespace {

int nearest(QRgb c) {
  const QList<QRgb> &table = classic16();
  int best = 0;
  long bestDistance = -1;
  for (int i = 0; i < table.size(); ++i) {
    const long dr = qRed(c) - qRed(table[i]), dg = qGreen(c) - qGreen(table[i]),
               db = qBlue(c) - qBlue(table[i]);
    const long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
    if (bestDistance < 0 || d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return best;
}

} // namespace

QImage toPalette16(const QImage &drawing) {
  const QImage src = drawing.convertToFormat(QImage::Format_ARGB32);
  // First pass: which palette entries (and transparency) are used, in
  // palette order, so the colour table does not depend on pixel order.
  constexpr int kTransparent = 16;
  QList<int> index(qsizetype(src.width()) * src.height());
  bool used[17] = {};
  for (int y = 0; y < src.height(); ++y) {
    const QRgb *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
    for (int x = 0; x < src.width(); ++x) {
      const int i = qAlpha(line[x]) < 128 ? kTransparent : nearest(line[x]);
      index[y * src.width() + x] = i;
      used[i] = true;
    }
  }
  QList<QRgb> table;
  int slot[17];
  for (int i = 0; i < 17; ++i) {
    if (!used[i])
      continue;
    slot[i] = int(table.size());
    table.append(i == kTransparent ? qRgba(0, 0, 0, 0) : classic16()[i]);
  }
  QImage out(src.size(), QImage::Format_Indexed8);
  out.setColorTable(table);
  for (int y = 0; y < src.height(); ++y) {
    uchar *line = out.scanLine(y);
    for (int x = 0; x < src.width(); ++x)
      line[x] = uchar(slot[index[y * src.width() + x]]);
  }
  return out;
}

} // namespace pal
