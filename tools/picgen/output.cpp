#include "output.h"

#include "core/region_data.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>

bool writePng(const QImage &image, const QString &path, QString *error) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImage clean = image;
  for (const QString &key : clean.textKeys())
    clean.setText(key, QString());
  QImageWriter writer(&buffer, "png");
  writer.setQuality(0); // for PNG: the strongest compression
  if (!writer.write(clean)) {
    *error = writer.errorString();
    return false;
  }
  return writeFile(bytes, path, error);
}

QByteArray logoOutline(const QImage &logo, QPoint offset) {
  const int w = logo.width(), h = logo.height();
  std::vector<bool> mask(size_t(w) * size_t(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      mask[size_t(y) * w + x] = (logo.pixel(x, y) & 0xffffff) != 0;
  std::vector<core::Rect> rects = core::rectsFromMask(mask, w, h);
  for (core::Rect &r : rects) {
    r.left += offset.x();
    r.right += offset.x();
    r.top += offset.y();
    r.bottom += offset.y();
  }
  const std::vector<uint8_t> stored = core::encodeStoredShape(core::encodeRegionData(rects));
  return QByteArray(reinterpret_cast<const char *>(stored.data()), qsizetype(stored.size()));
}

bool writeFile(const QByteArray &bytes, const QString &path, QString *error) {
  // Leave a file that already holds these bytes untouched.
  QFile existing(path);
  if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
    return true;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    *error = file.errorString();
    return false;
  }
  return true;
}
