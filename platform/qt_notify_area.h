#pragma once
// The notification area on QSystemTrayIcon: one QSystemTrayIcon per (owner, id).

#include "platform/notify_area_base.h"

#include <QObject>
#include <QSystemTrayIcon>

#include <memory>

class QAbstractNativeEventFilter;

namespace platform {

class QtNotifyArea : public NotifyAreaBase {
  Q_OBJECT
public:
  explicit QtNotifyArea(QObject *parent = nullptr);
  ~QtNotifyArea() override;

  bool hostPresent() const override;

  // The tray icon that stands for a record, or nullptr when it is not present.
  QSystemTrayIcon *trayIcon(const QObject *owner, unsigned id = 0) const;

  // How the tray's activation reasons reach the owner. On X11 a release over the icon comes as
  // Trigger (its press is held back), and the second press of a double click as DoubleClick.
  static bool mouseFor(QSystemTrayIcon::ActivationReason reason, TrayMouse *mouse);

private:
  QObject *createPresenter(const NotifyRecord &record,
                           std::function<void(TrayMouse)> clicked) override;
  void showIcon(QObject *presenter, const QIcon &icon) override;
  void showTip(QObject *presenter, const QString &tip) override;
  void presenterAdded(const NotifyKey &key, QObject *presenter) override;
  void retirePresenter(QObject *presenter) override;

  std::unique_ptr<QAbstractNativeEventFilter> trayManagerFilter_; // X only
  bool reembedPending_ = false;
};

} // namespace platform
