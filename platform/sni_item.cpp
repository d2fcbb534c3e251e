#include "platform/sni_item.h"

#include "platform/sni_menu.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QMetaProperty>

namespace platform::sni {

namespace {

// The item's properties on the bus, answered here rather than by Qt's own property export so
// that an answer can depend on who asks.
class PropertiesAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.DBus.Properties")
public:
  explicit PropertiesAdaptor(Item *item) : QDBusAbstractAdaptor(item), item_(item) {}

public slots:
  QDBusVariant Get(const QString &interface, const QString &name, const QDBusMessage &message) {
    const QMetaObject &meta = Item::staticMetaObject;
    if (!ours(interface) ||
        meta.indexOfProperty(name.toLatin1().constData()) < meta.propertyOffset()) {
      sendErrorReply(message, QStringLiteral("org.freedesktop.DBus.Error.UnknownProperty"),
                     QStringLiteral("No property %1 in %2").arg(name, interface));
      return {};
    }
    return QDBusVariant(item_->propertyFor(name, message.service(), true));
  }

  QVariantMap GetAll(const QString &interface, const QDBusMessage &message) {
    QVariantMap all;
    if (!ours(interface))
      return all;
    const QMetaObject &meta = Item::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
      const QString name = QString::fromLatin1(meta.property(i).name());
      all.insert(name, item_->propertyFor(name, message.service(), false));
    }
    return all;
  }

private:
  static bool ours(const QString &interface) {
    return interface.isEmpty() || interface == QLatin1String("org.kde.StatusNotifierItem");
  }
  void sendErrorReply(const QDBusMessage &message, const QString &error, const QString &text) {
    message.setDelayedReply(true);
    item_->bus().send(message.createErrorReply(error, text));
  }

  Item *item_;
};

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
  new PropertiesAdaptor(this);
  bus_.registerObject(kItemPath, this,
                      QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                          QDBusConnection::ExportAllProperties | QDBusConnection::ExportAdaptors);
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
  call << serviceName_;
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

QVariant Item::propertyFor(const QString &name, const QString &caller, bool alone) {
  if (alone && name == QLatin1String("IconThemePath"))
    themeReaders_.insert(caller);
  if (name == QLatin1String("IconPixmap") && !iconName_.isEmpty() && themeReaders_.contains(caller))
    return QVariant::fromValue(Pixmaps());
  return property(name.toLatin1().constData());
}

void Item::setIcon(const QIcon &icon) {
  if (icon.cacheKey() == iconKey_)
    return;
  iconKey_ = icon.cacheKey();
  pixmaps_ = pixmapsOf(icon, itemPictureSize());
  iconName_ = themeIconName(themePath_, icon.name());
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

#include "sni_item.moc"
