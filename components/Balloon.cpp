#include "components/Balloon.h"

#include "components/BalloonGeometry.h"
#include "components/BalloonWindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace {

// Balloon-hint components alive, oldest first.
std::vector<TBalloonBase *> &linkedSettings() {
  static std::vector<TBalloonBase *> list;
  return list;
}

} // namespace

TBalloonBase *balloonSettings() {
  const auto &list = linkedSettings();
  return list.empty() ? nullptr : list.back();
}

TBalloonBase::TBalloonBase(QObject *owner) : QObject(owner) {
  setMaxWidth(FMaxWidth);
}

TBalloonBase::~TBalloonBase() = default;

int TBalloonBase::screenWidth() {
  const QScreen *screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : 0;
}

void TBalloonBase::setMaxWidth(int value) {
  const int width = screenWidth();
  FMaxWidth = value >= width && width > 0 ? width : value;
  maxPixels_ = balloon::maxWidthPixels(FMaxWidth, width);
}

void TBalloonBase::setShadowDepth(int value) {
  FShadowDepth = std::clamp(value, 0, balloon::kMaxShadowDepth);
}

// The balloon as the application's hint display while Active.
class TBalloonHint::Display {
public:
  Display() : window(new TBalloonHintWindow) {}
  ~Display() { delete window; }
  QPointer<TBalloonHintWindow> window;
};

TBalloonHint::TBalloonHint(QObject *owner) : TBalloonBase(owner) {
  linkedSettings().push_back(this);
  setActive(true);
}

TBalloonHint::~TBalloonHint() {
  auto &list = linkedSettings();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  setActive(false);
}

void TBalloonHint::setActive(bool value) {
  FActive = value;
  if (QCoreApplication::closingDown() || !QCoreApplication::instance())
    return;
  // The hint window of the old kind goes, and one of the new kind comes.
  display_.reset();
  if (value)
    display_ = std::make_unique<Display>();
}

TBalloonHintWindow *TBalloonHint::hintWindow() const {
  return display_ ? display_->window.data() : nullptr;
}
