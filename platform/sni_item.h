#pragma once
// One icon as a StatusNotifierItem: its own connection to the session bus (so that hosts see
// each icon as a separate item), its picture, tooltip, stable id and title,
// and its menu exported for the host. Registers with the host's watcher, again whenever a
// watcher appears.
//
// A picture goes out both by name, from the hicolor theme (IconName, and IconThemePath when the
// program runs from where hosts do not look by themselves), and as pixels (IconPixmap), since
// hosts differ in what they read; hosts that read names need no pixels.

#include "platform/notify_area.h"
#include "platform/sni_types.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QHash>
#include <QObject>

#include <functional>

namespace platform::sni {

class MenuExporter;

class Item : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
  Q_PROPERTY(QString Category READ category)
  Q_PROPERTY(QString Id READ id)
  Q_PROPERTY(QString Title READ title)
  Q_PROPERTY(QString Status READ status)
  Q_PROPERTY(int WindowId READ windowId)
  Q_PROPERTY(QString IconThemePath READ iconThemePath)
  Q_PROPERTY(QDBusObjectPath Menu READ menu)
  Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
  Q_PROPERTY(QString IconName READ iconName)
  Q_PROPERTY(platform::sni::Pixmaps IconPixmap READ iconPixmap)
  Q_PROPERTY(QString OverlayIconName READ empty)
  Q_PROPERTY(platform::sni::Pixmaps OverlayIconPixmap READ noPixmaps)
  Q_PROPERTY(QString AttentionIconName READ empty)
  Q_PROPERTY(platform::sni::Pixmaps AttentionIconPixmap READ noPixmaps)
  Q_PROPERTY(QString AttentionMovieName READ empty)
  Q_PROPERTY(platform::sni::ToolTip ToolTip READ toolTip)
public:
  // `serial` tells this process's items apart on the bus; `onMouse` gets the host's clicks;
  // `themePath` holds the pictures as theme icons (trayThemePath()), empty for none.
  Item(const QString &id, const QString &title, QMenu *menu, int serial,
       std::function<void(TrayMouse)> onMouse, const QString &themePath = {},
       QObject *parent = nullptr);
  ~Item() override;

  // A picture other than the one shown is sent to hosts with one NewIcon; the same again
  // (a refresh that puts each icon back) sends nothing, nor does a tip set to its own text.
  void setIcon(const QIcon &icon);
  void setTip(const QString &tip);
  // Asks the watcher on the bus to show this item; `done` runs once it has answered, with
  // whether it took the item (false at once when there is no bus).
  void registerWithWatcher(const std::function<void(bool)> &done = {});
  QString serviceName() const { return serviceName_; }

  QString category() const { return QStringLiteral("ApplicationStatus"); }
  QString id() const { return id_; }
  QString title() const { return title_; }
  QString status() const { return QStringLiteral("Active"); }
  int windowId() const { return 0; }
  QString empty() const { return {}; }
  QDBusObjectPath menu() const;
  bool itemIsMenu() const { return false; }
  QString iconThemePath() const { return hostThemePath_; }
  QString iconName() const { return iconName_; }
  Pixmaps iconPixmap() const { return pixmaps_; }
  Pixmaps noPixmaps() const { return {}; }
  platform::sni::ToolTip toolTip() const;

public slots:
  void Activate(int x, int y);
  void SecondaryActivate(int x, int y);
  void ContextMenu(int x, int y);
  void Scroll(int delta, const QString &orientation);

signals:
  void NewTitle();
  void NewIcon();
  void NewAttentionIcon();
  void NewOverlayIcon();
  void NewToolTip();
  void NewStatus(const QString &status);

private:
  QString id_, title_, tip_;
  qint64 iconKey_ = 0; // the shown icon's cache key; 0 for none
  Pixmaps pixmaps_;
  QString themePath_, iconName_;
  QHash<QString, QString> iconNames_; // picture -> its name in the theme folder, or empty
  // The folder told to hosts: none when their themes look there anyway. Some hosts build an
  // icon theme anew for every picture looked up in a folder they are told (20 to 35 ms of
  // their time at each change of a blinking icon).
  QString hostThemePath_;
  std::function<void(TrayMouse)> onMouse_;
  QString connectionName_, serviceName_;
  QDBusConnection bus_;
  MenuExporter *menu_ = nullptr;
};

} // namespace platform::sni
