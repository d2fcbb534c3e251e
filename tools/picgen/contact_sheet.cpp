#include "contact_sheet.h"

#include <QPainter>

namespace {

constexpr int kSheetWidth = 1500, kGap = 10, kLabel = 14;

QImage enlarged(const QImage &img, int factor) {
  return img.convertToFormat(QImage::Format_ARGB32)
      .scaled(img.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void checker(QPainter &p, const QRect &r) {
  p.save();
  p.setClipRect(r);
  for (int y = r.top(); y <= r.bottom(); y += 4)
    for (int x = r.left(); x <= r.right(); x += 4)
      p.fillRect(x, y, 4, 4,
                 ((x - r.left()) / 4 + (y - r.top()) / 4) % 2 ? QColor(200, 200, 200)
                                                              : QColor(235, 235, 235));
  p.restore();
}

struct Cell {
  QString label;
  QList<QImage> images;
};

// Lays cells out left to right, wrapping; returns the height used.
int layout(QPainter *p, const QList<Cell> &cells, int top) {
  int x = kGap, y = top, rowHeight = 0;
  for (const Cell &cell : cells) {
    int w = 0, h = 0;
    for (const QImage &img : cell.images) {
      w += img.width() + 4;
      h = std::max(h, img.height());
    }
    w = std::max(
        w - 4, QFontMetrics(QFont(QStringLiteral("DejaVu Sans"), 7)).horizontalAdvance(cell.label));
    if (x + w > kSheetWidth - kGap && x > kGap) {
      x = kGap;
      y += rowHeight + kLabel + kGap;
      rowHeight = 0;
    }
    if (p) {
      int ix = x;
      for (const QImage &img : cell.images) {
        const QRect r(ix, y, img.width(), img.height());
        checker(*p, r);
        p->drawImage(r.topLeft(), img);
        ix += img.width() + 4;
      }
      p->setPen(Qt::black);
      p->drawText(QRect(x, y + h + 1, w + 40, kLabel), Qt::AlignLeft | Qt::AlignTop, cell.label);
    }
    x += w + kGap * 2;
    rowHeight = std::max(rowHeight, h);
  }
  return y + rowHeight + kLabel + kGap - top;
}

QImage strip(const QList<QImage> &icons, QColor ground, int factor) {
  QImage out(int(icons.size()) * 18 * factor, 18 * factor, QImage::Format_ARGB32);
  out.fill(ground);
  QPainter p(&out);
  for (int i = 0; i < icons.size(); ++i)
    p.drawImage(QPoint((i * 18 + 1) * factor, factor), enlarged(icons[i], factor));
  return out;
}

} // namespace

QImage contactSheet(const QList<Picture> &pictures, const QString &filter) {
  QList<Cell> cells;
  for (const Picture &pic : pictures) {
    if (!pic.name.startsWith(filter))
      continue;
    const QImage &img = pic.image;
    const int factor = std::max(img.width(), img.height()) <= 64 ? 4 : 2;
    Cell cell{QStringLiteral("%1 %2x%3%4")
                  .arg(pic.name)
                  .arg(img.width())
                  .arg(img.height())
                  .arg(pic.sixteenColours ? QStringLiteral(" 16c") : QString()),
              {img.convertToFormat(QImage::Format_ARGB32)}};
    if (img.width() < 256)
      cell.images.append(enlarged(img, factor));
    cells.append(cell);
  }
  // The level icons as a 16-pixel tray shows them.
  const QStringList cycles = {QStringLiteral("emotio"), QStringLiteral("intel"),
                              QStringLiteral("physiq")};
  for (const QString &cycle : cycles) {
    if (!filter.isEmpty() && !cycle.startsWith(filter))
      continue;
    QList<QImage> small;
    for (int step = 0; step <= 10; ++step)
      for (const Picture &pic : pictures)
        if (pic.name == cycle + QString::number(step))
          small.append(pic.image.convertToFormat(QImage::Format_ARGB32)
                           .scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    if (small.isEmpty())
      continue;
    const QColor light(220, 220, 220), dark(40, 40, 48);
    cells.append({cycle + QStringLiteral(" 0-10 at 16x16, light and dark tray"),
                  {strip(small, light, 1), strip(small, dark, 1)}});
    cells.append({cycle + QStringLiteral(" at 16x16, light, 4x"), {strip(small, light, 4)}});
    cells.append({cycle + QStringLiteral(" at 16x16, dark, 4x"), {strip(small, dark, 4)}});
  }

  const int height = layout(nullptr, cells, kGap) + kGap * 2;
  QImage sheet(kSheetWidth, height, QImage::Format_ARGB32);
  sheet.fill(QColor(250, 250, 250));
  QPainter p(&sheet);
  p.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
  layout(&p, cells, kGap);
  return sheet;
}
