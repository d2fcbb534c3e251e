#include "platform/sni_item.h"

#include "platform/sni_menu.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>

namespace platform::sni {

namespace {

const QString kItemPath = QStringLiteral("/StatusNotifierItem");
const QString kMenuPath = QStringLiteral("/MenuBar");

QDBusConnection connectionNamed(const QString &name) {
  return QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
}

} // namespace

Item::Item(const QString &id, const QString &title, QMenu *menu, int serial,
           std::function<void(TrayMouse)> onMouse, const QString &themePath, QObject *parent)
    : QObject(parent), id_(id), title_(title), themePath_(themePath),
      hostThemePath_(inSystemThemes(themePath) ? QString() : themePath),
      onMouse_(std::move(onMouse)), connectionName_(QStringLiteral("calvoro-sni-%1").arg(serial)),
      serviceName_(QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
                       .arg(QCoreApplication::applicationPid())
                       .arg(serial)),
      bus_(connectionNamed(connectionName_)) {
  registerTypes();
  if (menu) {
    menu_ = new MenuExporter(menu, this);
    bus_.registerObject(kMenuPath, menu_,
                        QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                            QDBusConnection::ExportAllProperties);
  }
  bus_.registerObject(kItemPath, this,
                      QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                          QDBusConnection::ExportAllProperties);
  bus_.registerService(serviceName_);
}

Item::~Item() {
  bus_.unregisterService(serviceName_);
  bus_.unregisterObject(kItemPath);
  bus_.unregisterObject(kMenuPath);
  QDBusConnection::disconnectFromBus(connectionName_);
}

void Item::registerWithWatcher(const std::function<void(bool)> &done) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
      QStringLiteral("org.kde.StatusNotifierWatcher"),
      QStringLiteral("RegisterStatusNotifierItem"));
  // By the connection's own name, the sender of the item's signals: a host then knows at once
  // which item changed, where for another name it asks the item for its id and the bus for
  // both names' owners, at every change (half the bytes a blink cost under the test's host).
  call << bus_.baseService();
  if (!bus_.isConnected()) {
    if (done)
      done(false);
    return;
  }
  auto *watch = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
  connect(watch, &QDBusPendingCallWatcher::finished, this, [watch, done] {
    watch->deleteLater();
    if (done)
      done(!watch->isError());
  });
}

QDBusObjectPath Item::menu() const {
  // Hosts treat this path as "no menu": they ask the program to show one itself.
  return QDBusObjectPath(menu_ ? kMenuPath : QStringLiteral("/NO_DBUSMENU"));
}

ToolTip Item::toolTip() const {
  return {QString(), {}, tip_, QString()};
}

void Item::setIcon(const QIcon &icon) {
  if (icon.cacheKey() == iconKey_)
    return;
  iconKey_ = icon.cacheKey();
  pixmaps_ = pixmapsOf(icon, itemPictureSize());
  // Looked up in the folder once per picture, not at every blink.
  const auto known = iconNames_.constFind(icon.name());
  iconName_ = known != iconNames_.cend()
                  ? *known
                  : *iconNames_.insert(icon.name(), themeIconName(themePath_, icon.name()));
  emit NewIcon();
}

void Item::setTip(const QString &tip) {
  if (tip == tip_)
    return;
  tip_ = tip;
  emit NewToolTip();
}

void Item::Activate(int, int) {
  onMouse_(TrayMouse::LeftUp);
}

void Item::SecondaryActivate(int, int) {
  onMouse_(TrayMouse::MiddleUp);
}

void Item::ContextMenu(int, int) {
  onMouse_(TrayMouse::RightUp);
}

void Item::Scroll(int, const QString &) {}

} // namespace platform::sni
