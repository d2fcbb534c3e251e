#include "components/smooth_show.h"

#include "platform/session.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

// start + progress * (end - start) / 100, truncating toward zero, without
// overflow for any two ints.
int between(int start, int end, int progress) {
  const int64_t delta = int64_t(end) - start;
  return int(start + progress * delta / 100);
}

// Places beyond a billion pixels are not on any screen; keeping them there
// keeps every rectangle within what QRect can hold.
constexpr int kFarthest = 1 << 30;

QRect placedRect(int left, int top, int width, int height) {
  return QRect(std::clamp(left, -kFarthest, kFarthest), std::clamp(top, -kFarthest, kFarthest),
               width, height);
}

QWidget *makeFrameWindow(const QColor &color) {
  // An override-redirect window: never focused, above everything, and not
  // placed or decorated by a window manager.
  auto *frame =
      new QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
  frame->setObjectName(QStringLiteral("SmoothShowFrame"));
  frame->setAttribute(Qt::WA_ShowWithoutActivating);
  frame->setAttribute(Qt::WA_X11DoNotAcceptFocus);
  frame->setFocusPolicy(Qt::NoFocus);
  frame->setAutoFillBackground(true);
  QPalette palette = frame->palette();
  palette.setColor(QPalette::Window, color);
  frame->setPalette(palette);
  return frame;
}

} // namespace

SmoothShow::SmoothShow(QObject *owner) : QObject(owner), timer_(new QTimer(this)) {
  timer_->setTimerType(Qt::PreciseTimer);
  connect(timer_, &QTimer::timeout, this, &SmoothShow::step);
  if (auto *widget = qobject_cast<QWidget *>(owner))
    setControl(widget);
}

SmoothShow::~SmoothShow() {
  abandon(true);
}

void SmoothShow::setControl(QWidget *value) {
  if (running_ || value == control_)
    return;
  disconnect(controlWatch_);
  control_ = value;
  if (value) {
    controlWatch_ = connect(value, &QObject::destroyed, this, [this] {
      // The control is gone: nothing of it is touched, only the frame goes.
      control_ = nullptr;
      abandon(false);
    });
  }
}

QSize SmoothShow::screenSize() const {
  if (screenSize_)
    return *screenSize_;
  if (QScreen *screen = QGuiApplication::primaryScreen())
    return screen->geometry().size();
  return {};
}

QRect SmoothShow::smallRect() const {
  const QSize screen = screenSize();
  const int sw = screen.width(), sh = screen.height();
  switch (minLocation_) {
  case MinLocation::mlCenter:
    return QRect(sw / 2, sh / 2, 0, 0);
  case MinLocation::mlTopLeft:
    return QRect(0, 0, 0, 0);
  case MinLocation::mlTopRight:
    return QRect(sw, 0, 0, 0);
  case MinLocation::mlBottomLeft:
    return QRect(0, sh, 0, 0);
  case MinLocation::mlBottomRight:
    return QRect(sw, sh, 0, 0);
  case MinLocation::mlCustom:
    break;
  }
  return placedRect(minLeft_, minTop_, minWidth_, minHeight_);
}

QRect SmoothShow::largeRect() const {
  if (maxLocation_ == MaxLocation::xlDefault && control_) {
    // A top-level's geometry is its client origin on the screen already,
    // also before it is first mapped.
    if (control_->isWindow())
      return QRect(control_->geometry().topLeft(), control_->frameGeometry().size());
    return QRect(control_->mapToGlobal(QPoint(0, 0)), control_->size());
  }
  return placedRect(maxLeft_, maxTop_, maxWidth_, maxHeight_);
}

void SmoothShow::execute() {
  if (running_ || !control_ || !enabled_)
    return;
  running_ = true;
  const quint64 run = ++runCount_;
  frames_.clear();
  if (platform::onWayland()) {
    // Where a window can be neither placed nor cut (Wayland), the frame would be a
    // filled rectangle wherever the compositor puts it: the control shows at once.
    savedRegion_ = platform::windowRegion(control_);
    finish();
    return;
  }
  start_ = reverse_ ? largeRect() : smallRect();
  end_ = reverse_ ? smallRect() : largeRect();
  frame_ = makeFrameWindow(color_);
  savedRegion_ = platform::windowRegion(control_);
  platform::makeInvisible(control_);
  progress_ = 0;
  timer_->setInterval(delay_);
  if (delay_ > 0)
    timer_->start();
  QPointer<SmoothShow> self(this);
  step();
  // Without a delay there would be no ticks: draw the rest of the run now.
  while (delay_ == 0 && self && running_ && runCount_ == run)
    step();
}

void SmoothShow::step() {
  if (!running_ || !frame_)
    return;
  const QRect current(between(start_.left(), end_.left(), progress_),
                      between(start_.top(), end_.top(), progress_),
                      between(start_.width(), end_.width(), progress_),
                      between(start_.height(), end_.height(), progress_));
  frames_.append(current);
  frame_->setGeometry(current);

  // The hollow frame: the window minus its inside; a window narrower than
  // two borders is all border.
  const int w = current.width(), h = current.height(), b = borderWidth_;
  const QRect inner(QPoint(b, b), QPoint(int(int64_t(w) - b - 1), int(int64_t(h) - b - 1)));
  platform::setWindowRegion(frame_, platform::Region::rectDifference(QRect(0, 0, w, h), inner));

  if (!frame_->isVisible()) {
    frame_->show();
    frame_->raise();
  }
  frame_->repaint();
  platform::flushWindowSystem();

  if (progress_ >= 100) {
    finish();
    return;
  }
  progress_ = std::min(progress_ * 3 / 2 + 2, 100);
}

void SmoothShow::finish() {
  timer_->stop();
  QPointer<SmoothShow> self(this);
  emit finishing();
  if (!self)
    return;
  delete frame_.data();
  if (control_)
    platform::setWindowRegion(control_, savedRegion_);
  savedRegion_.reset();
  running_ = false;
  emit finished();
}

void SmoothShow::abandon(bool restoreControl) {
  if (!running_)
    return;
  timer_->stop();
  delete frame_.data();
  if (restoreControl && control_)
    platform::setWindowRegion(control_, savedRegion_);
  savedRegion_.reset();
  running_ = false;
}
