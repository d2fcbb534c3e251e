#pragma once
// The notification area ("tray"): icons are added, modified and removed as records that
// name their owner; mouse actions on an icon come back to the owner as posted events.

#include <QEvent>
#include <QIcon>
#include <QObject>
#include <QString>

#include <utility>

class QMenu;

namespace platform {

// Which parts of a record are meant.
enum NotifyFlag : unsigned { nifMessage = 1u, nifIcon = 2u, nifTip = 4u };

// Mouse actions the tray reports to an icon's owner.
enum class TrayMouse {
  Move,
  LeftDown,
  LeftUp,
  LeftDoubleClick,
  RightDown,
  RightUp,
  RightDoubleClick,
  MiddleDown,
  MiddleUp,
  MiddleDoubleClick,
};

struct NotifyRecord {
  QObject *owner = nullptr; // identifies the icon together with id; receives the callbacks
  unsigned id = 0;
  unsigned flags = 0; // NotifyFlag bits: which of the fields below count
  QEvent::Type callbackMessage = QEvent::None;
  QIcon icon;
  QString tip; // the tray keeps at most NotifyArea::kMaxTipLength characters
  // Taken when the icon is added: a stable name trays may list and remember the icon by,
  // and the menu a tray may show itself.
  QString name;
  QMenu *menu = nullptr;
};

// Which icon a record means: its owner and id.
using NotifyKey = std::pair<const QObject *, unsigned>;

// Posted to a record's owner, with the record's callback message as event type.
class NotifyCallbackEvent : public QEvent {
public:
  NotifyCallbackEvent(QEvent::Type type, unsigned id, TrayMouse mouse)
      : QEvent(type), id_(id), mouse_(mouse) {}
  unsigned id() const { return id_; }
  TrayMouse mouse() const { return mouse_; }

private:
  unsigned id_;
  TrayMouse mouse_;
};

class NotifyArea : public QObject {
  Q_OBJECT
public:
  static constexpr int kMaxTipLength = 63;

  explicit NotifyArea(QObject *parent = nullptr) : QObject(parent) {}
  // Each returns whether the tray took the request: adding an icon that is present, or
  // modifying or removing one that is not, fails.
  virtual bool add(const NotifyRecord &record) = 0;
  virtual bool modify(const NotifyRecord &record) = 0;
  virtual bool remove(const NotifyRecord &record) = 0;
  // Whether a tray is there to show the icons now. Icons added without one are kept and
  // appear when a tray does.
  virtual bool hostPresent() const { return true; }

signals:
  // A tray registered while the program runs: the icons show from then on.
  void hostAppeared();
};

// The tip as the tray keeps it.
QString trayTip(const QString &tip);

// Posts the callback of a record to its owner, when the record asked for callbacks.
void postTrayMouse(const NotifyRecord &record, TrayMouse mouse);

} // namespace platform
