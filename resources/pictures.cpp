#include "resources/pictures.h"

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

QIcon icon(QStringView name) {
  QIcon out;
  const QString base = name.toString().toLower();
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
