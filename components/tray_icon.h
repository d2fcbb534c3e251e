#pragma once
// TrayIcon: one icon in the notification area. Keeps its picture and tooltip current, turns
// the tray's mouse notifications into signals and a popup menu, can animate the icon from an
// image list, and can hide the application into the tray when it is minimised.

#include "platform/notify_area.h"

#include <QEvent>
#include <QIcon>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>

// A list of pictures, referenced by the components that show them.
class IconList : public QObject {
  Q_OBJECT
public:
  explicit IconList(QObject *AOwner = nullptr) : QObject(AOwner) {}

  int count() const { return static_cast<int>(images_.size()); }
  void add(const QIcon &icon) { images_.append(icon); }
  void clear() { images_.clear(); }
  // Picture `index` as an icon; an empty icon outside 0 .. count() - 1.
  QIcon icon(int index) const;

private:
  QList<QIcon> images_;
};

class TrayIcon : public QObject {
  Q_OBJECT
public:
  static constexpr int kMaxToolTipLength = 62;

  // Talks to `area`; with none, the icon is never shown.
  TrayIcon(QObject *AOwner, platform::NotifyArea *area);
  ~TrayIcon() override;

  bool isActive() const { return FActive; }
  void setActive(bool Value);
  bool isAnimated() const { return FAnimate; }
  void setAnimate(bool Value);
  int animateInterval() const { return FAnimateInterval; }
  void setAnimateInterval(int Value);
  bool showDesigning() const { return FShowDesigning; }
  void setShowDesigning(bool Value);
  const QIcon &icon() const { return FIcon; }
  void setIcon(const QIcon &Value);
  IconList *images() const { return FImages; }
  void setImages(IconList *Value);
  bool minimizeApp() const { return FMinimizeApp; }
  void setMinimizeApp(bool Value) { FMinimizeApp = Value; }
  const QString &toolTip() const { return FToolTip; }
  void setToolTip(const QString &Value);
  // A stable name trays may list and remember the icon by; taken when the icon is added.
  const QString &name() const { return FName; }
  void setName(const QString &Value) { FName = Value; }
  QMenu *popupMenu() const { return FPopupMenu; }
  void setPopupMenu(QMenu *Value) { FPopupMenu = Value; }

  // What a double click does while nothing is connected to doubleClicked(): brings a
  // minimised application back and takes the icon out of the tray.
  void restoreApp();
  // The application was minimised: with minimizeApp, it hides into the tray.
  void appMinimized();

  // The animation timer's tick: the next picture of images().
  void animateTick();

  // The posted events that stand for the tray's callback and the tooltip reset; the same
  // types for every instance.
  static QEvent::Type callbackMessage();
  static QEvent::Type resetToolTipMessage();

signals:
  void clicked();
  // A receiver takes the place of restoreApp().
  void doubleClicked();
  // A middle click, which every tray reports, also where a double click never arrives.
  void middleClicked();
  // After the popup menu has closed; `at` is the cursor position it opened at.
  void rightClicked(QPoint at);

protected:
  bool event(QEvent *e) override;

private:
  enum Part : unsigned {
    tpIcon = platform::nifIcon,
    tpTip = platform::nifTip,
    tpCallback = platform::nifMessage
  };
  void fillRecord(unsigned Parts);
  bool addIcon();
  bool modifyIcon(unsigned Parts);
  bool removeIcon();
  void handleTrayMouse(platform::TrayMouse Mouse);
  void imagesDestroyed();

  platform::NotifyArea *FArea;
  platform::NotifyRecord FRecord;

  bool FActive = false;
  bool FAnimate = false;
  int FAnimateInterval = 100;
  bool FShowDesigning = false;
  QIcon FIcon;
  QIcon FSavedIcon; // the icon shown before the animation started
  int FFrame = 0;
  QTimer *FTimer; // "animationTimer"
  QPointer<IconList> FImages;
  QMetaObject::Connection FImagesGone;
  bool FMinimizeApp = false;
  QString FToolTip;
  QString FName;
  QPointer<QMenu> FPopupMenu;
};
