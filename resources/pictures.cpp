#include "resources/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QResource>
#include <QSysInfo>

#include <png.h>

#include <limits>

namespace pictures {
namespace {

// The compiled-in file of a name with that extension ("png" pictures, "bin"
// data), looked up directly: listing the folder would cost about a
// millisecond at start.
QString resourcePath(QStringView name, QStringView extension) {
  if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\'))
    return {};
  const QString path =
      QStringLiteral(":/pictures/") + name.toString().toLower() + u'.' + extension.toString();
  return QResource(path).isValid() ? path : QString();
}

QString picturePath(QStringView name) {
  return resourcePath(name, u"png");
}

// The sizes pictures are drawn at besides their own, as name_16 ... name_256.
constexpr int kDrawnSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Decoded with libpng, the library Qt's own PNG reader uses: going through
// QImageReader would load every image-format plugin to ask it about PNG first.
QImage decodePng(const QString &path) {
  const QByteArray bytes = QResource(path).uncompressedData();
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, bytes.constData(), size_t(bytes.size())))
    return {};
  // QImage::Format_ARGB32 is one 32-bit word per pixel: B, G, R, A in memory
  // on a little-endian machine.
  png.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
  QImage out(int(png.width), int(png.height), QImage::Format_ARGB32);
  if (out.isNull() ||
      !png_image_finish_read(&png, nullptr, out.bits(), png_int_32(out.bytesPerLine()), nullptr)) {
    png_image_free(&png);
    return {};
  }
  return out;
}

QSize pngSize(const QString &path) {
  const QByteArray bytes = QResource(path).uncompressedData();
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, bytes.constData(), size_t(bytes.size())))
    return {};
  const QSize size(int(png.width), int(png.height));
  png_image_free(&png);
  return size;
}

// An icon whose pictures are decoded one size at a time, when a size is first
// asked for: a tray asks for one of the six sizes each picture carries.
class PictureIconEngine : public QIconEngine {
public:
  explicit PictureIconEngine(const QString &name) : name_(name) {}

  void addPicture(const QString &path) {
    if (const QSize size = pngSize(path); !size.isEmpty())
      pictures_.append({size, path, {}});
  }

  QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
    Picture *best = bestFor(size);
    if (!best)
      return {};
    if (best->pixmap.isNull())
      best->pixmap = QPixmap::fromImage(decodePng(best->path));
    QPixmap out = best->pixmap;
    // Never larger than asked for, as Qt's own icons.
    if (out.width() > size.width() || out.height() > size.height())
      out = out.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (mode != QIcon::Normal) // the style's disabled or selected look
      out = QIcon(out).pixmap(out.size(), mode, state);
    return out;
  }

  // `size` is in device pixels already; QIcon sets the pixel ratio.
  QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal) override {
    return pixmap(size, mode, state);
  }

  void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap shown = pixmap((QSizeF(rect.size()) * scale).toSize(), mode, state);
    shown.setDevicePixelRatio(scale);
    QRect target(QPoint(), shown.deviceIndependentSize().toSize());
    target.moveCenter(rect.center());
    painter->drawPixmap(target, shown);
  }

  QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override {
    const Picture *best = bestFor(size);
    return best ? best->size.scaled(best->size.boundedTo(size), Qt::KeepAspectRatio) : QSize();
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> out;
    for (const Picture &p : pictures_)
      out.append(p.size);
    return out;
  }

  bool isNull() override { return pictures_.isEmpty(); }
  QString iconName() override { return name_; }
  QString key() const override { return QStringLiteral("calvoro-picture"); }
  QIconEngine *clone() const override { return new PictureIconEngine(*this); }

private:
  struct Picture {
    QSize size;
    QString path;
    QPixmap pixmap; // null until first asked for
  };

  // The smallest picture at least as large as asked for, else the largest.
  Picture *bestFor(const QSize &size) {
    Picture *best = nullptr;
    for (Picture &p : pictures_) {
      const bool covers = p.size.width() >= size.width() && p.size.height() >= size.height();
      const bool bestCovers =
          best && best->size.width() >= size.width() && best->size.height() >= size.height();
      const qint64 area = qint64(p.size.width()) * p.size.height();
      const qint64 bestArea = best ? qint64(best->size.width()) * best->size.height() : 0;
      if (!best || (covers && (!bestCovers || area < bestArea)) ||
          (!covers && !bestCovers && area > bestArea))
        best = &p;
    }
    return best;
  }

  QString name_;
  QList<Picture> pictures_;
};

} // namespace

QImage image(QStringView name) {
  const QString path = picturePath(name);
  return path.isEmpty() ? QImage() : decodePng(path);
}

QPixmap pixmap(QStringView name) {
  const QImage img = image(name);
  return img.isNull() ? QPixmap() : QPixmap::fromImage(img);
}

namespace {

// The picture `base` and its size variants up to `largest` pixels.
QIcon loadIcon(const QString &base, int largest) {
  auto *engine = new PictureIconEngine(base);
  if (const QString path = picturePath(base); !path.isEmpty())
    engine->addPicture(path);
  for (int size : kDrawnSizes)
    if (size <= largest)
      if (const QString path = picturePath(base + u'_' + QString::number(size)); !path.isEmpty())
        engine->addPicture(path);
  if (engine->isNull()) {
    delete engine;
    return {};
  }
  return QIcon(engine);
}

// Icons are kept once made: the blinking sets the same few icons every second,
// and a new icon each time would decode its pictures again and fill Qt's
// pixmap cache with copies.
QHash<QString, QIcon> &madeIcons() {
  static QHash<QString, QIcon> made;
  return made;
}

QIcon madeIcon(const QString &base, int largest) {
  QHash<QString, QIcon> &made = madeIcons();
  if (made.isEmpty()) // pixmaps must go before the application does
    qAddPostRoutine([] { madeIcons().clear(); });
  const QString key = base + u'<' + QString::number(largest);
  auto it = made.constFind(key);
  if (it == made.constEnd())
    it = made.insert(key, loadIcon(base, largest));
  return *it;
}

} // namespace

QIcon icon(QStringView name) {
  return madeIcon(name.toString().toLower(), std::numeric_limits<int>::max());
}

QIcon windowIcon() {
  // The sizes window lists and title bars use; the larger ones reach docks and
  // launchers from the installed theme icons, through the launcher file.
  return madeIcon(QStringLiteral("calvoro"), 64);
}

QByteArray data(QStringView name) {
  QString path = picturePath(name);
  if (path.isEmpty())
    path = resourcePath(name, u"bin");
  if (path.isEmpty())
    return {};
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool exists(QStringView name) {
  return !picturePath(name).isEmpty();
}

QStringList names() {
  QStringList out;
  for (const QString &file :
       QDir(QStringLiteral(":/pictures")).entryList({QStringLiteral("*.png")}))
    out.append(file.chopped(4));
  return out;
}

QByteArray logoOutline() {
  return data(u"logo_outline");
}

} // namespace pictures
