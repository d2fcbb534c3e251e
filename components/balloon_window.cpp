#include "components/balloon_window.h"

#include "platform/colors.h"
#include "platform/region.h"
#include "platform/system_fonts.h"
#include "platform/text_cut.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

QPointer<BalloonWindow> &shown() {
  static QPointer<BalloonWindow> window;
  return window;
}

} // namespace

// The one application event filter of the balloons, installed while one is
// shown: a click, a key or the wheel anywhere cancels the balloon, as plain
// hints go. Without regions it also stands in for the message hook: with
// bbHideOnPaint a repaint of another window under the balloon cancels it,
// since the balloon then shows a stale picture of the screen.
class BalloonHook : public QObject {
public:
  using QObject::QObject;

  static BalloonHook &instance() {
    static QPointer<BalloonHook> hook;
    if (!hook)
      hook = new BalloonHook(qApp);
    return *hook;
  }
  void install() {
    if (installed_)
      return;
    qApp->installEventFilter(this);
    installed_ = true;
  }
  void remove() {
    if (!installed_)
      return;
    qApp->removeEventFilter(this);
    installed_ = false;
  }
  bool installed() const { return installed_; }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    BalloonWindow *balloon = shown();
    if (!balloon)
      return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick: {
      const auto button = static_cast<QMouseEvent *>(event)->button();
      if (button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton)
        balloon->cancelHint();
      break;
    }
    case QEvent::KeyPress:
    case QEvent::Wheel:
      balloon->cancelHint();
      break;
    case QEvent::MouseMove:
      if (watched->isWindowType() && movedOffControl(balloon, static_cast<QWindow *>(watched),
                                                     static_cast<QMouseEvent *>(event)))
        balloon->cancelHint();
      break;
    case QEvent::Leave:
      // Out of the control's window, unless onto the balloon itself.
      if (watched->isWindowType() && balloon->hintControl() &&
          watched == balloon->hintControl()->window()->windowHandle() &&
          !balloon->geometry().contains(QCursor::pos()))
        balloon->cancelHint();
      break;
    case QEvent::Paint: {
      auto *widget = qobject_cast<QWidget *>(watched);
      const BalloonBehaviors behavior = balloon->settings()->behavior();
      if (!widget || widget->window() == balloon ||
          behavior.testFlag(BalloonBehavior::bbUseRegions) ||
          !behavior.testFlag(BalloonBehavior::bbHideOnPaint))
        break;
      const QRect r = static_cast<QPaintEvent *>(event)->rect();
      if (QRect(widget->mapToGlobal(r.topLeft()), r.size()).intersects(balloon->geometry())) {
        // Not from inside another window's paint: at the next turn of the loop.
        QTimer::singleShot(0, balloon, [balloon = QPointer<BalloonWindow>(balloon)] {
          if (balloon && shown() == balloon)
            balloon->cancelHint();
        });
      }
      break;
    }
    default:
      break;
    }
    return false;
  }

private:
  // Judged in the window's own coordinates, which come with the event: the
  // window's idea of its place on the screen may be stale under a window
  // manager.
  static bool movedOffControl(BalloonWindow *balloon, QWindow *window, QMouseEvent *event) {
    const QWidget *control = balloon->hintControl();
    if (!control || window == balloon->windowHandle())
      return false;
    const QWidget *top = control->window();
    if (window != top->windowHandle())
      return true;
    const QRect area(control->mapTo(top, QPoint(0, 0)), control->size());
    return !area.contains(event->position().toPoint());
  }

  bool installed_ = false;
};

BalloonWindow::BalloonWindow(QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  // The paint covers every pixel with the screen's picture and the balloon.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
}

BalloonWindow::~BalloonWindow() {
  if (shown() == this)
    BalloonHook::instance().remove();
}

BalloonSettings *BalloonWindow::settings() const {
  if (settings_)
    return settings_;
  static BalloonSettings defaults;
  return &defaults;
}

BalloonWindow *BalloonWindow::shownBalloon() {
  return shown();
}

bool BalloonWindow::hookInstalled() {
  return BalloonHook::instance().installed();
}

QRect BalloonWindow::screenRect(QPoint cursor) const {
  if (screenRect_)
    return *screenRect_;
  QScreen *screen = QGuiApplication::screenAt(cursor);
  if (!screen)
    screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect(0, 0, 640, 480);
}

void BalloonWindow::setText(const QString &text) {
  text_ = platform::leftWhole(text, balloon::kMaxTextLength);
  computeSize(QCursor::pos());
}

void BalloonWindow::computeSize(QPoint cursor) {
  const BalloonSettings *s = settings();
  const int width = balloon::measuringWidth(cursor.x(), screenRect(cursor), s->maxWidthPixels(),
                                            s->shadowDepth());
  const QRect measured =
      QFontMetrics(font()).boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap, text_);
  resize(balloon::windowSize(measured.size(), s->shadowDepth()));
}

void BalloonWindow::chooseLook() {
  using platform::toQColor;
  const BalloonSettings *s = settings();
  switch (s->style()) {
  case HintStyle::hsDefault:
    look_ = {balloon::defaultHintFont(), toQColor(platform::clInfoText),
             toQColor(platform::clInfoBk), toQColor(platform::clWindowFrame)};
    break;
  case HintStyle::hsCustom:
    look_ = {s->font(), toQColor(s->fontColor()), toQColor(s->color()), toQColor(s->borderColor())};
    break;
  case HintStyle::hsSystem:
    look_ = {platform::statusFont().value_or(balloon::defaultHintFont()),
             toQColor(platform::clInfoText), toQColor(platform::clInfoBk),
             toQColor(platform::clWindowFrame)};
    break;
  }
  setFont(look_.font);
}

balloon::Picture BalloonWindow::picture() const {
  const BalloonSettings *s = settings();
  balloon::Picture p;
  p.client = size();
  p.position = position_;
  p.shape = s->shape();
  p.shadowDepth = s->shadowDepth();
  p.shadowStyle = s->shadowStyle();
  p.look = look_;
  p.text = text_;
  p.background = background_;
  return p;
}

void BalloonWindow::showAt(QPoint cursor) {
  const BalloonSettings *s = settings();
  chooseLook();
  computeSize(cursor);
  const balloon::Placement placed =
      balloon::placeOnScreen(s->position(), cursor, size(), screenRect(cursor));
  position_ = placed.position;
  const QRect target(placed.topLeft, size());

  // A newly mapped window holds no picture of the screen: take it before
  // showing. Where the balloon is already up, the screen shows the balloon,
  // and the picture taken for it shows what lies beneath.
  QPixmap picture;
  if (QScreen *screen = QGuiApplication::screenAt(target.topLeft())
                            ? QGuiApplication::screenAt(target.topLeft())
                            : QGuiApplication::primaryScreen()) {
    const QPoint origin = screen->geometry().topLeft();
    picture = screen->grabWindow(0, target.x() - origin.x(), target.y() - origin.y(),
                                 target.width(), target.height());
  }
  if (isVisible() && !background_.isNull() && !picture.isNull() && geometry().intersects(target)) {
    QPainter p(&picture);
    p.drawPixmap(geometry().topLeft() - target.topLeft(), background_);
  }
  background_ = picture;

  move(target.topLeft());
  if (s->behavior().testFlag(BalloonBehavior::bbUseRegions)) {
    const balloon::Geometry g = balloon::geometry(size(), position_, s->shadowDepth());
    platform::setWindowRegion(this, platform::Region::fromQRegion(balloon::windowRegion(
                                        g, s->shape(), s->shadowDepth(), size())));
  } else {
    platform::setWindowRegion(this, std::nullopt);
  }
  shown() = this;
  BalloonHook::instance().install();
  show();
  raise();
  update();
  platform::flushWindowSystem();
}

void BalloonWindow::cancelHint() {
  hide();
}

void BalloonWindow::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  balloon::paintBalloon(painter, picture());
}

void BalloonWindow::mousePressEvent(QMouseEvent *) {
  cancelHint();
}

void BalloonWindow::hideEvent(QHideEvent *event) {
  QWidget::hideEvent(event);
  shown() = nullptr;
  BalloonHook::instance().remove();
}

BalloonHintWindow::BalloonHintWindow(QWidget *parent) : BalloonWindow(parent) {
  setSettings(balloonSettings());
}

void BalloonHintWindow::activateHint(const QString &text, std::optional<QPoint> cursor) {
  const BalloonSettings *s = settings();
  if (s->behavior().testFlag(BalloonBehavior::bbNoShowMouseDown) &&
      (QGuiApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton))) {
    cancelHint();
    return;
  }
  const QString cut = platform::leftWhole(text, balloon::kMaxTextLength);
  if (cut.isEmpty()) {
    cancelHint();
    return;
  }
  setCutText(cut);
  showAt(cursor.value_or(QCursor::pos()));
}

void BalloonHintWindow::releaseHint() {
  cancelHint();
}
