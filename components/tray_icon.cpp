#include "components/tray_icon.h"

#include "platform/app_shell.h"
#include "platform/text_cut.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMetaMethod>

QIcon IconList::icon(int index) const {
  if (index < 0 || index >= count())
    return QIcon();
  return images_.at(index);
}

QEvent::Type TrayIcon::callbackMessage() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

QEvent::Type TrayIcon::resetToolTipMessage() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

TrayIcon::TrayIcon(QObject *AOwner, platform::NotifyArea *area) : QObject(AOwner), FArea(area) {
  callbackMessage();
  resetToolTipMessage();
  FTimer = new QTimer(this);
  FTimer->setObjectName(QStringLiteral("animationTimer"));
  FTimer->setInterval(FAnimateInterval);
  connect(FTimer, &QTimer::timeout, this, &TrayIcon::animateTick);
  connect(&platform::AppShell::instance(), &platform::AppShell::minimized, this,
          &TrayIcon::appMinimized);
}

TrayIcon::~TrayIcon() {
  if (FActive)
    removeIcon();
  FTimer->stop();
}

void TrayIcon::fillRecord(unsigned Parts) {
  FRecord.owner = this;
  FRecord.id = 0;
  FRecord.flags = 0;
  if (Parts & tpCallback) {
    FRecord.flags |= platform::nifMessage;
    FRecord.callbackMessage = callbackMessage();
  }
  if (Parts & tpIcon) {
    FRecord.flags |= platform::nifIcon;
    FRecord.icon = FIcon;
  }
  if (Parts & tpTip) {
    FRecord.flags |= platform::nifTip;
    FRecord.tip = FToolTip;
  }
}

bool TrayIcon::addIcon() {
  if (FIcon.isNull()) {
    FIcon = QGuiApplication::windowIcon();
    modifyIcon(tpIcon); // fails harmlessly while the icon is not in the tray yet
  }
  fillRecord(tpCallback | tpIcon | tpTip);
  FRecord.name = FName;
  FRecord.menu = FPopupMenu;
  const bool added = FArea && FArea->add(FRecord);
  // A tooltip (and icon) set right after adding, before the event loop runs, reaches the tray
  // when this reset arrives.
  if (FToolTip.isEmpty())
    QCoreApplication::postEvent(this, new QEvent(resetToolTipMessage()));
  return added;
}

bool TrayIcon::modifyIcon(unsigned Parts) {
  fillRecord(Parts);
  if (!FActive)
    return true;
  return FArea && FArea->modify(FRecord);
}

bool TrayIcon::removeIcon() {
  return FArea && FArea->remove(FRecord);
}

void TrayIcon::setActive(bool Value) {
  if (Value == FActive)
    return;
  FActive = Value;
  if (Value)
    addIcon();
  else
    removeIcon();
}

void TrayIcon::setShowDesigning(bool Value) {
  // Only a form designer shows the icon for this; at run time the value is just kept.
  FShowDesigning = Value;
}

void TrayIcon::setIcon(const QIcon &Value) {
  if (&Value != &FIcon)
    FIcon = Value;
  modifyIcon(tpIcon);
}

void TrayIcon::setToolTip(const QString &Value) {
  FToolTip = platform::leftWhole(Value, kMaxToolTipLength);
  modifyIcon(tpIcon | tpTip);
}

void TrayIcon::setAnimateInterval(int Value) {
  if (Value <= 0)
    return;
  FAnimateInterval = Value;
  FTimer->setInterval(Value);
}

void TrayIcon::setAnimate(bool Value) {
  if (Value) {
    if (FAnimate || !FImages || FImages->count() < 1 || !FActive)
      return;
    FSavedIcon = FIcon;
    FFrame = 0;
    FAnimate = true;
    FTimer->start();
  } else {
    FTimer->stop();
    // Only a running animation has an icon to put back; switching off an animation that is
    // not running leaves the icon alone.
    if (!FAnimate)
      return;
    FAnimate = false;
    setIcon(FSavedIcon);
  }
}

void TrayIcon::setImages(IconList *Value) {
  if (Value == FImages)
    return;
  disconnect(FImagesGone);
  FImages = Value;
  if (Value)
    FImagesGone = connect(Value, &QObject::destroyed, this, &TrayIcon::imagesDestroyed);
}

void TrayIcon::imagesDestroyed() {
  setAnimate(false);
  FImages = nullptr;
}

void TrayIcon::animateTick() {
  if (!FImages || FImages->count() < 1)
    return;
  if (FFrame >= FImages->count() - 1)
    FFrame = 0;
  else
    ++FFrame;
  const QIcon frame = FImages->icon(FFrame);
  setIcon(frame);
}

void TrayIcon::restoreApp() {
  if (!FActive)
    return;
  platform::AppShell::instance().restore();
  setActive(false);
}

void TrayIcon::appMinimized() {
  if (!FMinimizeApp || FActive)
    return;
  platform::AppShell &shell = platform::AppShell::instance();
  if (QWidget *main = shell.mainWindow())
    main->hide();
  else
    shell.setShowMainWindow(false);
  setActive(true);
}

void TrayIcon::handleTrayMouse(platform::TrayMouse Mouse) {
  switch (Mouse) {
  case platform::TrayMouse::LeftUp:
    emit clicked();
    break;
  case platform::TrayMouse::LeftDoubleClick:
    if (isSignalConnected(QMetaMethod::fromSignal(&TrayIcon::doubleClicked)))
      emit doubleClicked();
    else
      restoreApp();
    break;
  case platform::TrayMouse::MiddleUp:
    emit middleClicked();
    break;
  case platform::TrayMouse::RightUp: {
    const QPoint at = QCursor::pos();
    QPointer<TrayIcon> self(this);
    if (QMenu *menu = FPopupMenu)
      menu->exec(at);
    // The menu's commands may have released this component.
    if (!self)
      return;
    emit rightClicked(at);
    break;
  }
  default:
    break;
  }
}

bool TrayIcon::event(QEvent *e) {
  if (e->type() == resetToolTipMessage()) {
    setToolTip(FToolTip);
    return true;
  }
  if (e->type() == callbackMessage()) {
    handleTrayMouse(static_cast<platform::NotifyCallbackEvent *>(e)->mouse());
    return true;
  }
  return QObject::event(e);
}
