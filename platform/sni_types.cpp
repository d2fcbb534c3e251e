#include "platform/sni_types.h"

#include <QCoreApplication>
#include <QDBusMetaType>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QStandardPaths>
#include <QtEndian>

#include <algorithm>

namespace platform::sni {

namespace {

Pixmap pixmapOf(const QImage &source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  Pixmap p;
  p.width = image.width();
  p.height = image.height();
  p.argb.resize(qsizetype(p.width) * p.height * 4);
  auto *out = reinterpret_cast<quint32 *>(p.argb.data());
  for (int y = 0; y < p.height; ++y) {
    const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
    for (int x = 0; x < p.width; ++x)
      *out++ = qToBigEndian(line[x]);
  }
  return p;
}

} // namespace

int itemPictureSize() {
  const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  return qRound(22 * std::max(ratio, 1.0));
}

QString trayThemePath() {
  const QDir programDir(QCoreApplication::applicationDirPath());
  for (const QString &dir :
       {QStringLiteral("share/icons"), QStringLiteral(CALVORO_TRAY_THEME_DIR)}) {
    const QString path = programDir.filePath(dir);
    if (!themeIconName(path, QStringLiteral("happy")).isEmpty())
      return QFileInfo(path).canonicalFilePath();
  }
  return {};
}

bool inSystemThemes(const QString &themePath) {
  const QString theme = QFileInfo(themePath).canonicalFilePath();
  if (theme.isEmpty())
    return false;
  const QStringList dataDirs =
      QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
  return std::any_of(dataDirs.begin(), dataDirs.end(), [&theme](const QString &dir) {
    return QFileInfo(dir + QStringLiteral("/icons")).canonicalFilePath() == theme;
  });
}

QString themeIconName(const QString &themePath, const QString &picture) {
  if (themePath.isEmpty() || picture.isEmpty())
    return {};
  // Every size is installed; the one a host is likeliest to ask for stands for them.
  const QString name = QStringLiteral("calvoro-") + picture;
  const QString file = QStringLiteral("%1/hicolor/22x22/apps/%2.png").arg(themePath, name);
  return QFileInfo::exists(file) ? name : QString();
}

Pixmaps pixmapsOf(const QIcon &icon, int size) {
  if (icon.isNull())
    return {};
  // pixmap() takes device-independent pixels and would double them on a scaled screen.
  QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
  if (image.isNull())
    return {};
  return {pixmapOf(image)};
}

void registerTypes() {
  static const bool done = [] {
    qDBusRegisterMetaType<Pixmap>();
    qDBusRegisterMetaType<Pixmaps>();
    qDBusRegisterMetaType<ToolTip>();
    qDBusRegisterMetaType<MenuLayout>();
    qDBusRegisterMetaType<MenuItemProperties>();
    qDBusRegisterMetaType<MenuItemPropertiesList>();
    return true;
  }();
  (void)done;
}

} // namespace platform::sni

using namespace platform::sni;

QDBusArgument &operator<<(QDBusArgument &arg, const Pixmap &value) {
  arg.beginStructure();
  arg << value.width << value.height << value.argb;
  arg.endStructure();
  return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, Pixmap &value) {
  arg.beginStructure();
  arg >> value.width >> value.height >> value.argb;
  arg.endStructure();
  return arg;
}

QDBusArgument &operator<<(QDBusArgument &arg, const ToolTip &value) {
  arg.beginStructure();
  arg << value.iconName << value.pixmaps << value.title << value.text;
  arg.endStructure();
  return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, ToolTip &value) {
  arg.beginStructure();
  arg >> value.iconName >> value.pixmaps >> value.title >> value.text;
  arg.endStructure();
  return arg;
}

QDBusArgument &operator<<(QDBusArgument &arg, const MenuLayout &value) {
  arg.beginStructure();
  arg << value.id << value.properties;
  arg.beginArray(qMetaTypeId<QDBusVariant>());
  for (const MenuLayout &child : value.children)
    arg << QDBusVariant(QVariant::fromValue(child));
  arg.endArray();
  arg.endStructure();
  return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, MenuLayout &value) {
  arg.beginStructure();
  arg >> value.id >> value.properties;
  arg.beginArray();
  value.children.clear();
  while (!arg.atEnd()) {
    QDBusVariant child;
    arg >> child;
    value.children.append(qdbus_cast<MenuLayout>(child.variant()));
  }
  arg.endArray();
  arg.endStructure();
  return arg;
}

QDBusArgument &operator<<(QDBusArgument &arg, const MenuItemProperties &value) {
  arg.beginStructure();
  arg << value.id << value.properties;
  arg.endStructure();
  return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, MenuItemProperties &value) {
  arg.beginStructure();
  arg >> value.id >> value.properties;
  arg.endStructure();
  return arg;
}
