#include "components/balloon_hint.h"

#include "components/balloon_geometry.h"
#include "components/balloon_window.h"
#include "platform/hint_display.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

// Balloon-hint components alive, oldest first.
std::vector<BalloonSettings *> &linkedSettings() {
  static std::vector<BalloonSettings *> list;
  return list;
}

} // namespace

BalloonSettings *balloonSettings() {
  const auto &list = linkedSettings();
  return list.empty() ? nullptr : list.back();
}

BalloonSettings::BalloonSettings(QObject *owner) : QObject(owner) {
  setMaxWidth(FMaxWidth);
}

BalloonSettings::~BalloonSettings() = default;

int BalloonSettings::screenWidth() {
  const QScreen *screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : 0;
}

void BalloonSettings::setMaxWidth(int value) {
  const int width = screenWidth();
  FMaxWidth = value >= width && width > 0 ? width : value;
  maxPixels_ = balloon::maxWidthPixels(FMaxWidth, width);
}

void BalloonSettings::setShadowDepth(int value) {
  FShadowDepth = std::clamp(value, 0, balloon::kMaxShadowDepth);
}

// The balloon as the application's hint display while Active. A hint stays
// until its control goes or it has been up for a while, as plain hints do;
// the balloon itself goes when the cursor leaves the control, at a click or
// at a key.
class BalloonHint::Display final : public QObject, public platform::HintDisplay {
public:
  Display() : window(new BalloonHintWindow) {
    watch_.setInterval(50);
    QObject::connect(&watch_, &QTimer::timeout, this, [this] { checkCursor(); });
    hidePause_.setSingleShot(true);
    hidePause_.setInterval(10000);
    QObject::connect(&hidePause_, &QTimer::timeout, this, [this] { hideHint(); });
    platform::setHintDisplay(this);
  }
  ~Display() override {
    if (platform::hintDisplay() == this)
      platform::setHintDisplay(nullptr);
    stopWatching();
    delete window;
  }

  void showHint(const platform::HintRequest &request) override {
    if (!window)
      return;
    // The cursor resting again on the same control keeps the balloon where it is.
    if (window->isVisible() && request.control == control_ && request.text == text_)
      return;
    control_ = request.control;
    text_ = request.text;
    window->setHintControl(request.control);
    window->activateHint(request.text, request.cursorPos);
    if (window->isVisible())
      startWatching();
    else
      stopWatching();
  }

  void hideHint() override {
    stopWatching();
    if (window)
      window->releaseHint();
  }

  QPointer<BalloonHintWindow> window;

private:
  void startWatching() {
    watch_.start();
    hidePause_.start();
  }
  void stopWatching() {
    watch_.stop();
    hidePause_.stop();
  }
  void checkCursor() {
    const QWidget *control = control_;
    if (!window || !window->isVisible() || !control || !control->isVisible())
      hideHint();
  }

  QPointer<QWidget> control_;
  QString text_;
  QTimer watch_, hidePause_;
};

BalloonHint::BalloonHint(QObject *owner) : BalloonSettings(owner) {
  linkedSettings().push_back(this);
  setActive(true);
}

BalloonHint::~BalloonHint() {
  auto &list = linkedSettings();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  setActive(false);
}

void BalloonHint::setActive(bool value) {
  FActive = value;
  if (QCoreApplication::closingDown() || !QCoreApplication::instance())
    return;
  // The hint window of the old kind goes, and one of the new kind comes.
  display_.reset();
  if (value)
    display_ = std::make_unique<Display>();
}

BalloonHintWindow *BalloonHint::hintWindow() const {
  return display_ ? display_->window.data() : nullptr;
}
