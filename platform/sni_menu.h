#pragma once
// A QMenu published over D-Bus as a menu that StatusNotifierItem hosts read and show
// themselves (com.canonical.dbusmenu): its items with their captions, separators and check
// marks; a click in the host triggers the item's action here. Item ids are the actions'
// positions in the menu, so they stay the same while the program runs.

#include "platform/sni_types.h"

#include <QDBusContext>
#include <QDBusVariant>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;

namespace platform::sni {

struct MenuEvent {
  int id = 0;
  QString eventId;
  QDBusVariant data;
  uint timestamp = 0;
};
using MenuEvents = QList<MenuEvent>;

class MenuExporter : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
  Q_PROPERTY(uint Version READ version)
  Q_PROPERTY(QString TextDirection READ textDirection)
  Q_PROPERTY(QString Status READ status)
  Q_PROPERTY(QStringList IconThemePath READ iconThemePath)
public:
  explicit MenuExporter(QMenu *menu, QObject *parent = nullptr);

  uint version() const { return 3; }
  QString textDirection() const { return QStringLiteral("ltr"); }
  QString status() const { return QStringLiteral("normal"); }
  QStringList iconThemePath() const { return {}; }

  // The layout from `parentId` down `depth` levels (-1: all), as a host asks for it.
  MenuLayout layout(int parentId, int depth) const;
  // The action behind an id; nullptr for the root and unknown ids.
  QAction *actionOf(int id) const;

public slots:
  uint GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames,
                 platform::sni::MenuLayout &layout);
  platform::sni::MenuItemPropertiesList GetGroupProperties(const QList<int> &ids,
                                                           const QStringList &propertyNames);
  // An item or property that does not exist is an error reply.
  QDBusVariant GetProperty(int id, const QString &name);
  void Event(int id, const QString &eventId, const QDBusVariant &data, uint timestamp);
  QList<int> EventGroup(const QList<platform::sni::MenuEvent> &events);
  bool AboutToShow(int id);
  QList<int> AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors);

signals:
  void LayoutUpdated(uint revision, int parent);

private:
  QVariantMap propertiesOf(int id) const;
  // A command runs once at a time: a click while one is on its way, or while a command or a
  // box of the program is open, is dropped; a caller on the bus cannot stack boxes.
  bool click(int id);
  void changed();

  QPointer<QMenu> menu_;
  uint revision_ = 1;
  bool updatePending_ = false;
};

} // namespace platform::sni

Q_DECLARE_METATYPE(platform::sni::MenuEvent)

QDBusArgument &operator<<(QDBusArgument &arg, const platform::sni::MenuEvent &value);
const QDBusArgument &operator>>(const QDBusArgument &arg, platform::sni::MenuEvent &value);
