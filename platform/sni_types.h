#pragma once
// The values StatusNotifierItem hosts and menu readers exchange over D-Bus, with their
// marshalling: pictures as ARGB32 in network byte order, tooltips, and menu layouts.

#include <QDBusArgument>
#include <QIcon>
#include <QList>
#include <QString>
#include <QVariantMap>

namespace platform::sni {

struct Pixmap {
  int width = 0;
  int height = 0;
  QByteArray argb; // ARGB32, big-endian
};
using Pixmaps = QList<Pixmap>;

struct ToolTip {
  QString iconName;
  Pixmaps pixmaps;
  QString title;
  QString text;
};

// One menu entry and, to the depth asked, its children.
struct MenuLayout {
  int id = 0;
  QVariantMap properties;
  QList<MenuLayout> children;
};

struct MenuItemProperties {
  int id = 0;
  QVariantMap properties;
};
using MenuItemPropertiesList = QList<MenuItemProperties>;

// The size of the one picture an item sends: hosts fetch the picture again at every change
// (twice a second for each blinking icon), so one picture at the usual panel size, in device
// pixels, and the host scales it to its own.
int itemPictureSize();

// The folder that holds the tray pictures as icons of the hicolor theme, for hosts that look
// an item's picture up by name: beside the program in the build tree, the system's icons folder
// once installed; empty when neither has them.
QString trayThemePath();

// Whether hosts' icon themes look in `themePath` by themselves: it is the icons folder of one of
// the session's data folders (XDG_DATA_HOME, XDG_DATA_DIRS), as an installed program's is.
bool inSystemThemes(const QString &themePath);

// The name hosts find the picture `picture` (a name of resources/pictures.h) by under
// `themePath`; empty when it is not there.
QString themeIconName(const QString &themePath, const QString &picture);

// The icon at `size` pixels; nothing for an empty icon.
Pixmaps pixmapsOf(const QIcon &icon, int size);

// Registers the types with Qt's D-Bus type system; safe to call more than once.
void registerTypes();

} // namespace platform::sni

Q_DECLARE_METATYPE(platform::sni::Pixmap)
Q_DECLARE_METATYPE(platform::sni::ToolTip)
Q_DECLARE_METATYPE(platform::sni::MenuLayout)
Q_DECLARE_METATYPE(platform::sni::MenuItemProperties)

QDBusArgument &operator<<(QDBusArgument &arg, const platform::sni::Pixmap &value);
const QDBusArgument &operator>>(const QDBusArgument &arg, platform::sni::Pixmap &value);
QDBusArgument &operator<<(QDBusArgument &arg, const platform::sni::ToolTip &value);
const QDBusArgument &operator>>(const QDBusArgument &arg, platform::sni::ToolTip &value);
QDBusArgument &operator<<(QDBusArgument &arg, const platform::sni::MenuLayout &value);
const QDBusArgument &operator>>(const QDBusArgument &arg, platform::sni::MenuLayout &value);
QDBusArgument &operator<<(QDBusArgument &arg, const platform::sni::MenuItemProperties &value);
const QDBusArgument &operator>>(const QDBusArgument &arg, platform::sni::MenuItemProperties &value);
