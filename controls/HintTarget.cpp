#include "controls/HintTarget.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

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

bool showHintFor(QWidget *widget, QEvent *event) {
  if (event->type() != QEvent::ToolTip)
    return false;
  auto *help = static_cast<QHelpEvent *>(event);
  QWidget *target = hintWidgetAt(widget, help->pos());
  // The nearest control with a hint, going out towards `widget`.
  while (target != widget && target->toolTip().isEmpty())
    target = target->parentWidget();
  if (target->toolTip().isEmpty()) {
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  QToolTip::showText(help->globalPos(), target->toolTip(), target);
  return true;
}
