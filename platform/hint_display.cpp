#include "platform/hint_display.h"

#include <QCursor>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace platform {
namespace {

class PlainTooltip final : public HintDisplay {
public:
  void showHint(const HintRequest &request) override {
    QToolTip::showText(request.cursorPos, request.text, request.control);
  }
  void hideHint() override { QToolTip::hideText(); }
};

PlainTooltip plainTooltip;
HintDisplay *current = nullptr;

} // namespace

void setHintDisplay(HintDisplay *display) {
  if (current == display)
    return;
  hintDisplay()->hideHint();
  current = display;
}

HintDisplay *hintDisplay() {
  return current ? current : &plainTooltip;
}

void showHint(const HintRequest &request) {
  if (!request.control || request.text.isEmpty()) {
    hideHint();
    return;
  }
  hintDisplay()->showHint(request);
}

void hideHint() {
  hintDisplay()->hideHint();
}

QWidget *hintWidgetAt(QWidget *widget, const QPoint &pos) {
  const QObjectList &children = widget->children();
  // Later children are drawn over earlier ones: look from the top.
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    auto *child = qobject_cast<QWidget *>(*it);
    if (!child || child->isWindow() || !child->isVisible() || !child->geometry().contains(pos))
      continue;
    return hintWidgetAt(child, pos - child->pos());
  }
  return widget;
}

HintRequest hintRequestAt(QWidget *widget, const QPoint &pos, const QPoint &cursorPos) {
  QWidget *target = hintWidgetAt(widget, pos);
  while (target != widget && target->toolTip().isEmpty())
    target = target->parentWidget();
  HintRequest request;
  request.cursorPos = cursorPos;
  if (!target->toolTip().isEmpty()) {
    request.control = target;
    request.text = target->toolTip();
  }
  return request;
}

bool HintRouter::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
    return false;
  auto *widget = static_cast<QWidget *>(watched);
  // A tray icon's tooltip belongs to the tray, not to the program's hints:
  // Qt's tray icon window shows it itself.
  if (widget->window()->inherits("QSystemTrayIconSys"))
    return false;
  auto *help = static_cast<QHelpEvent *>(event);
  // The event's global position is where the hover began; the hint goes
  // where the cursor is now.
  const HintRequest request = hintRequestAt(widget, help->pos(), QCursor::pos());
  showHint(request);
  if (!request.control)
    event->ignore();
  return true;
}

} // namespace platform
