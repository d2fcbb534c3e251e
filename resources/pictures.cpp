#include "resources/pictures.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

namespace pictures {
namespace {

struct Entry {
  QString path;
  bool picture = false;
};

// Lower-case name -> resource path, read once from the compiled-in folder.
const QHash<QString, Entry> &catalog() {
  static const QHash<QString, Entry> table = [] {
    QHash<QString, Entry> out;
    QDirIterator it(QStringLiteral(":/pictures"), QDir::Files);
    while (it.hasNext()) {
      const QFileInfo info(it.next());
      out.insert(info.completeBaseName().toLower(),
                 {info.filePath(), info.suffix().compare(u"png", Qt::CaseInsensitive) == 0});
    }
    return out;
  }();
  return table;
}

const Entry *find(QStringView name) {
  const auto it = catalog().constFind(name.toString().toLower());
  return it == catalog().constEnd() ? nullptr : &*it;
}

} // namespace

QImage image(QStringView name) {
  const Entry *e = find(name);
  // Naming the format keeps Qt from loading every image plugin to probe it.
  return e && e->picture ? QImage(e->path, "PNG") : QImage();
}

QPixmap pixmap(QStringView name) {
  const QImage img = image(name);
  return img.isNull() ? QPixmap() : QPixmap::fromImage(img);
}

namespace {

QIcon loadIcon(const QString &base) {
  QIcon out;
  auto add = [&out](const QString &path) {
    out.addPixmap(QPixmap::fromImage(QImage(path, "PNG")));
  };
  if (const Entry *e = find(base); e && e->picture)
    add(e->path);
  static const QRegularExpression sizeSuffix(QStringLiteral("^_\\d+$"));
  QStringList variants;
  for (auto it = catalog().constBegin(); it != catalog().constEnd(); ++it)
    if (it->picture && it.key().startsWith(base) &&
        sizeSuffix.match(QStringView(it.key()).mid(base.size())).hasMatch())
      variants.append(it->path);
  variants.sort();
  for (const QString &path : variants)
    add(path);
  return out;
}

// Icons are kept once made: the blinking sets the same few icons every second,
// and a new icon each time would decode its pictures again and fill Qt's
// pixmap cache with copies.
QHash<QString, QIcon> &madeIcons() {
  static QHash<QString, QIcon> made;
  return made;
}

} // namespace

QIcon icon(QStringView name) {
  QHash<QString, QIcon> &made = madeIcons();
  if (made.isEmpty()) // pixmaps must go before the application does
    qAddPostRoutine([] { madeIcons().clear(); });
  const QString base = name.toString().toLower();
  auto it = made.constFind(base);
  if (it == made.constEnd())
    it = made.insert(base, loadIcon(base));
  return *it;
}

QByteArray data(QStringView name) {
  const Entry *e = find(name);
  if (!e)
    return {};
  QFile file(e->path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool exists(QStringView name) {
  const Entry *e = find(name);
  return e && e->picture;
}

QStringList names() {
  QStringList out;
  for (auto it = catalog().constBegin(); it != catalog().constEnd(); ++it)
    if (it->picture)
      out.append(it.key());
  out.sort();
  return out;
}

QByteArray logoOutline() {
  return data(u"logo_outline");
}

} // namespace pictures
