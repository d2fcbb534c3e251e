#include "controls/borderless_window.h"

#include "controls/accessibility.h"
#include "controls/picture_view.h"
#include "platform/free_memory.h"
#include "platform/guarded.h"
#include "platform/lost_windows.h"
#include "platform/region.h"
#include "platform/session.h"
#include "platform/window_position.h"

#include <QApplication>
#include <QBackingStore>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

#include <algorithm>

BorderlessWindow::BorderlessWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  // A tool window, which taskbars skip: the program lives in the tray and
  // shows no taskbar buttons. Windows shown without activation, or without a
  // window manager, would get no hints otherwise.
  setAttribute(Qt::WA_AlwaysShowToolTips);
  controls::installAccessibility();
  // A platform window that another client destroyed is let go, and the window counts as
  // hidden: its next showing makes it again. Hidden first: Qt hides through the platform
  // window, and a widget without one would stay shown to Qt.
  connect(&platform::LostWindows::instance(), &platform::LostWindows::lost, this,
          [this](QWindow *window) {
            if (window != windowHandle())
              return;
            hide();
            destroy(true, false);
          });
}

void BorderlessWindow::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    hide();
    return;
  }
  QWidget::keyPressEvent(event);
}

void BorderlessWindow::centreOnScreen() {
  QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen)
    return;
  const QRect area = screen->geometry();
  move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void BorderlessWindow::showCentred() {
  position_ = WindowPlacement::poScreenCenter;
  if (isVisible()) {
    centreOnScreen();
    onShowing();
  } else {
    show();
  }
}

bool BorderlessWindow::stayOnTop() const {
  return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void BorderlessWindow::setStayOnTop(bool on) {
  if (QWindow *window = windowHandle()) {
    // Through the native window: QWidget::setWindowFlag would hide and
    // re-create a visible window.
    window->setFlag(Qt::WindowStaysOnTopHint, on);
    overrideWindowFlags(on ? windowFlags() | Qt::WindowStaysOnTopHint
                           : windowFlags() & ~Qt::WindowStaysOnTopHint);
    platform::flushWindowSystem();
  } else {
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
  }
}

void BorderlessWindow::sendToBack() {
  // A window manager keeps an "above" window above normal ones even when
  // it is lowered: take it off the top first.
  setStayOnTop(false);
  lower();
  platform::flushWindowSystem();
}

void BorderlessWindow::bringToFront() {
  raise();
  platform::flushWindowSystem();
}

void BorderlessWindow::setColor(const QColor &color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  setAutoFillBackground(true);
}

QColor BorderlessWindow::color() const {
  return palette().color(QPalette::Window);
}

void BorderlessWindow::takePlaceFromWindowSystem() {
  if (!isVisible() || dragging_)
    return;
  // Without a border the window's place is its client origin. Either record can be the stale
  // one: the widget's, or only the platform window's, which a move to the widget's own place
  // leaves as it is.
  const QPoint actual = platform::windowScreenOrigin(this);
  if (actual == mapToGlobal(QPoint(0, 0)))
    return;
  move(actual);
  if (QWindow *window = windowHandle())
    window->setPosition(actual);
}

bool BorderlessWindow::isSurfaceAt(const QPoint &pos) const {
  // childAt() passes over mouse-transparent children.
  return rect().contains(pos) && childAt(pos) == nullptr;
}

void BorderlessWindow::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  // Spontaneous show events come from the window system (de-iconifying)
  // after the fact; ours come before the window is mapped.
  if (event->spontaneous())
    return;
  if (position_ == WindowPlacement::poScreenCenter)
    centreOnScreen();
  platform::runGuarded([this] { onShowing(); });
}

void BorderlessWindow::hideEvent(QHideEvent *event) {
  QWidget::hideEvent(event);
  dragging_ = false;
  if (event->spontaneous())
    return;
  platform::runGuarded([this] { onHidden(); });
  emit hidden();
  // Later: a command may hide the window and show it again in one handler, and the hide
  // animation and the objects deleted after it free their memory only once they have run.
  if (releasedWhenHidden_)
    QTimer::singleShot(kReleaseDelayMs, Qt::CoarseTimer, this, [this] { releaseWhileHidden(); });
}

bool BorderlessWindow::windowWithTextShown() {
  // The tray's icon windows show pictures only; menus, boxes, tooltips, balloons and the
  // program's own windows show text.
  const auto list = QApplication::topLevelWidgets();
  return std::any_of(list.begin(), list.end(), [](const QWidget *w) {
    return w->isVisible() && (qobject_cast<const BorderlessWindow *>(w) != nullptr ||
                              qobject_cast<const QMenu *>(w) != nullptr ||
                              qobject_cast<const QDialog *>(w) != nullptr ||
                              w->windowType() == Qt::ToolTip || w->windowType() == Qt::Popup);
  });
}

void BorderlessWindow::releaseWhileHidden() {
  if (isVisible())
    return;
  for (PictureView *view : findChildren<PictureView *>())
    view->releasePicture();
  platform::runGuarded([this] { onReleasing(); });
  // The platform window goes with its backing store (a window-size image), or only the store
  // where the window stays; stay-on-top, masks and the place are the widget's and come back
  // with the next show. Windows of its children (an open menu, a balloon) are left alone.
  if (keepsPlatformWindow_) {
    if (QBackingStore *store = backingStore())
      store->resize(QSize(1, 1));
  } else if (testAttribute(Qt::WA_WState_Created)) {
    destroy(true, false);
  }
  // The fonts are the largest part of what any window with text keeps (engines, glyphs,
  // shaping tables, the font files mapped); the last window hidden lets them go.
  if (!windowWithTextShown())
    platform::releaseFontEngines();
  platform::returnFreeMemory();
}

void BorderlessWindow::mousePressEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton && isSurfaceAt(event->position().toPoint())) {
    event->accept();
    // A Wayland client cannot place its windows; the compositor moves it instead.
    if (platform::onWayland() && windowHandle() && windowHandle()->startSystemMove())
      return;
    // The window follows the mouse by itself. The window manager's own move
    // (startSystemMove) sometimes starts from a stale window position right
    // after the window was shown and throws it across the screen.
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - platform::windowScreenOrigin(this);
    return;
  }
  QWidget::mousePressEvent(event);
}

void BorderlessWindow::mouseMoveEvent(QMouseEvent *event) {
  if (dragging_ && (event->buttons() & Qt::LeftButton)) {
    move(event->globalPosition().toPoint() - dragOffset_);
    event->accept();
    return;
  }
  QWidget::mouseMoveEvent(event);
}

void BorderlessWindow::mouseReleaseEvent(QMouseEvent *event) {
  if (dragging_ && event->button() == Qt::LeftButton) {
    dragging_ = false;
    event->accept();
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

void sendAllToBack(std::initializer_list<BorderlessWindow *> windows) {
  for (BorderlessWindow *window : windows)
    if (window)
      window->sendToBack();
}

void putAllOnTop(std::initializer_list<BorderlessWindow *> windows) {
  for (BorderlessWindow *window : windows)
    if (window)
      window->setStayOnTop(true);
}

SentToBack::SentToBack(std::initializer_list<BorderlessWindow *> windows) {
  sendAllToBack(windows);
  for (BorderlessWindow *window : windows)
    if (window)
      windows_.emplace_back(window);
}

SentToBack::~SentToBack() {
  for (const QPointer<BorderlessWindow> &window : windows_)
    if (window)
      window->setStayOnTop(true);
}
